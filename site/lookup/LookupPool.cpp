#include "LookupPool.h"

#include "state/Metrics.h"

#include <QThread>

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
    case LookupResult::Outcome::Unknown:
        return QStringLiteral("unknown");
    case LookupResult::Outcome::NotRegistered:
        return QStringLiteral("not_registered");
    case LookupResult::Outcome::Reserved:
        return QStringLiteral("reserved");
    case LookupResult::Outcome::RateLimited:
        return QStringLiteral("rate_limited");
    case LookupResult::Outcome::NoService:
        return QStringLiteral("no_service");
    case LookupResult::Outcome::Failed:
        break;
    }
    return QStringLiteral("failed");
}

} // namespace

QString LookupPool::kindName(Query::Kind kind)
{
    switch (kind) {
    case Query::Kind::Address:
        return QStringLiteral("address");
    case Query::Kind::Network:
        return QStringLiteral("network");
    case Query::Kind::AsNumber:
        return QStringLiteral("as_number");
    case Query::Kind::TopLevelDomain:
        return QStringLiteral("top_level_domain");
    case Query::Kind::Domain:
        break;
    }
    return QStringLiteral("domain");
}

LookupPool::LookupPool(const Lookup &lookup, Settings settings)
    : m_lookup(lookup)
    , m_settings(settings)
{
    for (int i = 0; i < qMax(m_settings.threads, 1); ++i) {
        auto *thread = new QThread;
        auto *context = new QObject;
        context->moveToThread(thread);
        thread->start();
        m_threads.push_back(thread);
        m_contexts.push_back(context);
    }
}

LookupPool::~LookupPool()
{
    stop();
    for (std::size_t i = 0; i < m_threads.size(); ++i) {
        // The context and the lookups it carries end on their own thread, then the thread.
        QMetaObject::invokeMethod(
            m_contexts[i], [context = m_contexts[i]] { delete context; }, Qt::BlockingQueuedConnection);
        m_threads[i]->quit();
        m_threads[i]->wait();
        delete m_threads[i];
    }
}

QString LookupPool::keyOf(const Query &query)
{
    return query.ok() && !query.special() ? query.asked() : QString();
}

LookupPool::Admission LookupPool::submit(const std::shared_ptr<Job> &job)
{
    job->key = job->availability || job->task ? QString() : keyOf(job->query);
    const std::lock_guard lock(m_mutex);
    // Waiting: at most maxQueued beyond the lookups that may start at once.
    const int free = qMax(0, m_settings.maxInFlight - m_running.load());
    if (m_stopping || int(m_queue.size()) >= m_settings.maxQueued + free)
        return Admission::Busy;
    int &fromClient = m_perClient[job->client];
    if (fromClient >= m_settings.perAddress)
        return Admission::ClientBusy;
    ++fromClient;
    m_queue.push_back(job);
    Metrics::instance().lookupsQueued = int(m_queue.size());
    dispatch();
    return Admission::Accepted;
}

void LookupPool::dispatch()
{
    while (!m_stopping && !m_queue.empty() && m_running.load() < m_settings.maxInFlight) {
        const std::shared_ptr<Job> job = m_queue.front();
        m_queue.pop_front();
        int queued = Job::Queued;
        if (!job->state.compare_exchange_strong(queued, Job::Running))
            continue;
        if (job->changed)
            job->changed();
        // The same question under way already: this one waits for its answer.
        if (!job->key.isEmpty() && m_followers.contains(job->key)) {
            m_followers[job->key].push_back(job);
            continue;
        }
        if (!job->key.isEmpty())
            m_followers.insert(job->key, {});
        ++m_running;
        ++Metrics::instance().lookupsInFlight;
        QObject *context = m_contexts[m_next++ % m_contexts.size()];
        if (job->task) {
            QMetaObject::invokeMethod(
                context, [this, job, context] { job->task(m_lookup, context, [this, job] { checked(job); }); });
            continue;
        }
        if (job->availability) {
            QMetaObject::invokeMethod(context, [this, job, context] {
                Availability::Settings settings;
                settings.resolver = m_settings.resolver;
                settings.cache = m_settings.cache;
                settings.clientLookups = m_settings.clientLookups;
                Availability::check(
                    m_lookup, settings, *job->availability, job->client, context,
                    [job](const Availability::Row &row) {
                        {
                            const std::lock_guard lock(job->rowsMutex);
                            job->rows.push_back(row);
                        }
                        if (job->changed)
                            job->changed();
                    },
                    [this, job] { checked(job); });
            });
            continue;
        }
        QMetaObject::invokeMethod(context, [this, job, context] {
            m_lookup.start(
                job->query, context, [this, job](const LookupResult &result) { finished(job, result); },
                job->recheck ? Lookup::For::Site : Lookup::For::Visitor);
        });
    }
    Metrics::instance().lookupsQueued = int(m_queue.size());
}

void LookupPool::finished(const std::shared_ptr<Job> &job, const LookupResult &result)
{
    if (m_settings.cache && !job->key.isEmpty())
        result.keep(*m_settings.cache, job->key, QDateTime::currentDateTimeUtc());
    if (m_settings.seen)
        m_settings.seen(result);
    std::vector<std::shared_ptr<Job>> followers;
    {
        const std::lock_guard lock(m_mutex);
        if (!job->key.isEmpty())
            followers = m_followers.take(job->key);
    }
    followers.insert(followers.begin(), job);
    --Metrics::instance().lookupsInFlight;
    // Told before it stops counting as running: the server's loop is kept while any lookup runs.
    for (const std::shared_ptr<Job> &done : followers) {
        Metrics::instance().countLookup(kindName(result.kind), outcomeName(result.outcome));
        done->result = result;
        done->state = Job::Done;
        if (done->changed)
            done->changed();
    }
    const std::lock_guard lock(m_mutex);
    for (const std::shared_ptr<Job> &done : followers)
        release(done->client);
    --m_running;
    dispatch();
}

void LookupPool::checked(const std::shared_ptr<Job> &job)
{
    --Metrics::instance().lookupsInFlight;
    Metrics::instance().countLookup(job->task ? job->taskName : QStringLiteral("availability"),
                                    QStringLiteral("checked"));
    job->state = Job::Done;
    if (job->changed)
        job->changed();
    const std::lock_guard lock(m_mutex);
    release(job->client);
    --m_running;
    dispatch();
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
