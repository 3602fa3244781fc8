#pragma once

#include "Lookup.h"
#include "SharedState.h"

#include <QDateTime>
#include <QHash>
#include <QMutex>

#include <list>
#include <optional>

// Finished lookups kept for a while, so that a registry is not asked again for what it answered a minute
// ago: a record found for longer, an answer that a name is not registered for less, failures and rate
// limits never. Bounded by bytes, the least recently used going first. Safe on any thread.
class ResultCache
{
public:
    struct Settings
    {
        qint64 maxBytes = 64 << 20;
        int foundSeconds = 600;
        int notRegisteredSeconds = 120;
        int noServiceSeconds = 3600;
    };

    explicit ResultCache(Settings settings)
        : m_settings(settings)
    {
    }

    // The result kept for the key, with its age in cachedAgeSeconds; no value when none is fresh.
    std::optional<LookupResult> find(const QString &key, const QDateTime &now);
    // Keeps a result for as long as its outcome allows (and no longer than an RDAP answer's own max-age).
    void store(const QString &key, const LookupResult &result, const QDateTime &now);

    // Seconds a result may be kept; 0 when it may not.
    int lifetime(const LookupResult &result) const;
    qint64 bytes() const;

    // Kept on Redis too, so that every instance sees what one found; this instance's memory stays the
    // fallback when Redis cannot be asked.
    void share(SharedState *shared) { m_shared = shared; }

    // A result as bytes, and back (for Redis); no value for bytes that are not one.
    static QByteArray serialised(const LookupResult &result, const QDateTime &stored);
    static std::optional<LookupResult> deserialised(const QByteArray &bytes, const QDateTime &now);

private:
    struct Entry
    {
        QString key;
        LookupResult result;
        QDateTime stored;
        QDateTime expires;
        qint64 bytes = 0;
    };

    void drop(std::list<Entry>::iterator entry); // with m_mutex held

    const Settings m_settings;
    SharedState *m_shared = nullptr;
    mutable QMutex m_mutex;
    std::list<Entry> m_entries; // most recently used first
    QHash<QString, std::list<Entry>::iterator> m_index;
    qint64 m_bytes = 0;
};
