#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>

struct redisContext;

// The state that several instances of the site share on Redis (--redis): kept results, the token buckets and the
// registries' word. No caller ever waits on Redis: every call is put in a bounded queue and answered on the Redis
// thread of its own, which alone holds the connection; a call waits there at most a short time (kQueueDeadline),
// and is answered with nothing when Redis cannot be asked in time, is gone, or the queue is full: then the caller
// uses its own memory. When Redis is gone the site says so once in its log, tries again now and then, and says so
// when it is back.
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
    ~SharedState(); // stop()
    SharedState(const SharedState &) = delete;
    SharedState &operator=(const SharedState &) = delete;

    static constexpr std::chrono::milliseconds kQueueDeadline { 250 }; // a call not asked by then is answered
    static constexpr std::size_t kMostQueued = 4096;

    // Each answer comes on the Redis thread (or at once, on the caller's, when Redis is known to be gone).
    using Got = std::function<void(std::optional<QByteArray>)>;
    // The value kept under the key; none when there is none or Redis cannot be asked.
    void get(const QByteArray &key, Got done);
    void set(const QByteArray &key, const QByteArray &value, int seconds); // not waited for
    void expire(const QByteArray &key, int seconds); // a key's life from now; not waited for
    // Token buckets kept in Redis (on Redis's clock, so that all instances agree), taken together: the seconds
    // until each has a token, the longest of them (0: at once), and the tokens then left in each. A token is taken
    // from every one when that wait is at most maxWait (into debt, for a question asked later), and from none
    // otherwise.
    struct Bucket
    {
        QByteArray key;
        double perSecond = 1, burst = 1;
        double keep = 0; // tokens a taking must leave (kept for others)
    };
    struct Taken
    {
        double wait = 0;
        QList<double> left; // in the order of the buckets
    };
    void buckets(const QList<Bucket> &buckets, double maxWait, std::function<void(std::optional<Taken>)> done);

    // Ends the Redis thread: what is still queued is dropped unanswered, so that no answer reaches a caller that is
    // gone. Called once the server's loops have stopped, before what they served is destroyed.
    void stop();

    // The object at the top of target's parents: on a lookup thread, the thread's own, which outlives its lookups.
    static QObject *homeOf(QObject *target)
    {
        while (target->parent())
            target = target->parent();
        return target;
    }
    // An answer handed to target's thread, through the top of target's parents (the thread's own object, which
    // outlives the Redis thread's work), and to done only while target lives.
    template<class... Args>
    static std::function<void(Args...)> deliveredTo(QObject *target,
                                                    std::type_identity_t<std::function<void(Args...)>> done)
    {
        QObject *home = homeOf(target);
        return [home, target = QPointer<QObject>(target), done = std::move(done)](Args... args) {
            QMetaObject::invokeMethod(
                home,
                [target, done, args...] {
                    if (target)
                        done(args...);
                },
                Qt::QueuedConnection);
        };
    }

private:
    struct Reply;
    struct Call
    {
        QList<QByteArray> words;
        std::chrono::steady_clock::time_point deadline;
        std::function<void(const Reply *)> done; // null: not waited for
    };
    void put(Call call); // answers at once, with nothing, when Redis is gone for now or the queue is full
    void serve(); // the Redis thread

    // On the Redis thread only:
    Reply command(const QList<QByteArray> &words);
    bool connected(); // a connection, or a new one when the last try is long enough ago
    bool connectTo(const Endpoint &server, bool asMaster);
    std::optional<Endpoint> masterNamed(QString *why); // asks the Sentinels
    void lost(const QString &why);

    const Place m_place;
    Endpoint m_server; // the Redis asked now: the one of its own, or the last master named
    redisContext *m_context = nullptr;
    QString m_saidWhy; // why Redis was last said to be gone; empty while it is there

    std::mutex m_mutex; // the queue and what put() reads of the connection's state
    std::condition_variable m_wake;
    std::deque<Call> m_queue;
    bool m_stopping = false;
    std::chrono::steady_clock::time_point m_nextTry {}; // while Redis is gone: when it is tried again
    bool m_gone = false;
    std::thread m_thread;
};
