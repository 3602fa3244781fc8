#include "Pages.h"

#include "Frame.h"
#include "MakerPaths.h"
#include "Template.h"

#include <QCryptographicHash>
#include <QUrl>

#include <map>

namespace {

using Template::Data;
using Template::value;

const char kDomainName[] = QT_TRANSLATE_NOOP("Page", "Domain name");
const char kLookUp[] = QT_TRANSLATE_NOOP("Page", "Look up");

} // namespace

namespace Frame {

const char kLookupTitle[] = QT_TRANSLATE_NOOP("Page", "Quelcor whois lookup");

QByteArray page(const PageLanguage &words, const QString &title, const QString &typed, const std::string &content,
                const char *describedBy)
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
    if (describedBy)
        data.set("describedBy", std::string(describedBy));
    return QByteArray::fromStdString(Template::render("page", data, &frame->second));
}

Response html(const QByteArray &body, int status)
{
    return Response { status, "text/html; charset=utf-8", body };
}

} // namespace Frame

namespace {

using Frame::html;
using Frame::page;

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

const QList<QPair<QByteArray, QByteArray>> &Pages::securityHeaders()
{
    // The pages' two scripts are allowed by their hashes: no other, and none from elsewhere.
    const auto hashOf = [](const char *name) {
        return "'sha256-" + QCryptographicHash::hash(Template::file(name), QCryptographicHash::Sha256).toBase64() + "'";
    };
    static const QList<QPair<QByteArray, QByteArray>> headers {
        { "Content-Security-Policy",
          "default-src 'none'; style-src 'self'; img-src 'self'; script-src " + hashOf("copy.js") + ' '
              + hashOf("rows.js") + "; form-action 'self'; base-uri 'none'; frame-ancestors 'none'" },
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
    return { QStringLiteral("page"),
             QStringLiteral("lookup"),
             QStringLiteral("welcome"),
             QStringLiteral("refused"),
             QStringLiteral("plain"),
             QStringLiteral("availability"),
             QStringLiteral("availability-row"),
             QStringLiteral("isolated"),
             QStringLiteral("link") };
}

Response Pages::plainPage(Plain which, const PageLanguage &words) const
{
    switch (which) {
    case Plain::Download:
        return plain(words, QT_TRANSLATE_NOOP("Page", "Download Quelcor"),
                     QT_TRANSLATE_NOOP("Page",
                                       "<p>The current version of Quelcor is <b>%1</b>.</p><p>Quelcor looks up the "
                                       "registration records of domain names. Install it over the older version: "
                                       "your language choice is kept.</p>"),
                     { m_versions.quelcor });
    case Plain::Forum:
        return plain(words, QT_TRANSLATE_NOOP("Page", "Quelcor forum"),
                     QT_TRANSLATE_NOOP("Page",
                                       "<p>Users of Quelcor help one another here: questions about lookups, language "
                                       "drivers and updates.</p><p>Before asking, try the <a href=\"%1\">lookup "
                                       "page</a> in a desktop browser.</p>"),
                     { MakerPaths::lookupPage });
    case Plain::BugReport:
        return plain(words, QT_TRANSLATE_NOOP("Page", "Report a bug"),
                     QT_TRANSLATE_NOOP("Page",
                                       "<p>Tell us what you did, what you expected and what happened instead, and give "
                                       "the version that the about window shows.</p><p>Write to the address shown in "
                                       "the about window.</p>"));
    case Plain::Product:
        return plain(words, "Quelcor",
                     QT_TRANSLATE_NOOP("Page",
                                       "<p>Quelcor is a small desktop program for looking up the registration records "
                                       "(whois records) of internet domain names.</p><ul>"
                                       "<li><a href=\"%1\">Download</a></li>"
                                       "<li><a href=\"%2\">Look a domain up</a></li>"
                                       "<li><a href=\"%3\">Forum</a></li>"
                                       "<li><a href=\"%4\">Report a bug</a></li></ul>"),
                     { MakerPaths::download, MakerPaths::lookupPage, MakerPaths::forum, MakerPaths::bugReport });
    case Plain::Home:
        break;
    }
    return plain(words, "Quelcor",
                 QT_TRANSLATE_NOOP("Page",
                                   "<ul><li><a href=\"%1\">Quelcor</a></li>"
                                   "<li><a href=\"%2\">Look a domain up</a></li></ul>"),
                 { MakerPaths::productPage, MakerPaths::lookupPage });
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
