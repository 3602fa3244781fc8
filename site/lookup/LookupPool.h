#pragma once

#include "Availability.h"
#include "Lookup.h"
#include "query/Query.h"
#include "state/RateLimits.h"
#include "state/ResultCache.h"

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include <QHash>

class QThread;

// Runs lookups on a small fixed set of threads, each with its event loop carrying many lookups at once while
// they wait on other servers; whether a question is asked at all, and whom it costs, is its caller's (Admission). At
// most maxInFlight are under way; the rest wait in a bounded queue, with the deadline its caller keeps.
class LookupPool
{
public:
    struct Settings
    {
        int threads = 2;
        int maxInFlight = 512; // lookups under way at once
        int maxQueued = 512; // waiting beyond those
        int perAddress = 8; // under way and waiting, from one client address
        ResultCache *cache = nullptr; // finished lookups kept; none when null
        ClientBudget *clientLookups = nullptr; // lookups a client address may ask for over time; no bound when null
        std::optional<Dns::Resolver> resolver; // for availability checks; none: each extension asks its registry
        QStringList availabilityExtensions = ManyExtensions::usual(); // a name without extension in
        std::function<void(const LookupResult &)> seen; // each lookup's result as it ends, on its thread
    };

    struct Job
    {
        enum State { Queued, Running, Done, Cancelled };
        Query query; // the question, read once from what the field held
        std::string client; // the client's address
        QString key; // the query in canonical form; lookups of the same key share one answer
        std::atomic<int> state { Queued };
        LookupResult result; // valid once Done
        bool recheck = false; // a watched name's re-check: with the share of the registry's pace that visitors leave
        std::function<void()> changed; // called (on any thread) when the job starts, when it ends, and for each row

        // A task of its own in place of the query (who to tell of abuse), run on a lookup thread with the lookup; it
        // calls its last argument once when it is done. taskName: its kind in the metrics.
        std::function<void(const Lookup &, QObject *context, std::function<void()> done)> task;
        QString taskName;
        // A check of a name in many extensions, in place of the query: its rows as they come (under rowsMutex).
        std::optional<ManyExtensions> availability;
        std::mutex rowsMutex;
        std::vector<Availability::Row> rows;
    };

    enum class Admission {
        Accepted, // queued or started; changed() says when it is done
        Busy, // the queue is full
        ClientBusy, // the client has its share of lookups under way
        ClientLimited, // (not the pool's: its caller's) the client has asked for too many lookups lately
    };

    LookupPool(const Lookup &lookup, Settings settings);
    ~LookupPool(); // stop(), then the threads end; lookups still under way are dropped

    // Runs the job (its caller decided that it asks a registry, and whom it is charged to). Each result is kept in
    // the cache under its question's key.
    Admission submit(const std::shared_ptr<Job> &job);
    // The key a question's result is kept under; empty for one that is not kept (refused, special).
    static QString keyOf(const Query &query);
    // A job still waiting is taken out of the queue; false when it is already running or done.
    bool cancel(const std::shared_ptr<Job> &job);
    // No more jobs start; those waiting are cancelled. Running ones go on.
    void stop();
    // A query kind's name in the metrics.
    static QString kindName(Query::Kind kind);
    int running() const { return m_running.load(); }
    const Settings &settings() const { return m_settings; }

private:
    void dispatch(); // with m_mutex held
    void checked(const std::shared_ptr<Job> &job); // an availability check is done
    void finished(const std::shared_ptr<Job> &job, const LookupResult &result);
    void release(const std::string &client); // with m_mutex held

    const Lookup &m_lookup;
    const Settings m_settings;
    std::mutex m_mutex;
    std::deque<std::shared_ptr<Job>> m_queue;
    std::unordered_map<std::string, int> m_perClient;
    QHash<QString, std::vector<std::shared_ptr<Job>>> m_followers; // by key: lookups waiting for the one under way
    std::atomic<int> m_running { 0 };
    bool m_stopping = false;
    std::size_t m_next = 0; // the thread the next lookup goes to
    std::vector<QThread *> m_threads;
    std::vector<QObject *> m_contexts; // one living in each thread
};
