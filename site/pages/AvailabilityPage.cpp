// The page of a name's check in many extensions: its frame, and each row as its answer comes.

#include "Frame.h"
#include "Pages.h"

#include "Findings.h"
#include "MakerPaths.h"
#include "Template.h"
#include "query/DomainName.h"

#include <QUrl>

using Frame::kLookupTitle;
using Frame::page;
using Template::Data;
using Template::value;

std::pair<std::string, std::string> Pages::availabilityFrame(const QString &typed, const ManyExtensions &question,
                                                             const PageLanguage &words)
{
    Data data;
    //: %1: a name without extension, checked in %n extensions
    data.set("heading",
             value(Message::filled(
                 words.text(QT_TRANSLATE_N_NOOP("Page", "%1 in %n extension(s)"), int(question.extensions.size())),
                 { DomainName::unicode(question.name) })));
    data.set("explanation",
             value(words.text(QT_TRANSLATE_NOOP(
                 "Page",
                 "<p>Each row comes as its registry answers. Type <b>name.*</b> for the usual extensions, "
                 "or name them: <b>name.{de,fr,it}</b>. A name with name servers in the DNS is registered; "
                 "the others are asked of their registries.</p>"))));
    data.set("extension", value(words.text(QT_TRANSLATE_NOOP("Page", "Extension"))));
    data.set("state", value(words.text(QT_TRANSLATE_NOOP("Page", "Answer"))));
    data.set("expires", value(words.text(QT_TRANSLATE_NOOP("Page", "Expires"))));
    // Each extension's place, in the order asked, until its answer comes (shown by the script alone).
    Data asking { Data::type::list };
    for (const QString &extension : question.extensions) {
        Data row;
        row.set("for", value(extension));
        row.set("domain", value(Pages::visible(DomainName::unicode(question.name + u'.' + extension))));
        row.set("label", value(words.text(QT_TRANSLATE_NOOP("Page", "being asked"))));
        asking.push_back(row);
    }
    data.set("asking", asking);
    static const std::string script = Template::file("rows.js").toStdString();
    data.set("script", script);
    // The rows go between the two halves of the page.
    const std::string marker = "\x01rows\x01";
    data.set("rows", marker);
    const std::string content = Template::render("availability", data);
    const std::string whole
        = page(words, Pages::visible(typed.trimmed().left(100)) + u" \u00B7 "_qs + words.text(kLookupTitle), typed,
               content)
              .toStdString();
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
        if (row.busy) { // as a lookup's busy registry looks
            made.kind = "warn";
            made.mark = Findings::kBusyMark;
            label = QT_TRANSLATE_NOOP("Verdict", "Registry busy");
        }
        break;
    }
    made.label = words.text(label, "Verdict");
    if (!row.why.isNull())
        made.why = words.render(row.why);
    else if (row.source == Availability::Row::Source::Dns)
        //: Of a name found registered from its name servers in the DNS, without asking its registry
        made.why = words.text(QT_TRANSLATE_NOOP("Page", "it has name servers"));
    if (RdapFields::dateOf(row.expires).isValid())
        made.expires = Findings::longDate(words, row.expires);
    return made;
}

} // namespace

std::string Pages::availabilityRow(const Availability::Row &row, const PageLanguage &words)
{
    const RowWords made = rowWords(row, words);
    Data data;
    data.set("domain", value(Pages::visible(DomainName::unicode(row.domain))));
    data.set("extension", value(row.extension));
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
    if (!row.evidence.isNull())
        data.set("evidence", value(Pages::visible(words.render(row.evidence.message(row.domain)))));
    return Template::render("availability-row", data);
}

QString Pages::availabilityText(const Availability::Row &row, const PageLanguage &words)
{
    const RowWords made = rowWords(row, words);
    QString line = DomainName::unicode(row.domain).leftJustified(24) + u' ' + made.label;
    if (!made.expires.isEmpty())
        line += QStringLiteral(" \u00B7 ") + made.expires;
    if (!made.why.isEmpty())
        line += QStringLiteral(" (%1)").arg(made.why);
    return line;
}
