#include "Findings.h"

#include "MakerPaths.h"
#include "Pages.h"
#include "Statuses.h"
#include "Template.h"
#include "query/DomainName.h"

#include <QLocale>
#include <QUrl>

#include <algorithm>

namespace {

using Outcome = LookupResult::Outcome;

//: How a date is written, in Qt's date format: d the day, MMMM the month's name, yyyy the year; text in quotes
//: stays as it is (Spanish: d 'de' MMMM 'de' yyyy)
const char kDateFormat[] = QT_TRANSLATE_NOOP("Page", "d MMMM yyyy");
//: The value of a field that the registry or registrar withholds (RFC 9537 redaction)
const char kWithheld[] = QT_TRANSLATE_NOOP("Page", "withheld");
//: The value of a field that the registry or registrar withholds; %1: the reason it gives, in its own words
const char kWithheldWhy[] = QT_TRANSLATE_NOOP("Page", "withheld: %1");
// A value inside a sentence of the catalog, shown as text; as markup, escaped and isolated so that right-to-left
// text cannot reorder what stands around it.
QString isolated(const QString &text, Findings::Markup markup)
{
    if (markup == Findings::Markup::Text)
        return Pages::visible(text);
    Template::Data data;
    data.set("text", Template::value(Pages::visible(text)));
    return QString::fromStdString(Template::render("isolated", data));
}

// A text of the catalog in the form asked for.
QString plainOr(const QString &text, Findings::Markup markup)
{
    return markup == Findings::Markup::Html ? text.toHtmlEscaped() : text;
}

// How far off a registered name's expiry is: "in 248 days", "expired 3 days ago", "expires today".
QString timeLeft(const PageLanguage &words, qint64 days)
{
    if (days == 0)
        //: Of a domain name's registration
        return words.text(QT_TRANSLATE_NOOP("Page", "expires today"));
    const int count = int(std::clamp<qint64>(days, -1000000, 1000000));
    //: How long a registration has left ("expires 3 May 2027, in 146 days"), or how long ago it ran out
    return days > 0 ? words.text(QT_TRANSLATE_N_NOOP("Page", "in %n day(s)"), count)
                    : words.text(QT_TRANSLATE_N_NOOP("Page", "expired %n day(s) ago"), -count);
}

} // namespace

