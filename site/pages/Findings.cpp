#include "Findings.h"

#include "MakerPaths.h"
#include "Pages.h"
#include "Statuses.h"
#include "Template.h"

#include <QLocale>
#include <QUrl>

#include <algorithm>

namespace {

using Outcome = LookupResult::Outcome;

//: How a date is written, in Qt's date format: d the day, MMMM the month's name, yyyy the year; text in quotes
//: stays as it is (Spanish: d 'de' MMMM 'de' yyyy)
const char kDateFormat[] = QT_TRANSLATE_NOOP("Page", "d MMMM yyyy");
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

// A catalog sentence with values in place: the sentence escaped where it is markup, each value isolated.
QString sentence(const PageLanguage &words, const char *english, const QStringList &values, Findings::Markup markup)
{
    QStringList isolatedValues;
    for (const QString &text : values)
        isolatedValues.append(isolated(text, markup));
    return Message::filled(plainOr(words.text(english), markup), isolatedValues);
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

QString longDate(const PageLanguage &words, const QString &iso)
{
    const QDate date = QDate::fromString(iso, Qt::ISODate);
    return date.isValid() ? QLocale(words.tag()).toString(date, words.text(kDateFormat)) : iso;
}

QList<Field> fields(const PageLanguage &words, const LookupResult &result, const Verdict &verdict)
{
    QList<Field> rows;
    const auto row = [&](const char *label, const QString &text, const QString &link = QString()) {
        if (text.isEmpty())
            return;
        Field made { words.text(label), text, QString(), {} };
        if (link.startsWith(u"http://") || link.startsWith(u"https://")) // never another scheme
            made.link = link;
        rows.append(made);
    };
    const auto date = [&](const char *label, const QString &iso, bool expiry = false) {
        QString text = longDate(words, iso);
        if (expiry && verdict.daysLeft)
            text += QStringLiteral(" (%1)").arg(timeLeft(words, *verdict.daysLeft));
        row(label, text);
    };
    // Each status in words, the value as the registry wrote it beside (as the phrase's title); a value that is
    // none of the registered ones as it was written.
    const auto statuses = [&] {
        if (result.statuses.isEmpty())
            return;
        Field made { words.text(QT_TRANSLATE_NOOP("Page", "Status")), QString(), QString(), {} };
        for (const QString &status : result.statuses) {
            const char *english = Statuses::phrase(status);
            made.statuses.append(Status { status, english ? words.text(english, "Status") : QString() });
        }
        rows.append(made);
    };
    const auto dnssec = [&] {
        if (result.dnssec == u"signed")
            row(QT_TRANSLATE_NOOP("Page", "DNSSEC"), words.text(QT_TRANSLATE_NOOP("Page", "signed")));
        else if (result.dnssec == u"unsigned")
            row(QT_TRANSLATE_NOOP("Page", "DNSSEC"), words.text(QT_TRANSLATE_NOOP("Page", "not signed")));
    };
    const QString nameServers = result.nameServers.join(QStringLiteral(", "));
    switch (result.kind) {
    case Query::Kind::Domain:
        row(QT_TRANSLATE_NOOP("Page", "Domain"), result.name);
        row(QT_TRANSLATE_NOOP("Page", "Holder"), result.holder);
        row(QT_TRANSLATE_NOOP("Page", "Registrar"), result.registrar);
        row(QT_TRANSLATE_NOOP("Page", "Registrar's IANA id"), result.registrarId);
        row(QT_TRANSLATE_NOOP("Page", "Registrar's web site"), result.registrarUrl, result.registrarUrl);
        row(QT_TRANSLATE_NOOP("Page", "Abuse contact"), result.abuse);
        statuses();
        date(QT_TRANSLATE_NOOP("Page", "Registered"), result.registered);
        date(QT_TRANSLATE_NOOP("Page", "Expires"), result.expires, true);
        date(QT_TRANSLATE_NOOP("Page", "Last changed"), result.lastChanged);
        row(QT_TRANSLATE_NOOP("Page", "Name servers"), nameServers);
        dnssec();
        break;
    case Query::Kind::TopLevelDomain:
        if (result.outcome == Outcome::Found) {
            const QString unicode = QUrl::fromAce(result.query.toLatin1());
            row(QT_TRANSLATE_NOOP("Page", "Top-level domain"), unicode.isEmpty() ? result.query : unicode);
        }
        row(QT_TRANSLATE_NOOP("Page", "Manager"), result.holder);
        row(QT_TRANSLATE_NOOP("Page", "Whois server"), result.whoisServer);
        row(QT_TRANSLATE_NOOP("Page", "RDAP service"), result.rdapService);
        statuses();
        date(QT_TRANSLATE_NOOP("Page", "Registered"), result.registered);
        date(QT_TRANSLATE_NOOP("Page", "Last changed"), result.lastChanged);
        row(QT_TRANSLATE_NOOP("Page", "Name servers"), nameServers);
        dnssec();
        break;
    case Query::Kind::Address:
    case Query::Kind::Network:
    case Query::Kind::AsNumber:
        row(result.kind == Query::Kind::AsNumber ? QT_TRANSLATE_NOOP("Page", "Numbers")
                                                 : QT_TRANSLATE_NOOP("Page", "Range"),
            result.range);
        row(QT_TRANSLATE_NOOP("Page", "Name"), result.name);
        row(QT_TRANSLATE_NOOP("Page", "Type"), result.type);
        row(QT_TRANSLATE_NOOP("Page", "Country"), result.country);
        row(QT_TRANSLATE_NOOP("Page", "Holder"), result.holder);
        row(QT_TRANSLATE_NOOP("Page", "Abuse contact"), result.abuse);
        statuses();
        date(QT_TRANSLATE_NOOP("Page", "Registered"), result.registered);
        date(QT_TRANSLATE_NOOP("Page", "Last changed"), result.lastChanged);
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
    if (!result.registrar.isEmpty())
        //: %1: the registrar's name
        parts.append(sentence(words, QT_TRANSLATE_NOOP("Page", "registrar %1"), { result.registrar }, markup));
    if (verdict.daysLeft) {
        const QString left = timeLeft(words, *verdict.daysLeft);
        parts.append(*verdict.daysLeft < 0 ? plainOr(left, markup)
                                           //: %1: a date; %2: how long is left ("in 146 days")
                                           : sentence(words, QT_TRANSLATE_NOOP("Page", "expires %1, %2"),
                                                      { longDate(words, result.expires), left }, markup));
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
                                      { QUrl::fromAce(result.query.toLatin1()) }, markup)));
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
        mark = "\u29D7";
        kind = "warn";
        message();
        break;
    case Kind::NoAnswer:
        label = QT_TRANSLATE_NOOP("Verdict", "No answer");
        mark = "\u26A0";
        kind = "error";
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
