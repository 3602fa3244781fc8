#include "SiteOptions.h"

#include "VersionText.h"

#include <QCommandLineParser>

#include <functional>

namespace {

// Eight characters that both version checks of the program read as a version.
bool isVersionText(const QString &text)
{
    if (text.size() != 8)
        return false;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e || c == u'\'' || c == u'\\')
            return false;
    }
    return VersionText::parse(text).has_value();
}

// A whole-number option and the setting it fills; its default is what the setting holds before parsing.
struct Number
{
    QCommandLineOption option;
    std::function<void(int)> set;
    int least;
};

QCommandLineOption wholeNumber(QStringView name, QStringView help, QStringView unit, qint64 initial)
{
    // The default goes before the sentence's full stop: "Seconds a record found is kept (600)."
    return QCommandLineOption(name.toString(), QStringLiteral("%1 (%2).").arg(help.chopped(1)).arg(initial),
                              unit.toString(), QString::number(initial));
}

Number number(QStringView name, QStringView help, int &setting, int least, QStringView unit = u"n")
{
    return { wholeNumber(name, help, unit, setting), [&setting](int value) { setting = value; }, least };
}

Number number(QStringView name, QStringView help, std::chrono::seconds &setting, int least = 1)
{
    return { wholeNumber(name, help, u"seconds", setting.count()),
             [&setting](int value) { setting = std::chrono::seconds(value); }, least };
}

Number megabytes(QStringView name, QStringView help, qint64 &bytes)
{
    return { wholeNumber(name, help, u"n", bytes >> 20), [&bytes](int value) { bytes = qint64(value) << 20; }, 0 };
}

// Where results and limits are shared: Redis, or the master that Sentinels name; false with the reason in *error.
bool readSharedState(const QCommandLineParser &parser, const QCommandLineOption &redis,
                     const QCommandLineOption &sentinels, const QCommandLineOption &master, SiteOptions &options,
                     QString *error)
{
    if (parser.isSet(redis)) {
        options.redis = QUrl(parser.value(redis));
        if (!options.redis.isValid() || options.redis.scheme() != u"redis" || options.redis.host().isEmpty()) {
            *error = QStringLiteral("--redis takes a redis://host:port URL");
            return false;
        }
    }
    if (parser.isSet(sentinels) != parser.isSet(master) || (parser.isSet(sentinels) && parser.isSet(redis))) {
        *error = QStringLiteral("--redis-sentinel goes with --redis-master, and not with --redis");
        return false;
    }
    for (const QString &text : parser.value(sentinels).split(u',', Qt::SkipEmptyParts)) {
        // host:port, [IPv6]:port, or a host alone on Sentinel's port
        const QString entry = text.trimmed();
        const qsizetype colon = entry.lastIndexOf(u':');
        const bool bracketed = entry.startsWith(u'[');
        const bool hasPort = colon > 0 && (bracketed ? entry.at(colon - 1) == u']' : entry.count(u':') == 1);
        QString host = hasPort ? entry.left(colon) : entry;
        if (bracketed && host.endsWith(u']'))
            host = host.mid(1, host.size() - 2);
        const std::optional<quint16> sentinelPort
            = hasPort ? portNumber(entry.mid(colon + 1)) : std::optional<quint16>(26379);
        if (host.isEmpty() || !sentinelPort) {
            *error = QStringLiteral("--redis-sentinel takes host:port, separated by commas, not %1").arg(entry);
            return false;
        }
        options.sentinels.append({ host, *sentinelPort });
    }
    options.redisMaster = parser.value(master);
    return true;
}

} // namespace

