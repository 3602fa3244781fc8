#pragma once

#include "Lookup.h"

#include <unordered_map>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Runs lookups on a fixed set of worker threads, at most one a worker, the rest waiting in a bounded queue.
// A lookup spends its time waiting on other servers: the bound keeps a flood of lookups from taking the
// machine, and the queue, with the deadline its caller keeps, from waiting without end.
class LookupPool
{
public:
    struct Settings
    {
        int workers = 128; // lookups in flight at most
        int maxQueued = 512; // waiting for a worker at most
        int perAddress = 8; // in flight and waiting, from one client address
    };

    struct Job
    {
        enum State { Queued, Running, Done, Cancelled };
        QString typed; // what the field held
        std::string client; // the client's address
        std::atomic<int> state { Queued };
        LookupResult result; // valid once Done
        std::function<void()> changed; // called on the worker thread when the job starts and when it is done
    };

    enum class Admission { Accepted, Busy, ClientBusy };

    LookupPool(const Lookup &lookup, Settings settings);
    ~LookupPool(); // stop() and join

    Admission submit(const std::shared_ptr<Job> &job);
    // A job still waiting is taken out of the queue; false when it is already running or done.
    bool cancel(const std::shared_ptr<Job> &job);
    // No more jobs start; those waiting are cancelled. Running ones go on.
    void stop();
    int running() const { return m_running.load(); }

private:
    void work();
    void release(const std::string &client); // with m_mutex held

    const Lookup &m_lookup;
    const Settings m_settings;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::shared_ptr<Job>> m_queue;
    std::unordered_map<std::string, int> m_perClient;
    std::atomic<int> m_running { 0 };
    bool m_stopping = false;
    std::vector<std::thread> m_workers;
};
