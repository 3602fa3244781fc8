#include "ResultCache.h"

#include <QMutexLocker>

namespace {

QByteArray sharedKey(const QString &key)
{
    return "quelcor:result:" + key.toUtf8();
}

} // namespace

std::optional<ResultCache::Kept> ResultCache::find(const QString &key, const QDateTime &now)
{
    const QMutexLocker lock(&m_mutex);
    const auto found = m_index.constFind(key);
    if (found == m_index.constEnd())
        return std::nullopt;
    const std::list<Entry>::iterator entry = found.value();
    if (entry->expires <= now) {
        drop(entry);
        return std::nullopt;
    }
    m_entries.splice(m_entries.begin(), m_entries, entry);
    return Kept { entry->bytes, entry->decoded, qMax<qint64>(entry->stored.secsTo(now), 0) };
}

void ResultCache::askShared(const QString &key, SharedState::Got done) const
{
    if (!m_shared)
        return done(std::nullopt);
    m_shared->get(sharedKey(key), std::move(done));
}

void ResultCache::store(const QString &key, const QByteArray &bytes, int seconds, const QDateTime &now,
                        std::shared_ptr<const void> decoded)
{
    if (seconds <= 0)
        return;
    if (m_shared)
        m_shared->set(sharedKey(key), bytes, seconds);
    const qint64 size = 256 + bytes.size() + 2 * key.size(); // the entry, its index and the bytes
    if (size > m_settings.maxBytes)
        return;
    const QMutexLocker lock(&m_mutex);
    if (const auto old = m_index.constFind(key); old != m_index.constEnd())
        drop(old.value());
    m_entries.push_front(Entry { key, bytes, std::move(decoded), now, now.addSecs(seconds), size });
    m_index.insert(key, m_entries.begin());
    m_bytes += size;
    while (m_bytes > m_settings.maxBytes && !m_entries.empty())
        drop(std::prev(m_entries.end()));
    // Those past their time go as they reach the least recently used end, a few at each store, so that the memory
    // held follows what is still fresh instead of filling the whole budget.
    for (int i = 0; i < 8 && !m_entries.empty() && m_entries.back().expires <= now; ++i)
        drop(std::prev(m_entries.end()));
}

qint64 ResultCache::bytes() const
{
    const QMutexLocker lock(&m_mutex);
    return m_bytes;
}

void ResultCache::drop(std::list<Entry>::iterator entry)
{
    m_bytes -= entry->size;
    m_index.remove(entry->key);
    m_entries.erase(entry);
}
