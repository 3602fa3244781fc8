#pragma once

#include <QByteArray>
#include <QMap>
#include <QMutex>
#include <QString>

#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <utility>

// The site's counters, in the Prometheus text format: requests by path and status, lookups by kind and
// outcome, lookups in flight and queued, connections open, and how long other servers took to answer.
// One set for the process, safe on any thread.
class Metrics
{
public:
    static Metrics &instance();

    void countRequest(const QByteArray &path, int status);
    // The counter of one path and status, for a caller that counts often: it stays where it is.
    std::atomic<quint64> &requestCounter(const QByteArray &path, int status);
    void countLookup(const QString &kind, const QString &outcome);
    std::atomic<quint64> &lookupCounter(const QString &kind, const QString &outcome);
    void observeUpstream(const char *protocol, double seconds); // "http" (RDAP and its bootstrap files) or "whois"

    std::atomic<int> lookupsInFlight { 0 };
    std::atomic<int> lookupsQueued { 0 };
    std::atomic<int> connectionsOpen { 0 };
    std::atomic<int> redisUp { -1 }; // -1: no Redis configured

    QByteArray text() const;
    // Lines of another part of the site for text() (the registries' states), made when asked.
    void setSection(std::function<QByteArray()> section);

private:
    static constexpr std::array<double, 10> kBuckets { 0.05, 0.1, 0.25, 0.5, 1, 2.5, 5, 10, 20, 30 };
    struct Histogram
    {
        std::array<quint64, kBuckets.size()> buckets {};
        quint64 count = 0;
        double sum = 0;
    };

    mutable QMutex m_mutex;
    std::map<std::pair<QByteArray, int>, std::atomic<quint64>> m_requests;
    std::map<std::pair<QString, QString>, std::atomic<quint64>> m_lookups;
    QMap<QByteArray, Histogram> m_upstream;
    std::function<QByteArray()> m_section;
};
