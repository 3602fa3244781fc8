#pragma once

#include "lookup/LookupPool.h"
#include "pages/Pages.h"

#include <boost/asio.hpp>
#include <boost/beast.hpp>

#include <QLatin1StringView>
#include <QString>
#include <QUrlQuery>

#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace HttpTypes {
using Request = boost::beast::http::request<boost::beast::http::string_body>;
using Reply = boost::beast::http::response<boost::beast::http::string_body>;
} // namespace HttpTypes

// Which handler answers which request: the one table of the site's paths (below, in Routes.cpp), served by the
// HTTP server. A lookup's question is read here once, into the Query that its job carries.
class Routes
{
public:
    using Request = HttpTypes::Request;
    using Reply = HttpTypes::Reply;

    Routes(const Pages &pages, LookupPool &pool, boost::asio::io_context &io, std::chrono::seconds queueDeadline,
           const std::atomic<bool> &draining);

    // An answer whose body comes in parts as they are ready (a page whose rows arrive over time): each call gives
    // the next part, and no value after the last.
    using Parts = std::function<boost::asio::awaitable<std::optional<std::string>>()>;

    // The answer to a request, its length set (a HEAD's without the body). peer: the connection's own address;
    // client: the address that limits count (clientAddress, with a trusted proxy's X-Forwarded-For). An answer sent
    // in parts sets *parts, and its reply holds the beginning of the body.
    // A lookup page from a kept result sets *keepable to its lookups counter (the page may be kept for a moment).
    boost::asio::awaitable<Reply> respond(const Request &request, const std::string &peer, const std::string &client,
                                          Parts *parts = nullptr, std::atomic<quint64> **keepable = nullptr);

    // The whole answer, as sent, to a GET or HEAD of a path whose answer never changes (the version files, the style
    // sheet): made once for each HTTP version, kept-alive or closing, GET or HEAD. Null for any other request.
    // Also a lookup page that the site answered from its cache, as sent a moment ago for the same request (the same
    // target, language, HTTP version and keeping alive), for a second.
    struct Fixed
    {
        std::shared_ptr<const std::string> bytes;
        unsigned status;
        std::size_t length; // of the body sent, for the log
        std::atomic<quint64> &counted; // the request counter of its path
        std::atomic<quint64> *lookups; // the lookups counter, for a kept lookup page
        std::string language; // of a page, for the log
    };
    std::optional<Fixed> fixedAnswer(const Request &request, bool keepAlive);
    // Keeps a lookup page that respond() said may be kept (as sent: prepared, kept alive or not).
    void keepPage(const Request &request, bool keepAlive, const Reply &reply, std::atomic<quint64> *lookups);

    // The path of a request's target, decoded, without its query.
    static QString pathOf(std::string_view target);

    // A text answer of the server's own (not a page): a refused request, the health check.
    static Reply plain(boost::beast::http::status status, const std::string &text, unsigned version);

private:
    struct Exchange
    {
        const Request &request;
        QString path;
        QUrlQuery query;
        const PageLanguage &words;
        const std::string &peer;
        const std::string &client;
        Parts *parts; // where an answer in parts goes; null: the whole answer at once
        std::atomic<quint64> **keepable; // where a lookup page from a kept result says so
    };
    using Handler = boost::asio::awaitable<Reply> (Routes::*)(const Exchange &);
    struct Route
    {
        boost::beast::http::verb method; // GET routes answer HEAD too, with the GET's headers
        QLatin1StringView path;
        Handler handler;
    };
    static const Route kRoutes[];

    boost::asio::awaitable<Reply> health(const Exchange &exchange);
    boost::asio::awaitable<Reply> metrics(const Exchange &exchange);
    boost::asio::awaitable<Reply> lookupPage(const Exchange &exchange);
    boost::asio::awaitable<Reply> quelcorVersion(const Exchange &exchange);
    boost::asio::awaitable<Reply> whoisVersion(const Exchange &exchange);
    boost::asio::awaitable<Reply> styleSheet(const Exchange &exchange);
    boost::asio::awaitable<Reply> favicon(const Exchange &exchange);
    boost::asio::awaitable<Reply> plainPage(const Exchange &exchange);

    boost::asio::awaitable<Reply> apiLookup(const Exchange &exchange);
    boost::asio::awaitable<Reply> apiAvailability(const Exchange &exchange);
    boost::asio::awaitable<Reply> availabilityPage(const Exchange &exchange, const QString &typed,
                                                   const Availability::Question &question);
    boost::asio::awaitable<Reply> apiDescription(const Exchange &exchange);

    boost::asio::awaitable<Reply> lookup(const Exchange &exchange, const QString &typed);

    // A question put to the lookup pool, and the answer: the job done, or why it was not run (the HTTP status,
    // the seconds to wait, and the message).
    struct Asked
    {
        std::shared_ptr<LookupPool::Job> job;
        int status = 200;
        int retryAfter = 0;
        Message refusal;
        bool kept = false; // answered from the cache at once
    };
    boost::asio::awaitable<Asked> ask(const Exchange &exchange, Query query);
    // A question the pool did not take, as the API says it: a problem with its status and Retry-After.
    static Reply apiRefusal(const Exchange &exchange, const Asked &asked);
    // Starts an availability check; a job, or the refusal in the Asked.
    std::pair<Asked, std::shared_ptr<boost::asio::steady_timer>> startCheck(const Exchange &exchange,
                                                                            const Availability::Question &question);

    const Pages &m_pages;
    LookupPool &m_pool;
    boost::asio::io_context &m_io;
    const std::chrono::seconds m_queueDeadline;
    const std::atomic<bool> &m_draining;
    struct FixedAnswers
    {
        std::string path;
        std::array<std::shared_ptr<const std::string>, 8> bytes; // by HTTP/1.1, kept alive, HEAD
        unsigned status;
        std::size_t length;
        std::atomic<quint64> *counted;
    };
    std::vector<FixedAnswers> m_fixed;
    struct KeptPage
    {
        std::chrono::steady_clock::time_point until;
        std::shared_ptr<const std::string> bytes;
        std::size_t length;
        std::atomic<quint64> *lookups;
        std::string language;
    };
    static std::string pageKey(const Request &request, bool keepAlive);
    std::unordered_map<std::string, KeptPage> m_keptPages; // this loop's own
    std::atomic<quint64> &m_pageRequests;
};
