#pragma once

#include "Lookup.h"
#include "Pages.h"

#include <QHostAddress>
#include <QStringList>
#include <QUrl>

#include <optional>

// The site's command line.
struct SiteOptions
{
    QHostAddress listen = QHostAddress::LocalHost;
    quint16 port = 8484;
    QUrl bootstrap = QUrl(QStringLiteral("https://data.iana.org/rdap/dns.json"));
    int bootstrapTtlSeconds = 24 * 60 * 60;
    LookupSettings lookup;
    PublishedVersions versions;

    // Serving: connections, and lookups in flight and waiting.
    int headTimeoutSeconds = 10;
    int maxConnections = 10'000;
    int maxConnectionsPerAddress = 512;
    int lookupThreads = 2;
    int maxLookups = 512;
    int maxQueuedLookups = 512;
    int maxLookupsPerAddress = 8;
    int queueDeadlineSeconds = 20;
    int stopDeadlineSeconds = 10;
    int drainSeconds = 0;

    // Keeping results, and fair shares.
    int cacheMegabytes = 64;
    int cacheFoundSeconds = 600;
    int cacheNotRegisteredSeconds = 120;
    int clientLookupsPerMinute = 20;
    int clientBurst = 5;
    int registryQuestionsPerSecond = 5;
    QList<QHostAddress> trustedProxies;
    QUrl redis; // shared state for several instances; empty: this instance's own memory

    // The options, or no value with the reason in *error (the usage text for --help).
    static std::optional<SiteOptions> parse(const QStringList &arguments, const QString &buildVersion, QString *error);
};
