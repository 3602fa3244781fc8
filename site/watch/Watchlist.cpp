#include "Watchlist.h"

#include <algorithm>

namespace {

QByteArray sharedKey(const QString &name)
{
    return "quelcor:history:" + name.toUtf8();
}

constexpr int kAskedAgainSeconds = 300; // a re-check without an answer by then is asked again
constexpr int kMostAtOnce = 8; // re-checks the watcher has under way at once

} // namespace

Watchlist::Watchlist(Settings settings)
    : m_settings(settings)
    , m_requests(settings.requestsPerMinute / 60.0, qMax(settings.requestsPerMinute, 1))
{
}

double Watchlist::request(const std::string &client)
{
    return m_requests.take(client, TokenBuckets::Clock::now());
}

QStringList Watchlist::unwatched(const QStringList &names) const
{
    const std::lock_guard lock(m_mutex);
    QStringList found;
    for (const QString &name : names) {
        if (!m_names.contains(name))
            found.append(name);
    }
    return found;
}

Watchlist::Refusal Watchlist::room(const std::string &client, qsizetype count) const
{
    const std::lock_guard lock(m_mutex);
    return roomFor(client, count);
}

Watchlist::Refusal Watchlist::roomFor(const std::string &client, qsizetype count) const
{
    if (count == 0)
        return Refusal::None;
    const auto owned = m_perClient.find(client);
    if ((owned == m_perClient.end() ? 0 : owned->second) + count > m_settings.mostPerClient)
        return Refusal::ClientFull;
    if (m_names.size() + count > m_settings.mostNames)
        return Refusal::Full;
    return Refusal::None;
}

Watchlist::Refusal Watchlist::watch(const QStringList &names, const std::string &client, const QDateTime &now,
                                    const QStringList &lookingUp)
{
    QStringList unknown, renewed; // new here; asked for again after an hour or more
    {
        const std::lock_guard lock(m_mutex);
        qsizetype added = 0;
        for (const QString &name : names)
            added += m_names.contains(name) ? 0 : 1;
        if (const Refusal refusal = roomFor(client, added); refusal != Refusal::None)
            return refusal;
        for (const QString &name : names) {
            auto found = m_names.find(name);
            if (found == m_names.end()) {
                found = m_names.insert(name, Name {});
                found->client = client;
                ++m_perClient[client];
                unknown.append(name);
            } else if (found->asked.secsTo(now) >= 3600) {
                renewed.append(name);
            }
            found->asked = now;
            if (lookingUp.contains(name))
                found->askedAgain = now.addSecs(kAskedAgainSeconds);
        }
    }
    if (!m_shared)
        return Refusal::None;
    // Kept on Redis as long as the name is watched, counted from the last time any instance was asked for it.
    for (const QString &name : std::as_const(renewed))
        m_shared->expire(sharedKey(name), m_settings.keepDays * 86400);
    for (const QString &name : std::as_const(unknown)) {
        m_shared->get(sharedKey(name), [this, name](std::optional<QByteArray> bytes) {
            if (!bytes)
                return;
            const History kept = History::fromBytes(*bytes);
            const std::lock_guard lock(m_mutex);
            const auto found = m_names.find(name);
            if (found != m_names.end() && found->history.sightings.isEmpty())
                found->history = kept;
        });
        m_shared->expire(sharedKey(name), m_settings.keepDays * 86400);
    }
    return Refusal::None;
}

void Watchlist::saw(const LookupResult &result, const QDateTime &now)
{
    const std::optional<Sighting> sighting = Sighting::of(result, now);
    if (!sighting) {
        // A re-check the pace held back (visitors came first): due again when the pace allows.
        if (result.outcome == LookupResult::Outcome::RateLimited && result.retryAfterSeconds > 0) {
            const std::lock_guard lock(m_mutex);
            if (const auto found = m_names.find(result.query); found != m_names.end())
                found->askedAgain = now.addSecs(qMin<qint64>(result.retryAfterSeconds, kAskedAgainSeconds));
        }
        return;
    }
    QByteArray changed;
    qint64 keepSeconds = 0;
    std::function<void()> lookedUp;
    {
        const std::lock_guard lock(m_mutex);
        const auto found = m_names.find(result.query);
        if (found == m_names.end())
            return;
        found->checked = now;
        found->askedAgain = QDateTime();
        if (found->history.add(*sighting))
            changed = found->history.toBytes();
        keepSeconds = now.secsTo(found->asked.addDays(m_settings.keepDays));
        lookedUp = m_lookedUp;
    }
    if (lookedUp)
        lookedUp();
    if (m_shared && !changed.isEmpty() && keepSeconds > 0)
        m_shared->set(sharedKey(result.query), changed, int(keepSeconds));
}

