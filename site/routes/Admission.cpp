#include "Admission.h"

#include "state/Metrics.h"

#include <algorithm>
#include <cmath>

namespace asio = boost::asio;
using Http::kTuple;

Admission::Admission(LookupPool &pool, asio::io_context &io, std::chrono::seconds queueDeadline)
    : m_pool(pool)
    , m_io(io)
    , m_queueDeadline(queueDeadline)
{
}

Admission::Asked Admission::refused(LookupPool::Admission admission, int retryAfter) const
{
    const int queueSeconds = qMax(int(m_queueDeadline.count()), 1);
    switch (admission) {
    case LookupPool::Admission::ClientBusy:
        return Asked { nullptr, 429, 5, Message(MessageId::ClientBusy) };
    case LookupPool::Admission::ClientLimited:
        return Asked { nullptr, 429, retryAfter, Message(MessageId::ClientLimited, Message::duration(retryAfter)) };
    default:
        return Asked { nullptr, 503, queueSeconds, Message(MessageId::ServiceBusy, Message::duration(queueSeconds)) };
    }
}

std::shared_ptr<LookupPool::Job> Admission::job(const std::string &client, const Wake &wake)
{
    auto job = std::make_shared<LookupPool::Job>();
    job->client = client;
    // What a job calls when it changes (on any thread): the connection's timer is cancelled on the connection's
    // own thread, waking it. Only the connection owns the timer, so that it ends with the server's loop whatever
    // the job does.
    job->changed = [weak = std::weak_ptr(wake), executor = m_io.get_executor()] {
        asio::post(executor, [weak] {
            if (const auto timer = weak.lock())
                timer->cancel();
        });
    };
    return job;
}

asio::awaitable<Admission::Asked> Admission::lookup(Query query, const std::string &client)
{
    // The worker wakes this connection when the lookup starts and when it is done.
    auto wake = std::make_shared<asio::steady_timer>(m_io);
    wake->expires_after(m_queueDeadline);
    std::shared_ptr<LookupPool::Job> job = this->job(client, wake);
    job->query = std::move(query);
    // What this instance or (from Redis) another keeps for the question is the answer, at no cost; Redis is
    // awaited on this loop, never waited for on its thread, and not past a short deadline (Redis slow or gone:
    // this instance's own memory answers).
    ResultCache *cache = m_pool.settings().cache;
    const QString key = LookupPool::keyOf(job->query);
    if (cache && !key.isEmpty()) {
        std::optional<LookupResult> kept = LookupResult::kept(*cache, key, QDateTime::currentDateTimeUtc());
        if (!kept && cache->shared()) {
            const std::optional<std::optional<QByteArray>> elsewhere
                = co_await awaited<std::optional<QByteArray>>([&](std::function<void(std::optional<QByteArray>)> done) {
                      cache->askShared(key, std::move(done));
                      return true;
                  });
            if (elsewhere && *elsewhere)
                kept = LookupResult::deserialised(**elsewhere, QDateTime::currentDateTimeUtc());
        }
        if (kept) {
            job->result = std::move(*kept);
            job->state = LookupPool::Job::Done;
            Metrics::instance().countLookup(LookupPool::kindName(job->result.kind), QStringLiteral("cached"));
            Asked asked;
            asked.job = std::move(job);
            asked.kept = true;
            co_return asked;
        }
    }
    // A question that asks a registry costs the client's budget.
    if (!key.isEmpty() && m_pool.settings().clientLookups) {
        const double wait = co_await charge(client, job->query.registry());
        if (wait > 0)
            co_return refused(LookupPool::Admission::ClientLimited, int(std::ceil(wait)));
    }
    const LookupPool::Admission admission = m_pool.submit(job);
    if (admission != LookupPool::Admission::Accepted)
        co_return refused(admission, 0);
    while (job->state != LookupPool::Job::Done) {
        auto [ec] = co_await wake->async_wait(kTuple);
        const int state = job->state;
        if (state == LookupPool::Job::Done)
            break;
        if (state == LookupPool::Job::Cancelled)
            co_return refused(LookupPool::Admission::Busy, 0);
        if (state == LookupPool::Job::Running)
            wake->expires_at(asio::steady_timer::time_point::max());
        else if (!ec && m_pool.cancel(job)) // waited in the queue past its deadline
            co_return refused(LookupPool::Admission::Busy, 0);
    }
    Asked asked;
    asked.job = std::move(job);
    co_return asked;
}

