#pragma once

#include "Admission.h"
#include "http/Application.h"
#include "lookup/LookupPool.h"
#include "pages/Pages.h"
#include "watch/Subscriptions.h"

#include <boost/asio.hpp>
#include <boost/beast.hpp>

#include <QLatin1StringView>
#include <QString>
#include <QUrlQuery>

#include <atomic>
#include <chrono>
#include <initializer_list>
#include <optional>
#include <string>
#include <variant>

class Watchlist;
class Watcher;

// Which handler answers which request: the one table of the site's paths (in Routes.cpp), with the small
// handlers; the lookup page's in LookupRoutes.cpp, the API's in ApiRoutes.cpp. One set for each I/O loop.
class Routes
{
public:
    using Request = Http::Request;
    using Reply = Http::Reply;

    Routes(const Pages &pages, LookupPool &pool, boost::asio::io_context &io, std::chrono::seconds queueDeadline,
           const std::atomic<bool> &draining, Watchlist *watchlist = nullptr, Watcher *watcher = nullptr);

    // The answer to a request, its length set (a HEAD's without the body). peer: the connection's own address;
    // client: the address that limits count. An answer sent in parts sets *parts, and its reply holds the
    // beginning of the body. A lookup page from a kept result sets *keepable to its lookups counter (the page may
    // be kept for a moment).
    boost::asio::awaitable<Reply> respond(const Request &request, const std::string &peer, const std::string &client,
                                          Http::Parts *parts, std::atomic<quint64> **keepable);

private:
    struct Route;
    struct Exchange
    {
        const Request &request;
        const Route *route; // null for a path that none names
        QString path;
        QUrlQuery query;
        const PageLanguage &words;
        const std::string &peer;
        const std::string &client;
        Http::Parts *parts; // where an answer in parts goes; null: the whole answer at once
        std::atomic<quint64> **keepable; // where a lookup page from a kept result says so
    };
    using Handler = boost::asio::awaitable<Reply> (Routes::*)(const Exchange &);
    // An API question with a parameter given twice: a 400 that names it; no value when there is none.
    static std::optional<Reply> repeatedParameter(const Exchange &exchange, std::initializer_list<QString> names);
    // An API answer with the client's budget in the RateLimit-Policy and RateLimit fields; registry: the one the
    // question went to, or empty.
    Reply withBudget(Reply reply, const Exchange &exchange, const std::string &registry) const;
    struct Route
    {
        boost::beast::http::verb method; // GET routes answer HEAD too, with the GET's headers
        QLatin1StringView path;
        Handler handler;
        Pages::Plain plain = Pages::Plain::Home; // for plainPage: which
    };
    static const Route kRoutes[];

    boost::asio::awaitable<Reply> health(const Exchange &exchange);
    boost::asio::awaitable<Reply> metrics(const Exchange &exchange);
    boost::asio::awaitable<Reply> quelcorVersion(const Exchange &exchange);
    boost::asio::awaitable<Reply> whoisVersion(const Exchange &exchange);
    boost::asio::awaitable<Reply> styleSheet(const Exchange &exchange);
    boost::asio::awaitable<Reply> favicon(const Exchange &exchange);
    boost::asio::awaitable<Reply> plainPage(const Exchange &exchange);

    // LookupRoutes.cpp
    boost::asio::awaitable<Reply> lookupPage(const Exchange &exchange);
    boost::asio::awaitable<Reply> lookup(const Exchange &exchange, const QString &typed, const Query &query);
    boost::asio::awaitable<Reply> availabilityPage(const Exchange &exchange, const QString &typed,
                                                   const ManyExtensions &question);
    static Reply refusedPage(const Exchange &exchange, const QString &typed, const Admission::Asked &asked);

    // ApiRoutes.cpp
    boost::asio::awaitable<Reply> apiLookup(const Exchange &exchange);
    boost::asio::awaitable<Reply> apiAvailability(const Exchange &exchange);
    boost::asio::awaitable<Reply> apiDescription(const Exchange &exchange);
    boost::asio::awaitable<Reply> apiAbuse(const Exchange &exchange);
    boost::asio::awaitable<Reply> apiEvidence(const Exchange &exchange);
    // The question of an API request (its q parameter), or the 400 that says why it is none.
    static std::variant<Query, Reply> apiQuestion(const Exchange &exchange);
    static Reply refusedApi(const Exchange &exchange, const Admission::Asked &asked);

    // WatchRoutes.cpp
    boost::asio::awaitable<Reply> watchCalendar(const Exchange &exchange);
    boost::asio::awaitable<Reply> watchFeed(const Exchange &exchange);
    boost::asio::awaitable<Reply> watchHistory(const Exchange &exchange);
    boost::asio::awaitable<Reply> apiHistory(const Exchange &exchange);
    // The set of names a parameter names ("a.com,b.de"), watched from now on, with what the site saw of each (the
    // first lookups of new names waited for a moment); no value, and *refusal, for a set that is empty, too large
    // or holds what is no domain name, for a client past its budget or share, and when the watch is full.
    boost::asio::awaitable<std::optional<QList<Subscriptions::Named>>>
    watchedSet(const Exchange &exchange, const QString &parameter, Reply *refusal);
    // A calendar, feed or history of the set: with its ETag (a 304 for a reader that has it) and kept for an hour,
    // or a minute while a name of the set has not been seen yet.
    static Reply subscription(const Exchange &exchange, const QByteArray &body, const char *contentType,
                              const QList<Subscriptions::Named> &set);
    // A question refused, as plain text in the page's language (a calendar program or feed reader shows it as it
    // is): a bad question by default.
    static Reply refused(const Exchange &exchange, const QString &why,
                         boost::beast::http::status status = boost::beast::http::status::bad_request,
                         int retryAfter = 0);

    const Pages &m_pages;
    LookupPool &m_pool;
    Admission m_admission;
    const std::atomic<bool> &m_draining;
    Watchlist *m_watchlist;
    Watcher *m_watcher;
};
