#include "SharedState.h"

#include "Log.h"
#include "Metrics.h"

#include <hiredis/hiredis.h>

#include <QHostAddress>

#include <memory>
#include <string_view>
#include <vector>

#include <sys/socket.h>

namespace {

constexpr timeval kConnectTimeout { 0, 200'000 };
constexpr timeval kCommandTimeout { 0, 200'000 };
constexpr std::chrono::seconds kRetryAfter { 1 };

// Token buckets, each a hash {tokens, at} (KEYS), refilled at ARGV[3i-1] a second up to ARGV[3i], ARGV[3i+1] of
// them kept for others. A token is taken from each when the longest wait for one is at most ARGV[1] milliseconds
// (into debt, for a question asked later), and from none otherwise; returns that wait (0: at once) and the
// thousandths of tokens left in each.
const char kBucketScript[] = R"(
local now = redis.call('TIME')
local nowMs = tonumber(now[1]) * 1000 + math.floor(tonumber(now[2]) / 1000)
local wait = 0
local buckets = {}
for i, key in ipairs(KEYS) do
  local rate = tonumber(ARGV[3 * i - 1]) / 1000
  local burst = tonumber(ARGV[3 * i])
  local keep = tonumber(ARGV[3 * i + 1])
  local state = redis.call('HMGET', key, 'tokens', 'at')
  local tokens = tonumber(state[1]) or burst
  local at = tonumber(state[2]) or nowMs
  tokens = math.min(burst, tokens + math.max(0, nowMs - at) * rate)
  wait = math.max(wait, math.ceil(math.max(0, 1 + keep - tokens) / rate))
  buckets[i] = { tokens, rate, burst }
end
local answer = { wait }
for i, key in ipairs(KEYS) do
  local tokens, rate, burst = buckets[i][1], buckets[i][2], buckets[i][3]
  if wait <= tonumber(ARGV[1]) then
    tokens = tokens - 1
  end
  redis.call('HSET', key, 'tokens', tostring(tokens), 'at', tostring(nowMs))
  redis.call('PEXPIRE', key, math.ceil((burst - tokens) / rate) + 1000)
  answer[i + 1] = math.floor(tokens * 1000)
end
return answer
)";

} // namespace

struct SharedState::Reply
{
    std::unique_ptr<redisReply, void (*)(void *)> reply { nullptr, freeReplyObject };
    bool ok() const { return reply && reply->type != REDIS_REPLY_ERROR; }

    // One command on a connection, its reply owned.
    static Reply of(redisContext *context, int argc, const char **argv, const size_t *lengths)
    {
        return { { static_cast<redisReply *>(redisCommandArgv(context, argc, argv, lengths)), freeReplyObject } };
    }
};

SharedState::SharedState(const QUrl &url)
    : SharedState(Place { { url.host().isEmpty() ? QStringLiteral("127.0.0.1") : url.host(), quint16(url.port(6379)) },
                          url.path().mid(1).toInt(),
                          {},
                          {} })
{
}

SharedState::SharedState(Place place)
    : m_place(std::move(place))
    , m_server(m_place.redis)
{
    m_thread = std::thread([this] { serve(); });
}

SharedState::~SharedState()
{
    stop();
}

void SharedState::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
        m_stopping = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    if (m_context) {
        redisFree(m_context);
        m_context = nullptr;
    }
}

void SharedState::put(Call call)
{
    {
        std::unique_lock lock(m_mutex);
        const bool gone = m_gone && std::chrono::steady_clock::now() < m_nextTry;
        if (!m_stopping && !gone && m_queue.size() < kMostQueued) {
            m_queue.push_back(std::move(call));
            lock.unlock();
            m_wake.notify_one();
            return;
        }
    }
    if (call.done)
        call.done(nullptr);
}

void SharedState::serve()
{
    // Connected at once, so that a Redis that cannot be reached is said in the log at the start; and again now
    // and then while it is gone, asked or not, so that the site shares again as soon as Redis is back.
    connected();
    for (;;) {
        Call call;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait_for(lock, kRetryAfter, [this] { return m_stopping || !m_queue.empty(); })) {
                lock.unlock();
                connected();
                continue;
            }
            if (m_stopping)
                return;
            call = std::move(m_queue.front());
            m_queue.pop_front();
        }
        if (std::chrono::steady_clock::now() > call.deadline) { // waited too long: the caller has gone on
            if (call.done)
                call.done(nullptr);
            continue;
        }
        const Reply reply = command(call.words);
        if (call.done)
            call.done(reply.ok() ? &reply : nullptr);
    }
}

