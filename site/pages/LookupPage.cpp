// The lookup page: the form alone, a lookup's answer (its verdict, the fields, the records), a refusal; and a
// record as a file to keep.

#include "Frame.h"
#include "Pages.h"

#include "Findings.h"
#include "MakerPaths.h"
#include "Statuses.h"
#include "Template.h"
#include "Verdict.h"
#include "evidence/EvidenceFile.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

using Outcome = LookupResult::Outcome;
using Template::Data;
using Template::value;

// The texts of the pages. The long ones carry their markup, which a translation keeps.
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

//: A link beside Download that saves every answer the site received for the lookup, as received, in a ZIP file
const char kEvidenceFile[] = QT_TRANSLATE_NOOP("Page", "Evidence (ZIP)");
//: The heading of the section that says whom to tell of abuse by a name, an address or a network
const char kReportAbuse[] = QT_TRANSLATE_NOOP("Page", "Report abuse");
//: Under "Report abuse": the contacts below are in the order to write to them, each with the record and field it
//: was read from
const char kAbuseIntro[]
    = QT_TRANSLATE_NOOP("Page", "Write to them in this order. Each says where the record names it, to check it.");
//: The role of an abuse contact (and a field's label): the domain's registrar
const char kRoleRegistrar[] = QT_TRANSLATE_NOOP("Page", "Registrar");
//: The role of an abuse contact: the network of an address that the domain name points to
const char kRoleHosting[] = QT_TRANSLATE_NOOP("Page", "Hosting network");
//: The role of an abuse contact: the network of an address of one of the domain's name servers
const char kRoleDns[] = QT_TRANSLATE_NOOP("Page", "DNS network");
//: The role of an abuse contact: the IP network or AS number asked about, or one that contains it
const char kRoleNetwork[] = QT_TRANSLATE_NOOP("Page", "Network");
//: The role of an abuse contact: the registry that runs the domain's top-level domain
const char kRoleRegistry[] = QT_TRANSLATE_NOOP("Page", "Registry");
//: Where an abuse contact was read. %1: a server or address (URL), %2: the field
const char kAbuseFrom[] = QT_TRANSLATE_NOOP("Page", "From %1: %2");
//: Where an abuse contact was read in a whois answer. %1: a server, %2: a line's number, %3: the key
const char kAbuseFromLine[] = QT_TRANSLATE_NOOP("Page", "From %1, line %2: %3");
//: The name and address whose network an abuse contact is. %1: a domain name or name server, %2: its address
const char kAbuseAddress[] = QT_TRANSLATE_NOOP("Page", "For %1 (%2)");
//: %1: a network (its range) whose own record names no abuse contact
const char kAbuseParent[] = QT_TRANSLATE_NOOP(
    "Page", "%1 names no abuse contact of its own; this is the contact of a network that contains it.");
//: A link under "Report abuse" that looks further: the registry's contact, the networks that contain an address, the
//: networks that host a domain (each lookup counts against the visitor's lookups)
const char kAbuseFurther[] = QT_TRANSLATE_NOOP(
    "Page", "Find more contacts: the registry's, the networks that contain or host it (takes more lookups)");

