#include "RateLimits.h"

#include <QStringList>

#include <cmath>

TokenBuckets::Bucket &TokenBuckets::refilled(const std::string &key, Clock::time_point now)
{
    if (m_buckets.size() > 100'000) { // forget the full ones: they are as good as new
        std::erase_if(m_buckets, [&](const auto &entry) {
            return entry.second.tokens + std::chrono::duration<double>(now - entry.second.at).count() * m_perSecond
                >= m_burst;
        });
    }
    const auto [it, inserted] = m_buckets.try_emplace(key, Bucket { m_burst, now });
    Bucket &bucket = it->second;
    const double elapsed = std::chrono::duration<double>(now - bucket.at).count();
    if (elapsed > 0) {
        bucket.tokens = std::min(m_burst, bucket.tokens + elapsed * m_perSecond);
        bucket.at = now;
    }
    return bucket;
}

double TokenBuckets::reserve(const std::string &key, Clock::time_point now, double maxWait, double *left, double keep)
{
    const std::lock_guard lock(m_mutex);
    Bucket &bucket = refilled(key, now);
    const double wait = qMax(0.0, 1 + keep - bucket.tokens) / m_perSecond;
    if (wait <= maxWait)
        bucket.tokens -= 1;
    if (left)
        *left = bucket.tokens;
    return wait;
}

void TokenBuckets::reserve(const std::string &key, double maxWait, std::function<void(double)> done, double keep)
{
    if (!m_shared)
        return done(reserve(key, Clock::now(), maxWait, nullptr, keep));
    m_shared->buckets({ sharedBucket(key, keep) }, maxWait,
                      [this, key, maxWait, keep, done = std::move(done)](std::optional<SharedState::Taken> taken) {
                          if (!taken)
                              return done(reserve(key, Clock::now(), maxWait, nullptr, keep));
                          mirror(key, taken->left.value(0));
                          done(taken->wait);
                      });
}

void TokenBuckets::mirror(const std::string &key, double left)
{
    const std::lock_guard lock(m_mutex);
    Bucket &bucket = refilled(key, Clock::now());
    bucket.tokens = left;
}

void ClientBudget::reserve(const std::string &client, const std::string &registry, double maxWait,
                           std::function<void(double)> done)
{
    SharedState *shared = m_overall.shared();
    const std::string key = client + ' ' + registry;
    if (!shared)
        return done(reserve(client, registry, TokenBuckets::Clock::now(), maxWait));
    shared->buckets(
        { m_perRegistry.sharedBucket(key), m_overall.sharedBucket(client) }, maxWait,
        [this, client, registry, key, maxWait, done = std::move(done)](std::optional<SharedState::Taken> taken) {
            if (!taken)
                return done(reserve(client, registry, TokenBuckets::Clock::now(), maxWait));
            m_perRegistry.mirror(key, taken->left.value(0));
            m_overall.mirror(client, taken->left.value(1));
            done(taken->wait);
        });
}

std::pair<std::string, std::string> ClientBudget::fields(const std::string &client, const std::string &registry,
                                                         TokenBuckets::Clock::time_point now)
{
    std::string policy, state;
    const auto add = [&](const char *name, TokenBuckets &buckets, const std::string &key) {
        const auto [left, toFull] = buckets.peek(key, now);
        const auto whole = [](double seconds) { return std::to_string(qint64(std::ceil(seconds))); };
        policy += std::string(policy.empty() ? "" : ", ") + '"' + name + "\";q=" + whole(buckets.burst())
            + ";w=" + whole(buckets.burst() / buckets.perSecond());
        state += std::string(state.empty() ? "" : ", ") + '"' + name + "\";r=" + whole(std::floor(std::max(0.0, left)))
            + ";t=" + whole(std::max(0.0, toFull));
    };
    if (!registry.empty())
        add("registry", m_perRegistry, client + ' ' + registry);
    add("all", m_overall, client);
    return { policy, state };
}

QString clientAddress(const QString &peer, const QByteArray &forwardedFor, const QList<QHostAddress> &trusted)
{
    const auto isTrusted = [&trusted](const QHostAddress &address) {
        for (const QHostAddress &proxy : trusted) {
            if (address.isEqual(proxy, QHostAddress::TolerantConversion))
                return true;
        }
        return false;
    };
    if (forwardedFor.isEmpty() || !isTrusted(QHostAddress(peer)))
        return peer;
    const QList<QByteArray> hops = forwardedFor.split(',');
    for (qsizetype i = hops.size() - 1; i >= 0; --i) {
        const QHostAddress address(QString::fromLatin1(hops[i].trimmed()));
        if (address.isNull())
            return peer; // a list the proxies did not write
        if (!isTrusted(address))
            return address.toString();
    }
    return peer;
}
