#pragma once

#include <boost/asio.hpp>
#include <boost/beast.hpp>

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// What the HTTP server asks of whatever it serves: an answer to each request. The server reads requests and
// writes answers; what a request means (its route, who asks, what is logged and counted) is the application's.
namespace Http {

// An awaited operation's error and result as a tuple, instead of an exception.
inline constexpr auto kTuple = boost::asio::as_tuple(boost::asio::use_awaitable);

using Request = boost::beast::http::request<boost::beast::http::string_body>;
using Reply = boost::beast::http::response<boost::beast::http::string_body>;

// The next part of a body that comes in parts as it is ready (a page whose rows arrive over time); no value after
// the last.
using Parts = std::function<boost::asio::awaitable<std::optional<std::string>>()>;

struct Answer
{
    Reply reply; // its length set; for an answer in parts, its head and the beginning of its body
    std::shared_ptr<const std::string> bytes; // when set: sent as they are, in place of the reply (made once)
    Parts parts; // when set: the rest of the body, sent chunked
    bool close = false; // the connection is closed once the answer is written
    // An answer in parts: called once its writing ended, with the length of the body written.
    std::function<void(std::size_t length)> written;
};

class Application
{
public:
    virtual ~Application() = default;
    // The answer to a request read whole; peer: the address of the connection.
    virtual boost::asio::awaitable<Answer> respond(const Request &request, const std::string &peer) = 0;
    // A request that could not be read, and the server's own answer to it (400, 413 or 431), about to be sent:
    // the application may put the answer in its own words (its status and closing stay the server's).
    virtual void unreadable(const Request &head, const std::string &peer, Reply &reply) = 0;
};

// Makes the application of one I/O loop, on that loop's thread; draining: the server was told to stop and answers
// while the load balancer learns it (the application closes each connection after its answer then).
using ApplicationFactory
    = std::function<std::unique_ptr<Application>(boost::asio::io_context &io, const std::atomic<bool> &draining)>;

} // namespace Http
