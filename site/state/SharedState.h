#pragma once

#include <QByteArray>
#include <QList>
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
//
// With Sentinels, the master is the one they name: asked again whenever the connection is lost or the server
// says it is no longer the master (after a failover), so that the site follows a failover without a restart. A
// server a Sentinel names is taken only when its address is of the Sentinels' own kind (loopback, private or
// public) and it says itself that it is the master.
class SharedState
{
public:
    struct Endpoint
    {
        QString host;
        quint16 port = 0;
    };
    struct Place
    {
        Endpoint redis; // a Redis of its own,
        int database = 0;
        QList<Endpoint> sentinels; // or the master these Sentinels name
        QString master;
    };
    explicit SharedState(const QUrl &url); // redis://host[:port][/db]
    explicit SharedState(Place place);
    ~SharedState();
    SharedState(const SharedState &) = delete;
    SharedState &operator=(const SharedState &) = delete;

    // A value kept under the key; no value when there is none or Redis cannot be asked.
    std::optional<QByteArray> get(const QByteArray &key, bool *asked = nullptr);
    void set(const QByteArray &key, const QByteArray &value, int seconds);
    // A token bucket kept in Redis (on Redis's clock, so that all instances agree): the seconds until a token
    // is there, 0 when there is one now. It is taken when that wait is at most maxWait (into debt, for a
    // question asked later), and not otherwise; *left: the tokens left. No value when Redis cannot be asked.
    std::optional<double> bucket(const QByteArray &key, double perSecond, double burst, double maxWait,
                                 double *left = nullptr);

    bool up() const; // Redis answered the last time it was asked

private:
    struct Reply;
    Reply command(int argc, const char **argv, const size_t *lengths); // with m_mutex held
    bool connected(); // with m_mutex held: a connection, or a new one when the last try is long enough ago
    bool connectTo(const Endpoint &server, bool asMaster); // with m_mutex held
    std::optional<Endpoint> masterNamed(QString *why); // with m_mutex held: asks the Sentinels
    void lost(const QString &why); // with m_mutex held

    const Place m_place;
    Endpoint m_server; // the Redis asked now: the one of its own, or the last master named
    mutable std::mutex m_mutex;
    redisContext *m_context = nullptr;
    bool m_up = false;
    QString m_saidWhy; // why Redis was last said to be gone; empty while it is there
    std::chrono::steady_clock::time_point m_nextTry {};
};
