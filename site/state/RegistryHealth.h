#pragma once

#include "SharedState.h"

#include <QByteArray>

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>

// What the site knows of each registry server, by host: the time it asked not to be asked before (a 429 or 503
// with Retry-After, a whois server's "try again in N s"), kept on Redis where the site has it so that every
// instance obeys it; and a circuit breaker that rests a server that fails again and again (kFailures in a row:
// kRest seconds, then one question at a time until one is answered). Safe on any thread.
class RegistryHealth
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kFailures = 5;
    static constexpr int kRest = 30; // seconds
    static constexpr qint64 kLongestWait = 3600; // a registry's word is kept at most this long
    static constexpr std::chrono::seconds kProbe { 100 }; // a probe without an answer by then is over

    struct Turn
    {
        enum Kind {
            Ask, // ask it
            Limited, // it asked not to be asked before `seconds` from now
            Resting, // it failed again and again; asked again in `seconds`
        };
        Kind kind = Ask;
        qint64 seconds = 0;
    };

    // What the other instances heard of the host, taken from Redis into this instance's record; done is called
    // then (on the Redis thread), or at once without Redis.
    void hear(const std::string &host, std::function<void()> done);
    // Whether a question may go to the host now, as this instance knows it. While resting, the first question after the
    // rest is let through as the probe; the others wait for its answer.
    Turn turn(const std::string &host, Clock::time_point now);

    // What the host said or did: asked to wait (seconds; kept with a little jitter, so that instances do not all
    // come back at once), answered, or could not be asked (no connection, no complete answer).
    void limited(const std::string &host, qint64 seconds, Clock::time_point now);
    void answered(const std::string &host);
    void failed(const std::string &host, Clock::time_point now);

    // Kept on Redis under the prefix; this instance's own record stays the fallback.
    void share(SharedState *shared, const QByteArray &prefix)
    {
        m_shared = shared;
        m_prefix = prefix;
    }
    bool shared() const { return m_shared != nullptr; }

    // Each host's state for /metrics: quelcor_registry_state (0 asked, 1 limited, 2 resting, 3 probing) and the
    // seconds it is still limited or resting.
    QByteArray metrics(Clock::time_point now) const;

private:
    struct Host
    {
        Clock::time_point limitedUntil {};
        int failures = 0;
        Clock::time_point restingUntil {};
        Clock::time_point probedAt {}; // the probe after a rest, while its answer is awaited
        bool probing(Clock::time_point now) const { return probedAt != Clock::time_point() && now - probedAt < kProbe; }
    };

    SharedState *m_shared = nullptr;
    QByteArray m_prefix;
    mutable std::mutex m_mutex;
    std::map<std::string, Host> m_hosts;
};
