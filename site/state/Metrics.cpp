#include "Metrics.h"

#include <QMutexLocker>

Metrics &Metrics::instance()
{
    static Metrics metrics;
    return metrics;
}

void Metrics::countRequest(const QByteArray &path, int status)
{
    ++requestCounter(path, status);
}

std::atomic<quint64> &Metrics::requestCounter(const QByteArray &path, int status)
{
    const QMutexLocker lock(&m_mutex);
    return m_requests[std::make_pair(path, status)];
}

void Metrics::countLookup(const QString &kind, const QString &outcome)
{
    ++lookupCounter(kind, outcome);
}

std::atomic<quint64> &Metrics::lookupCounter(const QString &kind, const QString &outcome)
{
    const QMutexLocker lock(&m_mutex);
    return m_lookups[std::make_pair(kind, outcome)];
}

void Metrics::observeUpstream(const char *protocol, double seconds)
{
    const QMutexLocker lock(&m_mutex);
    Histogram &histogram = m_upstream[QByteArray(protocol)];
    for (std::size_t i = 0; i < kBuckets.size(); ++i) {
        if (seconds <= kBuckets[i])
            ++histogram.buckets[i];
    }
    ++histogram.count;
    histogram.sum += seconds;
}

void Metrics::setSection(std::function<QByteArray()> section)
{
    const QMutexLocker lock(&m_mutex);
    m_section = std::move(section);
}

QByteArray Metrics::text() const
{
    const QMutexLocker lock(&m_mutex);
    QByteArray out = m_section ? m_section() : QByteArray();
    out += "# HELP quelcor_requests_total HTTP requests answered, by path and status.\n"
           "# TYPE quelcor_requests_total counter\n";
    for (const auto &[key, count] : m_requests)
        if (count > 0)
            out += "quelcor_requests_total{path=\"" + key.first + "\",status=\"" + QByteArray::number(key.second)
                + "\"} " + QByteArray::number(count.load()) + '\n';
    out += "# HELP quelcor_lookups_total Lookups finished, by kind and outcome.\n"
           "# TYPE quelcor_lookups_total counter\n";
    for (const auto &[key, count] : m_lookups)
        if (count > 0)
            out += "quelcor_lookups_total{kind=\"" + key.first.toUtf8() + "\",outcome=\"" + key.second.toUtf8() + "\"} "
                + QByteArray::number(count.load()) + '\n';
    out += "# HELP quelcor_lookups_in_flight Lookups asking other servers now.\n"
           "# TYPE quelcor_lookups_in_flight gauge\n"
           "quelcor_lookups_in_flight "
        + QByteArray::number(lookupsInFlight.load()) + '\n';
    out += "# HELP quelcor_lookups_queued Lookups waiting for a worker.\n"
           "# TYPE quelcor_lookups_queued gauge\n"
           "quelcor_lookups_queued "
        + QByteArray::number(lookupsQueued.load()) + '\n';
    out += "# HELP quelcor_connections_open Client connections open.\n"
           "# TYPE quelcor_connections_open gauge\n"
           "quelcor_connections_open "
        + QByteArray::number(connectionsOpen.load()) + '\n';
    if (redisUp.load() >= 0)
        out += "# HELP quelcor_redis_up Whether the shared state on Redis answered the last time it was asked.\n"
               "# TYPE quelcor_redis_up gauge\n"
               "quelcor_redis_up "
            + QByteArray::number(redisUp.load()) + '\n';
    out += "# HELP quelcor_upstream_seconds How long a question to another server took, by protocol.\n"
           "# TYPE quelcor_upstream_seconds histogram\n";
    for (auto it = m_upstream.cbegin(); it != m_upstream.cend(); ++it) {
        const QByteArray label = "protocol=\"" + it.key() + '"';
        for (std::size_t i = 0; i < kBuckets.size(); ++i)
            out += "quelcor_upstream_seconds_bucket{" + label + ",le=\"" + QByteArray::number(kBuckets[i]) + "\"} "
                + QByteArray::number(it.value().buckets[i]) + '\n';
        out += "quelcor_upstream_seconds_bucket{" + label + ",le=\"+Inf\"} " + QByteArray::number(it.value().count)
            + '\n';
        out += "quelcor_upstream_seconds_sum{" + label + "} " + QByteArray::number(it.value().sum) + '\n';
        out += "quelcor_upstream_seconds_count{" + label + "} " + QByteArray::number(it.value().count) + '\n';
    }
    return out;
}
