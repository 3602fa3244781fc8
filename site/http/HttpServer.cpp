#include "HttpServer.h"

#include "Routes.h"
#include "state/Log.h"
#include "state/Metrics.h"
#include "state/RateLimits.h"

#include <boost/asio.hpp>
#include <boost/beast.hpp>

#include <list>
#include <mutex>
#include <thread>
#include <unordered_map>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using Request = Routes::Request;
using Reply = Routes::Reply;

namespace {

constexpr auto kTuple = asio::as_tuple(asio::use_awaitable);
constexpr int kClosingAtMost = 256; // connections closed to make room that may still be ending

// Text from a request as one safe log line: no control characters, not too long.
std::string loggable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text)
        out += (c < 0x20 || c == 0x7f) ? '?' : char(c);
    return out.size() > 300 ? out.substr(0, 300) + "..." : out;
}

// A request's line in the access log: "address method target status length [language]".
std::string accessLine(const std::string &address, const Request &request, unsigned status, std::size_t length,
                       const std::string &language)
{
    std::string line = loggable(address);
    line += ' ';
    line += loggable(request.method_string());
    line += ' ';
    line += loggable(request.target());
    line += ' ' + std::to_string(status) + ' ' + std::to_string(length);
    if (!language.empty())
        line += ' ' + language;
    return line;
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
    // One I/O thread: its loop, the routes that answer on it, and how many connections it carries.
    struct Worker
    {
        Worker(Private &server)
            : routes(server.pages, server.pool, io, server.settings.queueDeadline, server.draining)
        {
        }
        asio::io_context io { 1 };
        asio::executor_work_guard<asio::io_context::executor_type> work { io.get_executor() };
        Routes routes;
        int connections = 0; // with the server's mutex held
    };

    // A connection as the other threads see it: whether it waits for a request head, and since when (its place in
    // the queue of those that wait). `reading` is only touched on its own thread.
    struct Connection
    {
        Connection(Worker &worker, tcp::socket socket)
            : worker(worker)
            , stream(std::move(socket))
        {
        }
        Worker &worker;
        beast::tcp_stream stream;
        bool reading = false;
        bool queued = false; // with the server's mutex held
        std::list<std::weak_ptr<Connection>>::iterator place;
    };

    Private(const Pages &pages, LookupPool &pool, Settings settings)
        : pages(pages)
        , pool(pool)
        , settings(settings)
    {
    }

    std::vector<std::unique_ptr<Worker>> makeWorkers()
    {
        std::vector<std::unique_ptr<Worker>> made;
        const int threads = settings.ioThreads > 0 ? settings.ioThreads : int(std::thread::hardware_concurrency());
        for (int i = 0; i < qMax(1, threads); ++i)
            made.push_back(std::make_unique<Worker>(*this));
        return made;
    }

    asio::awaitable<void> accept();
    asio::awaitable<void> serve(std::shared_ptr<Connection> connection, std::string address, std::string key);
    void stop();
    void closeDown();
    void stopLoops();
    Worker &quietest(); // with mutex held
    void startWaiting(const std::shared_ptr<Connection> &connection);
    void endWaiting(Connection &connection);
    void closeWaiting(const std::shared_ptr<Connection> &connection); // with mutex held
    void ended(Worker &worker, const std::string &key);

    const Pages &pages;
    LookupPool &pool;
    const Settings settings;
    std::atomic<bool> draining = false; // SIGTERM came: /healthz says so
    std::atomic<bool> stopping = false; // no more connections taken

    std::mutex mutex; // guards what follows, up to the workers
    std::unordered_map<std::string, int> perAddress;
    std::list<std::weak_ptr<Connection>> waiting; // connections waiting for a request head, the longest first
    int connections = 0;

    std::vector<std::unique_ptr<Worker>> workers
        = makeWorkers(); // after what their connections use, before what uses their loops
    asio::io_context &io = workers.front()->io; // the first loop: accepting, signals, stopping
    tcp::acceptor acceptor { io };
    asio::signal_set stopSignals { io, SIGTERM, SIGINT };
    asio::steady_timer drainTimer { io };
    asio::steady_timer stopTimer { io };
};

