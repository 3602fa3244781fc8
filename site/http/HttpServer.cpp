#include "ServerPrivate.h"

namespace {

constexpr int kClosingAtMost = 256; // connections closed to make room that may still be ending

} // namespace

HttpServer::HttpServer(Http::ApplicationFactory application, Settings settings)
    : d(std::make_unique<Private>(std::move(application), std::move(settings)))
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

void HttpServer::run()
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
    if (settings.closing)
        settings.closing();
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
    if (settings.openConnections)
        --*settings.openConnections;
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
        if (settings.openConnections)
            ++*settings.openConnections;
        auto connection = std::make_shared<Connection>(*worker, std::move(socket));
        asio::co_spawn(worker->io, serve(std::move(connection), address, key), asio::detached);
    }
}
