// Any text another server could send the maker's site, and any name a user could type: the name check lets
// through only A-labels, an address, network or AS number comes out in canonical form, a referral is only
// ever a host name, and the lookup page shows the text as text, without control characters.
#include "abuse/AbuseContacts.h"
#include "evidence/EvidenceFile.h"
#include "lookup/Availability.h"
#include "lookup/Bootstrap.h"
#include "lookup/Dns.h"
#include "lookup/Lookup.h"
#include "lookup/Upstream.h"
#include "lookup/WhoisText.h"
#include "pages/Api.h"
#include "pages/PageLanguage.h"
#include "pages/Pages.h"
#include "query/DomainName.h"
#include "query/Query.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdlib>

namespace {

// A result with the text in every place a registry's words can reach: the fields, a note, a record and its
// source, and the outcome's message.
LookupResult resultWith(const QString &text, LookupResult::Outcome outcome, Query::Kind kind)
{
    LookupResult result;
    result.outcome = outcome;
    result.kind = kind;
    result.query = text;
    result.message = Message(MessageId::WhoisUnreachable, text, Message::verbatim(text));
    for (QString *field : { &result.name, &result.registrar, &result.registrarId, &result.registrarUrl,
                            &result.registered, &result.lastChanged, &result.range, &result.type, &result.country,
                            &result.holder, &result.abuse, &result.dnssec, &result.whoisServer, &result.rdapService })
        *field = text;
    // (A web address is a link when it is http or https; an expiry that is a date adds the time left to the
    // verdict: the same for every text.)
    result.registrarUrl = u"https://"_qs + text;
    result.expires = QStringLiteral("2030-01-01");
    result.statuses = QStringList { text, text };
    result.nameServers = QStringList { text };
    result.notes.append(Message::verbatim(text));
    result.records.append(SourceRecord { text, text, true });
    result.cachedAgeSeconds = 5;
    return result;
}

// Every page that carries text from elsewhere, one for each template that takes such a value: the lookup page
// with a record (found, for a name, a network and a top-level domain; reserved), with a failure, with no question,
// and refused. In a
// translated language, the pages whose messages the catalog renders (the failure and the refusal) are enough:
// the rest is the same template with other words.
qsizetype markup(const QString &text, const PageLanguage &words)
{
    using Outcome = LookupResult::Outcome;
    const bool english = &words == &PageLanguage::english();
    qsizetype count = 0;
    for (const auto &[outcome, kind] :
         { std::pair { Outcome::Failed, Query::Kind::Domain }, std::pair { Outcome::Found, Query::Kind::Domain },
           std::pair { Outcome::Found, Query::Kind::Network },
           std::pair { Outcome::Found, Query::Kind::TopLevelDomain },
           std::pair { Outcome::Reserved, Query::Kind::Domain } }) {
        const LookupResult result = resultWith(text, outcome, kind);
        count += Pages::lookupPage(text, &result, words).count('<');
        if (!english)
            break;
    }
    if (english)
        count += Pages::lookupPage(text, nullptr, words).count('<');
    count += Pages::lookupRefused(429, text, Message::verbatim(text), words).body.count('<');
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = Upstream::decodeText(bytes);

    const DomainName name = DomainName::fromInput(text);
    static const QRegularExpression aLabels(
        QStringLiteral("^[a-z0-9]([a-z0-9-]{0,61}[a-z0-9])?(\\.[a-z0-9]([a-z0-9-]{0,61}[a-z0-9])?)*$"));
    if (name.ok() != name.error.isNull()
        || (name.ok() && (name.ace.size() > 253 || !aLabels.match(name.ace).hasMatch())))
        std::abort();

    // Whatever the field holds, an accepted query is in canonical form: parsing it again gives it back.
    const Query query = Query::fromInput(text);
    if (query.ok() == query.text.isEmpty() || (query.ok() && Query::fromInput(query.text).text != query.text))
        std::abort();
    for (QChar c : Pages::visible(text)) {
        if ((c.unicode() < 0x20 && c != u'\n' && c != u'\t') || (c.unicode() >= 0x7f && c.unicode() <= 0x9f)
            || (c.unicode() >= 0x202a && c.unicode() <= 0x202e) || (c.unicode() >= 0x2066 && c.unicode() <= 0x2069))
            std::abort();
    }

    const QString server = WhoisText::referral(
        text, { QStringLiteral("refer:"), QStringLiteral("whois:"), QStringLiteral("Registrar WHOIS Server:") });
    static const QRegularExpression hostName(QStringLiteral("^[a-z0-9.:-]{1,253}$"));
    if (!server.isEmpty() && !hostName.match(server).hasMatch())
        std::abort();
    WhoisText::read(text, server, name.ok() ? name.ace : u"example.com"_qs);

    const QUrl service
        = RdapBootstrap::findService(QJsonDocument::fromJson(bytes), name.ok() ? name.ace : u"example.com"_qs);
    if (!service.isEmpty()
        && (!service.path().endsWith(u'/') || (service.scheme() != u"http" && service.scheme() != u"https")))
        std::abort();

    // Every page holds exactly the markup it holds for a plain text, in English and in a translated language:
    // every "<" of the text is escaped, whichever template it reaches.
    // (Escaping does not depend on length: the first 4096 characters keep the target fast.)
    const QString sample = text.left(4096);
    const PageLanguage *languages[] = { &PageLanguage::english(), &PageLanguage::forAcceptLanguage("de") };
    static const qsizetype expected[2][2] = { { markup(QString(), *languages[0]), markup(u"x"_qs, *languages[0]) },
                                              { markup(QString(), *languages[1]), markup(u"x"_qs, *languages[1]) } };
    for (int i = 0; i < 2; ++i) {
        if (markup(sample, *languages[i]) != expected[i][text.isEmpty() ? 0 : 1])
            std::abort();
    }
    // A record kept as a file: its name is a plain file name, its header one line, for any question.
    static const QRegularExpression fileName(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9._-]*$"));
    const LookupResult found = resultWith(text, LookupResult::Outcome::Found, Query::Kind::Domain);
    const std::optional<Response> file = Pages::recordFile(found, 1);
    if (!file || !fileName.match(Pages::recordFileName(text, 2, false)).hasMatch() || file->disposition.count('"') != 2
        || file->disposition.contains('\r') || file->disposition.contains('\n') || file->body != text.toUtf8())
        std::abort();

    // Who to tell, read from any answer as whois and as RDAP: each contact reaches someone and says where it was read.
    for (const QString &source : { u"whois.example"_qs, u"https://rdap.example/ip/192.0.2.1"_qs }) {
        for (const Query::Kind kind : { Query::Kind::Domain, Query::Kind::Address }) {
            LookupResult answer;
            answer.kind = kind;
            answer.records.append(SourceRecord { source, Upstream::decodeText(bytes) });
            for (const Abuse::Contact &contact : Abuse::fromResult(answer)) {
                if (contact.source != source || contact.field.isEmpty()
                    || (contact.emails.isEmpty() && contact.phones.isEmpty() && contact.forms.isEmpty()))
                    std::abort();
            }
        }
    }
    // The evidence file holds any answer byte for byte.
    LookupResult kept = found;
    kept.hops.append(
        Hop { u"whois.example"_qs, "example.com", QDateTime::fromSecsSinceEpoch(0, Qt::UTC), 0, {}, bytes, false });
    if (!EvidenceFile::zip(kept).contains(bytes))
        std::abort();

    // The fields of any answer read as whois; a date read is a real one.
    RdapFields fields;
    WhoisText::readFields(text, fields, true);
    static const QRegularExpression isoDate(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    for (const QString &date : { fields.registered, fields.expires, fields.lastChanged, RdapFields::date(sample) }) {
        if (isoDate.match(date).hasMatch() && !QDate::fromString(date, Qt::ISODate).isValid())
            std::abort();
    }

    // Any RDAP record (vCards or JSContact cards, redactions) renders, and a withheld or placeholder holder is
    // never shown as a name.
    if (const QJsonObject record = QJsonDocument::fromJson(bytes).object(); !record.isEmpty()) {
        LookupResult read;
        read.outcome = LookupResult::Outcome::Found;
        read.query = u"example.com"_qs;
        RdapFields fields;
        fields.read(record);
        read.merge(fields, u"https://rdap.example/domain/example.com"_qs, true);
        read.readHost(record);
        if (RdapFields::isPlaceholder(read.holder) || (read.withheld.contains(u"holder"_qs) && !read.holder.isEmpty()))
            std::abort();
        for (const QString &date : { read.registered, read.expires, read.lastChanged }) {
            if (isoDate.match(date).hasMatch() && !QDate::fromString(date, Qt::ISODate).isValid())
                std::abort();
        }
        Pages::lookupPage(text, &read, PageLanguage::english());
        Api::lookup(read, PageLanguage::english(), QDateTime::currentDateTimeUtc());
    }

    // A check of many extensions asks only names in A-labels; any bytes from a resolver are read safely.
    if (const std::optional<ManyExtensions> check = Question::manyFromInput(text, { u"com"_qs })) {
        for (const QString &extension : check->extensions) {
            if (!aLabels.match(check->name + u'.' + extension).hasMatch())
                std::abort();
        }
    }
    Dns::read(bytes, quint16(size), u"example.com"_qs);

    // Any header picks one of the languages.
    if (!PageLanguage::all().contains(&PageLanguage::forAcceptLanguage(bytes.toStdString())))
        std::abort();
    return 0;
}
