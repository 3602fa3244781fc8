#include "Routes.h"

#include "MakerPaths.h"
#include "lookup/Availability.h"
#include "pages/Api.h"
#include "state/Metrics.h"

#include <QUrl>

#include <sstream>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using Reply = Routes::Reply;

namespace {

constexpr auto kTuple = asio::as_tuple(asio::use_awaitable);

// A page's answer; a page in words of the site's own also says its language, and that it depends on the
// language asked for (so that no cache between serves one visitor's language to another).
Reply fromResponse(const Response &response, unsigned version, const PageLanguage &words = PageLanguage::english())
{
    Reply reply { http::status(response.status), version };
    reply.set(http::field::content_type, response.contentType.toStdString());
    if (response.contentType.startsWith("text/html")) {
        reply.set(http::field::content_language, words.tag().toStdString());
        reply.set(http::field::vary, "Accept-Language");
    }
    for (const auto &[name, value] : Pages::securityHeaders())
        reply.set(name.toStdString(), value.toStdString());
    if (!response.disposition.isEmpty())
        reply.set(http::field::content_disposition, response.disposition.toStdString());
    reply.body() = response.body.toStdString();
    return reply;
}

// What a job calls when it changes (on any thread): the connection's timer is cancelled on the connection's own
// thread, waking it. Only the connection owns the timer, so that it ends with the server's loop whatever the job
// does.
std::function<void()> wakeOnChange(const std::shared_ptr<asio::steady_timer> &wake, asio::io_context &io)
{
    return [weak = std::weak_ptr(wake), executor = io.get_executor()] {
        asio::post(executor, [weak] {
            if (const auto timer = weak.lock())
                timer->cancel();
        });
    };
}

// A message (or a header alone) as the bytes sent, for an answer made once and sent many times.
template<typename Message> std::shared_ptr<const std::string> sent(const Message &message)
{
    std::ostringstream out;
    out << message;
    return std::make_shared<const std::string>(out.str());
}

// An answer of the API: read-only, for any page's script.
Reply apiReply(const Response &response, unsigned version)
{
    Reply reply = fromResponse(response, version);
    reply.set(http::field::access_control_allow_origin, "*");
    return reply;
}

} // namespace

// Every path the site serves. A path that no row names is the page-not-found page; a method that no row of the
// path names is refused with the methods that are served.
const Routes::Route Routes::kRoutes[] = {
    { http::verb::get, MakerPaths::lookupPage, &Routes::lookupPage },
    { http::verb::get, MakerPaths::quelcorVersion, &Routes::quelcorVersion },
    { http::verb::get, MakerPaths::whoisVersion, &Routes::whoisVersion },
    { http::verb::get, MakerPaths::download, &Routes::plainPage },
    { http::verb::get, MakerPaths::productPage, &Routes::plainPage },
    { http::verb::get, MakerPaths::forum, &Routes::plainPage },
    { http::verb::get, MakerPaths::bugReport, &Routes::plainPage },
    { http::verb::get, QLatin1StringView("/"), &Routes::plainPage },
    { http::verb::get, QLatin1StringView("/site.css"), &Routes::styleSheet },
    { http::verb::get, QLatin1StringView("/favicon.ico"), &Routes::favicon },
    { http::verb::get, QLatin1StringView("/healthz"), &Routes::health },
    { http::verb::get, QLatin1StringView("/metrics"), &Routes::metrics },
    { http::verb::get, QLatin1StringView("/api/v1/lookup"), &Routes::apiLookup },
    { http::verb::get, QLatin1StringView("/api/v1/availability"), &Routes::apiAvailability },
    { http::verb::get, QLatin1StringView("/api/v1/openapi.json"), &Routes::apiDescription },
};

