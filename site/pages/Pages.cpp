#include "Pages.h"

#include "Findings.h"
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
const char kWelcomeAvailability[]
    = QT_TRANSLATE_NOOP("Page",
                        "<p><b>quelcor.*</b> shows in which of the usual extensions a name is still free, "
                        "<b>quelcor.{de,fr,it}</b> in those named.</p>");

//: A button that copies the text beside it to the clipboard
const char kCopy[] = QT_TRANSLATE_NOOP("Page", "Copy");
//: The copy button once it has copied
const char kCopied[] = QT_TRANSLATE_NOOP("Page", "Copied");
//: A link that saves a record as a file
const char kDownload[] = QT_TRANSLATE_NOOP("Page", "Download");

// The fields as the template takes them: each value shown as text, a status in words with the value as written.
Data fieldRows(const QList<Findings::Field> &fields)
{
    Data rows { Data::type::list };
    for (const Findings::Field &field : fields) {
        Data made;
        made.set("label", value(field.label));
        if (field.statuses.isEmpty()) {
            made.set("value", value(Pages::visible(field.value)));
            if (!field.link.isEmpty())
                made.set("link", value(field.link));
        } else {
            Data items { Data::type::list };
            for (qsizetype i = 0; i < field.statuses.size(); ++i) {
                Data item;
                item.set("raw", value(Pages::visible(field.statuses[i].value)));
                if (!field.statuses[i].words.isEmpty())
                    item.set("phrase", value(field.statuses[i].words));
                if (i + 1 == field.statuses.size())
                    item.set("last", true);
                items.push_back(item);
            }
            made.set("statuses", items);
        }
        rows.push_back(made);
    }
    return rows;
}

// The verdict line as the template takes it: the detail as markup, each value of it isolated.
Data verdictData(const Findings::VerdictLine &line)
{
    if (line.label.isEmpty())
        return Data(false);
    Data made;
    made.set("kind", std::string(line.kind));
    made.set("mark", std::string(line.mark));
    made.set("label", value(line.label));
    if (!line.detail.isEmpty())
        made.set("detail", value(line.detail));
    return made;
}

std::string resultContent(const PageLanguage &words, const LookupResult &result)
{
    const Verdict verdict = Verdict::of(result, QDate::currentDate());
    Data data;
    const Data line = verdictData(Findings::verdictLine(words, result, verdict, Findings::Markup::Html));
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
    Data rows = fieldRows(Findings::fields(words, result, verdict));
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

// describedBy: the element of the content that describes the lookup field (a lookup's verdict), if any.
QByteArray page(const PageLanguage &words, const QString &title, const QString &typed, const std::string &content,
                const char *describedBy = nullptr)
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
        data.set("introduction",
                 value(words.text(kWelcome) + words.text(kWelcomeTopLevel) + words.text(kWelcomeAvailability)));
        content = Template::render("welcome", data);
    }
    return page(words, words.text(kLookupTitle), typed, content, result ? "said" : nullptr);
}

Response Pages::lookupRefused(int status, const QString &typed, const Message &message, const PageLanguage &words)
{
    Data data;
    data.set("notice", value(visible(words.render(message))));
    return html(page(words, words.text(kLookupTitle), typed, Template::render("refused", data)), status);
}

