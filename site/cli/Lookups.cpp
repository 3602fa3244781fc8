#include "Lookups.h"

#include "Reports.h"

#include "lookup/Coverage.h"
#include "messages/Message.h"
#include "pages/Api.h"
#include "pages/Pages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <vector>

#include <unistd.h>

namespace Cli {

namespace {

constexpr int kAtOnce = 8; // lookups under way at once; each registry is paced on its own

} // namespace

bool readQuestions(const QString &name, QStringList &questions, QString *error)
{
    QFile input;
    const bool opened = name == u"-" ? input.open(stdin, QIODevice::ReadOnly)
                                     : (input.setFileName(name), input.open(QIODevice::ReadOnly));
    if (!opened) {
        *error = QStringLiteral("cannot read %1: %2").arg(name, input.errorString());
        return false;
    }
    questions += Question::linesOf(input.readAll());
    return true;
}

void lookUpEach(const Lookup &lookup, const QStringList &questions, int waitAtMost,
                const std::function<void(const QString &question, const LookupResult &result)> &answered)
{
    QList<std::optional<LookupResult>> results(questions.size());
    QList<qint64> waited(questions.size(), 0); // seconds each question has waited for its registry
    qsizetype started = 0, printed = 0, done = 0, waiting = 0;
    const bool progress = ::isatty(STDERR_FILENO) && questions.size() >= 10;
    QElapsedTimer clock;
    clock.start();
    std::function<void()> startNext;
    std::function<void(qsizetype)> ask = [&](qsizetype index) {
        lookup.start(
            Query::fromInput(questions[index]), QCoreApplication::instance(), [&, index](const LookupResult &result) {
                // A registry that asked to wait, or a server resting after failures: the list waits the
                // time it named (a minute where it named none) and asks again, up to the user's bound.
                const bool resting = result.outcome == LookupResult::Outcome::Failed
                    && result.message.id() == MessageId::RegistryResting;
                const qint64 wait = qMax<qint64>(result.retryAfterSeconds >= 0 ? result.retryAfterSeconds : 60, 1);
                if ((result.outcome == LookupResult::Outcome::RateLimited || resting)
                    && waited[index] + wait <= waitAtMost) {
                    waited[index] += wait;
                    ++waiting;
                    std::fprintf(stderr, "%squelcor-lookup: %s: %s Waiting %s, then asking again.\n",
                                 progress ? "\r\033[K" : "", qPrintable(Pages::visible(questions[index])),
                                 qPrintable(result.message.english()), qPrintable(Message::duration(wait)));
                    QTimer::singleShot(wait * 1000, QCoreApplication::instance(), [&, index] {
                        --waiting;
                        ask(index);
                    });
                    QTimer::singleShot(0, QCoreApplication::instance(), startNext);
                    return;
                }
                results[index] = result;
                ++done;
                for (; printed < questions.size() && results[printed]; ++printed) {
                    answered(questions[printed], *results[printed]);
                    results[printed].reset();
                }
                if (progress) {
                    const double rate = done / qMax(0.001, clock.elapsed() / 1000.0);
                    std::fprintf(stderr, "\r\033[K%lld/%lld  %.1f a second  %.0f s left", qlonglong(done),
                                 qlonglong(questions.size()), rate, (questions.size() - done) / qMax(rate, 0.001));
                }
                if (done < questions.size()) {
                    QTimer::singleShot(0, QCoreApplication::instance(), startNext);
                    return;
                }
                if (progress)
                    std::fputs("\r\033[K", stderr);
                QCoreApplication::exit(0);
            });
    };
    // A few lookups under way at once; one that waits for its registry holds no place.
    startNext = [&] {
        while (started < questions.size() && started - done - waiting < kAtOnce)
            ask(started++);
    };
    QTimer::singleShot(0, QCoreApplication::instance(), startNext);
    QCoreApplication::exec();
}

int lookUp(const Lookup &lookup, const QStringList &questions, const Output &output)
{
    QTextStream out(stdout);
    int failed = 0;
    bool first = true;
    if (output.format == Format::Csv)
        out << "question,query,kind,verdict,holder,registrar,registered,expires,days_left,statuses,name_servers,"
               "message,evidence\n";
    lookUpEach(lookup, questions, output.waitAtMost, [&](const QString &question, const LookupResult &shown) {
        failed += answered(Verdict::of(shown, QDate::currentDate())) ? 0 : 1;
        QString error;
        if (!output.evidence.isEmpty()
            && !writeEvidence(output.evidence, question, shown, questions.size() > 1, &error)) {
            std::fprintf(stderr, "quelcor-lookup: %s\n", qPrintable(error));
            ++failed;
        }
        if (output.format == Format::Json) {
            // With the question as typed, so that answers to a file can be matched to its lines.
            QJsonObject answer = Api::lookup(shown, output.words, QDateTime::currentDateTimeUtc());
            answer.insert(u"question"_qs, question);
            out << QJsonDocument(answer).toJson(QJsonDocument::Compact) << '\n';
        } else if (output.format == Format::Records) {
            for (const SourceRecord &record : shown.records)
                out << Pages::visible(record.text) << (record.text.endsWith(u'\n') ? "" : "\n");
        } else if (output.format == Format::Csv)
            out << csvOf(question, shown, output.words);
        else
            out << (first ? "" : "\n") << textOf(question, shown, output.words, output.raw);
        first = false;
        out.flush();
    });
    return failed ? 1 : 0;
}

int checkAvailability(const Lookup &lookup, const LookupOptions &options, const ManyExtensions &question,
                      const Output &output)
{
    QTextStream out(stdout);
    const PageLanguage &words = output.words;
    Availability::Settings checkSettings;
    checkSettings.resolver = options.resolver;
    std::vector<Availability::Row> rows;
    int unknown = 0;
    if (output.format == Format::Csv)
        out << "extension,domain,state,source,expires,message\n";
    Availability::check(
        lookup, checkSettings, question, std::string(), QCoreApplication::instance(),
        [&](const Availability::Row &row) {
            rows.push_back(row);
            unknown += row.state == Availability::Row::State::Unknown ? 1 : 0;
            if (output.format == Format::Csv)
                out << csvOf(row, words);
            else if (output.format == Format::Text)
                out << Pages::visible(Pages::availabilityText(row, words)) << '\n';
            out.flush();
        },
        [&] {
            if (output.format == Format::Json)
                out << QJsonDocument(Api::availability(question, rows, words)).toJson(QJsonDocument::Compact) << '\n';
            out.flush();
            QCoreApplication::exit(unknown ? 1 : 0);
        });
    return QCoreApplication::exec();
}

int printCoverage(RdapBootstrap &bootstrap, const LookupSettings &settings)
{
    QTextStream out(stdout);
    QMap<QString, int> counts;
    int bothForms = 0, anyForm = 0;
    const QList<TldRoute> routes = coverage(bootstrap, settings);
    for (const TldRoute &route : routes) {
        ++counts[route.kind()];
        anyForm += !route.verified.isEmpty();
        bothForms += route.verified.contains(u"found"_qs) && route.verified.contains(u"not-registered"_qs);
        const auto listed = [](const QStringList &items) { return items.isEmpty() ? u"-"_qs : items.join(u", "_qs); };
        out << route.tld << '\t' << route.kind() << '\t' << (route.rdap.isValid() ? route.rdap.toString() : u"-"_qs)
            << '\t' << (route.whois.isEmpty() ? u"-"_qs : route.whois) << '\t' << listed(route.verified) << '\t'
            << listed(route.keys) << (route.operators ? "\toperator's\n" : "\n");
    }
    const QJsonDocument file = bootstrap.domainFile();
    out << "# " << routes.size() << " top-level domains: " << counts.value(u"both"_qs) << " by RDAP and whois, "
        << counts.value(u"rdap"_qs) << " by RDAP alone, " << counts.value(u"whois"_qs) << " by whois alone, "
        << counts.value(u"none"_qs) << " by neither (domain bootstrap file of "
        << file.object().value(u"publication"_qs).toString().left(10) << ")\n"
        << "# whois answers read right by recorded answers: " << anyForm << " top-level domains, " << bothForms
        << " with both a found and a free answer\n";
    return routes.isEmpty() ? 1 : 0;
}

} // namespace Cli
