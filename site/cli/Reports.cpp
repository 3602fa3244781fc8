#include "Reports.h"

#include "abuse/WhoToTell.h"
#include "evidence/EvidenceFile.h"
#include "pages/Api.h"
#include "pages/Pages.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTextStream>

#include <optional>

namespace Cli {

int tellAbuse(const Lookup &lookup, const LookupOptions &options, const QStringList &questions, bool hosting,
              const Output &output)
{
    QTextStream out(stdout);
    const PageLanguage &words = output.words;
    if (output.format == Format::Csv)
        out << "question,role,who,of,emails,phones,forms,source,field,line,address,more_specific\n";
    int without = 0;
    for (qsizetype i = 0; i < questions.size(); ++i) {
        Abuse::Settings settings;
        settings.resolver = options.resolver;
        settings.hosting = hosting;
        std::optional<Abuse::Report> report;
        QEventLoop loop;
        Abuse::search(lookup, settings, Query::fromInput(questions[i]), std::string(), &loop,
                      [&](const Abuse::Report &made) {
                          report = made;
                          loop.quit();
                      });
        if (!report)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        without += report->contacts.isEmpty() ? 1 : 0;
        if (output.format == Format::Json) {
            QJsonObject answer = Api::abuse(*report, words);
            answer.insert(u"question"_qs, questions[i]);
            out << QJsonDocument(answer).toJson(QJsonDocument::Compact) << '\n';
        } else if (output.format == Format::Csv) {
            for (const Abuse::Contact &contact : report->contacts)
                out << csvRow({ questions[i], Abuse::roleName(contact.role), contact.who, contact.of,
                                contact.emails.join(u' '), contact.phones.join(u' '), contact.forms.join(u' '),
                                contact.source, contact.field,
                                contact.line > 0 ? QString::number(contact.line) : QString(), contact.address,
                                contact.moreSpecific });
        } else {
            if (i > 0)
                out << '\n';
            const LookupResult &result = report->result;
            out << Pages::visible(questions[i]) << '\n';
            if (result.outcome != LookupResult::Outcome::Found && result.outcome != LookupResult::Outcome::Reserved)
                out << "  " << Pages::visible(words.render(result.message)) << '\n';
            for (qsizetype n = 0; n < report->contacts.size(); ++n) {
                const Abuse::Contact &contact = report->contacts[n];
                QStringList named { contact.who.isEmpty() ? contact.of : contact.who };
                if (!contact.who.isEmpty() && !contact.of.isEmpty() && contact.of != contact.who)
                    named.append(u'(' + contact.of + u')');
                named.removeAll(QString());
                out << QStringLiteral("  %1. %2").arg(n + 1).arg(Pages::abuseRole(contact.role, words))
                    << (named.isEmpty() ? QString() : u"  "_qs + Pages::visible(named.join(u' '))) << '\n';
                const QStringList reach = contact.emails + contact.phones + contact.forms;
                out << "     " << Pages::visible(reach.join(u", "_qs)) << '\n';
                for (const QString &remark : Pages::abuseRemarks(contact, words))
                    out << "     " << Pages::visible(remark) << '\n';
                out << "     " << Pages::visible(Pages::abuseSource(contact, words)) << '\n';
            }
            for (const Message &note : report->notes)
                out << "  " << Pages::visible(words.render(note)) << '\n';
        }
        out.flush();
    }
    return without ? 1 : 0;
}

bool writeEvidence(const QString &folder, const QString &question, const LookupResult &result, bool several,
                   QString *error)
{
    const QString into = several ? folder + u'/' + EvidenceFile::safeName(question) : folder;
    if (!QDir().mkpath(into)) {
        *error = QStringLiteral("cannot make the folder %1").arg(into);
        return false;
    }
    for (const Zip::File &file : EvidenceFile::files(result)) {
        QSaveFile saved(into + u'/' + file.name);
        if (!saved.open(QIODevice::WriteOnly) || saved.write(file.bytes) != file.bytes.size() || !saved.commit()) {
            *error = QStringLiteral("cannot write %1: %2").arg(saved.fileName(), saved.errorString());
            return false;
        }
    }
    return true;
}

} // namespace Cli