std::pair<std::string, std::string>
Pages::availabilityFrame(const QString &typed, const Availability::Question &question, const PageLanguage &words)
{
    Data data;
    //: %1: a name without extension; %2: how many extensions it is checked in
    data.set("heading",
             value(Message::filled(
                 words.text(QT_TRANSLATE_NOOP("Page", "%1 in %2 extensions")),
                 { QUrl::fromAce(question.name.toLatin1()), QString::number(question.extensions.size()) })));
    data.set("explanation",
             value(words.text(QT_TRANSLATE_NOOP(
                 "Page",
                 "<p>Each row comes as its registry answers. Type <b>name.*</b> for the usual extensions, "
                 "or name them: <b>name.{de,fr,it}</b>. A name with name servers in the DNS is registered; "
                 "the others are asked of their registries.</p>"))));
    data.set("extension", value(words.text(QT_TRANSLATE_NOOP("Page", "Extension"))));
    data.set("state", value(words.text(QT_TRANSLATE_NOOP("Page", "Answer"))));
    data.set("expires", value(words.text(QT_TRANSLATE_NOOP("Page", "Expires"))));
    // The rows go between the two halves of the page.
    const std::string marker = "\x01rows\x01";
    data.set("rows", marker);
    const std::string content = Template::render("availability", data);
    const std::string whole = page(words, words.text(kLookupTitle), typed, content).toStdString();
    const std::size_t at = whole.find(marker);
    return { whole.substr(0, at), whole.substr(at + marker.size()) };
}

namespace {

// An availability row's answer in words: how the page colours it, its mark, its label, and why (or how it is known).
struct RowWords
{
    const char *kind = "info";
    const char *mark = "\u25CF";
    QString label;
    QString why;
    QString expires;
};

RowWords rowWords(const Availability::Row &row, const PageLanguage &words)
{
    using State = Availability::Row::State;
    RowWords made;
    const char *label = QT_TRANSLATE_NOOP("Verdict", "Registered");
    switch (row.state) {
    case State::Available:
        made.kind = "ok";
        made.mark = "\u2713";
        label = QT_TRANSLATE_NOOP("Verdict", "Available");
        break;
    case State::Registered:
        break;
    case State::Reserved:
        made.kind = "warn";
        made.mark = "\u2298";
        label = QT_TRANSLATE_NOOP("Verdict", "Reserved or blocked");
        break;
    case State::Unknown:
        made.kind = "error";
        made.mark = "?";
        //: The answer for an extension whose registry could not be asked or did not answer
        label = QT_TRANSLATE_NOOP("Verdict", "Unknown");
        break;
    }
    made.label = words.text(label, "Verdict");
    if (!row.why.isNull())
        made.why = words.render(row.why);
    else if (row.source == Availability::Row::Source::Dns)
        //: Of a name found registered from its name servers in the DNS, without asking its registry
        made.why = words.text(QT_TRANSLATE_NOOP("Page", "it has name servers"));
    if (QDate::fromString(row.expires, Qt::ISODate).isValid())
        made.expires = Findings::longDate(words, row.expires);
    return made;
}

} // namespace

std::string Pages::availabilityRow(const Availability::Row &row, const PageLanguage &words)
{
    const RowWords made = rowWords(row, words);
    Data data;
    data.set("domain", value(Pages::visible(QUrl::fromAce(row.domain.toLatin1()))));
    data.set("link",
             value(QStringLiteral("%1?domain=%2")
                       .arg(MakerPaths::lookupPage, QString::fromLatin1(QUrl::toPercentEncoding(row.domain)))));
    data.set("kind", std::string(made.kind));
    data.set("mark", std::string(made.mark));
    data.set("label", value(made.label));
    if (!made.why.isEmpty())
        data.set("why", value(Pages::visible(made.why)));
    if (!made.expires.isEmpty())
        data.set("expires", value(made.expires));
    return Template::render("availability-row", data);
}

QString Pages::availabilityText(const Availability::Row &row, const PageLanguage &words)
{
    const RowWords made = rowWords(row, words);
    QString line = QUrl::fromAce(row.domain.toLatin1()).leftJustified(24) + u' ' + made.label;
    if (!made.expires.isEmpty())
        line += QStringLiteral(" \u00B7 ") + made.expires;
    if (!made.why.isEmpty())
        line += QStringLiteral(" (%1)").arg(made.why);
    return line;
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
    return { QStringLiteral("page"),
             QStringLiteral("lookup"),
             QStringLiteral("welcome"),
             QStringLiteral("refused"),
             QStringLiteral("plain"),
             QStringLiteral("availability"),
             QStringLiteral("availability-row") };
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
