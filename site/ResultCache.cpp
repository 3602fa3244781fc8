#include "ResultCache.h"

#include <QDataStream>
#include <QMutexLocker>

namespace {

qint64 sizeOf(const LookupResult &result)
{
    qint64 bytes = 512 + 2 * (result.message.size() + result.query.size() + result.name.size());
    for (const SourceRecord &record : result.records)
        bytes += 2 * (record.text.size() + record.source.size());
    for (const QString &note : result.notes)
        bytes += 2 * note.size();
    return bytes;
}

QByteArray sharedKey(const QString &key)
{
    return "quelcor:result:" + key.toUtf8();
}

constexpr quint32 kFormat = 1;

} // namespace

QByteArray ResultCache::serialised(const LookupResult &r, const QDateTime &stored)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kFormat << stored.toMSecsSinceEpoch() << int(r.outcome) << int(r.kind) << r.query << r.message
        << r.retryAfterSeconds << r.maxAgeSeconds << r.name << r.registrar << r.statuses << r.registered << r.expires
        << r.lastChanged << r.nameServers << r.range << r.type << r.country << r.holder << r.abuse << r.notes << r.asked
        << qint32(r.records.size());
    for (const SourceRecord &record : r.records)
        out << record.source << record.text << record.cut;
    return bytes;
}

std::optional<LookupResult> ResultCache::deserialised(const QByteArray &bytes, const QDateTime &now)
{
    QDataStream in(bytes);
    quint32 format = 0;
    qint64 stored = 0;
    int outcome = 0, kind = 0;
    qint32 records = 0;
    LookupResult r;
    in >> format;
    if (format != kFormat)
        return std::nullopt;
    in >> stored >> outcome >> kind >> r.query >> r.message >> r.retryAfterSeconds >> r.maxAgeSeconds >> r.name
        >> r.registrar >> r.statuses >> r.registered >> r.expires >> r.lastChanged >> r.nameServers >> r.range >> r.type
        >> r.country >> r.holder >> r.abuse >> r.notes >> r.asked >> records;
    for (qint32 i = 0; i < records && in.status() == QDataStream::Ok; ++i) {
        SourceRecord record;
        in >> record.source >> record.text >> record.cut;
        r.records.append(record);
    }
    if (in.status() != QDataStream::Ok || outcome < 0 || outcome > int(LookupResult::Outcome::Failed) || kind < 0
        || kind > int(Query::Kind::AsNumber))
        return std::nullopt;
    r.outcome = LookupResult::Outcome(outcome);
    r.kind = Query::Kind(kind);
    r.cachedAgeSeconds = qMax<qint64>(QDateTime::fromMSecsSinceEpoch(stored, Qt::UTC).secsTo(now), 0);
    return r;
}

int ResultCache::lifetime(const LookupResult &result) const
{
    int seconds = 0;
    switch (result.outcome) {
    case LookupResult::Outcome::Found:
        seconds = m_settings.foundSeconds;
        break;
    case LookupResult::Outcome::NotRegistered:
        seconds = m_settings.notRegisteredSeconds;
        break;
    case LookupResult::Outcome::NoService:
        seconds = m_settings.noServiceSeconds;
        break;
    default: // refused and special ones ask nobody; failures and rate limits are never kept
        return 0;
    }
    if (result.maxAgeSeconds >= 0)
        seconds = qMin(seconds, result.maxAgeSeconds);
    // A record cut short or with a part missing is kept for less.
    if (!result.notes.isEmpty())
        seconds = qMin(seconds, m_settings.notRegisteredSeconds);
    return qMax(seconds, 0);
}

std::optional<LookupResult> ResultCache::find(const QString &key, const QDateTime &now)
{
    if (m_shared) {
        if (const std::optional<QByteArray> bytes = m_shared->get(sharedKey(key))) {
            if (std::optional<LookupResult> result = deserialised(*bytes, now))
                return result;
        }
    }
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
    LookupResult result = entry->result;
    result.cachedAgeSeconds = qMax<qint64>(entry->stored.secsTo(now), 0);
    return result;
}

void ResultCache::store(const QString &key, const LookupResult &result, const QDateTime &now)
{
    const int seconds = lifetime(result);
    const qint64 bytes = sizeOf(result);
    if (seconds <= 0)
        return;
    if (m_shared)
        m_shared->set(sharedKey(key), serialised(result, now), seconds);
    if (bytes > m_settings.maxBytes)
        return;
    const QMutexLocker lock(&m_mutex);
    if (const auto old = m_index.constFind(key); old != m_index.constEnd())
        drop(old.value());
    m_entries.push_front(Entry { key, result, now, now.addSecs(seconds), bytes });
    m_entries.front().result.cachedAgeSeconds = -1;
    m_index.insert(key, m_entries.begin());
    m_bytes += bytes;
    while (m_bytes > m_settings.maxBytes && !m_entries.empty())
        drop(std::prev(m_entries.end()));
}

qint64 ResultCache::bytes() const
{
    const QMutexLocker lock(&m_mutex);
    return m_bytes;
}

void ResultCache::drop(std::list<Entry>::iterator entry)
{
    m_bytes -= entry->bytes;
    m_index.remove(entry->key);
    m_entries.erase(entry);
}
