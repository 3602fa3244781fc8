#pragma once

// What the server's two halves share: the connection table (HttpServer.cpp) and the sessions that serve each
// connection (Session.cpp).

#include "HttpServer.h"

#include <boost/asio.hpp>
#include <boost/beast.hpp>

#include <algorithm>
#include <list>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace HttpPrivate {
namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using Http::kTuple;
} // namespace HttpPrivate

using namespace HttpPrivate;

struct HttpServer::Private
{
    // One I/O thread: its loop, the application that answers on it, and how many connections it carries.
    struct Worker
    {
        Worker(Private &server)
            : application(server.makeApplication(io, server.draining))
        {
        }
        asio::io_context io { 1 };
        asio::executor_work_guard<asio::io_context::executor_type> work { io.get_executor() };
        std::unique_ptr<Http::Application> application;
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

    Private(Http::ApplicationFactory makeApplication, Settings settings)
        : makeApplication(std::move(makeApplication))
        , settings(std::move(settings))
    {
    }

    std::vector<std::unique_ptr<Worker>> makeWorkers()
    {
        std::vector<std::unique_ptr<Worker>> made;
        const int threads = settings.ioThreads > 0 ? settings.ioThreads : int(std::thread::hardware_concurrency());
        for (int i = 0; i < std::max(1, threads); ++i)
            made.push_back(std::make_unique<Worker>(*this));
        return made;
    }

    asio::awaitable<void> accept();
    // Serves one connection: reads each request, asks the application, writes the answer (Session.cpp).
    asio::awaitable<void> serve(std::shared_ptr<Connection> connection, std::string address, std::string key);
    void stop();
    void closeDown();
    void stopLoops();
    Worker &quietest(); // with mutex held
    void startWaiting(const std::shared_ptr<Connection> &connection);
    void endWaiting(Connection &connection);
    void closeWaiting(const std::shared_ptr<Connection> &connection); // with mutex held
    void ended(Worker &worker, const std::string &key);

    const Http::ApplicationFactory makeApplication;
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
