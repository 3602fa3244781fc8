#include "Pages.h"

#include "MakerPaths.h"
#include "PageLanguage.h"

#include <QUrl>

namespace {

using Outcome = LookupResult::Outcome;

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

// The style sheet: the page must read well in the program's browser area, 705 x 377 pixels, as well as
// in a desktop browser.
const char kStyle[]
    = R"(html { font: 13px/1.35 "Liberation Sans", Arial, sans-serif; color: #1b2733; background: #f4f7fb; }
body { margin: 0; }
header { display: flex; align-items: center; gap: 12px; padding: 8px 12px; background: #1f4e8c; color: #fff; }
header a { color: #fff; font-weight: bold; font-size: 15px; text-decoration: none; }
form { display: flex; gap: 6px; flex: 1; margin: 0; }
input[type=text] { flex: 1; min-width: 0; font: inherit; padding: 4px 6px; border: 1px solid #0d2e57; border-radius: 3px; }
button { font: inherit; padding: 4px 12px; border: 1px solid #0d2e57; border-radius: 3px; background: #e8eef7; cursor: pointer; }
main { padding: 8px 12px; max-width: 960px; }
h1 { font-size: 16px; margin: 4px 0 8px; }
h2 { font-size: 13px; margin: 10px 0 4px; color: #1f4e8c; }
p { margin: 4px 0 8px; }
.notice { padding: 6px 8px; border-radius: 3px; border-left: 4px solid #1f4e8c; background: #fff; }
.notice.warn { border-color: #c77c02; }
.notice.error { border-color: #b3261e; }
table { border-collapse: collapse; background: #fff; }
th, td { text-align: left; vertical-align: top; padding: 2px 10px 2px 0; }
th { color: #51606f; font-weight: normal; white-space: nowrap; }
pre { background: #fff; border: 1px solid #cfd8e3; padding: 6px; margin: 0; overflow: auto;
      white-space: pre-wrap; word-break: break-word; font: 12px/1.3 "Liberation Mono", monospace;
      unicode-bidi: plaintext; }
bdi { unicode-bidi: isolate; }
ul { margin: 4px 0; padding-left: 20px; }
)";

QByteArray page(const PageLanguage &words, const QString &title, const QString &typed, const QString &content)
{
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%4\"><head><meta charset=\"utf-8\">"
                           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                           "<title>%1</title><link rel=\"stylesheet\" href=\"/site.css\"></head>\n<body>"
                           "<header><a href=\"%3\">Quelcor</a>"
                           "<form method=\"get\" action=\"%3\">"
                           "<input type=\"text\" name=\"domain\" value=\"%2\" maxlength=\"253\" autofocus "
                           "placeholder=\"example.com\" aria-label=\"%5\" spellcheck=\"false\" "
                           "autocapitalize=\"off\" autocomplete=\"off\">"
                           "<button type=\"submit\">%6</button></form></header>\n<main>")
                .arg(escaped(title), escaped(typed), MakerPaths::lookupPage, words.tag(),
                     escaped(words.text(PAGE_TEXT("Domain name"))), escaped(words.text(PAGE_TEXT("Look up"))));
    html += content;
    html += QStringLiteral("</main></body></html>\n");
    return html.toUtf8();
}

QString notice(const QString &text, const char *kind = "")
{
    return QStringLiteral("<p class=\"notice %1\">%2</p>").arg(QLatin1String(kind), escaped(Pages::visible(text)));
}

// Text from another server, escaped and isolated, so that right-to-left text and what is left of its
// controls cannot reorder what stands around it.
QString isolated(const QString &text)
{
    return QStringLiteral("<bdi>%1</bdi>").arg(escaped(Pages::visible(text)));
}

QString fieldRow(const QString &label, const QString &value)
{
    if (value.isEmpty())
        return QString();
    return QStringLiteral("<tr><th>%1</th><td>%2</td></tr>").arg(escaped(label), isolated(value));
}

// The fields that the site reads out of a record, labelled in the page's language; the values stay as the
// registry wrote them.
QString fieldTable(const PageLanguage &words, const LookupResult &result)
{
    const auto row = [&](const QString &label, const QString &value) { return fieldRow(words.text(label), value); };
    const QString statuses = result.statuses.join(QStringLiteral(", "));
    QString fields;
    if (result.kind == Query::Kind::Domain) {
        fields = row(PAGE_TEXT("Domain"), result.name) + row(PAGE_TEXT("Registrar"), result.registrar)
            + row(PAGE_TEXT("Status"), statuses) + row(PAGE_TEXT("Registered"), result.registered)
            + row(PAGE_TEXT("Expires"), result.expires)
            + row(PAGE_TEXT("Name servers"), result.nameServers.join(QStringLiteral(", ")));
    } else {
        const bool numbers = result.kind == Query::Kind::AsNumber;
        fields = row(numbers ? PAGE_TEXT("Numbers") : PAGE_TEXT("Range"), result.range)
            + row(PAGE_TEXT("Name"), result.name) + row(PAGE_TEXT("Type"), result.type)
            + row(PAGE_TEXT("Country"), result.country) + row(PAGE_TEXT("Holder"), result.holder)
            + row(PAGE_TEXT("Abuse contact"), result.abuse) + row(PAGE_TEXT("Status"), statuses)
            + row(PAGE_TEXT("Registered"), result.registered) + row(PAGE_TEXT("Last changed"), result.lastChanged);
    }
    return fields.isEmpty() ? QString() : QStringLiteral("<table>%1</table>").arg(fields);
}

// The heading of a record: what was asked, in the site's own words (a domain name as the user reads it),
// never a name the registry sent.
QString heading(const LookupResult &result)
{
    const QString asked = result.kind == Query::Kind::Domain ? QUrl::fromAce(result.query.toLatin1()) : result.query;
    // A heading is a block of its own: right-to-left letters of an international name reorder nothing else.
    return QStringLiteral("<h1>%1</h1>").arg(escaped(Pages::visible(asked.isEmpty() ? result.query : asked)));
}

QString resultContent(const PageLanguage &words, const LookupResult &result)
{
    QString html;
    const QString message = words.message(result.message);
    switch (result.outcome) {
    case Outcome::Found:
        html += heading(result);
        break;
    case Outcome::NotRegistered:
    case Outcome::Special:
        html += notice(message);
        break;
    case Outcome::Refused:
    case Outcome::RateLimited:
    case Outcome::NoService:
        html += notice(message, "warn");
        break;
    case Outcome::Failed:
        html += notice(message, "error");
        break;
    }
    if (result.cachedAgeSeconds >= 0)
        html
            += notice(words.text(PAGE_TEXT("From the site's cache: looked up %1 s ago.")).arg(result.cachedAgeSeconds));
    html += fieldTable(words, result);
    for (const QString &note : result.notes)
        html += notice(words.message(note), "warn");
    for (const SourceRecord &record : result.records) {
        html += QStringLiteral("<h2>%1</h2>")
                    .arg(escaped(words.text(PAGE_TEXT("Record from %1")))
                             .replace(QLatin1String("%1"), isolated(record.source)));
        if (record.cut)
            html += notice(words.text(PAGE_TEXT("The record was longer than 1 MiB; only its beginning is shown.")),
                           "warn");
        html += QStringLiteral("<pre>%1</pre>").arg(escaped(Pages::visible(record.text)));
    }
    return html;
}

Response html(const QByteArray &body, int status = 200)
{
    return Response { status, "text/html; charset=utf-8", body };
}

// A page of the site's own: its title, translated here, and its paragraphs, translated by the caller.
Response plainPage(const PageLanguage &words, const QString &title, const QString &paragraphs)
{
    const QString translated = words.text(title);
    return html(
        page(words, translated, QString(), QStringLiteral("<h1>%1</h1>%2").arg(escaped(translated), paragraphs)));
}

const QString &lookupTitle()
{
    static const QString title = PAGE_TEXT("Quelcor whois lookup");
    return title;
}

} // namespace

QString Pages::visible(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // CR LF is a line break
        if (c == u'\t' || c == u'\n')
            out += QChar(c);
        else if (c < 0x20)
            out += QChar(char16_t(0x2400 + c)); // the control picture: NUL is shown as U+2400, ESC as U+241B
        else if (c == 0x7f)
            out += QChar(char16_t(0x2421));
        else if ((c >= 0x80 && c <= 0x9f) || (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069))
            out += QStringLiteral("[U+%1]").arg(QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
        else
            out += QChar(c);
    }
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
    const QString content = result
        ? resultContent(words, *result)
        : words.text(PAGE_TEXT("<h1>Whois lookup</h1><p>Type a domain name, such as "
                               "<b>example.com</b>, and press <b>Look up</b> to see who "
                               "registered it, with which registrar, and until when.</p><p>An IP address such "
                               "as <b>8.8.8.8</b>, a network such as <b>8.8.8.0/24</b> or an AS number such "
                               "as <b>AS15169</b> shows who holds it.</p>"));
    return page(words, words.text(lookupTitle()), typed, content);
}

Response Pages::lookupRefused(int status, const QString &typed, const QString &message, const PageLanguage &words)
{
    return html(page(words, words.text(lookupTitle()), typed, notice(words.message(message), "warn")), status);
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

std::optional<QString> Pages::lookupQuestion(const QString &path, const QUrlQuery &query)
{
    if (path != MakerPaths::lookupPage || !query.hasQueryItem(QStringLiteral("domain")))
        return std::nullopt;
    return query.queryItemValue(QStringLiteral("domain"), QUrl::FullyDecoded);
}

Response Pages::respond(const QString &path, const QUrlQuery &query, const PageLanguage &words) const
{
    if (path == MakerPaths::quelcorVersion)
        return Response { 200, "text/javascript",
                          versionFile(QStringLiteral("quelcor_version_number"), m_versions.quelcor) };
    if (path == MakerPaths::whoisVersion)
        return Response { 200, "text/javascript",
                          versionFile(QStringLiteral("whois_version_number"), m_versions.whois) };
    if (path == u"/favicon.ico")
        return Response { 204, "image/x-icon", QByteArray() }; // browsers ask; the site has none
    if (path == u"/site.css")
        return Response { 200, "text/css; charset=utf-8", QByteArray(kStyle) };
    if (path == MakerPaths::lookupPage)
        return html(lookupPage(query.queryItemValue(QStringLiteral("domain"), QUrl::FullyDecoded), nullptr, words));
    if (path == MakerPaths::download)
        return plainPage(words, PAGE_TEXT("Download Quelcor"),
                         words
                             .text(PAGE_TEXT("<p>The current version of Quelcor is <b>%1</b>.</p><p>Quelcor looks up "
                                             "the registration records of domain names. Install it over the older "
                                             "version: your language choice is kept.</p>"))
                             .arg(escaped(m_versions.quelcor)));
    if (path == MakerPaths::forum)
        return plainPage(words, PAGE_TEXT("Quelcor forum"),
                         words
                             .text(PAGE_TEXT("<p>Users of Quelcor help one another here: questions about lookups, "
                                             "language drivers and updates.</p><p>Before asking, try the "
                                             "<a href=\"%1\">lookup page</a> in a desktop browser.</p>"))
                             .arg(MakerPaths::lookupPage));
    if (path == MakerPaths::bugReport)
        return plainPage(words, PAGE_TEXT("Report a bug"),
                         words.text(PAGE_TEXT("<p>Tell us what you did, what you expected and what happened "
                                              "instead, and give the version that the about window shows.</p><p>Write "
                                              "to the address shown in the about window.</p>")));
    if (path == MakerPaths::productPage)
        return plainPage(
            words, QStringLiteral("Quelcor"),
            words
                .text(PAGE_TEXT("<p>Quelcor is a small desktop program for looking up the registration "
                                "records (whois records) of internet domain names.</p><ul>"
                                "<li><a href=\"%1\">Download</a></li>"
                                "<li><a href=\"%2\">Look a domain up</a></li>"
                                "<li><a href=\"%3\">Forum</a></li>"
                                "<li><a href=\"%4\">Report a bug</a></li></ul>"))
                .arg(MakerPaths::download, MakerPaths::lookupPage, MakerPaths::forum, MakerPaths::bugReport));
    if (path == u"/")
        return plainPage(words, QStringLiteral("Quelcor"),
                         words
                             .text(PAGE_TEXT("<ul><li><a href=\"%1\">Quelcor</a></li>"
                                             "<li><a href=\"%2\">Look a domain up</a></li></ul>"))
                             .arg(MakerPaths::productPage, MakerPaths::lookupPage));
    Response missing = plainPage(words, PAGE_TEXT("Page not found"),
                                 words
                                     .text(PAGE_TEXT("<p>There is no such page here. Try the "
                                                     "<a href=\"%1\">product page</a>.</p>"))
                                     .arg(MakerPaths::productPage));
    missing.status = 404;
    return missing;
}