namespace Findings {

QString evidenceLine(const PageLanguage &words, const LookupResult &result)
{
    if (result.evidence.isNull())
        return QString();
    //: One line under a lookup's verdict: what it rests on (the server asked and the line of its answer that
    //: decided, or the status of its answer). %1: that, in a sentence.
    return words.text(QT_TRANSLATE_NOOP("Page", "Evidence: %1"))
        .arg(Pages::visible(words.render(result.evidence.message(result.query))));
}

QString sentence(const PageLanguage &words, const char *english, const QStringList &values, Markup markup)
{
    QStringList isolatedValues;
    for (const QString &text : values)
        isolatedValues.append(isolated(text, markup));
    return Message::filled(plainOr(words.text(english), markup), isolatedValues);
}

QString joined(const PageLanguage &words, const char *english, const QStringList &parts, Markup markup)
{
    return Message::filled(plainOr(words.text(english), markup), parts);
}

QString longDate(const PageLanguage &words, const QString &iso)
{
    if (iso.isEmpty())
        return iso;
    const QDate date = RdapFields::dateOf(iso);
    //: %1: what a record wrote where a date belongs, which is none ("294247-01-10T04:00:54Z")
    if (!date.isValid())
        return words.text(QT_TRANSLATE_NOOP("Page", "%1 (not a date)")).arg(iso);
    const QString text = QLocale(words.tag()).toString(date, words.text(kDateFormat));
    // French writes the first of a month as an ordinal: "1er mai 2027".
    if (date.day() == 1 && words.tag().startsWith(u"fr") && text.startsWith(u"1 "))
        return u"1er"_qs + text.mid(1);
    return text;
}

QString withheldText(const PageLanguage &words, const QString &reason)
{
    return reason.isEmpty() ? words.text(kWithheld) : words.text(kWithheldWhy).arg(reason);
}

QString nameAsTyped(const QString &ace, const QString &typed)
{
    const QString unicode = DomainName::unicode(ace);
    if (unicode == ace)
        return ace;
    bool asciiTyped = true;
    for (const QChar c : typed)
        asciiTyped = asciiTyped && c.unicode() < 0x80;
    return asciiTyped && !typed.isEmpty() ? QStringLiteral("%1 (%2)").arg(ace, unicode)
                                          : QStringLiteral("%1 (%2)").arg(unicode, ace);
}

QList<Field> fields(const PageLanguage &words, const LookupResult &result, const Verdict &verdict)
{
    QList<Field> rows;
    const auto row = [&](const char *label, const QString &text, const QString &link = QString(),
                         const QString &field = QString()) {
        const QString reason = result.withheld.value(field);
        const bool withheld = text.isEmpty() && !field.isEmpty() && result.withheld.contains(field);
        if (text.isEmpty() && !withheld)
            return;
        Field made { words.text(label),
                     withheld ? withheldText(words, reason) : text,
                     QString(),
                     {},
                     result.sources.value(field),
                     withheld };
        if (link.startsWith(u"http://") || link.startsWith(u"https://")) // never another scheme
            made.link = link;
        rows.append(made);
    };
    const auto date = [&](const char *label, const QString &iso, const QString &field, bool expiry = false) {
        QString text = longDate(words, iso);
        if (expiry && verdict.daysLeft)
            text += QStringLiteral(" (%1)").arg(timeLeft(words, *verdict.daysLeft));
        row(label, text, {}, field);
    };
    // Each status in words, the value as the registry wrote it beside (as the phrase's title); a value that is
    // none of the registered ones as it was written.
    const auto statuses = [&] {
        if (result.statuses.isEmpty())
            return;
        Field made { words.text(QT_TRANSLATE_NOOP("Page", "Status")),
                     QString(),
                     QString(),
                     {},
                     result.sources.value(u"statuses"_qs) };
        for (const QString &status : result.statuses) {
            const char *english = Statuses::phrase(status);
            made.statuses.append(Status { status, english ? words.text(english, "Status") : QString() });
        }
        rows.append(made);
    };
    const auto dnssec = [&] {
        if (result.dnssec == u"signed")
            row(QT_TRANSLATE_NOOP("Page", "DNSSEC"), words.text(QT_TRANSLATE_NOOP("Page", "signed")), {}, u"dnssec"_qs);
        else if (result.dnssec == u"unsigned")
            row(QT_TRANSLATE_NOOP("Page", "DNSSEC"), words.text(QT_TRANSLATE_NOOP("Page", "not signed")), {},
                u"dnssec"_qs);
    };
    const QString nameServers = result.nameServers.join(QStringLiteral(", "));
    switch (result.kind) {
    case Query::Kind::Domain:
        row(QT_TRANSLATE_NOOP("Page", "Domain"), result.name, {}, u"name"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Holder"), result.holder, {}, u"holder"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Registrar"), result.registrar, {}, u"registrar"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Registrar's IANA id"), result.registrarId, {}, u"registrarIanaId"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Registrar's web site"), result.registrarUrl, result.registrarUrl,
            u"registrarUrl"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Abuse contact"), result.abuse, {}, u"abuseContact"_qs);
        statuses();
        date(QT_TRANSLATE_NOOP("Page", "Registered"), result.registered, u"registered"_qs);
        date(QT_TRANSLATE_NOOP("Page", "Expires"), result.expires, u"expires"_qs, true);
        date(QT_TRANSLATE_NOOP("Page", "Last changed"), result.lastChanged, u"lastChanged"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Name servers"), nameServers, {}, u"nameServers"_qs);
        dnssec();
        //: What the record says it withholds, as it names it ("Registrant Name (Server policy)")
        row(QT_TRANSLATE_NOOP("Page", "Withheld"), result.withheldItems.join(QStringLiteral(", ")));
        //: The host name that was asked, which lies below the registered domain
        row(QT_TRANSLATE_NOOP("Page", "Host name"),
            result.host.isEmpty() ? QString() : DomainName::unicode(result.host));
        row(QT_TRANSLATE_NOOP("Page", "Host addresses"), result.hostAddresses.join(QStringLiteral(", ")));
        row(QT_TRANSLATE_NOOP("Page", "Host status"), result.hostStatuses.join(QStringLiteral(", ")));
        break;
    case Query::Kind::TopLevelDomain:
        if (result.outcome == Outcome::Found) {
            row(QT_TRANSLATE_NOOP("Page", "Top-level domain"), DomainName::unicode(result.query));
        }
        row(QT_TRANSLATE_NOOP("Page", "Manager"), result.holder);
        row(QT_TRANSLATE_NOOP("Page", "Whois server"), result.whoisServer);
        row(QT_TRANSLATE_NOOP("Page", "RDAP service"), result.rdapService);
        statuses();
        date(QT_TRANSLATE_NOOP("Page", "Registered"), result.registered, u"registered"_qs);
        date(QT_TRANSLATE_NOOP("Page", "Last changed"), result.lastChanged, u"lastChanged"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Name servers"), nameServers);
        dnssec();
        break;
    case Query::Kind::Address:
    case Query::Kind::Network:
    case Query::Kind::AsNumber:
        row(result.kind == Query::Kind::AsNumber ? QT_TRANSLATE_NOOP("Page", "Numbers")
                                                 : QT_TRANSLATE_NOOP("Page", "Range"),
            result.range, {}, u"range"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Name"), result.name, {}, u"name"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Type"), result.type, {}, u"type"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Country"), result.country, {}, u"country"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Holder"), result.holder, {}, u"holder"_qs);
        row(QT_TRANSLATE_NOOP("Page", "Abuse contact"), result.abuse, {}, u"abuseContact"_qs);
        statuses();
        date(QT_TRANSLATE_NOOP("Page", "Registered"), result.registered, u"registered"_qs);
        date(QT_TRANSLATE_NOOP("Page", "Last changed"), result.lastChanged, u"lastChanged"_qs);
        break;
    }
    return rows;
}

namespace {

// What the verdict on a registered name says beyond its label: who holds it, with which registrar, its time left,
// and what its statuses say of its future.
QStringList registeredParts(const PageLanguage &words, const LookupResult &result, const Verdict &verdict,
                            Markup markup)
{
    QStringList parts;
    if (!result.holder.isEmpty())
        //: %1: who holds a domain name, an address range or AS numbers
        parts.append(sentence(words, QT_TRANSLATE_NOOP("Page", "held by %1"), { result.holder }, markup));
    else if (result.withheld.contains(u"holder"_qs))
        //: Of a domain name whose holder the registrar does not show (RFC 9537 redaction)
        parts.append(plainOr(words.text(QT_TRANSLATE_NOOP("Page", "holder withheld")), markup));
    if (!result.registrar.isEmpty())
        //: %1: the registrar's name
        parts.append(sentence(words, QT_TRANSLATE_NOOP("Page", "registrar %1"), { result.registrar }, markup));
    if (verdict.daysLeft) {
        const QString left = timeLeft(words, *verdict.daysLeft);
        //: %1: a date; %2: how long is left ("in 146 days")
        const char *expires = QT_TRANSLATE_NOOP("Page", "expires %1, %2");
        // "expires today" and "expired 3 days ago" say it alone
        parts.append(*verdict.daysLeft <= 0
                         ? plainOr(left, markup)
                         : sentence(words, expires, { longDate(words, result.expires), left }, markup));
    }
    if (verdict.redemption)
        parts.append(plainOr(
            words.text(QT_TRANSLATE_NOOP("Page", "in its redemption period: only the holder can still renew it")),
            markup));
    if (verdict.pendingDelete)
        parts.append(plainOr(words.text(QT_TRANSLATE_NOOP("Page", "about to be deleted by the registry")), markup));
    else if (verdict.expired && !verdict.daysLeft)
        parts.append(plainOr(words.text(QT_TRANSLATE_NOOP("Page", "expired")), markup));
    return parts;
}

// A link to the check of a name in the usual extensions, for a name that is no top-level domain.
QString checkLink(const PageLanguage &words, const LookupResult &result, Markup markup)
{
    Template::Data link;
    link.set(
        "href",
        Template::value(QStringLiteral("%1?domain=%2.*")
                            .arg(MakerPaths::lookupPage, QString::fromLatin1(QUrl::toPercentEncoding(result.query)))));
    link.set("label",
             Template::value(sentence(words,
                                      //: %1: a name without extension ("quelcor")
                                      QT_TRANSLATE_NOOP("Page", "Check %1 in the usual extensions"),
                                      { DomainName::unicode(result.query) }, markup)));
    return QString::fromStdString(Template::render("link", link));
}

} // namespace

VerdictLine verdictLine(const PageLanguage &words, const LookupResult &result, const Verdict &verdict, Markup markup)
{
    using Kind = Verdict::Kind;
    const char *label = nullptr;
    const char *mark = "";
    const char *kind = "info";
    QStringList parts; // sentences with their values isolated
    const auto message = [&] { parts.append(plainOr(Pages::visible(words.render(result.message)), markup)); };
    // "www.google.com is a name under google.com.": what the verdict is about, first
    if (!result.host.isEmpty() && verdict.kind != Kind::Refused)
        parts.append(plainOr(Pages::visible(words.render(Message(MessageId::NameUnder, DomainName::unicode(result.host),
                                                                 DomainName::unicode(result.query)))),
                             markup));
    switch (verdict.kind) {
    case Kind::Refused:
        return VerdictLine();
    case Kind::Available:
        //: The verdict on a domain name that is not registered: it can be registered
        label = QT_TRANSLATE_NOOP("Verdict", "Available");
        mark = "\u2713";
        kind = "ok";
        message();
        break;
    case Kind::Registered: {
        label = QT_TRANSLATE_NOOP("Verdict", "Registered");
        mark = "\u25CF";
        parts += registeredParts(words, result, verdict, markup);
        if (verdict.flagged()) {
            kind = "warn";
            mark = "\u26A0";
        }
        break;
    }
    case Kind::Reserved:
        label = QT_TRANSLATE_NOOP("Verdict", "Reserved or blocked");
        mark = "\u2298";
        kind = "warn";
        message();
        break;
    case Kind::Busy:
        label = QT_TRANSLATE_NOOP("Verdict", "Registry busy");
        mark = kBusyMark;
        kind = "warn";
        message();
        break;
    case Kind::NoAnswer:
        label = QT_TRANSLATE_NOOP("Verdict", "No answer");
        mark = "\u26A0";
        kind = "error";
        message();
        break;
    case Kind::Unknown:
        //: The verdict when the registry answered but its answer says neither that the name is registered nor
        //: that it is free
        label = QT_TRANSLATE_NOOP("Verdict", "Unknown");
        mark = "?";
        kind = "warn";
        message();
        break;
    case Kind::Allocated:
        //: The verdict on an address range or AS numbers that a registry has given out
        label = QT_TRANSLATE_NOOP("Verdict", "Allocated");
        mark = "\u25CF";
        if (!result.holder.isEmpty() || !result.name.isEmpty())
            parts.append(sentence(words, QT_TRANSLATE_NOOP("Page", "held by %1"),
                                  { result.holder.isEmpty() ? result.name : result.holder }, markup));
        if (!result.range.isEmpty())
            parts.append(isolated(result.range, markup));
        if (!result.registered.isEmpty())
            //: %1: a date
            parts.append(
                sentence(words, QT_TRANSLATE_NOOP("Page", "since %1"), { longDate(words, result.registered) }, markup));
        break;
    case Kind::NoRecord:
        label = QT_TRANSLATE_NOOP("Verdict", "No record");
        mark = "\u2205";
        message();
        // A name that is no top-level domain may be one to register: its check in the usual extensions.
        if (result.kind == Query::Kind::TopLevelDomain && markup == Markup::Html) {
            parts.append(checkLink(words, result, markup));
        }
        break;
    case Kind::TopLevelDomain:
        label = QT_TRANSLATE_NOOP("Verdict", "Top-level domain");
        mark = "\u25CF";
        if (!result.holder.isEmpty())
            //: %1: the organisation that runs a top-level domain
            parts.append(sentence(words, QT_TRANSLATE_NOOP("Page", "managed by %1"), { result.holder }, markup));
        if (!result.registered.isEmpty())
            parts.append(
                sentence(words, QT_TRANSLATE_NOOP("Page", "since %1"), { longDate(words, result.registered) }, markup));
        break;
    case Kind::Special:
        //: The verdict on a special-purpose address or number, which no registry holds
        label = QT_TRANSLATE_NOOP("Verdict", "Not looked up");
        mark = "\u2139";
        message();
        break;
    }
    parts.removeAll(QString());
    return VerdictLine { kind, mark, words.text(label, "Verdict"), parts.join(QStringLiteral(" \u00B7 ")) };
}

} // namespace Findings
