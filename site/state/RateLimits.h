#pragma once

#include "SharedState.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

#include <chrono>
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
    // wait before using it. A longer wait is returned with nothing taken, so that refusals build no debt.
    double reserve(const std::string &key, Clock::time_point now, double maxWait);

    // Kept on Redis under the prefix, so that every instance counts the same; this instance's own buckets
    // stay the fallback when Redis cannot be asked.
    void share(SharedState *shared, const QByteArray &prefix)
    {
        m_shared = shared;
        m_prefix = prefix;
    }

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

// The client a request is for: the peer's address, or, when the peer is a proxy named as trusted, the last
// address in X-Forwarded-For that is not itself a trusted proxy. A header from anyone else is ignored, so a
// client cannot choose the address it is limited by.
QString clientAddress(const QString &peer, const QByteArray &forwardedFor, const QList<QHostAddress> &trusted);
