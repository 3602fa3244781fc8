// quelcor-lookup: the site's lookups from the command line, one question or many, without a server.

#include "LookupOptions.h"
#include "lookup/Bootstrap.h"
#include "lookup/Coverage.h"
#include "lookup/Lookup.h"
#include "pages/Api.h"
#include "pages/Findings.h"
#include "pages/Pages.h"
#include "pages/Report.h"
#include "query/Question.h"
#include "state/RateLimits.h"
#include "watch/Subscriptions.h"
#include "watch/Watch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

#include <unistd.h>

namespace {

constexpr int kAtOnce = 8; // lookups under way at once; each registry is paced on its own

const char kDescription[] = "Looks domain names, top-level domains, IP addresses, networks and AS numbers up, as "
                            "the Quelcor lookup page does: RDAP where a service is known, whois otherwise.\n"
                            "Exit status: 0 when every question was answered, 1 when some could not be (refused, "
                            "no answer, registry busy), 2 for bad usage.";

enum class Format { Text, Json, Csv, Records };

// A field for a CSV row (RFC 4180): quoted when it holds a comma, a quote or a line break. A text that a spreadsheet
// would run as a formula (one that begins with =, +, -, @, a tab or a carriage return, and is not a plain number)
// comes after an apostrophe, so that it is shown as the text it is.
QString csvField(QString text)
{
    static const QRegularExpression number(u"^[+-]?[0-9]+([.][0-9]+)?$"_qs);
    if (!text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front()) && !number.match(text).hasMatch())
        text.prepend(u'\'');
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + text.replace(u"\""_qs, u"\"\""_qs) + u'"';
}

// Whether the question got an answer: a verdict about the name, not a refusal or a failure.
bool answered(const Verdict &verdict)
{
    using Kind = Verdict::Kind;
    return verdict.kind != Kind::Refused && verdict.kind != Kind::NoAnswer && verdict.kind != Kind::Busy
        && verdict.kind != Kind::Unknown;
}

QString textOf(const QString &question, const LookupResult &result, const PageLanguage &words, bool raw)
{
    const Verdict verdict = Verdict::of(result, QDate::currentDate());
    const Findings::VerdictLine line = Findings::verdictLine(words, result, verdict, Findings::Markup::Text);
    // Everything from elsewhere as text: no registry's control characters reach the terminal.
    QString out = Pages::visible(question) + QStringLiteral(": ");
    if (line.label.isEmpty())
        out += Pages::visible(words.render(result.message));
    else
        out += line.label + (line.detail.isEmpty() ? QString() : QStringLiteral(" \u00B7 ") + line.detail);
    out += u'\n';
    const QList<Findings::Field> fields = Findings::fields(words, result, verdict);
    qsizetype width = 0;
    for (const Findings::Field &field : fields)
        width = qMax(width, field.label.size());
    for (const Findings::Field &field : fields) {
        QString value = field.value;
        if (!field.statuses.isEmpty()) {
            QStringList statuses;
            for (const Findings::Status &status : field.statuses)
                statuses.append(status.words.isEmpty() || status.words.compare(status.value, Qt::CaseInsensitive) == 0
                                    ? status.value
                                    : QStringLiteral("%1 (%2)").arg(status.words, status.value));
            value = statuses.join(QStringLiteral(", "));
        }
        out += QStringLiteral("  %1  %2\n").arg(field.label.leftJustified(width), Pages::visible(value));
    }
    for (const Message &note : result.notes)
        out += QStringLiteral("  ! %1\n").arg(Pages::visible(words.render(note)));
    if (raw) {
        for (const SourceRecord &record : result.records)
            out += QStringLiteral("\n%1\n%2\n").arg(Pages::visible(record.source), Pages::visible(record.text));
    }
    return out;
}

// Fields as a CSV row, each shown as text.
QString csvRow(const QStringList &fields)
{
    QStringList out;
    for (const QString &field : fields)
        out.append(csvField(Pages::visible(field)));
    return out.join(u',') + u'\n';
}

QString csvOf(const QString &question, const LookupResult &result, const PageLanguage &words)
{
    const Report report = Report::of(result, QDate::currentDate());
    return csvRow({
        question,
        result.query,
        report.kind,
        report.verdictName,
        result.holder.isEmpty() && result.withheld.contains(u"holder"_qs)
            ? Findings::withheldText(words, result.withheld.value(u"holder"_qs))
            : result.holder,
        result.registrar,
        report.registered,
        report.expires,
        report.verdict.daysLeft ? QString::number(*report.verdict.daysLeft) : QString(),
        result.statuses.join(u' '),
        result.nameServers.join(u' '),
        result.message.isNull() ? QString() : words.render(result.message),
    });
}

QString csvOf(const Availability::Row &row, const PageLanguage &words)
{
    const bool dated = RdapFields::dateOf(row.expires).isValid();
    return csvRow({ row.extension, row.domain, Report::stateName(row.state), Report::sourceName(row.source),
                    dated ? row.expires : QString(), row.why.isNull() ? QString() : words.render(row.why) });
}

