#pragma once

#include "LookupOptions.h"
#include "http/HttpServer.h"
#include "lookup/Lookup.h"
#include "lookup/LookupPool.h"
#include "pages/Pages.h"
#include "routes/SiteApplication.h"
#include "state/ResultCache.h"
#include "state/SharedState.h"
#include "watch/Watchlist.h"

#include <QHostAddress>
#include <QStringList>
#include <QUrl>

#include <optional>

// The site's command line: where lookups ask (the options it shares with quelcor-lookup), and how it serves. Each
// setting's default is the one its part declares; the help shows it.
struct SiteOptions : LookupOptions
{
    QHostAddress listen = QHostAddress::LocalHost;
    quint16 port = 8484;
    PublishedVersions versions;

    // Serving: connections, and lookups in flight and waiting (the pool's cache and client limits are
    // main()'s to wire).
    HttpServer::Settings server;
    SiteApplication::Settings application; // the queue deadline, the trusted proxies
    LookupPool::Settings pool;

    // Keeping results, and fair shares.
    ResultCache::Settings cache; // no cache when maxBytes is 0
    int clientLookupsPerMinute = 20; // to one registry
    int clientBurst = 5;
    int clientTotalPerMinute = 120; // to all registries together
    int clientTotalBurst = 60;
    Watchlist::Settings watch;
    QUrl redis; // shared state for several instances; empty: this instance's own memory,
    QList<SharedState::Endpoint> sentinels; // unless these Sentinels name a master
    QString redisMaster;

    // The options, or no value with the reason in *error (the usage text for --help).
    static std::optional<SiteOptions> parse(const QStringList &arguments, const QString &buildVersion, QString *error);
};