void SharedState::lost(const QString &why)
{
    if (m_context) {
        redisFree(m_context);
        m_context = nullptr;
    }
    Metrics::instance().redisUp = 0;
    {
        const std::lock_guard lock(m_mutex);
        m_gone = true;
        m_nextTry = std::chrono::steady_clock::now() + kRetryAfter;
    }
    // Said once, and again only for another reason.
    if (m_saidWhy != why) {
        m_saidWhy = why;
        const QString which = m_server.host.isEmpty()
            ? QStringLiteral("the Redis master %1").arg(m_place.master)
            : QStringLiteral("Redis at %1:%2").arg(m_server.host).arg(m_server.port);
        Log::line(QStringLiteral("quelcor-site: %1 cannot be reached (%2); serving with this instance's own memory")
                      .arg(which, why)
                      .toStdString());
    }
}

bool SharedState::connected()
{
    if (m_context)
        return true;
    {
        const std::lock_guard lock(m_mutex);
        if (m_gone && std::chrono::steady_clock::now() < m_nextTry)
            return false;
    }
    if (!m_place.sentinels.isEmpty()) {
        QString why;
        const std::optional<Endpoint> master = masterNamed(&why);
        if (!master) {
            lost(why);
            return false;
        }
        if (master->host != m_server.host || master->port != m_server.port)
            Log::line(QStringLiteral("quelcor-site: the Sentinels name %1 at %2:%3 as the Redis master")
                          .arg(m_place.master, master->host)
                          .arg(master->port)
                          .toStdString());
        m_server = *master;
    }
    if (!connectTo(m_server, !m_place.sentinels.isEmpty()))
        return false;
    {
        const std::lock_guard lock(m_mutex);
        m_gone = false;
    }
    Metrics::instance().redisUp = 1;
    if (!m_saidWhy.isEmpty()) {
        m_saidWhy.clear();
        Log::line(QStringLiteral("quelcor-site: Redis at %1:%2 is back; results and limits are shared again")
                      .arg(m_server.host)
                      .arg(m_server.port)
                      .toStdString());
    }
    return true;
}

bool SharedState::connectTo(const Endpoint &server, bool asMaster)
{
    m_context = redisConnectWithTimeout(server.host.toUtf8().constData(), server.port, kConnectTimeout);
    if (!m_context || m_context->err) {
        lost(m_context ? QString::fromUtf8(m_context->errstr) : QStringLiteral("no memory"));
        return false;
    }
    redisSetTimeout(m_context, kCommandTimeout);
    if (!asMaster) { // a server that takes the connection but does not answer is not there
        const char *argv[] = { "PING" };
        const size_t lengths[] = { 4 };
        if (!Reply::of(m_context, 1, argv, lengths).ok()) {
            lost(QString::fromUtf8(m_context->errstr[0] ? m_context->errstr : "no answer to PING"));
            return false;
        }
    }
    if (asMaster) {
        // What a Sentinel says is checked with the server itself: a replica, or one that is not answering as a
        // master, is not written to.
        const char *argv[] = { "ROLE" };
        const size_t lengths[] = { 4 };
        const Reply role = Reply::of(m_context, 1, argv, lengths);
        const bool master = role.ok() && role.reply->type == REDIS_REPLY_ARRAY && role.reply->elements > 0
            && role.reply->element[0]->type == REDIS_REPLY_STRING
            && std::string_view(role.reply->element[0]->str, role.reply->element[0]->len) == "master";
        if (!master) {
            lost(QStringLiteral("named the master by a Sentinel, but not a master itself"));
            return false;
        }
    }
    if (m_place.database != 0) {
        const QByteArray select = QByteArray::number(m_place.database);
        const char *argv[] = { "SELECT", select.constData() };
        const size_t lengths[] = { 6, size_t(select.size()) };
        Reply reply = Reply::of(m_context, 2, argv, lengths);
        if (!reply.ok()) {
            lost(QStringLiteral("SELECT failed"));
            return false;
        }
    }
    return true;
}