// The user's language, as the page would pick it for a browser of that system.
const PageLanguage &userLanguage()
{
    const QByteArray languages = QLocale::system().uiLanguages().join(u',').toUtf8();
    return PageLanguage::forAcceptLanguage(languages.toStdString());
}

// How the answers are printed.
struct Output
{
    Format format;
    bool raw; // the records after the fields, in text
    const PageLanguage &words;
};

// A name checked in many extensions: a row an extension as its answer comes. Exit status 1 when an extension had
// no answer.
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

// The questions of a file, one a line (- for standard input), after those given; false with the reason in *error.
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

// The lookups, a few at once; each answer handed on in the order of the questions (with a counter on a terminal's
// standard error for many). Returns when all are answered.
void lookUpEach(const Lookup &lookup, const QStringList &questions,
                const std::function<void(const QString &question, const LookupResult &result)> &answered)
{
    QList<std::optional<LookupResult>> results(questions.size());
    qsizetype started = 0, printed = 0, done = 0;
    const bool progress = ::isatty(STDERR_FILENO) && questions.size() >= 10;
    QElapsedTimer clock;
    clock.start();
    std::function<void()> startNext = [&] {
        while (started < questions.size() && started - done < kAtOnce) {
            const qsizetype index = started++;
            lookup.start(Query::fromInput(questions[index]), QCoreApplication::instance(),
                         [&, index](const LookupResult &result) {
                             results[index] = result;
                             ++done;
                             for (; printed < questions.size() && results[printed]; ++printed) {
                                 answered(questions[printed], *results[printed]);
                                 results[printed].reset();
                             }
                             if (progress) {
                                 const double rate = done / qMax(0.001, clock.elapsed() / 1000.0);
                                 std::fprintf(stderr, "\r\033[K%lld/%lld  %.1f a second  %.0f s left", qlonglong(done),
                                              qlonglong(questions.size()), rate,
                                              (questions.size() - done) / qMax(rate, 0.001));
                             }
                             if (done < questions.size()) {
                                 QTimer::singleShot(0, QCoreApplication::instance(), startNext);
                                 return;
                             }
                             if (progress)
                                 std::fputs("\r\033[K", stderr);
                             QCoreApplication::exit(0);
                         });
        }
    };
    QTimer::singleShot(0, QCoreApplication::instance(), startNext);
    QCoreApplication::exec();
}

