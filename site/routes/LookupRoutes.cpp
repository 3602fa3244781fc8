// The lookup page: the form, a lookup's answer, a record to keep, and a name's check in many extensions, row by
// row as the answers come.

#include "Replies.h"
#include "Routes.h"
#include "query/Question.h"
#include "state/Metrics.h"

#include <QUrl>

namespace asio = boost::asio;
using Http::kTuple;
namespace http = boost::beast::http;
using Reply = Routes::Reply;
using Replies::fromResponse;

namespace {

Response htmlPage(QByteArray body)
{
    return Response { 200, "text/html; charset=utf-8", std::move(body), {} };
}

// The rows a check has that were not sent yet, from `sent` on.
std::vector<Availability::Row> newRows(LookupPool::Job &job, std::size_t &sent)
{
    const std::lock_guard lock(job.rowsMutex);
    std::vector<Availability::Row> rows(job.rows.begin() + qsizetype(qMin(sent, job.rows.size())), job.rows.end());
    sent = job.rows.size();
    return rows;
}

} // namespace

asio::awaitable<Reply> Routes::lookupPage(const Exchange &exchange)
{
    const QString typed = exchange.query.queryItemValue(QStringLiteral("domain"), QUrl::FullyDecoded);
    const unsigned version = exchange.request.version();
    if (!exchange.query.hasQueryItem(QStringLiteral("domain")))
        co_return fromResponse(htmlPage(Pages::lookupPage(typed, nullptr, exchange.words)), version, exchange.words);
    if (exchange.request.method() == http::verb::head) {
        // The headers of the answer, without running the lookup: its length is not known before.
        Reply reply = fromResponse(htmlPage(QByteArray()), version, exchange.words);
        reply.set(http::field::connection, "close");
        co_return reply;
    }
    const Question question = Question::fromInput(typed, m_pool.settings().availabilityExtensions);
    // A name in many extensions ("quelcor.*", "quelcor.{de,fr}"): its availability, row by row.
    if (question.many)
        co_return co_await availabilityPage(exchange, typed, *question.many);
    co_return co_await lookup(exchange, typed, question.query);
}

Reply Routes::refusedPage(const Exchange &exchange, const QString &typed, const Admission::Asked &asked)
{
    Reply reply = fromResponse(Pages::lookupRefused(asked.status, typed, asked.refusal, exchange.words),
                               exchange.request.version(), exchange.words);
    reply.set(http::field::retry_after, std::to_string(asked.retryAfter));
    return reply;
}

asio::awaitable<Reply> Routes::lookup(const Exchange &exchange, const QString &typed, const Query &query)
{
    const unsigned version = exchange.request.version();
    const PageLanguage &words = exchange.words;
    const Admission::Asked asked = co_await m_admission.lookup(query, exchange.client);
    if (!asked.job)
        co_return refusedPage(exchange, typed, asked);
    const LookupResult &result = asked.job->result;
    // A record of the answer to keep, asked for by its number; the page otherwise.
    if (exchange.query.hasQueryItem(QStringLiteral("record"))) {
        co_return fromResponse(Pages::recordFile(result, exchange.query.queryItemValue(u"record"_qs).toInt())
                                   .value_or(Pages::notFound(words)),
                               version, words);
    }
    // Every answer received for it, in a ZIP file to keep.
    if (exchange.query.hasQueryItem(QStringLiteral("evidence")))
        co_return fromResponse(Pages::evidenceFile(result), version, words);
    // Whom to tell of abuse, looked for further than the record (each lookup charged as one).
    if (exchange.query.hasQueryItem(QStringLiteral("abuse"))) {
        Admission::Asked refusal;
        const bool hosting = exchange.query.queryItemValue(u"abuse"_qs) == u"hosting";
        const std::optional<Abuse::Report> report
            = co_await m_admission.abuse(query, hosting, exchange.client, &refusal);
        if (!report)
            co_return refusedPage(exchange, typed, refusal);
        co_return fromResponse(htmlPage(Pages::lookupPage(typed, &result, words, &*report)), version, words);
    }
    if (asked.kept && exchange.keepable && exchange.request.method() == http::verb::get)
        *exchange.keepable = &Metrics::instance().lookupCounter(LookupPool::kindName(result.kind), u"cached"_qs);
    co_return fromResponse(htmlPage(Pages::lookupPage(typed, &result, words)), version, words);
}

asio::awaitable<Reply> Routes::availabilityPage(const Exchange &exchange, const QString &typed,
                                                const ManyExtensions &question)
{
    const PageLanguage &words = exchange.words;
    auto [asked, wake] = m_admission.check(question, exchange.client);
    if (!asked.job)
        co_return refusedPage(exchange, typed, asked);
    auto [head, tail] = Pages::availabilityFrame(typed, question, words);
    // Rows as they come; the whole page at once where the client cannot take it in parts (HTTP/1.0).
    auto next = [job = asked.job, wake, tail = std::move(tail), &words, sent = std::size_t(0),
                 ended = false]() mutable -> asio::awaitable<std::optional<std::string>> {
        for (;;) {
            std::string part;
            for (const Availability::Row &row : newRows(*job, sent))
                part += Pages::availabilityRow(row, words);
            if (!part.empty())
                co_return part;
            if (job->state == LookupPool::Job::Done) {
                if (std::exchange(ended, true))
                    co_return std::nullopt;
                co_return tail;
            }
            wake->expires_at(asio::steady_timer::time_point::max());
            co_await wake->async_wait(kTuple);
        }
    };
    Reply reply = fromResponse(htmlPage(QByteArray()), exchange.request.version(), words);
    reply.body() = std::move(head);
    if (exchange.parts) {
        *exchange.parts = std::move(next);
        co_return reply;
    }
    while (std::optional<std::string> part = co_await next())
        reply.body() += *part;
    co_return reply;
}
