#pragma once

#include "Application.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

// The site's HTTP/1.1 server, event-driven on Boost.Asio and Boost.Beast: a few I/O threads, each with a loop of
// its own, serve every connection, so that idle and slow clients cost a little memory and no thread; a new
// connection goes to the loop with the fewest. Each loop asks an application of its own for the answers (see
// Application.h): the server only reads requests and writes answers. When it is full, a newcomer is taken by
// closing the connection that has waited longest for a request head.
class HttpServer
{
public:
    struct Settings
    {
        std::chrono::seconds headDeadline { 10 }; // the whole request head of a new connection
        std::chrono::seconds idleDeadline { 5 }; // the next request head on a kept-alive connection
        std::chrono::seconds writeDeadline { 30 }; // an answer written to a slow reader
        std::chrono::seconds drainDeadline { 0 }; // after SIGTERM, /healthz says 503 this long before closing
        std::chrono::seconds stopDeadline { 10 }; // lookups in flight may finish after that
        std::size_t headerLimit = 8 * 1024; // bytes of a request head
        std::size_t fieldLimit = 64; // header fields of a request
        std::size_t bodyLimit = 64 * 1024;
        int maxConnections = 0; // 0: as many as the open-files limit allows
        int maxConnectionsPerAddress = 512; // an IPv6 client counts by its /64
        int ioThreads = 0; // 0: one a core
        std::atomic<int> *openConnections = nullptr; // kept up to date, when set
        std::function<void()> closing; // called once no more connections are taken, before the stop deadline
    };

    HttpServer(Http::ApplicationFactory application, Settings settings);
    ~HttpServer();

    // Binds and listens; false with the reason in *error.
    bool listen(const std::string &address, unsigned short port, std::string *error);
    // Serves until SIGTERM or SIGINT, then stops accepting, lets the answers under way finish up to the stop
    // deadline and returns.
    void run();
    int ioThreads() const;

    // What connections from one address count against: the address, or an IPv6 address's /64.
    static std::string addressKey(const std::string &address);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