// The lookups, their answers printed in the order of the questions. Exit status 1 when one was not answered.
int lookUp(const Lookup &lookup, const QStringList &questions, const Output &output)
{
    QTextStream out(stdout);
    int failed = 0;
    bool first = true;
    if (output.format == Format::Csv)
        out << "question,query,kind,verdict,holder,registrar,registered,expires,days_left,statuses,name_servers,"
               "message\n";
    lookUpEach(lookup, questions, [&](const QString &question, const LookupResult &shown) {
        failed += answered(Verdict::of(shown, QDate::currentDate())) ? 0 : 1;
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

// Watching from a cron job: each name looked up, compared with what the state file holds of it, what changed
// printed, and the state file written again, whole or not at all. Exit status 3 when something changed, else 1
// when a name could not be looked up, else 0.
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
    lookUpEach(lookup, questions, [&](const QString &question, const LookupResult &result) {
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

int printCoverage(RdapBootstrap &bootstrap, const LookupSettings &settings)
{
    QTextStream out(stdout);
    QMap<QString, int> counts;
    const QList<TldRoute> routes = coverage(bootstrap, settings);
    for (const TldRoute &route : routes) {
        ++counts[route.kind()];
        out << route.tld << '\t' << route.kind() << '\t' << (route.rdap.isValid() ? route.rdap.toString() : u"-"_qs)
            << '\t' << (route.whois.isEmpty() ? u"-"_qs : route.whois) << (route.operators ? "\toperator's\n" : "\n");
    }
    const QJsonDocument file = bootstrap.domainFile();
    out << "# " << routes.size() << " top-level domains: " << counts.value(u"both"_qs) << " by RDAP and whois, "
        << counts.value(u"rdap"_qs) << " by RDAP alone, " << counts.value(u"whois"_qs) << " by whois alone, "
        << counts.value(u"none"_qs) << " by neither (domain bootstrap file of "
        << file.object().value(u"publication"_qs).toString().left(10) << ")\n";
    return routes.isEmpty() ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quelcor-lookup"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUELCOR_SITE_VERSION));

    LookupOptions options;
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    const QCommandLineOption help({ u"h"_qs, u"help"_qs }, u"Shows this help."_qs);
    const QCommandLineOption version(u"version"_qs, u"Shows the version."_qs);
    const QCommandLineOption raw(u"raw"_qs, u"Prints the records as they came, after the fields."_qs);
    const QCommandLineOption json(u"json"_qs,
                                  u"Prints the answers as the site's API gives them, one JSON object a line."_qs);
    const QCommandLineOption csv(
        u"csv"_qs,
        u"Prints one CSV row a question: question, query, kind, verdict, holder, registrar, registered, expires, "
        "days left, statuses, name servers, message."_qs);
    const QCommandLineOption file(u"file"_qs,
                                  u"Reads the questions from a file, one a line (- for standard input); "
                                  "blank lines and lines starting with # are skipped."_qs,
                                  u"file"_qs);
    const QCommandLineOption availability(
        u"availability"_qs,
        u"Checks a name in many extensions: name (the usual ones), name.* or name.{de,fr,it}; a row an extension as "
        "its answer comes."_qs,
        u"name"_qs);
    const QCommandLineOption cacheDir(
        u"cache-dir"_qs, u"Where the RDAP bootstrap files are kept between runs ($XDG_CACHE_HOME/quelcor-lookup)."_qs,
        u"folder"_qs, QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/quelcor-lookup"_qs);
    const QCommandLineOption records(u"records"_qs, u"Prints the records alone, as they came."_qs);
    const QCommandLineOption server(
        u"server"_qs,
        u"Asks this server instead of the one the bootstrap files or the whois root name: an RDAP service's base URL "
        "(https://rdap.example/), or a whois server (host or host:port), asked as the registry's."_qs,
        u"url|host[:port]"_qs);
    const QCommandLineOption watchState(
        u"watch"_qs,
        u"Watches the names: looks each up, prints what changed since the last run (its phase, registrar, name "
        "servers, statuses or expiry) and keeps what it saw in the state file, written whole or not at all. Exit "
        "status 3 when something changed."_qs,
        u"statefile"_qs);
    const QCommandLineOption coverage(
        u"coverage"_qs,
        u"Prints how each top-level domain of the root zone is looked up, from the files at hand (no network): its "
        "route (both, rdap, whois or none), RDAP service and whois server, a line each; then the counts."_qs);
    parser.addOptions(
        { help, version, raw, json, csv, file, availability, cacheDir, records, server, coverage, watchState });
    parser.addOptions(options.commandLine());
    parser.addPositionalArgument(u"question"_qs, u"A domain name, top-level domain, address, network or AS number."_qs,
                                 u"[question...]"_qs);

    const auto usage = [](const QString &why) {
        std::fprintf(stderr, "quelcor-lookup: %s\nTry quelcor-lookup --help.\n", qPrintable(why));
        return 2;
    };
    if (!parser.parse(app.arguments()))
        return usage(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("quelcor-lookup %s\n", QUELCOR_SITE_VERSION);
        return 0;
    }
    QString error;
    if (!options.read(parser, &error))
        return usage(error);
    if (int(parser.isSet(json)) + int(parser.isSet(csv)) + int(parser.isSet(records)) > 1)
        return usage(u"--json, --csv and --records are one or another"_qs);
    const Format format = parser.isSet(json) ? Format::Json
        : parser.isSet(csv)                  ? Format::Csv
        : parser.isSet(records)              ? Format::Records
                                             : Format::Text;
    if (parser.isSet(server)) {
        options.lookup.server = LookupSettings::Server::fromText(parser.value(server));
        if (options.lookup.server.isNull())
            return usage(u"--server takes an http or https URL, or a whois server as host[:port]"_qs);
    }
    RdapBootstrap bootstrap(options.bootstrap, options.bootstrapTtlSeconds);
    if (QDir().mkpath(parser.value(cacheDir)))
        bootstrap.keepIn(parser.value(cacheDir));
    LookupSettings settings = options.lookup;
    settings.pacing
        = std::make_shared<TokenBuckets>(options.registryQuestionsPerSecond, 2.0 * options.registryQuestionsPerSecond);
    settings.health = std::make_shared<RegistryHealth>(); // a registry's word holds for the run's other questions
    if (parser.isSet(coverage))
        return printCoverage(bootstrap, options.lookup);
    const Lookup lookup(bootstrap, settings);
    Output output { format, parser.isSet(raw), userLanguage() };
    if (parser.isSet(availability)) {
        const std::optional<ManyExtensions> question
            = Question::manyFromParts(parser.value(availability), QString(), options.availabilityExtensions);
        if (!question || !parser.positionalArguments().isEmpty() || parser.isSet(file) || parser.isSet(records))
            return usage(
                u"--availability takes one name (quelcor, quelcor.* or quelcor.{de,fr,it}) and nothing else"_qs);
        return checkAvailability(lookup, options, *question, output);
    }
    QStringList questions = parser.positionalArguments();
    if (parser.isSet(file) && !readQuestions(parser.value(file), questions, &error))
        return usage(error);
    if (questions.isEmpty())
        return usage(u"no question given"_qs);
    if (parser.isSet(watchState)) {
        if (parser.isSet(records) || parser.isSet(raw))
            return usage(u"--watch prints what changed: not with --records or --raw"_qs);
        return watch(lookup, questions, output, parser.value(watchState));
    }
    return lookUp(lookup, questions, output);
}
