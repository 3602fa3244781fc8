#include "LookupPool.h"

#include "Metrics.h"

namespace {

QString outcomeName(LookupResult::Outcome outcome)
{
    switch (outcome) {
    case LookupResult::Outcome::Refused:
        return QStringLiteral("refused");
    case LookupResult::Outcome::Special:
        return QStringLiteral("special");
    case LookupResult::Outcome::Found:
        return QStringLiteral("found");
    case LookupResult::Outcome::NotRegistered:
        return QStringLiteral("not_registered");
    case LookupResult::Outcome::RateLimited:
        return QStringLiteral("rate_limited");
    case LookupResult::Outcome::NoService:
        return QStringLiteral("no_service");
    case LookupResult::Outcome::Failed:
        break;
    }
    return QStringLiteral("failed");
}

QString kindName(Query::Kind kind)
{
    switch (kind) {
    case Query::Kind::Address:
        return QStringLiteral("address");
    case Query::Kind::Network:
        return QStringLiteral("network");
    case Query::Kind::AsNumber:
        return QStringLiteral("as_number");
    case Query::Kind::Domain:
        break;
    }
    return QStringLiteral("domain");
}

} // namespace

LookupPool::LookupPool(const Lookup &lookup, Settings settings)
    : m_lookup(lookup)
    , m_settings(settings)
{
    for (int i = 0; i < qMax(m_settings.workers, 1); ++i)
        m_workers.emplace_back([this] { work(); });
}

LookupPool::~LookupPool()
{
    stop();
    for (std::thread &worker : m_workers)
        worker.join();
}

LookupPool::Admission LookupPool::submit(const std::shared_ptr<Job> &job)
{
    {
        const std::lock_guard lock(m_mutex);
        // Waiting for a worker: at most maxQueued beyond the workers that are free.
        const int free = qMax(0, qMax(m_settings.workers, 1) - m_running.load());
        if (m_stopping || int(m_queue.size()) >= m_settings.maxQueued + free)
            return Admission::Busy;
        int &fromClient = m_perClient[job->client];
        if (fromClient >= m_settings.perAddress) {
            if (fromClient == 0)
                m_perClient.erase(job->client);
            return Admission::ClientBusy;
        }
        ++fromClient;
        m_queue.push_back(job);
        Metrics::instance().lookupsQueued = int(m_queue.size());
    }
    m_wake.notify_one();
    return Admission::Accepted;
}

bool LookupPool::cancel(const std::shared_ptr<Job> &job)
{
    const std::lock_guard lock(m_mutex);
    int queued = Job::Queued;
    if (!job->state.compare_exchange_strong(queued, Job::Cancelled))
        return false;
    std::erase(m_queue, job);
    Metrics::instance().lookupsQueued = int(m_queue.size());
    release(job->client);
    return true;
}

void LookupPool::stop()
{
    std::deque<std::shared_ptr<Job>> cancelled;
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        cancelled.swap(m_queue);
        for (const std::shared_ptr<Job> &job : cancelled) {
            job->state = Job::Cancelled;
            release(job->client);
        }
        Metrics::instance().lookupsQueued = 0;
    }
    m_wake.notify_all();
    for (const std::shared_ptr<Job> &job : cancelled) {
        if (job->changed)
            job->changed();
    }
}

void LookupPool::release(const std::string &client)
{
    const auto it = m_perClient.find(client);
    if (it != m_perClient.end() && --it->second <= 0)
        m_perClient.erase(it);
}

void LookupPool::work()
{
    for (;;) {
        std::shared_ptr<Job> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_queue.empty())
                return; // stopping
            job = m_queue.front();
            m_queue.pop_front();
            Metrics::instance().lookupsQueued = int(m_queue.size());
            int queued = Job::Queued;
            if (!job->state.compare_exchange_strong(queued, Job::Running))
                continue;
        }
        ++m_running;
        ++Metrics::instance().lookupsInFlight;
        if (job->changed)
            job->changed();
        job->result = m_lookup.run(job->typed);
        Metrics::instance().countLookup(kindName(job->result.kind), outcomeName(job->result.outcome));
        --Metrics::instance().lookupsInFlight;
        {
            const std::lock_guard lock(m_mutex);
            release(job->client);
        }
        job->state = Job::Done;
        --m_running;
        if (job->changed)
            job->changed();
    }
}
