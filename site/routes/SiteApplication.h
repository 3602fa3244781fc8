#pragma once

#include "KeptAnswers.h"
#include "Routes.h"
#include "http/Application.h"

#include <QHostAddress>
#include <QList>

#include <atomic>
#include <chrono>

// The site as the HTTP server serves it, on one I/O loop: a kept answer if there is one, the routes otherwise;
// the client behind trusted proxies; whether the connection stays open; one access-log line and one count a
// request.
class SiteApplication : public Http::Application
{
public:
    struct Settings
    {
        std::chrono::seconds queueDeadline { 20 }; // a lookup waiting for a worker; then 503
        QList<QHostAddress> trustedProxies; // whose X-Forwarded-For names the client
        Watchlist *watchlist = nullptr; // the names watched over time; the watch's paths are not served without
        Watcher *watcher = nullptr;
    };

    SiteApplication(const Pages &pages, LookupPool &pool, boost::asio::io_context &io,
                    const std::atomic<bool> &draining, const Settings &settings);

    boost::asio::awaitable<Http::Answer> respond(const Http::Request &request, const std::string &peer) override;
    void unreadable(const Http::Request &head, const std::string &peer, Http::Reply &reply) override;

private:
    const Settings m_settings;
    const std::atomic<bool> &m_draining;
    Routes m_routes;
    KeptAnswers m_kept;
};
