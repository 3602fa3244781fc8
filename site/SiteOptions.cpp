#include "SiteOptions.h"

#include "splash/VersionText.h"

#include <QCommandLineParser>

namespace {

std::optional<quint16> portNumber(const QString &text)
{
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port == 0 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

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

} // namespace

std::optional<SiteOptions> SiteOptions::parse(const QStringList &arguments, const QString &buildVersion, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The maker's site for Quelcor: version files, the lookup page and the plain pages."));
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Shows this help."));
    const QCommandLineOption listen(QStringLiteral("listen"), QStringLiteral("Address to listen on (127.0.0.1)."),
                                    QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Port to listen on (8484)."),
                                  QStringLiteral("port"), QStringLiteral("8484"));
    const QCommandLineOption bootstrap(QStringLiteral("rdap-bootstrap"),
                                       QStringLiteral("URL of the RDAP bootstrap file for domain names."),
                                       QStringLiteral("url"), QStringLiteral("https://data.iana.org/rdap/dns.json"));
    const QCommandLineOption ttl(QStringLiteral("bootstrap-ttl"),
                                 QStringLiteral("Seconds the bootstrap file is kept (86400)."),
                                 QStringLiteral("seconds"), QStringLiteral("86400"));
    const QCommandLineOption whoisRoot(QStringLiteral("whois-root"),
                                       QStringLiteral("The first whois server asked (whois.iana.org:43)."),
                                       QStringLiteral("host[:port]"), QStringLiteral("whois.iana.org:43"));
    const QCommandLineOption whoisPort(QStringLiteral("whois-port"),
                                       QStringLiteral("Port of the whois servers that answers refer to (43)."),
                                       QStringLiteral("port"), QStringLiteral("43"));
    const QCommandLineOption allow(QStringLiteral("allow-address"),
                                   QStringLiteral("An address that may be asked although it is not public "
                                                  "(loopback, private); may be given more than once."),
                                   QStringLiteral("address"));
    const QCommandLineOption quelcorVersion(QStringLiteral("quelcor-version"),
                                            QStringLiteral("The version published in /quelcor_version_number.js."),
                                            QStringLiteral("version"), buildVersion);
    const QCommandLineOption whoisVersion(QStringLiteral("whois-version"),
                                          QStringLiteral("The version published in /whois_version_number.js."),
                                          QStringLiteral("version"), buildVersion);
    struct Number
    {
        QCommandLineOption option;
        int *value;
        int least;
    };
    SiteOptions options;
    const QList<Number> numbers {
        { { u"head-timeout"_qs, u"Seconds a client has for the whole head of a request (10)."_qs, u"seconds"_qs,
            u"10"_qs },
          &options.headTimeoutSeconds,
          1 },
        { { u"max-connections"_qs, u"Client connections open at once (10000)."_qs, u"n"_qs, u"10000"_qs },
          &options.maxConnections,
          1 },
        { { u"max-connections-per-address"_qs, u"Client connections open at once from one address (512)."_qs, u"n"_qs,
            u"512"_qs },
          &options.maxConnectionsPerAddress,
          1 },
        { { u"lookup-threads"_qs, u"Threads the lookups run on, each carrying many (2)."_qs, u"n"_qs, u"2"_qs },
          &options.lookupThreads,
          1 },
        { { u"max-lookups"_qs, u"Lookups under way at once (512)."_qs, u"n"_qs, u"512"_qs }, &options.maxLookups, 1 },
        { { u"max-queued-lookups"_qs, u"Lookups waiting to start; beyond, 503 (512)."_qs, u"n"_qs, u"512"_qs },
          &options.maxQueuedLookups,
          0 },
        { { u"max-lookups-per-address"_qs, u"Lookups under way or waiting from one address; beyond, 429 (8)."_qs,
            u"n"_qs, u"8"_qs },
          &options.maxLookupsPerAddress,
          1 },
        { { u"queue-deadline"_qs, u"Seconds a lookup may wait to start; then 503 (20)."_qs, u"seconds"_qs, u"20"_qs },
          &options.queueDeadlineSeconds,
          1 },
        { { u"cache-megabytes"_qs, u"Memory for finished lookups kept (64; 0: none)."_qs, u"n"_qs, u"64"_qs },
          &options.cacheMegabytes,
          0 },
        { { u"cache-found-seconds"_qs, u"Seconds a record found is kept (600)."_qs, u"seconds"_qs, u"600"_qs },
          &options.cacheFoundSeconds,
          0 },
        { { u"cache-not-registered-seconds"_qs, u"Seconds an answer that a name is free is kept (120)."_qs,
            u"seconds"_qs, u"120"_qs },
          &options.cacheNotRegisteredSeconds,
          0 },
        { { u"client-lookups-per-minute"_qs, u"Lookups one client address may ask for a minute (20)."_qs, u"n"_qs,
            u"20"_qs },
          &options.clientLookupsPerMinute,
          1 },
        { { u"client-burst"_qs, u"Lookups one client address may ask for at once (5)."_qs, u"n"_qs, u"5"_qs },
          &options.clientBurst,
          1 },
        { { u"registry-questions-per-second"_qs, u"Questions a second to one registry server (5)."_qs, u"n"_qs,
            u"5"_qs },
          &options.registryQuestionsPerSecond,
          1 },
        { { u"drain-timeout"_qs,
            u"Seconds after SIGTERM that /healthz answers 503 while requests are still served, so that a load "
            u"balancer takes this instance out first (0)."_qs,
            u"seconds"_qs, u"0"_qs },
          &options.drainSeconds,
          0 },
        { { u"stop-timeout"_qs, u"Seconds lookups under way may take to finish after SIGTERM (10)."_qs, u"seconds"_qs,
            u"10"_qs },
          &options.stopDeadlineSeconds,
          0 },
    };
    const QCommandLineOption trusted(QStringLiteral("trusted-proxy"),
                                     QStringLiteral("A proxy or load balancer whose X-Forwarded-For names the client; "
                                                    "may be given more than once."),
                                     QStringLiteral("address"));
    const QCommandLineOption redis(QStringLiteral("redis"),
                                   QStringLiteral("Keep results and limits on Redis, shared with other instances "
                                                  "(redis://host:port/db)."),
                                   QStringLiteral("url"));
    parser.addOptions({ help, listen, port, bootstrap, ttl, whoisRoot, whoisPort, allow, quelcorVersion, whoisVersion,
                        trusted, redis });
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
        *number.value = parser.value(number.option).toInt(&ok);
        if (!ok || *number.value < number.least) {
            *error = QStringLiteral("--%1 takes a whole number from %2")
                         .arg(number.option.names().first())
                         .arg(number.least);
            return std::nullopt;
        }
    }
    if (!options.listen.setAddress(parser.value(listen))) {
        *error = QStringLiteral("--listen takes an address, not %1").arg(parser.value(listen));
        return std::nullopt;
    }
    const std::optional<quint16> listenPort = portNumber(parser.value(port));
    const std::optional<quint16> referralPort = portNumber(parser.value(whoisPort));
    if (!listenPort || !referralPort) {
        *error = QStringLiteral("a port is a number from 1 to 65535");
        return std::nullopt;
    }
    options.port = *listenPort;
    options.lookup.whoisPort = *referralPort;