// Whom to tell of abuse, as the template takes it: the contacts in order, each with its copyable addresses.
Data abuseData(const PageLanguage &words, const LookupResult &result, const Abuse::Report *report,
               const QString &question)
{
    const QList<Abuse::Contact> contacts = report ? report->contacts : Abuse::fromResult(result);
    QList<Message> notes = report ? report->notes : QList<Message>();
    if (!report && contacts.isEmpty())
        notes.append(Message(MessageId::AbuseNoneNamed, result.host.isEmpty() ? result.query : result.host));
    Data data;
    data.set("title", value(words.text(kReportAbuse)));
    Data list { Data::type::list };
    static const QRegularExpression mailbox(QStringLiteral("^[^@\\s<>\"]+@[^@\\s<>\"]+$"));
    for (qsizetype i = 0; i < contacts.size(); ++i) {
        const Abuse::Contact &contact = contacts[i];
        Data item;
        item.set("number", std::to_string(i + 1));
        item.set("role", value(Pages::abuseRole(contact.role, words)));
        // Who it is, and what the record is of (a registrar's contact may name no one but the registrar).
        const QString who = contact.who.isEmpty() ? contact.of : contact.who;
        if (!who.isEmpty())
            item.set("who", value(Pages::visible(who)));
        if (!contact.who.isEmpty() && !contact.of.isEmpty() && contact.of != contact.who)
            item.set("of", value(Pages::visible(contact.of)));
        Data emails { Data::type::list };
        for (const QString &email : contact.emails) {
            Data made;
            made.set("text", value(Pages::visible(email)));
            if (mailbox.match(email).hasMatch())
                made.set("href", value(u"mailto:"_qs + email));
            emails.push_back(made);
        }
        if (!contact.emails.isEmpty()) {
            item.set("hasEmails", true);
            item.set("emails", emails);
        }
        QStringList rest = contact.phones;
        if (!rest.isEmpty())
            item.set("phones", value(Pages::visible(rest.join(u", "_qs))));
        if (!contact.forms.isEmpty()) {
            Data forms { Data::type::list };
            for (const QString &form : contact.forms)
                forms.push_back(value(form));
            item.set("forms", forms);
        }
        item.set("from", value(Pages::visible(Pages::abuseSource(contact, words))));
        if (const QStringList remarks = Pages::abuseRemarks(contact, words); !remarks.isEmpty())
            item.set("remarks", value(Pages::visible(remarks.join(u' '))));
        list.push_back(item);
    }
    if (!contacts.isEmpty()) {
        data.set("intro", value(words.text(kAbuseIntro)));
        data.set("contacts", list);
    }
    // (Set either way: a name the section lacks would be looked up in the page's own data.)
    Data said { Data::type::list };
    for (const Message &note : notes)
        said.push_back(value(Pages::visible(words.render(note))));
    data.set("notes", notes.isEmpty() ? Data(false) : said);
    // The search that looks further: the registry and the networks that host a domain, the networks above a
    // network that names none.
    if (!report && (result.kind == Query::Kind::Domain || contacts.isEmpty())) {
        data.set("further",
                 value(QStringLiteral("%1?domain=%2&abuse=%3")
                           .arg(MakerPaths::lookupPage, question,
                                result.kind == Query::Kind::Domain ? u"hosting"_qs : u"1"_qs)));
        data.set("furtherLabel", value(words.text(kAbuseFurther)));
    }
    return data;
}

// The fields as the template takes them: each value shown as text, a status in words with the value as written.
Data fieldRows(const QList<Findings::Field> &fields, const QList<SourceRecord> &records)
{
    Data rows { Data::type::list };
    for (const Findings::Field &field : fields) {
        Data made;
        made.set("label", value(field.label));
        // Where records were merged, a mark that leads to the record the value came from.
        const auto from = std::find_if(records.cbegin(), records.cend(),
                                       [&](const SourceRecord &record) { return record.source == field.source; });
        if (records.size() > 1 && from != records.cend()) {
            const auto number = std::to_string(from - records.cbegin() + 1);
            made.set("from", number);
            made.set("fromSource", value(Pages::visible(field.source)));
        }
        if (field.withheld)
            made.set("withheld", true);
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

std::string resultContent(const PageLanguage &words, const LookupResult &result, const QString &typed,
                          const Abuse::Report *report)
{
    const Verdict verdict = Verdict::of(result, QDate::currentDate());
    Data data;
    const Data line = verdictData(Findings::verdictLine(words, result, verdict, Findings::Markup::Html));
    if (line.is_object()) {
        data.set("verdict", line);
        if (const QString evidence = Findings::evidenceLine(words, result); !evidence.isEmpty())
            data.set("evidence", value(evidence));
    } else {
        data.set("notice", value(Pages::visible(words.render(result.message))));
        data.set("noticeKind", std::string("warn"));
    }
    if (result.outcome == Outcome::Found || result.outcome == Outcome::Reserved) {
        // What was asked, in the site's own words (a domain name as the user reads it), never a name the
        // registry sent.
        const bool named = result.kind == Query::Kind::Domain || result.kind == Query::Kind::TopLevelDomain;
        data.set("heading", value(Pages::visible(named ? Findings::nameAsTyped(result.query, typed) : result.query)));
    }
    if (result.cachedAgeSeconds >= 0)
        data.set("cached", value(words.text(kCached).arg(result.cachedAgeSeconds)));
    // A name the registry answered for may be watched: its history, calendar and feed.
    if (result.kind == Query::Kind::Domain
        && (verdict.kind == Verdict::Kind::Registered || verdict.kind == Verdict::Kind::Available
            || verdict.kind == Verdict::Kind::Reserved)) {
        data.set("watch",
                 value(u"/watch/history?name="_qs + QString::fromLatin1(QUrl::toPercentEncoding(result.query))));
        data.set("watchLabel",
                 value(words.text(QT_TRANSLATE_NOOP("Page",
                                                    "Watch: its history, a calendar of its dates, a feed of "
                                                    "its changes"))));
    }
    Data rows = fieldRows(Findings::fields(words, result, verdict), result.records);
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
    const QByteArray question = QUrl::toPercentEncoding(result.host.isEmpty() ? result.query : result.host);
    if ((result.outcome == Outcome::Found || result.outcome == Outcome::Reserved)
        && result.kind != Query::Kind::TopLevelDomain)
        data.set("abuse", abuseData(words, result, report, QString::fromLatin1(question)));
    if (result.records.isEmpty())
        return Template::render("lookup", data);
    Data records { Data::type::list };
    const QString recordFrom = words.text(kRecordFrom);
    const qsizetype mark = recordFrom.indexOf(QLatin1String("%1"));
    const QString download = words.text(kDownload);
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
        if (i == 0 && !result.hops.isEmpty()) {
            record.set("evidenceZip",
                       value(QStringLiteral("%1?domain=%2&evidence=1")
                                 .arg(MakerPaths::lookupPage, QString::fromLatin1(question))));
            record.set("evidenceFile",
                       value(EvidenceFile::zipName(result.host.isEmpty() ? result.query : result.host)));
            record.set("evidenceLabel", value(words.text(kEvidenceFile)));
        }
        records.push_back(record);
    }
    data.set("records", records);
    return Template::render("lookup", data);
}

} // namespace

