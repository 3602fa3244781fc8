#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <chrono>
#include <mutex>
#include <optional>

struct redisContext;

// The state that several instances of the site share on Redis (--redis): kept results and the token buckets.
// Every call answers within a short time or not at all (no value): then the caller uses its own memory. When
// Redis is gone the site says so once in its log, tries again now and then, and says so when it is back.
// Safe on any thread: calls take turns on one connection.
class SharedState
{
public:
    explicit SharedState(const QUrl &url); // redis://host[:port][/db]
    ~SharedState();
    SharedState(const SharedState &) = delete;
    SharedState &operator=(const SharedState &) = delete;

    // A value kept under the key; no value when there is none or Redis cannot be asked.
    std::optional<QByteArray> get(const QByteArray &key, bool *asked = nullptr);
    void set(const QByteArray &key, const QByteArray &value, int seconds);
    // A token bucket kept in Redis (on Redis's clock, so that all instances agree): the seconds until a token
    // is there, 0 when there is one now. It is taken when that wait is at most maxWait (into debt, for a
    // question asked later), and not otherwise. No value when Redis cannot be asked.
    std::optional<double> bucket(const QByteArray &key, double perSecond, double burst, double maxWait);

    bool up() const; // Redis answered the last time it was asked

private:
    struct Reply;
    Reply command(int argc, const char **argv, const size_t *lengths); // with m_mutex held
    bool connected(); // with m_mutex held: a connection, or a new one when the last try is long enough ago
    void lost(const char *why); // with m_mutex held

    const QString m_host;
    const int m_port;
    const int m_database;
    mutable std::mutex m_mutex;
    redisContext *m_context = nullptr;
    bool m_up = false;
    bool m_saidDown = false;
    std::chrono::steady_clock::time_point m_nextTry {};
};