std::optional<SharedState::Endpoint> SharedState::masterNamed(QString *why)
{
    // The kind of an address: a Sentinel that names a master of another kind than its own (a public address
    // for a Sentinel on loopback, say) is not followed.
    const auto kind = [](const QHostAddress &address) {
        if (address.isNull() || address.isMulticast() || address.isBroadcast() || address == QHostAddress::AnyIPv4
            || address == QHostAddress::AnyIPv6)
            return 0;
        if (address.isLoopback())
            return 1;
        if (address.isLinkLocal() || address.isUniqueLocalUnicast() || address.isSiteLocal()
            || address.isInSubnet(QHostAddress(QStringLiteral("10.0.0.0")), 8)
            || address.isInSubnet(QHostAddress(QStringLiteral("172.16.0.0")), 12)
            || address.isInSubnet(QHostAddress(QStringLiteral("192.168.0.0")), 16)
            || address.isInSubnet(QHostAddress(QStringLiteral("100.64.0.0")), 10))
            return 2;
        return 3;
    };
    *why = QStringLiteral("no Sentinel answered");
    const QByteArray name = m_place.master.toUtf8();
    for (const Endpoint &sentinel : m_place.sentinels) {
        std::unique_ptr<redisContext, void (*)(redisContext *)> context {
            redisConnectWithTimeout(sentinel.host.toUtf8().constData(), sentinel.port, kConnectTimeout), redisFree
        };
        if (!context || context->err)
            continue;
        redisSetTimeout(context.get(), kCommandTimeout);
        const char *argv[] = { "SENTINEL", "get-master-addr-by-name", name.constData() };
        const size_t lengths[] = { 8, 23, size_t(name.size()) };
        const Reply reply = Reply::of(context.get(), 3, argv, lengths);
        if (!reply.ok() || reply.reply->type != REDIS_REPLY_ARRAY || reply.reply->elements != 2
            || reply.reply->element[0]->type != REDIS_REPLY_STRING
            || reply.reply->element[1]->type != REDIS_REPLY_STRING) {
            *why = QStringLiteral("the Sentinel at %1:%2 knows no master %3")
                       .arg(sentinel.host)
                       .arg(sentinel.port)
                       .arg(m_place.master);
            continue;
        }
        const QString host = QString::fromUtf8(reply.reply->element[0]->str, qsizetype(reply.reply->element[0]->len));
        bool portOk = false;
        const uint port
            = QByteArray(reply.reply->element[1]->str, qsizetype(reply.reply->element[1]->len)).toUInt(&portOk);
        sockaddr_storage peer {};
        socklen_t peerLength = sizeof peer;
        ::getpeername(context->fd, reinterpret_cast<sockaddr *>(&peer), &peerLength);
        const QHostAddress address(host), sentinelAddress(reinterpret_cast<const sockaddr *>(&peer));
        const int sentinelKind = kind(sentinelAddress);
        if (!portOk || port == 0 || port > 65535 || kind(address) == 0 || kind(address) != sentinelKind) {
            *why = QStringLiteral("the Sentinel at %1:%2 names %3 port %4, which is not followed")
                       .arg(sentinel.host)
                       .arg(sentinel.port)
                       .arg(host.left(100))
                       .arg(port);
            continue;
        }
        return Endpoint { host, quint16(port) };
    }
    return std::nullopt;
}

SharedState::Reply SharedState::command(const QList<QByteArray> &words)
{
    Reply reply;
    if (!connected())
        return reply;
    std::vector<const char *> argv;
    std::vector<size_t> lengths;
    for (const QByteArray &word : words) {
        argv.push_back(word.constData());
        lengths.push_back(size_t(word.size()));
    }
    reply = Reply::of(m_context, int(argv.size()), argv.data(), lengths.data());
    if (!reply.reply)
        lost(QString::fromUtf8(m_context->errstr));
    else if (reply.reply->type == REDIS_REPLY_ERROR && std::string_view(reply.reply->str).starts_with("READONLY"))
        lost(QStringLiteral("no longer the master")); // a failover: the Sentinels are asked again
    return reply;
}

void SharedState::get(const QByteArray &key, Got done)
{
    put(Call { { "GET", key }, std::chrono::steady_clock::now() + kQueueDeadline, [done](const Reply *reply) {
                  if (!reply || reply->reply->type != REDIS_REPLY_STRING)
                      return done(std::nullopt);
                  done(QByteArray(reply->reply->str, qsizetype(reply->reply->len)));
              } });
}

void SharedState::set(const QByteArray &key, const QByteArray &value, int seconds)
{
    put(Call { { "SET", key, value, "EX", QByteArray::number(seconds) },
               std::chrono::steady_clock::now() + kQueueDeadline,
               {} });
}

void SharedState::expire(const QByteArray &key, int seconds)
{
    put(Call { { "EXPIRE", key, QByteArray::number(seconds) }, std::chrono::steady_clock::now() + kQueueDeadline, {} });
}

void SharedState::buckets(const QList<Bucket> &buckets, double maxWait, std::function<void(std::optional<Taken>)> done)
{
    QList<QByteArray> words { "EVAL", QByteArray::fromRawData(kBucketScript, sizeof kBucketScript - 1),
                              QByteArray::number(buckets.size()) };
    for (const Bucket &bucket : buckets)
        words.append(bucket.key);
    words.append(QByteArray::number(qint64(maxWait * 1000)));
    for (const Bucket &bucket : buckets)
        words << QByteArray::number(bucket.perSecond, 'g', 12) << QByteArray::number(bucket.burst, 'g', 12)
              << QByteArray::number(bucket.keep, 'g', 12);
    const qsizetype count = buckets.size();
    put(Call { std::move(words), std::chrono::steady_clock::now() + kQueueDeadline,
               [done = std::move(done), count](const Reply *reply) {
                   const redisReply *r = reply ? reply->reply.get() : nullptr;
                   if (!r || r->type != REDIS_REPLY_ARRAY || r->elements != size_t(count) + 1)
                       return done(std::nullopt);
                   Taken taken;
                   for (size_t i = 0; i < r->elements; ++i) {
                       if (r->element[i]->type != REDIS_REPLY_INTEGER)
                           return done(std::nullopt);
                       (i == 0 ? taken.wait : taken.left.emplace_back()) = double(r->element[i]->integer) / 1000;
                   }
                   done(taken);
               } });
}
