// quelcor-site: the maker's web server for Quelcor.

#include "SiteOptions.h"
#include "http/HttpServer.h"
#include "lookup/Bootstrap.h"
#include "lookup/Lookup.h"
#include "lookup/LookupPool.h"
#include "pages/Pages.h"
#include "routes/SiteApplication.h"
#include "state/Log.h"
#include "state/Metrics.h"
#include "state/RateLimits.h"
#include "state/ResultCache.h"
#include "state/SharedState.h"
#include "watch/Watchlist.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

namespace {

// Every connection is a file descriptor: the soft limit is raised to the hard one. The descriptors the
// connections may use, leaving some for lookups and the process itself.
rlim_t raiseOpenFilesLimit()
{
    rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return 1024;
    if (limit.rlim_cur < limit.rlim_max) {
        rlimit raised = limit;
        raised.rlim_cur = limit.rlim_max;
        if (::setrlimit(RLIMIT_NOFILE, &raised) == 0)
            limit = raised;
    }
    return limit.rlim_cur;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString error;
    const std::optional<SiteOptions> options
        = SiteOptions::parse(app.arguments(), QStringLiteral(QUELCOR_SITE_VERSION), &error);
    if (!options) {
        const bool help = app.arguments().contains(u"--help") || app.arguments().contains(u"-h");
        std::fprintf(help ? stdout : stderr, help ? "%s" : "quelcor-site: %s\n", qPrintable(error));
        return help ? 0 : 2;
    }

    // Each lookup under way holds a few descriptors of its own (sockets to registries).
    const rlim_t openFiles = raiseOpenFilesLimit();
    const long reserved = 64 + qMin(3L * options->pool.maxInFlight, long(qMin<rlim_t>(openFiles, 1 << 30) / 2));
    const long fileRoom = qMax(16L, long(qMin<rlim_t>(openFiles, 1 << 30)) - reserved);
    const int maxConnections
        = int(options->server.maxConnections > 0 ? qMin(fileRoom, long(options->server.maxConnections)) : fileRoom);

    RdapBootstrap bootstrap(options->bootstrap, options->bootstrapTtlSeconds);
    LookupSettings lookupSettings = options->lookup;
    lookupSettings.pacing = std::make_shared<TokenBuckets>(options->registryQuestionsPerSecond,
                                                           2.0 * options->registryQuestionsPerSecond);
    lookupSettings.health = std::make_shared<RegistryHealth>();
    Metrics::instance().setSection(
        [health = lookupSettings.health] { return health->metrics(RegistryHealth::Clock::now()); });
    const Lookup lookup(bootstrap, lookupSettings);
    const Pages pages(options->versions);
    ResultCache cache(options->cache);
    ClientBudget clientLookups({ double(options->clientLookupsPerMinute), double(options->clientBurst),
                                 double(options->clientTotalPerMinute), double(options->clientTotalBurst) });
    std::unique_ptr<SharedState> shared;
    if (!options->sentinels.isEmpty())
        shared = std::make_unique<SharedState>(SharedState::Place { {}, 0, options->sentinels, options->redisMaster });
    else if (!options->redis.isEmpty())
        shared = std::make_unique<SharedState>(options->redis);
    if (shared) {
        cache.share(shared.get());
        clientLookups.share(shared.get(), "quelcor:client:");
        lookupSettings.pacing->share(shared.get(), "quelcor:registry:");
        lookupSettings.health->share(shared.get(), "quelcor:registry-wait:");
    }
    Watchlist watchlist(options->watch);
    watchlist.share(shared.get());
    LookupPool::Settings poolSettings = options->pool;
    poolSettings.seen
        = [&watchlist](const LookupResult &result) { watchlist.saw(result, QDateTime::currentDateTimeUtc()); };
    poolSettings.cache = options->cache.maxBytes > 0 ? &cache : nullptr;
    poolSettings.clientLookups = &clientLookups;
    poolSettings.resolver = options->resolver;
    poolSettings.availabilityExtensions = options->availabilityExtensions;
    LookupPool pool(lookup, poolSettings);
    Watcher watcher(watchlist, pool); // re-checks the watched names as they fall due
    SiteApplication::Settings application = options->application;
    application.watchlist = &watchlist;
    application.watcher = &watcher;
    HttpServer::Settings settings = options->server;
    settings.maxConnections = maxConnections;
    settings.openConnections = &Metrics::instance().connectionsOpen;
    settings.closing = [&pool] { pool.stop(); }; // lookups still waiting to start are answered 503
    HttpServer server(
        [&](boost::asio::io_context &io, const std::atomic<bool> &draining) {
            return std::make_unique<SiteApplication>(pages, pool, io, draining, application);
        },
        settings);

    const std::string host = options->listen.toString().toStdString();
    std::string listenError;
    if (!server.listen(host, options->port, &listenError)) {
        std::fprintf(stderr, "quelcor-site: cannot listen on %s port %u: %s\n", host.c_str(), unsigned(options->port),
                     listenError.c_str());
        return 1;
    }
    Log::line(QStringLiteral("quelcor-site: listening on %1 port %2 with %3 threads; open files %4, so at most %5 "
                             "connections; %6 lookups at once on %7 threads, %8 waiting")
                  .arg(QString::fromStdString(host))
                  .arg(options->port)
                  .arg(server.ioThreads())
                  .arg(static_cast<qulonglong>(openFiles))
                  .arg(maxConnections)
                  .arg(options->pool.maxInFlight)
                  .arg(options->pool.threads)
                  .arg(options->pool.maxQueued)
                  .toStdString());

    server.run();
    watcher.stop();
    if (shared) // no answer from Redis reaches the loops and lookups from now on
        shared->stop();
    const bool allFinished = pool.running() == 0;
    Log::line(std::string("quelcor-site: stopped") + (allFinished ? "" : "; lookups still under way were left"));
    Log::flush();
    if (!allFinished)
        std::_Exit(0); // lookups still wait on other servers; nothing of theirs is kept
    return 0;
}