Routes::Routes(const Pages &pages, LookupPool &pool, asio::io_context &io, std::chrono::seconds queueDeadline,
               const std::atomic<bool> &draining)
    : m_pages(pages)
    , m_pool(pool)
    , m_io(io)
    , m_queueDeadline(queueDeadline)
    , m_draining(draining)
    , m_pageRequests(Metrics::instance().requestCounter(QByteArray(MakerPaths::lookupPage.data()), 200))
{
    const std::pair<QLatin1StringView, Response> fixed[] = {
        { MakerPaths::quelcorVersion, pages.quelcorVersion() },
        { MakerPaths::whoisVersion, pages.whoisVersion() },
        { QLatin1StringView("/site.css"), Pages::styleSheet() },
    };
    for (const auto &[path, response] : fixed) {
        FixedAnswers answers { path.toString().toStdString(),
                               {},
                               unsigned(response.status),
                               std::size_t(response.body.size()),
                               &Metrics::instance().requestCounter(path.toString().toUtf8(), response.status) };
        for (int i = 0; i < 8; ++i) {
            Reply reply = fromResponse(response, (i & 4) ? 11 : 10);
            reply.keep_alive(i & 2);
            reply.prepare_payload();
            answers.bytes[i] = (i & 1) ? sent(reply.base()) : sent(reply); // HEAD: the GET's headers, its length too
        }
        m_fixed.push_back(std::move(answers));
    }
}

std::string Routes::pageKey(const Request &request, bool keepAlive)
{
    std::string key(request.target());
    key += '\n';
    key += request[http::field::accept_language];
    key += request.version() == 11 ? "\n1" : "\n0";
    key += keepAlive ? '1' : '0';
    return key;
}

void Routes::keepPage(const Request &request, bool keepAlive, const Reply &reply, std::atomic<quint64> *lookups)
{
    const auto now = std::chrono::steady_clock::now();
    if (m_keptPages.size() >= 4096)
        std::erase_if(m_keptPages, [now](const auto &entry) { return entry.second.until <= now; });
    if (m_keptPages.size() >= 4096)
        m_keptPages.clear();
    m_keptPages[pageKey(request, keepAlive)]
        = KeptPage { now + std::chrono::seconds(1), sent(reply), reply.body().size(), lookups,
                     std::string(reply[http::field::content_language]) };
}

std::optional<Routes::Fixed> Routes::fixedAnswer(const Request &request, bool keepAlive)
{
    const bool head = request.method() == http::verb::head;
    if ((!head && request.method() != http::verb::get) || (request.version() != 10 && request.version() != 11))
        return std::nullopt;
    const std::string_view target = request.target();
    const std::string_view path = target.substr(0, target.find('?'));
    for (const FixedAnswers &answers : m_fixed) {
        if (path == answers.path)
            return Fixed { answers.bytes[(request.version() == 11 ? 4 : 0) + (keepAlive ? 2 : 0) + (head ? 1 : 0)],
                           answers.status,
                           head ? 0 : answers.length,
                           *answers.counted,
                           nullptr,
                           {} };
    }
    if (head || m_keptPages.empty() || path != MakerPaths::lookupPage.data())
        return std::nullopt;
    const auto kept = m_keptPages.find(pageKey(request, keepAlive));
    if (kept == m_keptPages.end())
        return std::nullopt;
    if (kept->second.until <= std::chrono::steady_clock::now()) {
        m_keptPages.erase(kept);
        return std::nullopt;
    }
    return Fixed { kept->second.bytes,   200, kept->second.length, m_pageRequests, kept->second.lookups,
                   kept->second.language };
}

QString Routes::pathOf(std::string_view target)
{
    const std::string_view path = target.substr(0, target.find('?'));
    return QUrl::fromPercentEncoding(QByteArray(path.data(), qsizetype(path.size())));
}

Reply Routes::plain(http::status status, const std::string &text, unsigned version)
{
    Reply reply { status, version };
    reply.set(http::field::content_type, "text/plain; charset=utf-8");
    reply.body() = text;
    return reply;
}

