#include "HttpServer.h"

#include "Routes.h"
#include "state/Metrics.h"
#include "state/RateLimits.h"

#include <boost/asio.hpp>
#include <boost/beast.hpp>

#include <cstdio>
#include <set>
#include <unordered_map>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using Request = Routes::Request;
using Reply = Routes::Reply;

namespace {

constexpr auto kTuple = asio::as_tuple(asio::use_awaitable);

// Text from a request as one safe log line: no control characters, not too long.
std::string loggable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text)
        out += (c < 0x20 || c == 0x7f) ? '?' : char(c);
    return out.size() > 300 ? out.substr(0, 300) + "..." : out;
}

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

// The path as a label of the request counter: a path the site served (answered, or refused a lookup on), and
// one label for every other, so that strangers' paths cannot grow the counters without end.
QByteArray metricPath(std::string_view target, unsigned status)
{
    if (status >= 300 && status != 429 && status != 503)
        return QByteArrayLiteral("other");
    return Routes::pathOf(target).toUtf8();
}

// What a request head may not be, beyond what the parser refuses itself (two different Content-Length
// fields, Content-Length beside Transfer-Encoding, bad chunks): 400 or 431, and the connection is closed.
std::optional<http::status> badHead(const Request &head, std::size_t fieldLimit)
{
    if (std::size_t(std::distance(head.begin(), head.end())) > fieldLimit)
        return http::status::request_header_fields_too_large;
    const auto encoding = head.find(http::field::transfer_encoding);
    if (encoding != head.end() && !beast::iequals(encoding->value(), "chunked"))
        return http::status::bad_request;
    if (head.count(http::field::host) != 1 && head.version() == 11)
        return http::status::bad_request;
    return std::nullopt;
}

} // namespace

struct HttpServer::Private
{
    Private(const Pages &pages, LookupPool &pool, Settings settings)
        : pool(pool)
        , settings(settings)
        , routes(pages, pool, io, settings.queueDeadline, draining)
    {
    }

    asio::awaitable<void> accept();
    asio::awaitable<void> serve(tcp::socket socket, std::string address);
    void stop();
    void closeDown();
    void ended(const std::string &address);

    LookupPool &pool;
    const Settings settings;
    asio::io_context io { 1 };
    bool draining = false; // SIGTERM came: /healthz says so
    Routes routes;
    tcp::acceptor acceptor { io };
    asio::signal_set stopSignals { io, SIGTERM, SIGINT };
    asio::steady_timer drainTimer { io };
    asio::steady_timer stopTimer { io };
    std::unordered_map<std::string, int> perAddress;
    std::set<beast::tcp_stream *> waiting; // connections waiting for a request head
    int connections = 0;
    bool stopping = false; // no more connections taken
};

HttpServer::HttpServer(const Pages &pages, LookupPool &pool, Settings settings)
    : d(std::make_unique<Private>(pages, pool, settings))
{
}

HttpServer::~HttpServer() = default;

bool HttpServer::listen(const std::string &address, unsigned short port, std::string *error)
{
    beast::error_code ec;
    const asio::ip::address host = asio::ip::make_address(address, ec);
    const tcp::endpoint endpoint(host, port);
    if (!ec)
        d->acceptor.open(endpoint.protocol(), ec);
    // SO_REUSEADDR, so that a restarted site can listen while connections of the last one linger in
    // TIME_WAIT; and no SO_REUSEPORT, so that a second site on the same port fails instead of sharing it.
    if (!ec)
        d->acceptor.set_option(asio::socket_base::reuse_address(true), ec);
    if (!ec)
        d->acceptor.bind(endpoint, ec);
    if (!ec)
        d->acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec)
        *error = ec.message();
    return !ec;
}

bool HttpServer::run()
{
    asio::co_spawn(d->io, d->accept(), asio::detached);
    d->stopSignals.async_wait([this](const beast::error_code &ec, int) {
        if (!ec)
            d->stop();
    });
    d->io.run();
    return d->pool.running() == 0;
}

void HttpServer::Private::stop()
{
    if (draining)
        return;
    // First the load balancer is told (/healthz answers 503, answers close their connections), while
    // requests are still served; then no more connections are taken.
    draining = true;
    drainTimer.expires_after(settings.drainDeadline);
    drainTimer.async_wait([this](const beast::error_code &) { closeDown(); });
}

void HttpServer::Private::closeDown()
{
    stopping = true;
    beast::error_code ignored;
    acceptor.close(ignored);
    pool.stop(); // lookups still waiting to start are answered 503
    for (beast::tcp_stream *stream : std::set(waiting))
        stream->socket().cancel(ignored);
    stopTimer.expires_after(settings.stopDeadline);
    stopTimer.async_wait([this](const beast::error_code &ec) {
        if (!ec)
            io.stop();
    });
    if (connections == 0)
        io.stop();
}

void HttpServer::Private::ended(const std::string &address)
{
    --connections;
    --Metrics::instance().connectionsOpen;
    const auto it = perAddress.find(address);
    if (it != perAddress.end() && --it->second <= 0)
        perAddress.erase(it);
    if (stopping && connections == 0)
        io.stop();
}