HttpServer::HttpServer(const Pages &pages, LookupPool &pool, Settings settings)
    : d(std::make_unique<Private>(pages, pool, settings))
{
}

HttpServer::~HttpServer() = default;

std::string HttpServer::addressKey(const std::string &address)
{
    beast::error_code ec;
    asio::ip::address parsed = asio::ip::make_address(address, ec);
    if (ec)
        return address;
    if (parsed.is_v6() && parsed.to_v6().is_v4_mapped())
        parsed = asio::ip::make_address_v4(asio::ip::v4_mapped, parsed.to_v6());
    if (parsed.is_v4())
        return parsed.to_string();
    // One IPv6 client holds a /64 (or more): every address of it counts as one.
    asio::ip::address_v6::bytes_type bytes = parsed.to_v6().to_bytes();
    std::fill(bytes.begin() + 8, bytes.end(), 0);
    return asio::ip::make_address_v6(bytes).to_string() + "/64";
}

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
    std::vector<std::thread> threads;
    for (std::size_t i = 1; i < d->workers.size(); ++i)
        threads.emplace_back([worker = d->workers[i].get()] { worker->io.run(); });
    d->io.run();
    for (std::thread &thread : threads)
        thread.join();
    Log::flush();
    return d->pool.running() == 0;
}

int HttpServer::ioThreads() const
{
    return int(d->workers.size());
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
    stopTimer.expires_after(settings.stopDeadline);
    stopTimer.async_wait([this](const beast::error_code &ec) {
        if (!ec)
            stopLoops();
    });
    const std::lock_guard lock(mutex);
    while (!waiting.empty())
        closeWaiting(waiting.front().lock());
    if (connections == 0)
        stopLoops();
}

void HttpServer::Private::stopLoops()
{
    for (const std::unique_ptr<Worker> &worker : workers)
        worker->io.stop();
}

HttpServer::Private::Worker &HttpServer::Private::quietest()
{
    return **std::min_element(workers.begin(), workers.end(),
                              [](const auto &a, const auto &b) { return a->connections < b->connections; });
}

void HttpServer::Private::startWaiting(const std::shared_ptr<Connection> &connection)
{
    connection->reading = true;
    const std::lock_guard lock(mutex);
    connection->place = waiting.insert(waiting.end(), connection);
    connection->queued = true;
}

void HttpServer::Private::endWaiting(Connection &connection)
{
    connection.reading = false;
    const std::lock_guard lock(mutex);
    if (connection.queued)
        waiting.erase(connection.place);
    connection.queued = false;
}

void HttpServer::Private::closeWaiting(const std::shared_ptr<Connection> &connection)
{
    // Taken out of the queue here; its read is cancelled on its own thread, if it still waits by then.
    if (!connection) {
        waiting.pop_front(); // ended on its thread a moment ago: its place goes with it
        return;
    }
    waiting.erase(connection->place);
    connection->queued = false;
    asio::post(connection->worker.io, [weak = std::weak_ptr(connection)] {
        const std::shared_ptr<Connection> waiter = weak.lock();
        if (waiter && waiter->reading) {
            beast::error_code ignored;
            waiter->stream.socket().cancel(ignored);
        }
    });
}

void HttpServer::Private::ended(Worker &worker, const std::string &key)
{
    --Metrics::instance().connectionsOpen;
    const std::lock_guard lock(mutex);
    --connections;
    --worker.connections;
    const auto it = perAddress.find(key);
    if (it != perAddress.end() && --it->second <= 0)
        perAddress.erase(it);
    if (stopping && connections == 0)
        stopLoops();
}