asio::awaitable<Reply> Routes::respond(const Request &request, const std::string &peer, const std::string &client,
                                       Parts *parts, std::atomic<quint64> **keepable)
{
    const unsigned version = request.version();
    const bool head = request.method() == http::verb::head;
    const http::verb method = head ? http::verb::get : request.method();
    const std::string_view target = request.target();
    const std::size_t mark = target.find('?');
    const QString path = pathOf(target);
    const Route *route = nullptr;
    bool pathServed = false;
    for (const Route &candidate : kRoutes) {
        if (path != candidate.path)
            continue;
        pathServed = true;
        if (candidate.method == method)
            route = &candidate;
    }
    // Every route is a GET: any other method is refused on any path, a path served or not.
    if (!route && (pathServed || method != http::verb::get)) {
        Reply reply = plain(http::status::method_not_allowed, "Only GET and HEAD are served here.\n", version);
        reply.set(http::field::allow, "GET, HEAD");
        reply.prepare_payload();
        co_return reply;
    }
    QString rawQuery = mark == std::string_view::npos ? QString() : QString::fromUtf8(target.substr(mark + 1));
    rawQuery.replace(u'+', QStringLiteral("%20")); // a form's blanks
    const Exchange exchange { request,
                              path,
                              QUrlQuery(rawQuery),
                              PageLanguage::forAcceptLanguage(request[http::field::accept_language]),
                              peer,
                              client,
                              request.version() >= 11 ? parts : nullptr,
                              keepable };

    // (No co_await inside a conditional expression: GCC 12 destroys its temporaries too early.)
    Reply reply;
    if (route)
        reply = co_await (this->*route->handler)(exchange);
    else
        reply = fromResponse(Pages::notFound(exchange.words), version, exchange.words);
    if (head && reply[http::field::connection] == "close")
        co_return reply; // a lookup's headers without the lookup, and without a length (see lookupPage)
    reply.prepare_payload();
    if (head) { // the headers of the GET, its length included, without the body
        const std::size_t length = reply.body().size();
        reply.body().clear();
        reply.content_length(length);
    }
    co_return reply;
}

asio::awaitable<Reply> Routes::health(const Exchange &exchange)
{
    Reply reply = plain(http::status::ok, m_draining ? "stopping\n" : "ok\n", exchange.request.version());
    if (m_draining)
        reply.result(http::status::service_unavailable);
    co_return reply;
}

asio::awaitable<Reply> Routes::metrics(const Exchange &exchange)
{
    // Only to this machine: the figures are for the operator.
    beast::error_code ec;
    const unsigned version = exchange.request.version();
    if (!asio::ip::make_address(exchange.peer, ec).is_loopback())
        co_return fromResponse(Pages::notFound(exchange.words), version, exchange.words);
    Reply reply = plain(http::status::ok, Metrics::instance().text().toStdString(), version);
    reply.set(http::field::content_type, "text/plain; version=0.0.4; charset=utf-8");
    co_return reply;
}

asio::awaitable<Reply> Routes::quelcorVersion(const Exchange &exchange)
{
    co_return fromResponse(m_pages.quelcorVersion(), exchange.request.version());
}

asio::awaitable<Reply> Routes::whoisVersion(const Exchange &exchange)
{
    co_return fromResponse(m_pages.whoisVersion(), exchange.request.version());
}

asio::awaitable<Reply> Routes::styleSheet(const Exchange &exchange)
{
    co_return fromResponse(Pages::styleSheet(), exchange.request.version());
}

asio::awaitable<Reply> Routes::favicon(const Exchange &exchange)
{
    // Browsers ask; the site has none.
    co_return fromResponse(Response { 204, "image/x-icon", QByteArray() }, exchange.request.version());
}

asio::awaitable<Reply> Routes::plainPage(const Exchange &exchange)
{
    const QByteArray path = exchange.path.toLatin1();
    co_return fromResponse(
        m_pages.plainPage(QLatin1StringView(path), exchange.words).value_or(Pages::notFound(exchange.words)),
        exchange.request.version(), exchange.words);
}

asio::awaitable<Reply> Routes::lookupPage(const Exchange &exchange)
{
    const QString typed = exchange.query.queryItemValue(QStringLiteral("domain"), QUrl::FullyDecoded);
    const unsigned version = exchange.request.version();
    if (!exchange.query.hasQueryItem(QStringLiteral("domain")))
        co_return fromResponse(
            Response { 200, "text/html; charset=utf-8", Pages::lookupPage(typed, nullptr, exchange.words) }, version,
            exchange.words);
    if (exchange.request.method() == http::verb::head) {
        // The headers of the answer, without running the lookup: its length is not known before.
        Reply reply = fromResponse(Response { 200, "text/html; charset=utf-8", QByteArray() }, version, exchange.words);
        reply.set(http::field::connection, "close");
        co_return reply;
    }
    // A name in many extensions ("quelcor.*", "quelcor.{de,fr}"): its availability, row by row.
    if (const std::optional<Availability::Question> question
        = Availability::parse(typed, m_pool.settings().availabilityExtensions)) {
        co_return co_await availabilityPage(exchange, typed, *question);
    }
    co_return co_await lookup(exchange, typed);
}

