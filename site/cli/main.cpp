// quelcor-lookup: the site's lookups from the command line, one question or many, without a server.

#include "LookupOptions.h"
#include "Lookups.h"
#include "Output.h"
#include "Reports.h"
#include "Watching.h"
#include "lookup/Bootstrap.h"
#include "lookup/Lookup.h"
#include "query/Question.h"
#include "state/RateLimits.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>

#include <unistd.h>

namespace {

const char kDescription[] = "Looks domain names, top-level domains, IP addresses, networks and AS numbers up, as "
                            "the Quelcor lookup page does: RDAP where a service is known, whois otherwise.\n"
                            "Exit status: 0 when every question was answered, 1 when some could not be (refused, "
                            "no answer, registry busy, or an answer that does not say), 2 for bad usage.";

} // namespace

using namespace Cli;

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
        "days left, statuses, name servers, message, evidence."_qs);
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
        "route (both, rdap, whois or none), RDAP service and whois server, the forms of its whois answers read right "
        "by recorded answers (found, not-registered, reserved, refused, rate-limited) and the keys its fields are "
        "read from, a line each; then the counts."_qs);
    const QCommandLineOption waitAtMost(
        u"wait-at-most"_qs,
        u"In a list (several questions or --file): how long, in seconds, a question may wait in all for a registry "
        "that asks to wait or rests after failures, before it is reported busy (300; 0: never wait)."_qs,
        u"seconds"_qs, u"300"_qs);
    const QCommandLineOption abuse(u"abuse"_qs,
                                   u"Prints whom to tell of abuse by each name, address, network or AS number: the "
                                   "abuse contacts the records name, in the order to write to them, each with where it "
                                   "was read; a network naming none gives those of the networks that contain it."_qs);
    const QCommandLineOption hosting(
        u"hosting"_qs, u"With --abuse: the networks that host a domain and its name servers too (more lookups)."_qs);
    const QCommandLineOption evidence(
        u"evidence"_qs,
        u"Writes each lookup's evidence to the folder: every answer as received, manifest.json and SHA256SUMS "
        "(sha256sum -c SHA256SUMS verifies them); a folder a question when there are several."_qs,
        u"folder"_qs);
    parser.addOptions({ help, version, raw, json, csv, file, availability, cacheDir, records, server, coverage,
                        watchState, waitAtMost, abuse, hosting, evidence });
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
    bool waitNumber = false;
    const int waitSeconds = parser.value(waitAtMost).toInt(&waitNumber);
    if (!waitNumber || waitSeconds < 0 || waitSeconds > 86400)
        return usage(u"--wait-at-most takes a number of seconds from 0 to 86400"_qs);
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
    // A list is answered, not abandoned: its questions wait for a registry that asks them to; a single question is
    // answered at once.
    output.waitAtMost = questions.size() > 1 || parser.isSet(file) ? waitSeconds : 0;
    output.evidence = parser.value(evidence);
    if (parser.isSet(hosting) && !parser.isSet(abuse))
        return usage(u"--hosting goes with --abuse"_qs);
    if (parser.isSet(abuse)) {
        if (parser.isSet(records) || parser.isSet(raw) || parser.isSet(watchState) || parser.isSet(evidence))
            return usage(u"--abuse prints the contacts: not with --records, --raw, --watch or --evidence"_qs);
        return tellAbuse(lookup, options, questions, parser.isSet(hosting), output);
    }
    if (parser.isSet(watchState)) {
        if (parser.isSet(records) || parser.isSet(raw))
            return usage(u"--watch prints what changed: not with --records or --raw"_qs);
        return watch(lookup, questions, output, parser.value(watchState));
    }
    return lookUp(lookup, questions, output);
}