asio::awaitable<void> HttpServer::Private::accept()
{
    asio::steady_timer pause(io);
    while (!stopping) {
        Worker *worker = nullptr;
        {
            const std::lock_guard lock(mutex);
            worker = &quietest();
        }
        auto [ec, socket] = co_await acceptor.async_accept(worker->io, kTuple);
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
        const std::string key = addressKey(address);
        {
            const std::lock_guard lock(mutex);
            // Full: the connection that has waited longest for a request head makes room (never one whose request
            // is under way), so that idle connections cannot lock out clients that ask.
            // A few more may be open for a moment, while those closed to make room end on their threads.
            bool room = connections < settings.maxConnections;
            if (!room && !addressError && !waiting.empty()) {
                closeWaiting(waiting.front().lock());
                room = connections < settings.maxConnections + kClosingAtMost;
            }
            const auto known = perAddress.find(key);
            if (addressError || !room
                || (known != perAddress.end() && known->second >= settings.maxConnectionsPerAddress)) {
                socket.close(addressError);
                continue;
            }
            ++connections;
            ++perAddress[key];
            ++worker->connections;
        }
        ++Metrics::instance().connectionsOpen;
        auto connection = std::make_shared<Connection>(*worker, std::move(socket));
        asio::co_spawn(worker->io, serve(std::move(connection), address, key), asio::detached);
    }
}

asio::awaitable<void> HttpServer::Private::serve(std::shared_ptr<Connection> connection, std::string address,
                                                 std::string key)
{
    beast::tcp_stream &stream = connection->stream;
    Routes &routes = connection->worker.routes;
    beast::flat_buffer buffer;
    for (bool first = true; !stopping; first = false) {
        http::request_parser<http::string_body> parser;
        parser.header_limit(std::uint32_t(settings.headerLimit));
        parser.body_limit(settings.bodyLimit);
        // One deadline for the whole head, however slowly it comes.
        stream.expires_after(first ? settings.headDeadline : settings.idleDeadline);
        startWaiting(connection);
        auto [readError, headBytes] = co_await http::async_read_header(stream, buffer, parser, kTuple);
        endWaiting(*connection);

        std::optional<Reply> reply;
        Routes::Parts parts; // an answer in parts: the rest of its body
        std::atomic<quint64> *keepable = nullptr; // a lookup page that may be kept for a moment: its lookups counter
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
            // An answer that never changes goes out as it was made, without the routes.
            const Request &request = parser.get();
            const bool keepAlive = request.keep_alive() && !draining;
            if (const std::optional<Routes::Fixed> fixed = routes.fixedAnswer(request, keepAlive)) {
                Log::line(accessLine(address, request, fixed->status, fixed->length, fixed->language));
                ++fixed->counted;
                if (fixed->lookups)
                    ++*fixed->lookups;
                stream.expires_after(settings.writeDeadline);
                auto [writeError, written] = co_await asio::async_write(stream, asio::buffer(*fixed->bytes), kTuple);
                if (writeError || !keepAlive)
                    break;
                continue;
            }
            stream.expires_never();
            // Every X-Forwarded-For field, in order: a proxy appends a field of its own after the client's.
            QByteArray forwarded;
            for (auto [field, end] = request.equal_range("X-Forwarded-For"); field != end; ++field)
                forwarded += (forwarded.isEmpty() ? "" : ", ") + bytes(field->value());
            const QString client = clientAddress(QString::fromStdString(address), forwarded, settings.trustedProxies);
            reply = co_await routes.respond(request, address, client.toStdString(), &parts, &keepable);
            close = !request.keep_alive() || draining || (*reply)[http::field::connection] == "close";
        }
        reply->keep_alive(!close);

        const Request &request = parser.get();
        // One line a request, once its length is known. A page in words of the site's own ends its line with its
        // language.
        const std::string language = loggable((*reply)[http::field::content_language]);
        const auto logged = [&](std::size_t length) {
            Log::line(accessLine(address, request, reply->result_int(), length, language));
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
        if (keepable && reply->result() == http::status::ok)
            routes.keepPage(parser.get(), !close, *reply, keepable);
        auto [writeError, written] = co_await http::async_write(stream, *reply, kTuple);
        if (writeError || close)
            break;
    }
    beast::error_code ignored;
    stream.socket().shutdown(tcp::socket::shutdown_send, ignored);
    ended(connection->worker, key);
}