asio::awaitable<void> HttpServer::Private::accept()
{
    asio::steady_timer pause(io);
    while (!stopping) {
        auto [ec, socket] = co_await acceptor.async_accept(kTuple);
        if (ec) {
            if (stopping || ec == asio::error::operation_aborted)
                co_return;
            // Out of file descriptors, or the like: wait a little rather than spin.
            pause.expires_after(std::chrono::milliseconds(100));
            co_await pause.async_wait(kTuple);
            continue;
        }
        beast::error_code addressError;
        const std::string address = socket.remote_endpoint(addressError).address().to_string();
        if (addressError || connections >= settings.maxConnections
            || perAddress[address] >= settings.maxConnectionsPerAddress) {
            if (!addressError && perAddress[address] == 0)
                perAddress.erase(address);
            socket.close(addressError);
            continue;
        }
        ++connections;
        ++perAddress[address];
        ++Metrics::instance().connectionsOpen;
        asio::co_spawn(io, serve(std::move(socket), address), asio::detached);
    }
}

asio::awaitable<void> HttpServer::Private::serve(tcp::socket socket, std::string address)
{
    beast::tcp_stream stream(std::move(socket));
    beast::flat_buffer buffer;
    for (bool first = true; !stopping; first = false) {
        http::request_parser<http::string_body> parser;
        parser.header_limit(std::uint32_t(settings.headerLimit));
        parser.body_limit(settings.bodyLimit);
        // One deadline for the whole head, however slowly it comes.
        stream.expires_after(first ? settings.headDeadline : settings.idleDeadline);
        waiting.insert(&stream);
        auto [readError, headBytes] = co_await http::async_read_header(stream, buffer, parser, kTuple);
        waiting.erase(&stream);

        std::optional<Reply> reply;
        Routes::Parts parts; // an answer in parts: the rest of its body
        bool close = true;
        Reply unreadable = Routes::plain(http::status::bad_request, "The request is not one this server reads.\n", 11);
        unreadable.prepare_payload();
        if (readError) {
            // A client that went away or let the deadline pass is closed without a word; a broken head
            // gets its status.
            if (readError.category() != http::make_error_code(http::error::bad_field).category()
                || readError == http::error::end_of_stream || readError == http::error::partial_message)
                break;
            reply = unreadable;
            if (readError == http::error::header_limit)
                reply->result(http::status::request_header_fields_too_large);
        } else if (const std::optional<http::status> bad = badHead(parser.get(), settings.fieldLimit)) {
            reply = unreadable;
            reply->result(*bad);
        } else if (!parser.is_done()) {
            stream.expires_after(settings.headDeadline);
            auto [bodyError, bodyBytes] = co_await http::async_read(stream, buffer, parser, kTuple);
            if (bodyError == beast::error::timeout || bodyError == http::error::end_of_stream)
                break;
            if (bodyError) {
                reply = unreadable;
                if (bodyError == http::error::body_limit)
                    reply->result(http::status::payload_too_large);
            }
        }
        if (!reply) {
            stream.expires_never();
            const Request &request = parser.get();
            // Every X-Forwarded-For field, in order: a proxy appends a field of its own after the client's.
            QByteArray forwarded;
            for (auto [field, end] = request.equal_range("X-Forwarded-For"); field != end; ++field)
                forwarded += (forwarded.isEmpty() ? "" : ", ") + bytes(field->value());
            const QString client = clientAddress(QString::fromStdString(address), forwarded, settings.trustedProxies);
            reply = co_await routes.respond(request, address, client.toStdString(), &parts);
            close = !request.keep_alive() || draining || (*reply)[http::field::connection] == "close";
        }
        reply->keep_alive(!close);

        const Request &request = parser.get();
        // One line a request, once its length is known. A page in words of the site's own ends its line with its
        // language.
        const std::string language = loggable((*reply)[http::field::content_language]);
        const auto logged = [&](std::size_t length) {
            std::printf("%s %s %s %u %zu%s%s\n", loggable(address).c_str(), loggable(request.method_string()).c_str(),
                        loggable(request.target()).c_str(), reply->result_int(), length, language.empty() ? "" : " ",
                        language.c_str());
            std::fflush(stdout);
        };
        if (!parts)
            logged(reply->body().size());
        Metrics::instance().countRequest(metricPath(request.target(), reply->result_int()), int(reply->result_int()));

        stream.expires_after(settings.writeDeadline);
        if (parts) {
            // The beginning now, then each part as it is ready, chunked; a part waits as long as it takes (the
            // lookups bound that), its writing no longer than one write's deadline.
            reply->chunked(true);
            const std::string beginning = std::exchange(reply->body(), std::string());
            http::response_serializer<http::string_body> head(*reply);
            auto [headError, headBytes] = co_await http::async_write_header(stream, head, kTuple);
            bool failed = !!headError;
            std::size_t length = 0;
            std::optional<std::string> part = beginning;
            while (!failed && part) {
                length += part->size();
                if (!part->empty()) {
                    stream.expires_after(settings.writeDeadline);
                    auto [chunkError, chunkBytes]
                        = co_await asio::async_write(stream, http::make_chunk(asio::buffer(*part)), kTuple);
                    failed = !!chunkError;
                }
                stream.expires_never();
                if (!failed)
                    part = co_await parts();
            }
            if (!failed) {
                stream.expires_after(settings.writeDeadline);
                auto [lastError, lastBytes] = co_await asio::async_write(stream, http::make_chunk_last(), kTuple);
                failed = !!lastError;
            }
            logged(length);
            parts = nullptr;
            if (failed || close)
                break;
            continue;
        }
        auto [writeError, written] = co_await http::async_write(stream, *reply, kTuple);
        if (writeError || close)
            break;
    }
    beast::error_code ignored;
    stream.socket().shutdown(tcp::socket::shutdown_send, ignored);
    ended(address);
}