asio::awaitable<double> Admission::charge(const std::string &client, const std::string &registry)
{
    ClientBudget *budget = m_pool.settings().clientLookups;
    if (!budget)
        co_return 0.0;
    std::optional<double> wait;
    if (budget->shared())
        wait = co_await awaited<double>([&](std::function<void(double)> done) {
            budget->reserve(client, registry, 0, std::move(done));
            return true;
        });
    if (!wait) // no Redis, or too slow: this instance's own count
        wait = budget->take(client, registry, TokenBuckets::Clock::now());
    co_return *wait;
}

asio::awaitable<void> Admission::lookups(const QStringList &names, const std::string &client,
                                         std::chrono::milliseconds wait,
                                         const std::function<void(const QString &)> &notTaken)
{
    auto wake = std::make_shared<asio::steady_timer>(m_io);
    wake->expires_after(wait);
    std::vector<std::shared_ptr<LookupPool::Job>> jobs;
    for (const QString &name : names) {
        std::shared_ptr<LookupPool::Job> job = this->job(client, wake);
        job->query = Query::fromInput(name);
        if (m_pool.submit(job) == LookupPool::Admission::Accepted)
            jobs.push_back(std::move(job));
        else
            notTaken(name);
    }
    const auto underWay = [&jobs] {
        return std::any_of(jobs.begin(), jobs.end(), [](const auto &job) {
            return job->state != LookupPool::Job::Done && job->state != LookupPool::Job::Cancelled;
        });
    };
    while (underWay()) {
        auto [ec] = co_await wake->async_wait(kTuple);
        if (!ec) // the wait is over; what is still under way goes on
            break;
    }
}

asio::awaitable<std::optional<Abuse::Report>> Admission::abuse(const Query &query, bool hosting,
                                                               const std::string &client, Asked *refusal)
{
    auto wake = std::make_shared<asio::steady_timer>(m_io);
    std::shared_ptr<LookupPool::Job> job = this->job(client, wake);
    auto report = std::make_shared<Abuse::Report>();
    const LookupPool::Settings &pool = m_pool.settings();
    const Abuse::Settings settings { pool.resolver, pool.cache, pool.clientLookups, hosting };
    job->taskName = QStringLiteral("abuse");
    job->task = [query, settings, client, report](const Lookup &lookup, QObject *context, std::function<void()> done) {
        Abuse::search(lookup, settings, query, client, context, [report, done](const Abuse::Report &made) {
            *report = made;
            done();
        });
    };
    if (const LookupPool::Admission admission = m_pool.submit(job); admission != LookupPool::Admission::Accepted) {
        *refusal = refused(admission, 0);
        co_return std::nullopt;
    }
    while (job->state != LookupPool::Job::Done) {
        wake->expires_at(asio::steady_timer::time_point::max());
        co_await wake->async_wait(kTuple);
    }
    if (report->refusedFor > 0) {
        *refusal = refused(LookupPool::Admission::ClientLimited, int(std::ceil(report->refusedFor)));
        co_return std::nullopt;
    }
    co_return *report;
}

template<class T>
asio::awaitable<std::optional<T>> Admission::awaited(const std::function<bool(std::function<void(T)>)> &ask)
{
    auto answer = std::make_shared<std::optional<T>>();
    auto heard = std::make_shared<asio::steady_timer>(m_io);
    heard->expires_after(SharedState::kQueueDeadline + std::chrono::milliseconds(50));
    const bool asked = ask([answer, weak = std::weak_ptr(heard), executor = m_io.get_executor()](T value) {
        asio::post(executor, [answer, weak, value = std::move(value)] {
            *answer = std::move(value);
            if (const auto timer = weak.lock())
                timer->cancel();
        });
    });
    if (asked)
        co_await heard->async_wait(kTuple);
    co_return *answer;
}

std::pair<Admission::Asked, Admission::Wake> Admission::check(const ManyExtensions &question, const std::string &client)
{
    auto wake = std::make_shared<asio::steady_timer>(m_io);
    wake->expires_at(asio::steady_timer::time_point::max());
    std::shared_ptr<LookupPool::Job> job = this->job(client, wake); // woken by each row, and at the end
    job->availability = question;
    const LookupPool::Admission admission = m_pool.submit(job);
    if (admission != LookupPool::Admission::Accepted)
        return { refused(admission, 0), wake };
    Asked asked;
    asked.job = std::move(job);
    return { asked, wake };
}
