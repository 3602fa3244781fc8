#include "Routes.h"

#include "MakerPaths.h"
#include "state/Metrics.h"

#include <QUrl>

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
};

Routes::Routes(const Pages &pages, LookupPool &pool, asio::io_context &io, std::chrono::seconds queueDeadline,
               const bool &draining)
    : m_pages(pages)
    , m_pool(pool)
    , m_io(io)
    , m_queueDeadline(queueDeadline)
    , m_draining(draining)
{
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

asio::awaitable<Reply> Routes::respond(const Request &request, const std::string &peer, const std::string &client)
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
    const Exchange exchange {
        request, path,  QUrlQuery(rawQuery), PageLanguage::forAcceptLanguage(request[http::field::accept_language]),
        peer,    client
    };

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
    co_return co_await lookup(exchange, typed);
}

asio::awaitable<Reply> Routes::lookup(const Exchange &exchange, const QString &typed)
{
    const unsigned version = exchange.request.version();
    const PageLanguage &words = exchange.words;
    auto job = std::make_shared<LookupPool::Job>();
    job->query = Query::fromInput(typed);
    job->client = exchange.client;
    // The worker wakes this connection when the lookup starts and when it is done.
    auto wake = std::make_shared<asio::steady_timer>(m_io);
    wake->expires_after(m_queueDeadline);
    // Only this coroutine owns the timer, so that it ends with the server's event loop whatever the job does.
    job->changed = [weak = std::weak_ptr(wake), executor = m_io.get_executor()] {
        asio::post(executor, [weak] {
            if (const auto timer = weak.lock())
                timer->cancel();
        });
    };

    const auto refused = [&](int status, int retryAfter, const Message &message) {
        Reply reply = fromResponse(Pages::lookupRefused(status, typed, message, words), version, words);
        reply.set(http::field::retry_after, std::to_string(retryAfter));
        return reply;
    };
    const int queueSeconds = qMax(int(m_queueDeadline.count()), 1);
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
    // A record of the answer to keep, asked for by its number; the page otherwise.
    if (exchange.query.hasQueryItem(QStringLiteral("record"))) {
        co_return fromResponse(Pages::recordFile(job->result, exchange.query.queryItemValue(u"record"_qs).toInt())
                                   .value_or(Pages::notFound(words)),
                               version, words);
    }
    co_return fromResponse(Response { 200, "text/html; charset=utf-8", Pages::lookupPage(typed, &job->result, words) },
                           version, words);
}