std::optional<SiteOptions> SiteOptions::parse(const QStringList &arguments, const QString &buildVersion, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The maker's site for Quelcor: version files, the lookup page and the plain pages."));
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Shows this help."));
    SiteOptions options;
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Address to listen on (%1).").arg(options.listen.toString()),
                                    QStringLiteral("address"), options.listen.toString());
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port to listen on (%1).").arg(options.port),
                                  QStringLiteral("port"), QString::number(options.port));
    const QCommandLineOption quelcorVersion(QStringLiteral("quelcor-version"),
                                            QStringLiteral("The version published in /quelcor_version_number.js."),
                                            QStringLiteral("version"), buildVersion);
    const QCommandLineOption whoisVersion(QStringLiteral("whois-version"),
                                          QStringLiteral("The version published in /whois_version_number.js."),
                                          QStringLiteral("version"), buildVersion);
    const QList<Number> numbers {
        number(u"head-timeout", u"Seconds a client has for the whole head of a request.", options.server.headDeadline),
        number(u"max-connections", u"Client connections open at once; 0: as many as the open-files limit allows.",
               options.server.maxConnections, 0),
        number(u"max-connections-per-address", u"Client connections open at once from one address.",
               options.server.maxConnectionsPerAddress, 1),
        number(u"http-threads", u"Threads that serve the connections; 0: one a core.", options.server.ioThreads, 0),
        number(u"lookup-threads", u"Threads the lookups run on, each carrying many.", options.pool.threads, 1),
        number(u"max-lookups", u"Lookups under way at once.", options.pool.maxInFlight, 1),
        number(u"max-queued-lookups", u"Lookups waiting to start; beyond, 503.", options.pool.maxQueued, 0),
        number(u"max-lookups-per-address", u"Lookups under way or waiting from one address; beyond, 429.",
               options.pool.perAddress, 1),
        number(u"queue-deadline", u"Seconds a lookup may wait to start; then 503.", options.application.queueDeadline),
        megabytes(u"cache-megabytes", u"Megabytes of memory for finished lookups kept; 0: none.",
                  options.cache.maxBytes),
        number(u"cache-found-seconds", u"Seconds a record found is kept.", options.cache.foundSeconds, 0, u"seconds"),
        number(u"cache-not-registered-seconds", u"Seconds an answer that a name is free is kept.",
               options.cache.notRegisteredSeconds, 0, u"seconds"),
        number(u"client-lookups-per-minute", u"Questions one client address may put to one registry a minute.",
               options.clientLookupsPerMinute, 1),
        number(u"client-burst", u"Questions one client address may put to one registry at once.", options.clientBurst,
               1),
        number(u"client-total-per-minute", u"Questions one client address may put to all registries a minute.",
               options.clientTotalPerMinute, 1),
        number(u"client-total-burst", u"Questions one client address may put to all registries at once.",
               options.clientTotalBurst, 1),
        number(u"watch-most-names", u"Domain names watched at once (calendars, feeds and histories asked for).",
               options.watch.mostNames, 1),
        number(u"watch-most-per-client",
               u"Domain names one client address (an IPv6 /64) may bring to the watch; their first lookups count as "
               u"its lookups.",
               options.watch.mostPerClient, 1),
        number(u"watch-requests-per-minute",
               u"Calendars, feeds and histories one client address may ask for a minute (as many at once).",
               options.watch.requestsPerMinute, 1),
        number(u"watch-most-per-set", u"Domain names one calendar or feed may watch.", options.watch.mostPerSet, 1),
        number(u"watch-recheck-seconds",
               u"Seconds between the looks at a watched name far from its dates; a quarter within 30 days of its "
               u"expiry, a 24th within 7 days or while it is leaving.",
               options.watch.recheckSeconds, 1, u"seconds"),
        number(u"watch-keep-days", u"Days a name stays watched after it was last asked for.", options.watch.keepDays,
               1),
        number(u"drain-timeout",
               u"Seconds after SIGTERM that /healthz answers 503 while requests are still served, so that a load "
               u"balancer takes this instance out first.",
               options.server.drainDeadline, 0),
        number(u"stop-timeout", u"Seconds lookups under way may take to finish after SIGTERM.",
               options.server.stopDeadline, 0),
    };
    const QCommandLineOption trusted(QStringLiteral("trusted-proxy"),
                                     QStringLiteral("A proxy or load balancer whose X-Forwarded-For names the client; "
                                                    "may be given more than once."),
                                     QStringLiteral("address"));
    const QCommandLineOption redis(QStringLiteral("redis"),
                                   QStringLiteral("Keep results and limits on Redis, shared with other instances "
                                                  "(redis://host:port/db)."),
                                   QStringLiteral("url"));
    parser.addOptions({ help, listen, port });
    parser.addOptions(options.commandLine());
    const QCommandLineOption sentinels(QStringLiteral("redis-sentinel"),
                                       QStringLiteral("Keep results and limits on the Redis master that these "
                                                      "Sentinels name, following a failover (with --redis-master)."),
                                       QStringLiteral("host:port[,host:port...]"));
    const QCommandLineOption master(QStringLiteral("redis-master"),
                                    QStringLiteral("The name of the master the Sentinels watch."),
                                    QStringLiteral("name"));
    parser.addOptions({ quelcorVersion, whoisVersion, trusted, redis, sentinels, master });
    for (const Number &number : numbers)
        parser.addOption(number.option);

    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        *error = parser.helpText();
        return std::nullopt;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return std::nullopt;
    }

    for (const Number &number : numbers) {
        bool ok = false;
        const int value = parser.value(number.option).toInt(&ok);
        if (!ok || value < number.least) {
            *error = QStringLiteral("--%1 takes a whole number from %2")
                         .arg(number.option.names().first())
                         .arg(number.least);
            return std::nullopt;
        }
        number.set(value);
    }
    if (!options.listen.setAddress(parser.value(listen))) {
        *error = QStringLiteral("--listen takes an address, not %1").arg(parser.value(listen));
        return std::nullopt;
    }
    const std::optional<quint16> listenPort = portNumber(parser.value(port));
    if (!listenPort) {
        *error = QStringLiteral("a port is a number from 1 to 65535");
        return std::nullopt;
    }
    options.port = *listenPort;
    if (!options.read(parser, error))
        return std::nullopt;

    if (!readSharedState(parser, redis, sentinels, master, options, error))
        return std::nullopt;

    for (const QString &text : parser.values(trusted)) {
        QHostAddress address;
        if (!address.setAddress(text)) {
            *error = QStringLiteral("--trusted-proxy takes an address, not %1").arg(text);
            return std::nullopt;
        }
        options.application.trustedProxies.append(address);
    }

    options.versions = PublishedVersions { parser.value(quelcorVersion), parser.value(whoisVersion) };
    for (const QString &version : { options.versions.quelcor, options.versions.whois }) {
        if (!isVersionText(version)) {
            *error = QStringLiteral("a published version is one digit, a dot, one digit, a dot and four digits "
                                    "(1.0.2004), not %1")
                         .arg(version);
            return std::nullopt;
        }
    }
    return options;
}
