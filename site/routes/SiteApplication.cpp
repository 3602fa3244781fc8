#include "SiteApplication.h"

#include "Replies.h"
#include "http/HttpServer.h"
#include "pages/Api.h"
#include "state/Log.h"
#include "state/Metrics.h"
#include "state/RateLimits.h"

namespace asio = boost::asio;
namespace http = boost::beast::http;

namespace {

// Text from a request as one safe log line, not too long: control characters (C0, DEL, C1), line and paragraph
// separators and bidirectional controls written as escapes (backslash, x or u, and the code in hex: ESC as x1b,
// NEL as u0085), a backslash as two.
std::string loggable(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    for (; i < text.size() && out.size() < 300; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = [&](std::size_t at) { return at < text.size() ? static_cast<unsigned char>(text[at]) : 0; };
        unsigned code = 0; // a character to escape, and how many bytes it takes
        std::size_t bytes = 1;
        if (c < 0x20 || c == 0x7f) {
            code = c;
        } else if (c == 0xc2 && next(i + 1) >= 0x80 && next(i + 1) <= 0x9f) {
            code = next(i + 1), bytes = 2;
        } else if (c == 0xe2 && (next(i + 1) == 0x80 || next(i + 1) == 0x81)) {
            const unsigned candidate = 0x2000 + ((next(i + 1) & 0x3f) << 6) + (next(i + 2) & 0x3f);
            if ((candidate >= 0x2028 && candidate <= 0x202e) || (candidate >= 0x2066 && candidate <= 0x2069)
                || candidate == 0x200e || candidate == 0x200f)
                code = candidate, bytes = 3;
        }
        if (c == '\\') {
            out += "\\\\";
        } else if (bytes == 1 && code == 0 && c >= 0x20) {
            out += char(c);
        } else if (bytes == 1) {
            out += { '\\', 'x', kHex[c >> 4], kHex[c & 15] };
        } else {
            out += {
                '\\', 'u', kHex[(code >> 12) & 15], kHex[(code >> 8) & 15], kHex[(code >> 4) & 15], kHex[code & 15]
            };
            i += bytes - 1;
        }
    }
    return i < text.size() ? out + "..." : out;
}

// Whom a request comes from, as the log names it: the client that a trusted proxy forwarded for and that proxy
// ("198.51.100.7 via 127.0.0.1"), or the peer.
std::string loggedClient(const std::string &peer, const std::string &client)
{
    return client == peer ? peer : client + " via " + peer;
}

// A request's line in the access log: "address method target status length [language]"; a page in words of the
// site's own ends its line with its language.
struct AccessLine
{
    AccessLine(const std::string &address, const Http::Request &request)
        : start(loggable(address) + ' ' + loggable(request.method_string()) + ' ' + loggable(request.target()))
    {
    }
    std::string operator()(unsigned status, std::size_t length, const std::string &language = {}) const;
    std::string start;
};

std::string AccessLine::operator()(unsigned status, std::size_t length, const std::string &language) const
{
    std::string line = start;
    line += ' ' + std::to_string(status) + ' ' + std::to_string(length);
    if (!language.empty())
        line += ' ' + language;
    return line;
}

// The path as a label of the request counter: a path the site served (answered, or refused a lookup on), and
// one label for every other, so that strangers' paths cannot grow the counters without end.
QByteArray metricPath(std::string_view target, unsigned status)
{
    if (status >= 300 && status != 429 && status != 503)
        return QByteArrayLiteral("other");
    return Replies::pathOf(target).toUtf8();
}

// Every X-Forwarded-For field, in order: a proxy appends a field of its own after the client's.
QByteArray forwardedFor(const Http::Request &request)
{
    QByteArray forwarded;
    for (auto [field, end] = request.equal_range("X-Forwarded-For"); field != end; ++field)
        forwarded
            += (forwarded.isEmpty() ? "" : ", ") + QByteArray(field->value().data(), qsizetype(field->value().size()));
    return forwarded;
}

} // namespace

SiteApplication::SiteApplication(const Pages &pages, LookupPool &pool, asio::io_context &io,
                                 const std::atomic<bool> &draining, const Settings &settings)
    : m_settings(settings)
    , m_draining(draining)
    , m_routes(pages, pool, io, settings.queueDeadline, draining, settings.watchlist, settings.watcher)
    , m_kept(pages)
{
}

asio::awaitable<Http::Answer> SiteApplication::respond(const Http::Request &request, const std::string &peer)
{
    Http::Answer answer;
    // An answer that never changes goes out as it was made, without the routes.
    const bool keepAlive = request.keep_alive() && !m_draining;
    // The client the proxy forwarded for (when a trusted proxy forwarded), for the log and the limits.
    const QByteArray forwarded = forwardedFor(request);
    const std::string forwardedClient = forwarded.isEmpty()
        ? peer
        : clientAddress(QString::fromStdString(peer), forwarded, m_settings.trustedProxies).toStdString();
    const std::string logged = loggedClient(peer, forwardedClient);
    if (const std::optional<KeptAnswers::Kept> kept = m_kept.find(request, keepAlive)) {
        Log::line(AccessLine(logged, request)(kept->status, kept->length, kept->language));
        ++kept->counted;
        if (kept->lookups)
            ++*kept->lookups;
        answer.bytes = kept->bytes;
        answer.close = !keepAlive;
        co_return answer;
    }
    const std::string client = HttpServer::addressKey(forwardedClient); // an IPv6 client counted by its /64
    std::atomic<quint64> *keepable = nullptr; // a lookup page that may be kept for a moment: its lookups counter
    answer.reply = co_await m_routes.respond(request, peer, client, &answer.parts, &keepable);
    Http::Reply &reply = answer.reply;
    answer.close = !request.keep_alive() || m_draining || reply[http::field::connection] == "close";
    reply.keep_alive(!answer.close);

    // One line a request, once its length is known.
    const std::string language = loggable(reply[http::field::content_language]);
    const unsigned status = reply.result_int();
    if (answer.parts)
        answer.written = [line = AccessLine(logged, request), status, language](std::size_t length) {
            Log::line(line(status, length, language));
        };
    else
        Log::line(AccessLine(logged, request)(status, reply.body().size(), language));
    Metrics::instance().countRequest(metricPath(request.target(), status), int(status));
    if (keepable && reply.result() == http::status::ok)
        answer.bytes = m_kept.keepPage(request, !answer.close, reply, keepable);
    co_return answer;
}

void SiteApplication::unreadable(const Http::Request &head, const std::string &peer, Http::Reply &reply)
{
    // A program's question to the API gets a problem, as its other refusals are.
    if (head.target().starts_with("/api/")) {
        const int status = reply.result_int();
        const Response problem = Api::problem(
            status,
            status == 431       ? QStringLiteral("Request header fields too large")
                : status == 413 ? QStringLiteral("Request too large")
                                : QStringLiteral("Not a request this server reads"),
            status == 431       ? QStringLiteral("A request's head may be at most 8 KiB, in at most 64 fields.")
                : status == 413 ? QStringLiteral("The API's questions have no body.")
                                : QStringLiteral("The request is not one this server reads."));
        reply.set(boost::beast::http::field::content_type, problem.contentType.toStdString());
        reply.body() = problem.body.toStdString();
        reply.prepare_payload();
    }
    Log::line(AccessLine(peer, head)(reply.result_int(), reply.body().size()));
    Metrics::instance().countRequest(metricPath(head.target(), reply.result_int()), int(reply.result_int()));
}
