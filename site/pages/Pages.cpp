#include "Pages.h"

#include "MakerPaths.h"
#include "Statuses.h"
#include "Template.h"

#include <QUrl>

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

// The fields that the site reads out of a record, labelled in the page's language; the values stay as the
// registry wrote them.
Data fieldRows(const PageLanguage &words, const LookupResult &result)
{
    Data rows { Data::type::list };
    const auto row = [&](const char *label, const QString &text) {
        if (text.isEmpty())
            return;
        Data made;
        made.set("label", value(words.text(label)));
        made.set("value", value(Pages::visible(text)));
        rows.push_back(made);
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
    if (result.kind == Query::Kind::Domain) {
        row(QT_TRANSLATE_NOOP("Page", "Domain"), result.name);
        row(QT_TRANSLATE_NOOP("Page", "Registrar"), result.registrar);
        statuses();
        row(QT_TRANSLATE_NOOP("Page", "Registered"), result.registered);
        row(QT_TRANSLATE_NOOP("Page", "Expires"), result.expires);
        row(QT_TRANSLATE_NOOP("Page", "Name servers"), result.nameServers.join(QStringLiteral(", ")));
    } else {
        const bool numbers = result.kind == Query::Kind::AsNumber;
        row(numbers ? QT_TRANSLATE_NOOP("Page", "Numbers") : QT_TRANSLATE_NOOP("Page", "Range"), result.range);
        row(QT_TRANSLATE_NOOP("Page", "Name"), result.name);
        row(QT_TRANSLATE_NOOP("Page", "Type"), result.type);
        row(QT_TRANSLATE_NOOP("Page", "Country"), result.country);
        row(QT_TRANSLATE_NOOP("Page", "Holder"), result.holder);
        row(QT_TRANSLATE_NOOP("Page", "Abuse contact"), result.abuse);
        statuses();
        row(QT_TRANSLATE_NOOP("Page", "Registered"), result.registered);
        row(QT_TRANSLATE_NOOP("Page", "Last changed"), result.lastChanged);
    }
    return rows;
}

const char *noticeKind(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Found:
    case Outcome::NotRegistered:
    case Outcome::Special:
        break;
    case Outcome::Refused:
    case Outcome::RateLimited:
    case Outcome::NoService:
        return "warn";
    case Outcome::Failed:
        return "error";
    }
    return "";
}

std::string resultContent(const PageLanguage &words, const LookupResult &result)
{
    Data data;
    if (result.outcome == Outcome::Found) {
        // What was asked, in the site's own words (a domain name as the user reads it), never a name the
        // registry sent.
        const QString asked
            = result.kind == Query::Kind::Domain ? QUrl::fromAce(result.query.toLatin1()) : result.query;
        data.set("heading", value(Pages::visible(asked.isEmpty() ? result.query : asked)));
    } else {
        data.set("notice", value(Pages::visible(words.render(result.message))));
        data.set("noticeKind", std::string(noticeKind(result.outcome)));
    }
    if (result.cachedAgeSeconds >= 0)
        data.set("cached", value(words.text(kCached).arg(result.cachedAgeSeconds)));
    Data rows = fieldRows(words, result);
    if (!rows.is_empty_list()) {
        Data fields;
        fields.set("rows", rows);
        data.set("fields", fields);
    }
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
    for (const SourceRecord &source : result.records) {
        Data record;
        record.set("before", value(mark < 0 ? recordFrom : recordFrom.left(mark)));
        record.set("source", value(Pages::visible(source.source)));
        record.set("after", value(mark < 0 ? QString() : recordFrom.mid(mark + 2)));
        if (source.cut)
            record.set("cut", value(words.text(kRecordCut)));
        record.set("text", value(Pages::visible(source.text)));
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
        data.set("introduction", value(words.text(kWelcome)));
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

const QList<QPair<QByteArray, QByteArray>> &Pages::securityHeaders()
{
    static const QList<QPair<QByteArray, QByteArray>> headers {
        { "Content-Security-Policy",
          "default-src 'none'; style-src 'self'; img-src 'self'; form-action 'self'; base-uri 'none'; "
          "frame-ancestors 'none'" },
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
