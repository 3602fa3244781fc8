#pragma once

#include "SharedState.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

#include <algorithm>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>

// Token buckets by key: each key may take `burst` tokens at once, refilled at `perSecond`. Used for the
// lookups a client address may ask for, and for the questions the site puts to one registry server.
// Safe on any thread.
class TokenBuckets
{
public:
    using Clock = std::chrono::steady_clock;

    TokenBuckets(double perSecond, double burst)
        : m_perSecond(perSecond)
        , m_burst(burst)
    {
    }

    // Takes a token: 0 when there was one, else the seconds until there will be (nothing is taken).
    double take(const std::string &key, Clock::time_point now) { return reserve(key, now, 0); }
    // Reserves the next token when it comes within maxWait seconds (taking it now, into debt): the seconds to
    // wait before using it. A longer wait is returned with nothing taken, so that refusals build no debt. keep:
    // tokens the reservation must leave in the bucket (kept for others).
    double reserve(const std::string &key, Clock::time_point now, double maxWait, double *left = nullptr,
                   double keep = 0);
    // As reserve, on this instance's buckets and on Redis's where they are shared: done is called with the wait on
    // the Redis thread, or at once without Redis (or, when Redis cannot answer in time, with this instance's own).
    void reserve(const std::string &key, double maxWait, std::function<void(double)> done, double keep = 0);
    // What is left in a key's bucket now, taking nothing: its tokens, and the seconds until it is full.
    std::pair<double, double> peek(const std::string &key, Clock::time_point now)
    {
        double left = m_burst;
        reserve(key, now, -1, &left); // a wait is never at most -1: nothing is taken
        return { left, (m_burst - left) / m_perSecond };
    }
    double burst() const { return m_burst; }
    double perSecond() const { return m_perSecond; }

    // Counted on Redis under the prefix, so that every instance counts the same (reserve with done); this
    // instance's own buckets follow Redis's count as it answers, and stay the count when Redis cannot be asked.
    void share(SharedState *shared, const QByteArray &prefix)
    {
        m_shared = shared;
        m_prefix = prefix;
    }

    SharedState *shared() const { return m_shared; }
    SharedState::Bucket sharedBucket(const std::string &key, double keep = 0) const
    {
        return { m_prefix + QByteArray::fromStdString(key), m_perSecond, m_burst, keep };
    }
    // The tokens Redis says are left in a key's bucket, counting every instance's questions.
    void mirror(const std::string &key, double left);

private:
    struct Bucket
    {
        double tokens;
        Clock::time_point at;
    };
    Bucket &refilled(const std::string &key, Clock::time_point now); // with m_mutex held

    const double m_perSecond;
    const double m_burst;
    SharedState *m_shared = nullptr;
    QByteArray m_prefix;
    std::mutex m_mutex;
    std::unordered_map<std::string, Bucket> m_buckets;
};

// What one client address may ask of the registries: per registry, a burst and a rate (so that a script that asks
// one registry over and over is held), and over all registries together, a larger cap (so that one visitor's check
// of twenty extensions, twenty registries, asks each at once). Safe on any thread.
class ClientBudget
{
public:
    struct Limits
    {
        double perRegistryPerMinute = 20, perRegistryBurst = 5;
        double overallPerMinute = 120, overallBurst = 60;
    };
    explicit ClientBudget(const Limits &limits)
        : m_perRegistry(limits.perRegistryPerMinute / 60.0, limits.perRegistryBurst)
        , m_overall(limits.overallPerMinute / 60.0, limits.overallBurst)
    {
    }

    // As TokenBuckets::reserve, for a question of the client to the registry: a refusal takes nothing from either.
    double reserve(const std::string &client, const std::string &registry, TokenBuckets::Clock::time_point now,
                   double maxWait)
    {
        const std::string key = client + ' ' + registry;
        const double registryWait = m_perRegistry.reserve(key, now, -1); // looked at, nothing taken
        if (registryWait > maxWait)
            return registryWait;
        const double overall = m_overall.reserve(client, now, maxWait);
        if (overall > maxWait)
            return overall;
        return std::max(overall, m_perRegistry.reserve(key, now, maxWait));
    }
    // As reserve, counted on Redis where the budget is shared, as TokenBuckets::reserve with done is.
    void reserve(const std::string &client, const std::string &registry, double maxWait,
                 std::function<void(double)> done);
    double take(const std::string &client, const std::string &registry, TokenBuckets::Clock::time_point now)
    {
        return reserve(client, registry, now, 0);
    }

    // Counted on Redis, as the token buckets are.
    bool shared() const { return m_overall.shared() != nullptr; }
    void share(SharedState *shared, const QByteArray &prefix)
    {
        m_perRegistry.share(shared, prefix);
        m_overall.share(shared, prefix + "all:");
    }

    // The client's budget as the IETF RateLimit-Policy and RateLimit fields say it (draft-ietf-httpapi-ratelimit-
    // headers): "registry" (the registry named; none: left out) and "all", each a burst (q) that refills in w
    // seconds, and what is left of it (r) and the seconds until it is whole again (t). A client with r=0 is
    // answered 429.
    std::pair<std::string, std::string> fields(const std::string &client, const std::string &registry,
                                               TokenBuckets::Clock::time_point now);

private:
    TokenBuckets m_perRegistry, m_overall;
};

// The client a request is for: the peer's address, or, when the peer is a proxy named as trusted, the last
// address in X-Forwarded-For that is not itself a trusted proxy. A header from anyone else is ignored, so a
// client cannot choose the address it is limited by.
QString clientAddress(const QString &peer, const QByteArray &forwardedFor, const QList<QHostAddress> &trusted);
