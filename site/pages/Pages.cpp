#include "Pages.h"

#include "MakerPaths.h"
#include "Statuses.h"
#include "Template.h"
#include "Verdict.h"

#include <QCryptographicHash>
#include <QLocale>

#include <QUrl>

#include <algorithm>
#include <map>

namespace {

using Outcome = LookupResult::Outcome;
using Template::Data;
using Template::value;

// The texts of the pages. The long ones carry their markup, which a translation keeps.
const char kDomainName[] = QT_TRANSLATE_NOOP("Page", "Domain name");
const char kLookUp[] = QT_TRANSLATE_NOOP("Page", "Look up");
const char kLookupTitle[] = QT_TRANSLATE_NOOP("Page", "Quelcor whois lookup");
const char kCached[] = QT_TRANSLATE_NOOP("Page", "From the site's cache: looked up %1 s ago.");
const char kRecordFrom[] = QT_TRANSLATE_NOOP("Page", "Record from %1");
const char kRecordCut[] = QT_TRANSLATE_NOOP("Page", "The record was longer than 1 MiB; only its beginning is shown.");
const char kWelcome[] = QT_TRANSLATE_NOOP(
    "Page",
    "<h1>Whois lookup</h1><p>Type a domain name, such as <b>example.com</b>, and press <b>Look up</b> to see who "
    "registered it, with which registrar, and until when.</p><p>An IP address such as <b>8.8.8.8</b>, a network "
    "such as <b>8.8.8.0/24</b> or an AS number such as <b>AS15169</b> shows who holds it.</p>");
const char kWelcomeTopLevel[] = QT_TRANSLATE_NOOP(
    "Page", "<p>A top-level domain such as <b>de</b> shows who runs it and where its registry answers.</p>");

//: How a date is written, in Qt's date format: d the day, MMMM the month's name, yyyy the year; text in quotes
//: stays as it is (Spanish: d 'de' MMMM 'de' yyyy)
const char kDateFormat[] = QT_TRANSLATE_NOOP("Page", "d MMMM yyyy");
//: A button that copies the text beside it to the clipboard
const char kCopy[] = QT_TRANSLATE_NOOP("Page", "Copy");
//: The copy button once it has copied
const char kCopied[] = QT_TRANSLATE_NOOP("Page", "Copied");
//: A link that saves a record as a file
const char kDownload[] = QT_TRANSLATE_NOOP("Page", "Download");

// A value inside a sentence of the catalog: escaped, and isolated so that right-to-left text cannot reorder what
// stands around it.
QString isolated(const QString &text)
{
    return QStringLiteral("<bdi>") + Pages::visible(text).toHtmlEscaped() + QStringLiteral("</bdi>");
}

// A catalog sentence with values in place, as markup: the sentence escaped, each value isolated.
QString sentence(const PageLanguage &words, const char *english, const QStringList &values)
{
    QStringList isolatedValues;
    for (const QString &text : values)
        isolatedValues.append(isolated(text));
    return Message::filled(words.text(english).toHtmlEscaped(), isolatedValues);
}

// A date of the fields ("yyyy-MM-dd") in the page's language, with its month's name; one that could not be read
// as the record wrote it.
QString longDate(const PageLanguage &words, const QString &iso)
{
    const QDate date = QDate::fromString(iso, Qt::ISODate);
    return date.isValid() ? QLocale(words.tag()).toString(date, words.text(kDateFormat)) : iso;
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

// The fields that the site reads out of a record, labelled in the page's language; the values stay as the
// registry wrote them, dates in the page's language.
Data fieldRows(const PageLanguage &words, const LookupResult &result, const Verdict &verdict)
{
    Data rows { Data::type::list };
    const auto row = [&](const char *label, const QString &text, const QString &link = QString()) {
        if (text.isEmpty())
            return;
        Data made;
        made.set("label", value(words.text(label)));
        made.set("value", value(Pages::visible(text)));
        if (link.startsWith(u"http://") || link.startsWith(u"https://")) // never another scheme
            made.set("link", value(link));
        rows.push_back(made);
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
        Data items { Data::type::list };
        for (qsizetype i = 0; i < result.statuses.size(); ++i) {
            Data item;
            item.set("raw", value(Pages::visible(result.statuses[i])));
            if (const char *english = Statuses::phrase(result.statuses[i]))
                item.set("phrase", value(words.text(english, "Status")));
            if (i + 1 == result.statuses.size())
                item.set("last", true);
            items.push_back(item);
        }
        Data made;
        made.set("label", value(words.text(QT_TRANSLATE_NOOP("Page", "Status"))));
        made.set("statuses", items);
        rows.push_back(made);
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

// The verdict line: a mark, a label and what stands behind it, in words (the colour is only beside them).
Data verdictLine(const PageLanguage &words, const LookupResult &result, const Verdict &verdict)
{
    using Kind = Verdict::Kind;
    const char *label = nullptr;
    const char *mark = "";
    const char *kind = "info";
    QStringList parts; // markup: escaped sentences with isolated values
    const auto message = [&] { parts.append(Pages::visible(words.render(result.message)).toHtmlEscaped()); };
    switch (verdict.kind) {
    case Kind::Refused:
        return Data(false);
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
        if (!result.holder.isEmpty())
            //: %1: who holds a domain name, an address range or AS numbers
            parts.append(sentence(words, QT_TRANSLATE_NOOP("Page", "held by %1"), { result.holder }));
        if (!result.registrar.isEmpty())
            //: %1: the registrar's name
            parts.append(sentence(words, QT_TRANSLATE_NOOP("Page", "registrar %1"), { result.registrar }));
        if (verdict.daysLeft) {
            const QString left = timeLeft(words, *verdict.daysLeft);
            parts.append(*verdict.daysLeft < 0 ? left.toHtmlEscaped()
                                               //: %1: a date; %2: how long is left ("in 146 days")
                                               : sentence(words, QT_TRANSLATE_NOOP("Page", "expires %1, %2"),
                                                          { longDate(words, result.expires), left }));
        }
        if (verdict.redemption)
            parts.append(words
                             .text(QT_TRANSLATE_NOOP("Page",
                                                     "in its redemption period: only the holder can still "
                                                     "renew it"))
                             .toHtmlEscaped());
        if (verdict.pendingDelete)
            parts.append(words.text(QT_TRANSLATE_NOOP("Page", "about to be deleted by the registry")).toHtmlEscaped());
        else if (verdict.expired && !verdict.daysLeft)
            parts.append(words.text(QT_TRANSLATE_NOOP("Page", "expired")).toHtmlEscaped());
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
                                  { result.holder.isEmpty() ? result.name : result.holder }));
        if (!result.range.isEmpty())
            parts.append(isolated(result.range));
        if (!result.registered.isEmpty())
            //: %1: a date
            parts.append(
                sentence(words, QT_TRANSLATE_NOOP("Page", "since %1"), { longDate(words, result.registered) }));
        break;
    case Kind::NoRecord:
        label = QT_TRANSLATE_NOOP("Verdict", "No record");
        mark = "\u2205";
        message();
        break;
    case Kind::TopLevelDomain:
        label = QT_TRANSLATE_NOOP("Verdict", "Top-level domain");
        mark = "\u25CF";
        if (!result.holder.isEmpty())
            //: %1: the organisation that runs a top-level domain
            parts.append(sentence(words, QT_TRANSLATE_NOOP("Page", "managed by %1"), { result.holder }));
        if (!result.registered.isEmpty())
            parts.append(
                sentence(words, QT_TRANSLATE_NOOP("Page", "since %1"), { longDate(words, result.registered) }));
        break;
    case Kind::Special:
        //: The verdict on a special-purpose address or number, which no registry holds
        label = QT_TRANSLATE_NOOP("Verdict", "Not looked up");
        mark = "\u2139";
        message();
        break;
    }
    Data line;
    line.set("kind", std::string(kind));
    line.set("mark", std::string(mark));
    line.set("label", value(words.text(label, "Verdict")));
    parts.removeAll(QString());
    if (!parts.isEmpty())
        line.set("detail", value(parts.join(QStringLiteral(" \u00B7 "))));
    return line;
}

std::string resultContent(const PageLanguage &words, const LookupResult &result)
{
    const Verdict verdict = Verdict::of(result, QDate::currentDate());
    Data data;
    const Data line = verdictLine(words, result, verdict);
    if (line.is_object()) {
        data.set("verdict", line);
    } else {
        data.set("notice", value(Pages::visible(words.render(result.message))));
        data.set("noticeKind", std::string("warn"));
    }
    if (result.outcome == Outcome::Found || result.outcome == Outcome::Reserved) {
        // What was asked, in the site's own words (a domain name as the user reads it), never a name the
        // registry sent.
        const bool named = result.kind == Query::Kind::Domain || result.kind == Query::Kind::TopLevelDomain;
        const QString asked = named ? QUrl::fromAce(result.query.toLatin1()) : result.query;
        data.set("heading", value(Pages::visible(asked.isEmpty() ? result.query : asked)));
    }
    if (result.cachedAgeSeconds >= 0)
        data.set("cached", value(words.text(kCached).arg(result.cachedAgeSeconds)));
    Data rows = fieldRows(words, result, verdict);
    const bool readable = !rows.is_empty_list();
    if (readable) {
        Data fields;
        fields.set("rows", rows);
        data.set("fields", fields);
    }
    if (line.is_object() || readable)
        data.set("answer", true);
    static const std::string script = Template::file("copy.js").toStdString();
    data.set("script", script);
    data.set("copy", value(words.text(kCopy)));
    data.set("copied", value(words.text(kCopied)));
    // (A list is set only when it has items: the engine copies what it is given.)
    if (!result.notes.isEmpty()) {
        Data notes { Data::type::list };
        for (const Message &note : result.notes)
            notes.push_back(value(Pages::visible(words.render(note))));
        data.set("notes", notes);
    }
    if (result.records.isEmpty())
        return Template::render("lookup", data);
    Data records { Data::type::list };
    const QString recordFrom = words.text(kRecordFrom);
    const qsizetype mark = recordFrom.indexOf(QLatin1String("%1"));
    const QString download = words.text(kDownload);
    const QByteArray question = QUrl::toPercentEncoding(result.query);
    for (qsizetype i = 0; i < result.records.size(); ++i) {
        const SourceRecord &source = result.records[i];
        Data record;
        record.set("number", std::to_string(i + 1));
        record.set("before", value(mark < 0 ? recordFrom : recordFrom.left(mark)));
        record.set("source", value(Pages::visible(source.source)));
        record.set("after", value(mark < 0 ? QString() : recordFrom.mid(mark + 2)));
        if (source.cut)
            record.set("cut", value(words.text(kRecordCut)));
        record.set("text", value(Pages::visible(source.display())));
        // Folded where the table above says what matters; open where the record is all there is.
        if (!readable)
            record.set("open", true);
        record.set("download",
                   value(QStringLiteral("%1?domain=%2&record=%3")
                             .arg(MakerPaths::lookupPage, QString::fromLatin1(question))
                             .arg(i + 1)));
        record.set("fileName", value(Pages::recordFileName(result.query, int(i + 1), source.rdap())));
        record.set("downloadLabel", value(download));
        records.push_back(record);
    }
    data.set("records", records);
    return Template::render("lookup", data);
}

QByteArray page(const PageLanguage &words, const QString &title, const QString &typed, const std::string &content)
{
    // What every page of a language shares, made once (on each thread that renders).
    thread_local std::map<const PageLanguage *, Data> frames;
    auto frame = frames.find(&words);
    if (frame == frames.end()) {
        Data shared;
        shared.set("lang", value(words.tag()));
        shared.set("lookupPath", value(MakerPaths::lookupPage));
        shared.set("domainName", value(words.text(kDomainName)));
        shared.set("lookUp", value(words.text(kLookUp)));
        frame = frames.emplace(&words, std::move(shared)).first;
    }
    Data data;
    data.set("title", value(title));
    data.set("typed", value(typed));
    data.set("content", content);
    return QByteArray::fromStdString(Template::render("page", data, &frame->second));
}

Response html(const QByteArray &body, int status = 200)
{
    return Response { status, "text/html; charset=utf-8", body };
}

// A page of the site's own: its title and its paragraphs, whose markup is the catalog's and whose arguments are
// escaped here.
Response plain(const PageLanguage &words, const char *title, const char *paragraphs, const QStringList &arguments = {})
{
    const QString translatedTitle = words.text(title);
    QStringList escaped;
    for (const QString &argument : arguments)
        escaped.append(argument.toHtmlEscaped());
    const QString text = Message::filled(words.text(paragraphs), escaped);
    Data data;
    data.set("title", value(translatedTitle));
    data.set("paragraphs", value(text));
    return html(page(words, translatedTitle, QString(), Template::render("plain", data)));
}

} // namespace

QString Pages::visible(const QString &text)
{
    const auto plain = [](char16_t c) {
        return (c >= 0x20 && c < 0x7f) || (c > 0x9f && !(c >= 0x202a && c <= 0x202e) && !(c >= 0x2066 && c <= 0x2069))
            || c == u'\t' || c == u'\n';
    };
    QString out;
    qsizetype run = 0; // where the characters that stay as they are begin
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (plain(c))
            continue;
        if (out.isNull())
            out.reserve(text.size() + 16);
        out.append(QStringView(text).mid(run, i - run));
        run = i + 1;
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // CR LF is a line break
        if (c < 0x20)
            out += QChar(char16_t(0x2400 + c)); // the control picture: NUL is shown as U+2400, ESC as U+241B
        else if (c == 0x7f)
            out += QChar(char16_t(0x2421));
        else
            out += QStringLiteral("[U+%1]").arg(QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
    }
    if (run == 0)
        return text; // nothing to show otherwise
    out.append(QStringView(text).mid(run));
    return out;
}

QByteArray Pages::versionFile(const QString &variable, const QString &version)
{
    // "var name = '" padded with blanks before the "=" to 31 characters, then the version.
    QString head = QStringLiteral("var ") + variable + u' ';
    head = head.leftJustified(31 - 3, u' ') + QStringLiteral("= '");
    return (head + version + QStringLiteral("';\r\n")).toLatin1();
}

QByteArray Pages::lookupPage(const QString &typed, const LookupResult *result, const PageLanguage &words)
{
    std::string content;
    if (result) {
        content = resultContent(words, *result);
    } else {
        Data data;
        data.set("introduction", value(words.text(kWelcome) + words.text(kWelcomeTopLevel)));
        content = Template::render("welcome", data);
    }
    return page(words, words.text(kLookupTitle), typed, content);
}

Response Pages::lookupRefused(int status, const QString &typed, const Message &message, const PageLanguage &words)
{
    Data data;
    data.set("notice", value(visible(words.render(message))));
    return html(page(words, words.text(kLookupTitle), typed, Template::render("refused", data)), status);
}

std::optional<Response> Pages::recordFile(const LookupResult &result, int number)
{
    if (number < 1 || number > result.records.size())
        return std::nullopt;
    const SourceRecord &record = result.records[number - 1];
    const QByteArray name = recordFileName(result.query, number, record.rdap()).toLatin1();
    return Response { 200, record.rdap() ? "application/rdap+json" : "text/plain; charset=utf-8", record.text.toUtf8(),
                      "attachment; filename=\"" + name + '"' };
}

QString Pages::recordFileName(const QString &query, int number, bool rdap)
{
    QString name;
    for (const QChar c : QStringView(query).left(100)) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'.'
            || c == u'-';
        name += plain ? c : u'_';
    }
    while (name.startsWith(u'.') || name.startsWith(u'-'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("record");
    if (number > 1)
        name += QStringLiteral("-%1").arg(number);
    return name + (rdap ? QStringLiteral("-rdap.json") : QStringLiteral("-whois.txt"));
}

const QList<QPair<QByteArray, QByteArray>> &Pages::securityHeaders()
{
    // The one script of the pages is allowed by its hash: no other, and none from elsewhere.
    static const QByteArray scriptHash
        = QCryptographicHash::hash(Template::file("copy.js"), QCryptographicHash::Sha256).toBase64();
    static const QList<QPair<QByteArray, QByteArray>> headers {
        { "Content-Security-Policy",
          "default-src 'none'; style-src 'self'; img-src 'self'; script-src 'sha256-" + scriptHash
              + "'; form-action 'self'; base-uri 'none'; frame-ancestors 'none'" },
        { "X-Content-Type-Options", "nosniff" },
        { "Referrer-Policy", "no-referrer" },
        { "Cache-Control", "no-store" },
    };
    return headers;
}

Response Pages::quelcorVersion() const
{
    return Response { 200, "text/javascript",
                      versionFile(QStringLiteral("quelcor_version_number"), m_versions.quelcor) };
}

Response Pages::whoisVersion() const
{
    return Response { 200, "text/javascript", versionFile(QStringLiteral("whois_version_number"), m_versions.whois) };
}

Response Pages::styleSheet()
{
    static const QByteArray style = Template::file("site.css");
    return Response { 200, "text/css; charset=utf-8", style };
}

QStringList Pages::templateNames()
{
    return { QStringLiteral("page"), QStringLiteral("lookup"), QStringLiteral("welcome"), QStringLiteral("refused"),
             QStringLiteral("plain") };
}

std::optional<Response> Pages::plainPage(QLatin1StringView path, const PageLanguage &words) const
{
    if (path == MakerPaths::download)
        return plain(words, QT_TRANSLATE_NOOP("Page", "Download Quelcor"),
                     QT_TRANSLATE_NOOP("Page",
                                       "<p>The current version of Quelcor is <b>%1</b>.</p><p>Quelcor looks up the "
                                       "registration records of domain names. Install it over the older version: "
                                       "your language choice is kept.</p>"),
                     { m_versions.quelcor });
    if (path == MakerPaths::forum)
        return plain(words, QT_TRANSLATE_NOOP("Page", "Quelcor forum"),
                     QT_TRANSLATE_NOOP("Page",
                                       "<p>Users of Quelcor help one another here: questions about lookups, language "
                                       "drivers and updates.</p><p>Before asking, try the <a href=\"%1\">lookup "
                                       "page</a> in a desktop browser.</p>"),
                     { MakerPaths::lookupPage });
    if (path == MakerPaths::bugReport)
        return plain(words, QT_TRANSLATE_NOOP("Page", "Report a bug"),
                     QT_TRANSLATE_NOOP("Page",
                                       "<p>Tell us what you did, what you expected and what happened instead, and give "
                                       "the version that the about window shows.</p><p>Write to the address shown in "
                                       "the about window.</p>"));
    if (path == MakerPaths::productPage)
        return plain(words, "Quelcor",
                     QT_TRANSLATE_NOOP("Page",
                                       "<p>Quelcor is a small desktop program for looking up the registration records "
                                       "(whois records) of internet domain names.</p><ul>"
                                       "<li><a href=\"%1\">Download</a></li>"
                                       "<li><a href=\"%2\">Look a domain up</a></li>"
                                       "<li><a href=\"%3\">Forum</a></li>"
                                       "<li><a href=\"%4\">Report a bug</a></li></ul>"),
                     { MakerPaths::download, MakerPaths::lookupPage, MakerPaths::forum, MakerPaths::bugReport });
    if (path == QLatin1StringView("/"))
        return plain(words, "Quelcor",
                     QT_TRANSLATE_NOOP("Page",
                                       "<ul><li><a href=\"%1\">Quelcor</a></li>"
                                       "<li><a href=\"%2\">Look a domain up</a></li></ul>"),
                     { MakerPaths::productPage, MakerPaths::lookupPage });
    return std::nullopt;
}

Response Pages::notFound(const PageLanguage &words)
{
    Response missing = plain(words, QT_TRANSLATE_NOOP("Page", "Page not found"),
                             QT_TRANSLATE_NOOP("Page",
                                               "<p>There is no such page here. Try the <a href=\"%1\">product "
                                               "page</a>.</p>"),
                             { MakerPaths::productPage });
    missing.status = 404;
    return missing;
}