asio::awaitable<Routes::Asked> Routes::ask(const Exchange &exchange, Query query)
{
    Asked asked;
    auto job = std::make_shared<LookupPool::Job>();
    job->query = std::move(query);
    job->client = exchange.client;
    // The worker wakes this connection when the lookup starts and when it is done.
    auto wake = std::make_shared<asio::steady_timer>(m_io);
    wake->expires_after(m_queueDeadline);
    job->changed = wakeOnChange(wake, m_io);

    const int queueSeconds = qMax(int(m_queueDeadline.count()), 1);
    const auto refused = [&](int status, int retryAfter, const Message &message) {
        asked.status = status;
        asked.retryAfter = retryAfter;
        asked.refusal = message;
        return asked;
    };
    const Message busy(MessageId::ServiceBusy, queueSeconds);
    int retryAfter = 0;
    switch (m_pool.submit(job, &retryAfter)) {
    case LookupPool::Admission::Busy:
        co_return refused(503, queueSeconds, busy);
    case LookupPool::Admission::ClientBusy:
        co_return refused(429, 5, Message(MessageId::ClientBusy));
    case LookupPool::Admission::ClientLimited:
        co_return refused(429, retryAfter, Message(MessageId::ClientLimited, retryAfter));
    case LookupPool::Admission::Answered:
        asked.kept = true;
        break;
    case LookupPool::Admission::Accepted:
        break;
    }
    while (job->state != LookupPool::Job::Done) {
        auto [ec] = co_await wake->async_wait(kTuple);
        const int state = job->state;
        if (state == LookupPool::Job::Done)
            break;
        if (state == LookupPool::Job::Cancelled)
            co_return refused(503, queueSeconds, busy);
        if (state == LookupPool::Job::Running)
            wake->expires_at(asio::steady_timer::time_point::max());
        else if (!ec && m_pool.cancel(job)) // waited in the queue past its deadline
            co_return refused(503, queueSeconds, busy);
    }
    asked.job = std::move(job);
    co_return asked;
}

asio::awaitable<Reply> Routes::lookup(const Exchange &exchange, const QString &typed)
{
    const unsigned version = exchange.request.version();
    const PageLanguage &words = exchange.words;
    const Asked asked = co_await ask(exchange, Query::fromInput(typed));
    if (!asked.job) {
        Reply reply = fromResponse(Pages::lookupRefused(asked.status, typed, asked.refusal, words), version, words);
        reply.set(http::field::retry_after, std::to_string(asked.retryAfter));
        co_return reply;
    }
    const LookupResult &result = asked.job->result;
    // A record of the answer to keep, asked for by its number; the page otherwise.
    if (exchange.query.hasQueryItem(QStringLiteral("record"))) {
        co_return fromResponse(Pages::recordFile(result, exchange.query.queryItemValue(u"record"_qs).toInt())
                                   .value_or(Pages::notFound(words)),
                               version, words);
    }
    if (asked.kept && exchange.keepable && exchange.request.method() == http::verb::get)
        *exchange.keepable = &Metrics::instance().lookupCounter(LookupPool::kindName(result.kind), u"cached"_qs);
    co_return fromResponse(Response { 200, "text/html; charset=utf-8", Pages::lookupPage(typed, &result, words) },
                           version, words);
}

asio::awaitable<Reply> Routes::apiLookup(const Exchange &exchange)
{
    const unsigned version = exchange.request.version();
    const auto answer = [version](const Response &response) { return apiReply(response, version); };
    // (The question is read as a form reads it: a blank is "+".)
    const QString q = exchange.query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded);
    const Query query = Query::fromInput(q);
    if (!exchange.query.hasQueryItem(QStringLiteral("q")) || !query.ok()) {
        const Message why = query.ok() ? Message(MessageId::TypeADomainName) : query.error;
        co_return answer(
            Api::problem(400, QStringLiteral("Not a question the site can ask"), exchange.words.render(why)));
    }
    if (exchange.request.method() == http::verb::head) {
        Reply reply = answer(Response { 200, "application/json", QByteArray(), {} });
        reply.set(http::field::connection, "close");
        co_return reply;
    }
    const Asked asked = co_await ask(exchange, query);
    if (!asked.job)
        co_return apiRefusal(exchange, asked);
    co_return answer(Api::lookupResponse(asked.job->result, exchange.words));
}

asio::awaitable<Reply> Routes::apiDescription(const Exchange &exchange)
{
    co_return apiReply(Api::description(), exchange.request.version());
}

