#include "Routes.h"

#include "MakerPaths.h"
#include "Replies.h"
#include "state/Metrics.h"

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using Reply = Routes::Reply;
using Replies::fromResponse;

// Every path the site serves. A path that no row names is the page-not-found page; a method that no row of the
// path names is refused with the methods that are served.
const Routes::Route Routes::kRoutes[] = {
    { http::verb::get, MakerPaths::lookupPage, &Routes::lookupPage },
    { http::verb::get, MakerPaths::quelcorVersion, &Routes::quelcorVersion },
    { http::verb::get, MakerPaths::whoisVersion, &Routes::whoisVersion },
    { http::verb::get, MakerPaths::download, &Routes::plainPage, Pages::Plain::Download },
    { http::verb::get, MakerPaths::productPage, &Routes::plainPage, Pages::Plain::Product },
    { http::verb::get, MakerPaths::forum, &Routes::plainPage, Pages::Plain::Forum },
    { http::verb::get, MakerPaths::bugReport, &Routes::plainPage, Pages::Plain::BugReport },
    { http::verb::get, QLatin1StringView("/"), &Routes::plainPage, Pages::Plain::Home },
    { http::verb::get, QLatin1StringView("/site.css"), &Routes::styleSheet },
    { http::verb::get, QLatin1StringView("/favicon.ico"), &Routes::favicon },
    { http::verb::get, QLatin1StringView("/healthz"), &Routes::health },
    { http::verb::get, QLatin1StringView("/metrics"), &Routes::metrics },
    { http::verb::get, QLatin1StringView("/api/v1/lookup"), &Routes::apiLookup },
    { http::verb::get, QLatin1StringView("/api/v1/availability"), &Routes::apiAvailability },
    { http::verb::get, QLatin1StringView("/api/v1/abuse"), &Routes::apiAbuse },
    { http::verb::get, QLatin1StringView("/api/v1/evidence"), &Routes::apiEvidence },
    { http::verb::get, QLatin1StringView("/api/v1/openapi.json"), &Routes::apiDescription },
    { http::verb::get, QLatin1StringView("/api/v1/history"), &Routes::apiHistory },
    { http::verb::get, QLatin1StringView("/watch/calendar.ics"), &Routes::watchCalendar },
    { http::verb::get, QLatin1StringView("/watch/feed.atom"), &Routes::watchFeed },
    { http::verb::get, QLatin1StringView("/watch/history"), &Routes::watchHistory },
};

Routes::Routes(const Pages &pages, LookupPool &pool, asio::io_context &io, std::chrono::seconds queueDeadline,
               const std::atomic<bool> &draining, Watchlist *watchlist, Watcher *watcher)
    : m_pages(pages)
    , m_pool(pool)
    , m_admission(pool, io, queueDeadline)
    , m_draining(draining)
    , m_watchlist(watchlist)
    , m_watcher(watcher)
{
}

asio::awaitable<Reply> Routes::respond(const Request &request, const std::string &peer, const std::string &client,
                                       Http::Parts *parts, std::atomic<quint64> **keepable)
{
    const unsigned version = request.version();
    const bool head = request.method() == http::verb::head;
    const http::verb method = head ? http::verb::get : request.method();
    const std::string_view target = request.target();
    const std::size_t mark = target.find('?');
    const QString path = Replies::pathOf(target);
    const Route *route = nullptr;
    bool pathServed = false;
    for (const Route &candidate : kRoutes) {
        if (path != candidate.path)
            continue;
        pathServed = true;
        if (candidate.method == method)
            route = &candidate;
    }
    // Every route is a GET: any other method is refused on any path, a path served or not.
    if (!route && (pathServed || method != http::verb::get)) {
        Reply reply = Replies::plain(http::status::method_not_allowed, "Only GET and HEAD are served here.\n", version);
        reply.set(http::field::allow, "GET, HEAD");
        reply.prepare_payload();
        co_return reply;
    }
    QString rawQuery = mark == std::string_view::npos ? QString() : QString::fromUtf8(target.substr(mark + 1));
    rawQuery.replace(u'+', QStringLiteral("%20")); // a form's blanks
    const Exchange exchange { request,
                              route,
                              path,
                              QUrlQuery(rawQuery),
                              PageLanguage::forAcceptLanguage(request[http::field::accept_language]),
                              peer,
                              client,
                              request.version() >= 11 ? parts : nullptr,
                              keepable };

    // (No co_await inside a conditional expression: GCC 12 destroys its temporaries too early.)
    Reply reply;
    if (route)
        reply = co_await (this->*route->handler)(exchange);
    else
        reply = fromResponse(Pages::notFound(exchange.words), version, exchange.words);
    if (head && reply[http::field::connection] == "close")
        co_return reply; // a lookup's headers without the lookup, and without a length (see lookupPage)
    reply.prepare_payload();
    if (reply.result() == http::status::not_modified) // no content, and no length but the content's would say
        reply.erase(http::field::content_length);
    if (head) { // the headers of the GET, its length included, without the body
        const std::size_t length = reply.body().size();
        reply.body().clear();
        reply.content_length(length);
    }
    co_return reply;
}

asio::awaitable<Reply> Routes::health(const Exchange &exchange)
{
    Reply reply = Replies::plain(http::status::ok, m_draining ? "stopping\n" : "ok\n", exchange.request.version());
    if (m_draining)
        reply.result(http::status::service_unavailable);
    co_return reply;
}

asio::awaitable<Reply> Routes::metrics(const Exchange &exchange)
{
    // Only to this machine, asked directly: the figures are for the operator. Behind a proxy on the same machine the
    // peer is always loopback; what the proxy forwarded says whom for.
    beast::error_code ec;
    const unsigned version = exchange.request.version();
    const auto &fields = exchange.request;
    const bool forwarded = fields.find("X-Forwarded-For") != fields.end() || fields.find("Forwarded") != fields.end()
        || fields.find("X-Real-IP") != fields.end();
    if (forwarded || !asio::ip::make_address(exchange.peer, ec).is_loopback())
        co_return fromResponse(Pages::notFound(exchange.words), version, exchange.words);
    Reply reply = Replies::plain(http::status::ok, Metrics::instance().text().toStdString(), version);
    reply.set(http::field::content_type, "text/plain; version=0.0.4; charset=utf-8");
    co_return reply;
}

asio::awaitable<Reply> Routes::quelcorVersion(const Exchange &exchange)
{
    co_return fromResponse(m_pages.quelcorVersion(), exchange.request.version());
}

asio::awaitable<Reply> Routes::whoisVersion(const Exchange &exchange)
{
    co_return fromResponse(m_pages.whoisVersion(), exchange.request.version());
}

asio::awaitable<Reply> Routes::styleSheet(const Exchange &exchange)
{
    co_return fromResponse(Pages::styleSheet(), exchange.request.version());
}

asio::awaitable<Reply> Routes::favicon(const Exchange &exchange)
{
    // Browsers ask; the site has none.
    co_return fromResponse(Response { 204, "image/x-icon", QByteArray() }, exchange.request.version());
}

asio::awaitable<Reply> Routes::plainPage(const Exchange &exchange)
{
    co_return fromResponse(m_pages.plainPage(exchange.route->plain, exchange.words), exchange.request.version(),
                           exchange.words);
}