using Frame::html;
using Frame::kLookupTitle;
using Frame::page;

QByteArray Pages::lookupPage(const QString &typed, const LookupResult *result, const PageLanguage &words,
                             const Abuse::Report *report)
{
    std::string content;
    if (result) {
        content = resultContent(words, *result, typed, report);
    } else {
        Data data;
        data.set("introduction",
                 value(words.text(kWelcome) + words.text(kWelcomeTopLevel) + words.text(kWelcomeAvailability)));
        content = Template::render("welcome", data);
    }
    // A result's title names the question and its verdict, so that tabs and the history tell them apart.
    QString title = words.text(kLookupTitle);
    if (result) {
        const Findings::VerdictLine line
            = Findings::verdictLine(words, *result, Verdict::of(*result, QDate::currentDate()), Findings::Markup::Text);
        const QString asked = Pages::visible(typed.trimmed().left(100));
        title = (line.label.isEmpty() ? asked : asked + u": "_qs + line.label) + u" \u00B7 "_qs + title;
    }
    return page(words, title, typed, content, result ? "said" : nullptr);
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

QString Pages::abuseRole(Abuse::Role role, const PageLanguage &words)
{
    switch (role) {
    case Abuse::Role::Registrar:
        return words.text(kRoleRegistrar);
    case Abuse::Role::HostingNetwork:
        return words.text(kRoleHosting);
    case Abuse::Role::DnsNetwork:
        return words.text(kRoleDns);
    case Abuse::Role::Network:
        return words.text(kRoleNetwork);
    case Abuse::Role::Registry:
        break;
    }
    return words.text(kRoleRegistry);
}

QString Pages::abuseSource(const Abuse::Contact &contact, const PageLanguage &words)
{
    return contact.line > 0 ? words.text(kAbuseFromLine).arg(contact.source).arg(contact.line).arg(contact.field)
                            : words.text(kAbuseFrom).arg(contact.source, contact.field);
}

QStringList Pages::abuseRemarks(const Abuse::Contact &contact, const PageLanguage &words)
{
    QStringList remarks;
    if (!contact.address.isEmpty())
        remarks.append(
            words.text(kAbuseAddress).arg(contact.address.section(u' ', 0, 0), contact.address.section(u' ', 1)));
    if (!contact.moreSpecific.isEmpty())
        remarks.append(words.text(kAbuseParent).arg(contact.moreSpecific));
    return remarks;
}

Response Pages::evidenceFile(const LookupResult &result)
{
    const QString name = EvidenceFile::zipName(result.host.isEmpty() ? result.query : result.host);
    return Response { 200, "application/zip", EvidenceFile::zip(result),
                      "attachment; filename=\"" + name.toLatin1() + '"' };
}

QString Pages::recordFileName(const QString &query, int number, bool rdap)
{
    QString name = EvidenceFile::safeName(query);
    if (number > 1)
        name += QStringLiteral("-%1").arg(number);
    return name + (rdap ? QStringLiteral("-rdap.json") : QStringLiteral("-whois.txt"));
}