History Watchlist::history(const QString &name) const
{
    const std::lock_guard lock(m_mutex);
    return m_names.value(name).history;
}

void Watchlist::onLookedUp(std::function<void()> lookedUp)
{
    const std::lock_guard lock(m_mutex);
    m_lookedUp = std::move(lookedUp);
}

qsizetype Watchlist::size() const
{
    const std::lock_guard lock(m_mutex);
    return m_names.size();
}

QDateTime Watchlist::dueAt(const Name &name) const
{
    if (name.askedAgain.isValid())
        return name.askedAgain;
    if (!name.checked.isValid() || name.history.sightings.isEmpty())
        return name.asked; // never seen: at once
    const Sighting &latest = name.history.sightings.last();
    int every = m_settings.recheckSeconds;
    const QDate expires = QDate::fromString(latest.expires, Qt::ISODate);
    const qint64 daysLeft = expires.isValid() ? name.checked.date().daysTo(expires) : 1000;
    if (latest.phase == Sighting::Phase::Grace || latest.phase == Sighting::Phase::Redemption
        || latest.phase == Sighting::Phase::PendingDelete || daysLeft <= 7)
        every = std::max(1, every / 24);
    else if (daysLeft <= 30)
        every = std::max(1, every / 4);
    return name.checked.addSecs(every);
}

QStringList Watchlist::due(const QDateTime &now, int most, QDateTime *next)
{
    QStringList names;
    *next = QDateTime();
    const std::lock_guard lock(m_mutex);
    for (auto it = m_names.begin(); it != m_names.end();) {
        if (it->asked.addDays(m_settings.keepDays) < now) { // nobody asks for it any more
            if (const auto owned = m_perClient.find(it->client); owned != m_perClient.end() && --owned->second <= 0)
                m_perClient.erase(owned);
            it = m_names.erase(it);
            continue;
        }
        const QDateTime at = dueAt(*it);
        if (at <= now && names.size() < most) {
            names.append(it.key());
            it->askedAgain = now.addSecs(kAskedAgainSeconds);
        } else if (!next->isValid() || (at > now ? at : now.addSecs(1)) < *next) {
            *next = at > now ? at : now.addSecs(1);
        }
        ++it;
    }
    return names;
}

void Watchlist::notTaken(const QString &name, const QDateTime &now)
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_names.find(name);
    if (found != m_names.end())
        found->askedAgain = now.addSecs(1);
}

Watcher::Watcher(Watchlist &watchlist, LookupPool &pool)
    : m_watchlist(watchlist)
    , m_pool(pool)
    , m_thread([this] { run(); })
{
    m_watchlist.onLookedUp([this] { wake(); });
}

Watcher::~Watcher()
{
    stop();
}

void Watcher::wake()
{
    {
        const std::lock_guard lock(m_mutex);
        m_wake = true;
    }
    m_woken.notify_one();
}

void Watcher::stop()
{
    m_watchlist.onLookedUp({});
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_woken.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void Watcher::run()
{
    for (;;) {
        QDateTime next;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const QString &name : m_watchlist.due(now, kMostAtOnce, &next)) {
            auto job = std::make_shared<LookupPool::Job>();
            job->query = Query::fromInput(name);
            job->client = "watch"; // the site's own: counted in no client's budget
            job->recheck = true;
            if (m_pool.submit(job) != LookupPool::Admission::Accepted)
                m_watchlist.notTaken(name, now);
        }
        std::unique_lock lock(m_mutex);
        const auto wait = next.isValid() ? std::chrono::milliseconds(std::max<qint64>(now.msecsTo(next), 1000))
                                         : std::chrono::milliseconds(3'600'000);
        m_woken.wait_for(lock, wait, [this] { return m_stopping || m_wake; });
        if (m_stopping)
            return;
        m_wake = false;
    }
}