Reply Routes::apiRefusal(const Exchange &exchange, const Asked &asked)
{
    Reply reply = apiReply(Api::problem(asked.status,
                                        asked.status == 429 ? QStringLiteral("Too many lookups from this client")
                                                            : QStringLiteral("The service is busy"),
                                        exchange.words.render(asked.refusal)),
                           exchange.request.version());
    reply.set(http::field::retry_after, std::to_string(asked.retryAfter));
    return reply;
}

std::pair<Routes::Asked, std::shared_ptr<asio::steady_timer>> Routes::startCheck(const Exchange &exchange,
                                                                                 const Availability::Question &question)
{
    Asked asked;
    auto job = std::make_shared<LookupPool::Job>();
    job->availability = question;
    job->client = exchange.client;
    auto wake = std::make_shared<asio::steady_timer>(m_io);
    wake->expires_at(asio::steady_timer::time_point::max());
    job->changed = wakeOnChange(wake, m_io); // each row, and the end
    const int queueSeconds = qMax(int(m_queueDeadline.count()), 1);
    switch (m_pool.submit(job)) {
    case LookupPool::Admission::Busy:
        asked.status = 503;
        asked.retryAfter = queueSeconds;
        asked.refusal = Message(MessageId::ServiceBusy, queueSeconds);
        return { asked, wake };
    case LookupPool::Admission::ClientBusy:
    case LookupPool::Admission::ClientLimited:
        asked.status = 429;
        asked.retryAfter = 5;
        asked.refusal = Message(MessageId::ClientBusy);
        return { asked, wake };
    case LookupPool::Admission::Answered:
    case LookupPool::Admission::Accepted:
        break;
    }
    asked.job = std::move(job);
    return { asked, wake };
}

namespace {

// The rows a check has that were not sent yet, from `sent` on.
std::vector<Availability::Row> newRows(LookupPool::Job &job, std::size_t &sent)
{
    const std::lock_guard lock(job.rowsMutex);
    std::vector<Availability::Row> rows(job.rows.begin() + qsizetype(qMin(sent, job.rows.size())), job.rows.end());
    sent = job.rows.size();
    return rows;
}

} // namespace

asio::awaitable<Reply> Routes::availabilityPage(const Exchange &exchange, const QString &typed,
                                                const Availability::Question &question)
{
    const unsigned version = exchange.request.version();
    const PageLanguage &words = exchange.words;
    auto [asked, wake] = startCheck(exchange, question);
    if (!asked.job) {
        Reply reply = fromResponse(Pages::lookupRefused(asked.status, typed, asked.refusal, words), version, words);
        reply.set(http::field::retry_after, std::to_string(asked.retryAfter));
        co_return reply;
    }
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
    Reply reply = fromResponse(Response { 200, "text/html; charset=utf-8", QByteArray(), {} }, version, words);
    reply.body() = std::move(head);
    if (exchange.parts) {
        *exchange.parts = std::move(next);
        co_return reply;
    }
    while (std::optional<std::string> part = co_await next())
        reply.body() += *part;
    co_return reply;
}

asio::awaitable<Reply> Routes::apiAvailability(const Exchange &exchange)
{
    const unsigned version = exchange.request.version();
    const auto answer = [version](const Response &response) { return apiReply(response, version); };
    QString name = exchange.query.queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded).trimmed();
    const QString extensions = exchange.query.queryItemValue(QStringLiteral("extensions"), QUrl::FullyDecoded);
    if (!name.contains(u'.'))
        name += extensions.isEmpty() ? u".*"_qs : QStringLiteral(".{%1}").arg(extensions);
    const std::optional<Availability::Question> question
        = Availability::parse(name, m_pool.settings().availabilityExtensions);
    if (!question) {
        co_return answer(Api::problem(400, QStringLiteral("Not a question the site can ask"),
                                      QStringLiteral("Give a name without extension (name=quelcor) and perhaps the "
                                                     "extensions (extensions=de,fr,it).")));
    }
    auto [asked, wake] = startCheck(exchange, *question);
    if (!asked.job)
        co_return apiRefusal(exchange, asked);
    while (asked.job->state != LookupPool::Job::Done) {
        wake->expires_at(asio::steady_timer::time_point::max());
        co_await wake->async_wait(kTuple);
    }
    const std::lock_guard lock(asked.job->rowsMutex);
    co_return answer(Api::availabilityResponse(*question, asked.job->rows, exchange.words));
}
