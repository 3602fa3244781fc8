// The API for programs: a lookup, a name's check in many extensions, and the API's description.

#include "Replies.h"
#include "Routes.h"
#include "pages/Api.h"
#include "query/Question.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QUrl>

namespace asio = boost::asio;
using Http::kTuple;
namespace http = boost::beast::http;
using Reply = Routes::Reply;

namespace {

const QString kNotAQuestion = QStringLiteral("Not a question the site can ask");

} // namespace

// A parameter given twice is a question the site could only guess at: a 400 that names it.
std::optional<Reply> Routes::repeatedParameter(const Exchange &exchange, std::initializer_list<QString> names)
{
    for (const QString &name : names) {
        if (exchange.query.allQueryItemValues(name).size() > 1)
            return Replies::api(
                Api::problem(400, kNotAQuestion, QStringLiteral("The parameter %1 is given more than once.").arg(name)),
                exchange.request.version());
    }
    return std::nullopt;
}

std::variant<Query, Reply> Routes::apiQuestion(const Exchange &exchange)
{
    // (The question is read as a form reads it: a blank is "+".)
    const QString q = exchange.query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded);
    const Query query = Query::fromInput(q);
    if (const std::optional<Reply> repeated = repeatedParameter(exchange, { u"q"_qs }))
        return *repeated;
    if (!exchange.query.hasQueryItem(QStringLiteral("q")) || !query.ok()) {
        const Message why = query.ok() ? Message(MessageId::TypeADomainName) : query.error;
        return Replies::api(Api::problem(400, kNotAQuestion, exchange.words.render(why)), exchange.request.version());
    }
    return query;
}

asio::awaitable<Reply> Routes::apiLookup(const Exchange &exchange)
{
    const unsigned version = exchange.request.version();
    const QString q = exchange.query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded);
    std::variant<Query, Reply> question = apiQuestion(exchange);
    if (Reply *refusal = std::get_if<Reply>(&question))
        co_return std::move(*refusal);
    const Query query = std::get<Query>(std::move(question));
    if (exchange.request.method() == http::verb::head) {
        Reply reply = Replies::api(Response { 200, "application/json", QByteArray(), {} }, version);
        reply.set(http::field::connection, "close");
        co_return reply;
    }
    const Admission::Asked asked = co_await m_admission.lookup(query, exchange.client);
    if (!asked.job)
        co_return withBudget(refusedApi(exchange, asked), exchange, query.registry());
    // With its validator, and fresh for as long as the site keeps it.
    const LookupResult &result = asked.job->result;
    QJsonObject answer = Api::lookup(result, exchange.words, QDateTime::currentDateTimeUtc());
    answer.insert(u"question"_qs, q);
    const ResultCache *cache = m_pool.settings().cache;
    const int fresh = cache ? result.lifetime(cache->settings()) - int(qMax<qint64>(0, result.cachedAgeSeconds)) : 0;
    co_return withBudget(
        Replies::validated(
            Replies::api(Response { 200, "application/json", QJsonDocument(answer).toJson(QJsonDocument::Compact), {} },
                         version),
            exchange.request[http::field::if_none_match], Api::entityTag(answer), fresh),
        exchange, query.registry());
}

asio::awaitable<Reply> Routes::apiAbuse(const Exchange &exchange)
{
    std::variant<Query, Reply> question = apiQuestion(exchange);
    if (Reply *refusal = std::get_if<Reply>(&question))
        co_return std::move(*refusal);
    const Query query = std::get<Query>(std::move(question));
    if (const std::optional<Reply> repeated = repeatedParameter(exchange, { u"hosting"_qs }))
        co_return *repeated;
    Admission::Asked refusal;
    const bool hosting = exchange.query.queryItemValue(u"hosting"_qs) == u"1";
    const std::optional<Abuse::Report> report = co_await m_admission.abuse(query, hosting, exchange.client, &refusal);
    if (!report)
        co_return withBudget(refusedApi(exchange, refusal), exchange, query.registry());
    Reply reply
        = Replies::api(Response { 200,
                                  "application/json",
                                  QJsonDocument(Api::abuse(*report, exchange.words)).toJson(QJsonDocument::Compact),
                                  {} },
                       exchange.request.version());
    co_return withBudget(std::move(reply), exchange, query.registry());
}

asio::awaitable<Reply> Routes::apiEvidence(const Exchange &exchange)
{
    std::variant<Query, Reply> question = apiQuestion(exchange);
    if (Reply *refusal = std::get_if<Reply>(&question))
        co_return std::move(*refusal);
    const Query query = std::get<Query>(std::move(question));
    const Admission::Asked asked = co_await m_admission.lookup(query, exchange.client);
    if (!asked.job)
        co_return withBudget(refusedApi(exchange, asked), exchange, query.registry());
    co_return withBudget(Replies::fromResponse(Pages::evidenceFile(asked.job->result), exchange.request.version()),
                         exchange, query.registry());
}

asio::awaitable<Reply> Routes::apiDescription(const Exchange &exchange)
{
    co_return Replies::api(Api::description(), exchange.request.version());
}

Reply Routes::refusedApi(const Exchange &exchange, const Admission::Asked &asked)
{
    Reply reply = Replies::api(Api::problem(asked.status,
                                            asked.status == 429 ? QStringLiteral("Too many lookups from this client")
                                                                : QStringLiteral("The service is busy"),
                                            exchange.words.render(asked.refusal)),
                               exchange.request.version());
    reply.set(http::field::retry_after, std::to_string(asked.retryAfter));
    return reply;
}

asio::awaitable<Reply> Routes::apiAvailability(const Exchange &exchange)
{
    Message why;
    const std::optional<ManyExtensions> question
        = Question::manyFromParts(exchange.query.queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded),
                                  exchange.query.queryItemValue(QStringLiteral("extensions"), QUrl::FullyDecoded),
                                  m_pool.settings().availabilityExtensions, &why);
    if (const std::optional<Reply> repeated = repeatedParameter(exchange, { u"name"_qs, u"extensions"_qs }))
        co_return *repeated;
    if (!question) {
        co_return Replies::api(
            Api::problem(400, kNotAQuestion,
                         why.isNull() ? QStringLiteral("Give a name without extension (name=quelcor) and perhaps the "
                                                       "extensions (extensions=de,fr,it; at most %1).")
                                            .arg(ManyExtensions::kMost)
                                      : exchange.words.render(why)),
            exchange.request.version());
    }
    auto [asked, wake] = m_admission.check(*question, exchange.client);
    if (!asked.job)
        co_return withBudget(refusedApi(exchange, asked), exchange, std::string());
    while (asked.job->state != LookupPool::Job::Done) {
        wake->expires_at(asio::steady_timer::time_point::max());
        co_await wake->async_wait(kTuple);
    }
    const std::lock_guard lock(asked.job->rowsMutex);
    co_return withBudget(
        Replies::api(Api::availabilityResponse(*question, asked.job->rows, exchange.words), exchange.request.version()),
        exchange, std::string());
}

Reply Routes::withBudget(Reply reply, const Exchange &exchange, const std::string &registry) const
{
    if (ClientBudget *budget = m_pool.settings().clientLookups) {
        const auto [policy, state] = budget->fields(exchange.client, registry, TokenBuckets::Clock::now());
        reply.set("RateLimit-Policy", policy);
        reply.set("RateLimit", state);
    }
    return reply;
}