    options.bootstrap = QUrl(parser.value(bootstrap));
    if (!options.bootstrap.isValid()
        || (options.bootstrap.scheme() != u"http" && options.bootstrap.scheme() != u"https")) {
        *error = QStringLiteral("--rdap-bootstrap takes an http or https URL");
        return std::nullopt;
    }
    bool ttlOk = false;
    options.bootstrapTtlSeconds = parser.value(ttl).toInt(&ttlOk);
    if (!ttlOk || options.bootstrapTtlSeconds < 0) {
        *error = QStringLiteral("--bootstrap-ttl takes a number of seconds");
        return std::nullopt;
    }

    const QString root = parser.value(whoisRoot);
    const qsizetype colon = root.lastIndexOf(u':');
    const bool hasPort = colon > 0 && root.count(u':') == 1;
    options.lookup.whoisRoot = hasPort ? root.left(colon) : root;
    const std::optional<quint16> rootPort = hasPort ? portNumber(root.mid(colon + 1)) : std::optional<quint16>(43);
    if (options.lookup.whoisRoot.isEmpty() || !rootPort) {
        *error = QStringLiteral("--whois-root takes a host and an optional port");
        return std::nullopt;
    }
    options.lookup.whoisRootPort = *rootPort;

    QList<QHostAddress> allowed;
    for (const QString &text : parser.values(allow)) {
        QHostAddress address;
        if (!address.setAddress(text)) {
            *error = QStringLiteral("--allow-address takes an address, not %1").arg(text);
            return std::nullopt;
        }
        allowed.append(address);
    }
    options.lookup.policy = AddressPolicy(allowed);
    if (parser.isSet(redis)) {
        options.redis = QUrl(parser.value(redis));
        if (!options.redis.isValid() || options.redis.scheme() != u"redis" || options.redis.host().isEmpty()) {
            *error = QStringLiteral("--redis takes a redis://host:port URL");
            return std::nullopt;
        }
    }
    for (const QString &text : parser.values(trusted)) {
        QHostAddress address;
        if (!address.setAddress(text)) {
            *error = QStringLiteral("--trusted-proxy takes an address, not %1").arg(text);
            return std::nullopt;
        }
        options.trustedProxies.append(address);
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
