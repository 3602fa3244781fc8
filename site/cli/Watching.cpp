#include "Watching.h"

#include "Lookups.h"
#include "pages/Findings.h"
#include "pages/Pages.h"
#include "watch/Subscriptions.h"
#include "watch/Watch.h"

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace Cli {

int watch(const Lookup &lookup, const QStringList &questions, const Output &output, const QString &stateFile)
{
    QJsonObject state;
    QFile file(stateFile);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly) || file.size() > (64 << 20)) {
            std::fprintf(stderr, "quelcor-lookup: cannot read %s\n", qPrintable(stateFile));
            return 2;
        }
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
        if (!document.isObject() || !document.object().value(u"names").isObject()) {
            // Not written by this program: left as it is, not overwritten.
            std::fprintf(stderr, "quelcor-lookup: %s is not a watch state file; it is left as it is\n",
                         qPrintable(stateFile));
            return 2;
        }
        state = document.object().value(u"names").toObject();
        file.close();
    }
    QTextStream out(stdout);
    if (output.format == Format::Csv)
        out << "question,name,field,before,after\n";
    int changed = 0, failed = 0;
    lookUpEach(lookup, questions, output.waitAtMost, [&](const QString &question, const LookupResult &result) {
        const std::optional<Sighting> sighting = Sighting::of(result, QDateTime::currentDateTimeUtc());
        const QString name = result.query;
        if (!sighting) {
            ++failed;
            const QString why = result.message.isNull()
                ? Findings::verdictLine(output.words, result, Verdict::of(result, QDate::currentDate()),
                                        Findings::Markup::Text)
                      .label
                : output.words.render(result.message);
            if (output.format == Format::Json)
                out << QJsonDocument(QJsonObject { { u"question"_qs, question },
                                                   { u"name"_qs, name },
                                                   { u"answered"_qs, false },
                                                   { u"message"_qs, why } })
                           .toJson(QJsonDocument::Compact)
                    << '\n';
            else if (output.format == Format::Text)
                out << Pages::visible(question) << ": " << Pages::visible(why) << '\n';
            return;
        }
        History history = History::fromJson(state.value(name).toArray());
        const std::optional<Sighting> before
            = history.sightings.isEmpty() ? std::nullopt : std::optional(history.sightings.last());
        const QList<Change> found = before ? changes(*before, *sighting) : QList<Change>();
        if (history.add(*sighting))
            state.insert(name, history.toJson());
        changed += found.isEmpty() ? 0 : 1;
        if (output.format == Format::Json) {
            QJsonArray list;
            for (const Change &change : found)
                list.append(QJsonObject {
                    { u"field"_qs, change.field }, { u"before"_qs, change.before }, { u"after"_qs, change.after } });
            out << QJsonDocument(QJsonObject { { u"question"_qs, question },
                                               { u"name"_qs, name },
                                               { u"answered"_qs, true },
                                               { u"first"_qs, !before.has_value() },
                                               { u"changes"_qs, list },
                                               { u"now"_qs, sighting->toJson() } })
                       .toJson(QJsonDocument::Compact)
                << '\n';
        } else if (output.format == Format::Csv) {
            for (const Change &change : found)
                out << csvRow({ question, name, change.field, change.before, change.after });
        } else if (!before) {
            out << Subscriptions::sightingWords(Pages::visible(name), *sighting, output.words) << '\n';
        } else {
            for (const Change &change : found)
                out << Pages::visible(Subscriptions::changeWords(name, change, output.words)) << '\n';
        }
        out.flush();
    });
    QSaveFile saved(stateFile);
    const QByteArray bytes = QJsonDocument(QJsonObject { { u"names"_qs, state } }).toJson(QJsonDocument::Indented);
    // The names a person watches are theirs: a new state file is readable by its owner only (one that exists keeps
    // the permissions given to it).
    const bool made = !QFile::exists(stateFile);
    if (!saved.open(QIODevice::WriteOnly) || saved.write(bytes) != bytes.size()
        || (made && !saved.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) || !saved.commit()) {
        std::fprintf(stderr, "quelcor-lookup: cannot write %s\n", qPrintable(stateFile));
        return 2;
    }
    return changed ? 3 : failed ? 1 : 0;
}

} // namespace Cli
