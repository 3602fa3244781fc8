#pragma once

#include "SharedState.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>

#include <list>
#include <memory>
#include <optional>

// Finished lookups kept for a while, as bytes, so that a registry is not asked again for what it answered a
// minute ago. Bounded by bytes, the least recently used going first. Safe on any thread. How long a result may
// be kept is the lookup's to say; the settings give the lifetimes it chooses from.
class ResultCache
{
public:
    struct Settings
    {
        qint64 maxBytes = 64 << 20;
        int foundSeconds = 600; // a record found
        int notRegisteredSeconds = 120; // an answer that a name is not registered, or a record with a part missing
        int noServiceSeconds = 3600; // no lookup service for the question
    };

    explicit ResultCache(Settings settings)
        : m_settings(settings)
    {
    }

    const Settings &settings() const { return m_settings; }

    // What is kept for a key: its bytes, and in this instance's memory also the caller's own decoded form of them
    // (whose type the caller knows), so that a result kept here is not decoded again at each use.
    struct Kept
    {
        QByteArray bytes;
        std::shared_ptr<const void> decoded; // null when the bytes came from Redis
        qint64 ageSeconds = 0; // with decoded: how long ago it was kept
    };

    // What this instance keeps for the key; no value when nothing fresh is.
    std::optional<Kept> find(const QString &key, const QDateTime &now);
    // What another instance kept for the key on Redis, as bytes; done is called on the Redis thread (at once, with
    // nothing, without Redis).
    bool shared() const { return m_shared != nullptr; }
    void askShared(const QString &key, SharedState::Got done) const;
    // Keeps the bytes (and their decoded form) for the given time, which must be positive.
    void store(const QString &key, const QByteArray &bytes, int seconds, const QDateTime &now,
               std::shared_ptr<const void> decoded = {});

    qint64 bytes() const;

    // Kept on Redis too (not waited for), so that every instance can see what one found; this instance's memory
    // stays the fallback when Redis cannot be asked.
    void share(SharedState *shared) { m_shared = shared; }

private:
    struct Entry
    {
        QString key;
        QByteArray bytes;
        std::shared_ptr<const void> decoded;
        QDateTime stored;
        QDateTime expires;
        qint64 size = 0;
    };

    void drop(std::list<Entry>::iterator entry); // with m_mutex held

    const Settings m_settings;
    SharedState *m_shared = nullptr;
    mutable QMutex m_mutex;
    std::list<Entry> m_entries; // most recently used first
    QHash<QString, std::list<Entry>::iterator> m_index;
    qint64 m_bytes = 0;
};
