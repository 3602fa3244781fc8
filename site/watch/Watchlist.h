#pragma once

#include "Watch.h"
#include "lookup/LookupPool.h"
#include "state/RateLimits.h"
#include "state/SharedState.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <unordered_map>

// The names the site watches, and what it has seen of each: a name a calendar, a feed or a history asked for is
// watched for keepDays after it was last asked for; each lookup of it (the visitors' and the site's own re-checks)
// adds to its history when something changed. Bounded: at most mostNames names, and at most mostPerClient of them
// brought by one client (an IPv6 client by its /64); a name more is refused, never one of another's pushed out.
// Histories are kept on Redis too, where the site has it, so that every instance tells the same, for as long as
// the name is watched. Safe on any thread.
class Watchlist
{
public:
    struct Settings
    {
        int mostNames = 10000; // watched at once
        int mostPerClient = 200; // of those, brought to the list by one client
        int mostPerSet = 50; // names in one calendar or feed
        int recheckSeconds = 86400; // between re-checks of a name; a quarter of it within 30 days of its expiry,
                                    // a 24th within 7 days or while it is leaving
        int keepDays = 60; // a name nobody asked for this long is no longer watched
        int requestsPerMinute = 20; // calendars, feeds and histories one client may ask for (as many at once)
    };
    enum class Refusal { None, Full, ClientFull };
    explicit Watchlist(Settings settings);
    const Settings &settings() const { return m_settings; }
    void share(SharedState *shared) { m_shared = shared; }

    // A request of the client for a calendar, a feed or a history: 0 when its budget allows it, else the seconds
    // until it does.
    double request(const std::string &client);
    // Of the names, those not watched yet.
    QStringList unwatched(const QStringList &names) const;
    // Whether that many names more could be watched for the client now.
    Refusal room(const std::string &client, qsizetype count) const;
    // Names the client asks for now: watched from now on (their histories fetched from Redis where this instance
    // has none). The new ones count as the client's; those in lookingUp have their first lookup under way, which
    // the watcher does not repeat. Nothing is watched when the new ones do not fit: the refusal then.
    Refusal watch(const QStringList &names, const std::string &client, const QDateTime &now,
                  const QStringList &lookingUp = {});
    // What a lookup saw, recorded for a watched name.
    void saw(const LookupResult &result, const QDateTime &now);
    History history(const QString &name) const;
    // The watched names due for a re-check, at most `most`, marked as asked; *next: when the next falls due
    // (invalid when none is watched).
    QStringList due(const QDateTime &now, int most, QDateTime *next);
    // A re-check the lookup pool could not take now (busy, or the watch's share of it under way): due again in a
    // second.
    void notTaken(const QString &name, const QDateTime &now);
    qsizetype size() const;
    // Called (on any thread) when a watched name was looked up, so that whoever waits for the next one due learns
    // its new time.
    void onLookedUp(std::function<void()> lookedUp);

private:
    struct Name
    {
        History history;
        QDateTime asked; // when a calendar, feed or history last asked for it
        QDateTime checked; // when a lookup last answered for it
        QDateTime askedAgain; // a re-check under way: not asked again before then
        std::string client; // who brought it to the list
    };
    QDateTime dueAt(const Name &name) const; // with m_mutex held
    Refusal roomFor(const std::string &client, qsizetype count) const; // with m_mutex held

    const Settings m_settings;
    SharedState *m_shared = nullptr;
    mutable std::mutex m_mutex;
    QHash<QString, Name> m_names;
    std::unordered_map<std::string, int> m_perClient; // the names each client brought, still watched
    TokenBuckets m_requests;
    std::function<void()> m_lookedUp;
};

// Re-checks the watched names as they fall due, through the lookup pool (asked afresh, not from the cache, and
// paced towards each registry with the share of its pace that visitors leave), on a thread of its own that sleeps
// until the next is due.
class Watcher
{
public:
    Watcher(Watchlist &watchlist, LookupPool &pool);
    ~Watcher(); // stop()
    void wake(); // a name was watched: it may be due now
    void stop();

private:
    void run();

    Watchlist &m_watchlist;
    LookupPool &m_pool;
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_stopping = false, m_wake = false;
    std::thread m_thread;
};
