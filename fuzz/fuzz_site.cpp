// Any text another server could send the maker's site, and any name a user could type: the name check lets
// through only A-labels, an address, network or AS number comes out in canonical form, a referral is only
// ever a host name, and the lookup page shows the text as text, without control characters.
#include "Bootstrap.h"
#include "DomainName.h"
#include "Lookup.h"
#include "PageLanguage.h"
#include "Pages.h"
#include "Query.h"
#include "Upstream.h"
#include "WhoisText.h"

#include <QJsonDocument>
#include <QRegularExpression>

#include <cstdlib>

namespace {

LookupResult whoisRecord(const QString &text)
{
    LookupResult result;
    result.outcome = LookupResult::Outcome::Found;
    result.registrar = text;
    result.notes.append(text);
    result.records.append(SourceRecord { text, text, false });
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = Upstream::decodeText(bytes);

    const DomainName name = DomainName::fromInput(text);
    static const QRegularExpression aLabels(
        QStringLiteral("^[a-z0-9]([a-z0-9-]{0,61}[a-z0-9])?(\\.[a-z0-9]([a-z0-9-]{0,61}[a-z0-9])?)*$"));
    if (name.ok() != name.error.isEmpty()
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

    // The page holds exactly the markup it holds for a plain record, in English and in a language whose
    // messages are translated through templates: every "<" of the text is escaped.
    const PageLanguage &german = PageLanguage::forAcceptLanguage("de");
    static const auto markupFor = [](const QString &plain, const PageLanguage &words) {
        const LookupResult result = whoisRecord(plain);
        return Pages::lookupPage(plain, &result, words).count('<');
    };
    const LookupResult record = whoisRecord(text);
    for (const PageLanguage *words : { &PageLanguage::english(), &german }) {
        if (Pages::lookupPage(text, &record, *words).count('<')
            != markupFor(text.isEmpty() ? QString() : u"x"_qs, *words))
            std::abort();
    }
    // Any header picks one of the languages.
    if (!PageLanguage::all().contains(&PageLanguage::forAcceptLanguage(bytes.toStdString())))
        std::abort();
    return 0;
}
