#include "RegistryHealth.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {

qint64 secondsUntil(RegistryHealth::Clock::time_point until, RegistryHealth::Clock::time_point now)
{
    return qint64(std::ceil(std::chrono::duration<double>(until - now).count()));
}

} // namespace

void RegistryHealth::hear(const std::string &host, std::function<void()> done)
{
    if (!m_shared)
        return done();
    m_shared->get(m_prefix + QByteArray::fromStdString(host),
                  [this, host, done = std::move(done)](std::optional<QByteArray> shared) {
                      const qint64 left
                          = shared ? (shared->toLongLong() - QDateTime::currentMSecsSinceEpoch() + 999) / 1000 : 0;
                      if (left > 0) {
                          const std::lock_guard lock(m_mutex);
                          Host &record = m_hosts[host];
                          record.limitedUntil
                              = std::max(record.limitedUntil, Clock::now() + std::chrono::seconds(left));
                      }
                      done();
                  });
}

RegistryHealth::Turn RegistryHealth::turn(const std::string &host, Clock::time_point now)
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_hosts.find(host);
    if (found == m_hosts.end())
        return Turn();
    Host &record = found->second;
    if (record.limitedUntil > now)
        return Turn { Turn::Limited, secondsUntil(record.limitedUntil, now) };
    if (record.failures >= kFailures) {
        if (record.restingUntil > now || record.probing(now))
            return Turn { Turn::Resting, std::max<qint64>(1, secondsUntil(record.restingUntil, now)) };
        record.probedAt = now; // the rest is over: this question finds out
    }
    return Turn();
}

void RegistryHealth::limited(const std::string &host, qint64 seconds, Clock::time_point now)
{
    seconds = std::clamp<qint64>(seconds, 1, kLongestWait);
    const double jitter = QRandomGenerator::global()->bounded(std::min(10.0, 0.1 * double(seconds)) + 0.001);
    const auto until = now + std::chrono::milliseconds(qint64((double(seconds) + jitter) * 1000));
    {
        const std::lock_guard lock(m_mutex);
        Host &record = m_hosts[host];
        record.limitedUntil = std::max(record.limitedUntil, until);
    }
    if (m_shared) {
        const qint64 wallUntil = QDateTime::currentMSecsSinceEpoch() + qint64((double(seconds) + jitter) * 1000);
        m_shared->set(m_prefix + QByteArray::fromStdString(host), QByteArray::number(wallUntil), int(seconds) + 11);
    }
}

void RegistryHealth::answered(const std::string &host)
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_hosts.find(host);
    if (found == m_hosts.end())
        return;
    found->second.failures = 0;
    found->second.probedAt = {};
}

void RegistryHealth::failed(const std::string &host, Clock::time_point now)
{
    const std::lock_guard lock(m_mutex);
    Host &record = m_hosts[host];
    record.probedAt = {};
    if (++record.failures >= kFailures)
        record.restingUntil = now + std::chrono::seconds(kRest);
}

QByteArray RegistryHealth::metrics(Clock::time_point now) const
{
    const std::lock_guard lock(m_mutex);
    QByteArray state = "# HELP quelcor_registry_state A registry server as the site treats it: 0 asked, 1 limited by "
                       "its own word, 2 resting after failures, 3 probed after its rest.\n"
                       "# TYPE quelcor_registry_state gauge\n";
    QByteArray seconds = "# HELP quelcor_registry_wait_seconds Seconds a registry server is still limited or resting.\n"
                         "# TYPE quelcor_registry_wait_seconds gauge\n";
    for (const auto &[host, record] : m_hosts) {
        const bool limited = record.limitedUntil > now;
        const bool resting = record.failures >= kFailures && record.restingUntil > now;
        const int value = limited ? 1 : resting ? 2 : record.probing(now) ? 3 : 0;
        const QByteArray label = "{registry=\"" + QByteArray::fromStdString(host) + "\"} ";
        state += "quelcor_registry_state" + label + QByteArray::number(value) + '\n';
        const qint64 left = limited ? secondsUntil(record.limitedUntil, now)
            : resting               ? secondsUntil(record.restingUntil, now)
                                    : 0;
        seconds += "quelcor_registry_wait_seconds" + label + QByteArray::number(left) + '\n';
    }
    return state + seconds;
}
