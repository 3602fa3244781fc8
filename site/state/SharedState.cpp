#include "SharedState.h"

#include "Log.h"
#include "Metrics.h"

#include <hiredis/hiredis.h>

#include <memory>

namespace {

constexpr timeval kConnectTimeout { 0, 200'000 };
constexpr timeval kCommandTimeout { 0, 200'000 };
constexpr std::chrono::seconds kRetryAfter { 1 };

// A token bucket as a hash {tokens, at}: refilled at ARGV[1] a second up to ARGV[2]. A token is taken when
// the wait for it is at most ARGV[3] milliseconds (into debt, for a question asked later); returns that wait
// (0: at once), or, when it is longer, the wait with nothing taken.
const char kBucketScript[] = R"(
local now = redis.call('TIME')
local nowMs = tonumber(now[1]) * 1000 + math.floor(tonumber(now[2]) / 1000)
local rate = tonumber(ARGV[1]) / 1000
local burst = tonumber(ARGV[2])
local state = redis.call('HMGET', KEYS[1], 'tokens', 'at')
local tokens = tonumber(state[1]) or burst
local at = tonumber(state[2]) or nowMs
tokens = math.min(burst, tokens + math.max(0, nowMs - at) * rate)
local wait = math.ceil(math.max(0, 1 - tokens) / rate)
if wait <= tonumber(ARGV[3]) then
  tokens = tokens - 1
end
redis.call('HSET', KEYS[1], 'tokens', tostring(tokens), 'at', tostring(nowMs))
redis.call('PEXPIRE', KEYS[1], math.ceil((burst - tokens) / rate) + 1000)
return wait
)";

} // namespace

struct SharedState::Reply
{
    std::unique_ptr<redisReply, void (*)(void *)> reply { nullptr, freeReplyObject };
    bool ok() const { return reply && reply->type != REDIS_REPLY_ERROR; }
};

SharedState::SharedState(const QUrl &url)
    : m_host(url.host().isEmpty() ? QStringLiteral("127.0.0.1") : url.host())
    , m_port(url.port(6379))
    , m_database(url.path().mid(1).toInt())
{
    const std::lock_guard lock(m_mutex);
    connected();
}

SharedState::~SharedState()
{
    if (m_context)
        redisFree(m_context);
}

bool SharedState::up() const
{
    const std::lock_guard lock(m_mutex);
    return m_up;
}

void SharedState::lost(const char *reason)
{
    const std::string why = reason; // it may be the context's own text, freed below
    if (m_context) {
        redisFree(m_context);
        m_context = nullptr;
    }
    m_up = false;
    Metrics::instance().redisUp = 0;
    m_nextTry = std::chrono::steady_clock::now() + kRetryAfter;
    if (!m_saidDown) {
        m_saidDown = true;
        Log::line(
            QStringLiteral("quelcor-site: Redis at %1:%2 cannot be reached (%3); serving with this instance's own "
                           "memory")
                .arg(m_host)
                .arg(m_port)
                .arg(QString::fromStdString(why))
                .toStdString());
    }
}

bool SharedState::connected()
{
    if (m_context)
        return true;
    if (std::chrono::steady_clock::now() < m_nextTry)
        return false;
    m_context = redisConnectWithTimeout(m_host.toUtf8().constData(), m_port, kConnectTimeout);
    if (!m_context || m_context->err) {
        lost(m_context ? m_context->errstr : "no memory");
        return false;
    }
    redisSetTimeout(m_context, kCommandTimeout);
    if (m_database != 0) {
        const QByteArray select = QByteArray::number(m_database);
        const char *argv[] = { "SELECT", select.constData() };
        const size_t lengths[] = { 6, size_t(select.size()) };
        Reply reply { { static_cast<redisReply *>(redisCommandArgv(m_context, 2, argv, lengths)), freeReplyObject } };
        if (!reply.ok()) {
            lost("SELECT failed");
            return false;
        }
    }
    m_up = true;
    Metrics::instance().redisUp = 1;
    if (m_saidDown) {
        m_saidDown = false;
        Log::line(QStringLiteral("quelcor-site: Redis at %1:%2 is back; results and limits are shared again")
                      .arg(m_host)
                      .arg(m_port)
                      .toStdString());
    }
    return true;
}

SharedState::Reply SharedState::command(int argc, const char **argv, const size_t *lengths)
{
    Reply reply;
    if (!connected())
        return reply;
    reply.reply.reset(static_cast<redisReply *>(redisCommandArgv(m_context, argc, argv, lengths)));
    if (!reply.reply)
        lost(m_context->errstr);
    return reply;
}

std::optional<QByteArray> SharedState::get(const QByteArray &key, bool *asked)
{
    const std::lock_guard lock(m_mutex);
    const char *argv[] = { "GET", key.constData() };
    const size_t lengths[] = { 3, size_t(key.size()) };
    const Reply reply = command(2, argv, lengths);
    if (asked)
        *asked = reply.ok();
    if (!reply.ok() || reply.reply->type != REDIS_REPLY_STRING)
        return std::nullopt;
    return QByteArray(reply.reply->str, qsizetype(reply.reply->len));
}

void SharedState::set(const QByteArray &key, const QByteArray &value, int seconds)
{
    const std::lock_guard lock(m_mutex);
    const QByteArray ttl = QByteArray::number(seconds);
    const char *argv[] = { "SET", key.constData(), value.constData(), "EX", ttl.constData() };
    const size_t lengths[] = { 3, size_t(key.size()), size_t(value.size()), 2, size_t(ttl.size()) };
    command(5, argv, lengths);
}

std::optional<double> SharedState::bucket(const QByteArray &key, double perSecond, double burst, double maxWait)
{
    const std::lock_guard lock(m_mutex);
    const QByteArray rate = QByteArray::number(perSecond, 'g', 12), size = QByteArray::number(burst, 'g', 12),
                     longest = QByteArray::number(qint64(maxWait * 1000));
    const char *argv[]
        = { "EVAL", kBucketScript, "1", key.constData(), rate.constData(), size.constData(), longest.constData() };
    const size_t lengths[] = { 4,
                               sizeof kBucketScript - 1,
                               1,
                               size_t(key.size()),
                               size_t(rate.size()),
                               size_t(size.size()),
                               size_t(longest.size()) };
    const Reply reply = command(7, argv, lengths);
    if (!reply.ok() || reply.reply->type != REDIS_REPLY_INTEGER)
        return std::nullopt;
    return double(reply.reply->integer) / 1000;
}
