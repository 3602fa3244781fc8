#include "KeptAnswers.h"

#include "MakerPaths.h"
#include "Replies.h"
#include "state/Metrics.h"

namespace http = boost::beast::http;

KeptAnswers::KeptAnswers(const Pages &pages)
    : m_pageRequests(Metrics::instance().requestCounter(QByteArray(MakerPaths::lookupPage.data()), 200))
{
    const std::pair<QLatin1StringView, Response> fixed[] = {
        { MakerPaths::quelcorVersion, pages.quelcorVersion() },
        { MakerPaths::whoisVersion, pages.whoisVersion() },
        { QLatin1StringView("/site.css"), Pages::styleSheet() },
    };
    for (const auto &[path, response] : fixed) {
        Fixed answers { path.toString().toStdString(),
                        {},
                        unsigned(response.status),
                        std::size_t(response.body.size()),
                        &Metrics::instance().requestCounter(path.toString().toUtf8(), response.status) };
        for (int i = 0; i < 8; ++i) {
            Http::Reply reply = Replies::fromResponse(response, (i & 4) ? 11 : 10);
            reply.keep_alive(i & 2);
            reply.prepare_payload();
            // HEAD: the GET's headers, its length too.
            answers.bytes[i] = (i & 1) ? Replies::bytes(reply.base()) : Replies::bytes(reply);
        }
        m_fixed.push_back(std::move(answers));
    }
}

std::string KeptAnswers::pageKey(const Http::Request &request, bool keepAlive)
{
    std::string key(request.target());
    key += '\n';
    key += request[http::field::accept_language];
    key += request.version() == 11 ? "\n1" : "\n0";
    key += keepAlive ? '1' : '0';
    return key;
}

std::shared_ptr<const std::string> KeptAnswers::keepPage(const Http::Request &request, bool keepAlive,
                                                         const Http::Reply &reply, std::atomic<quint64> *lookups)
{
    const auto now = std::chrono::steady_clock::now();
    if (m_pages.size() >= 4096)
        std::erase_if(m_pages, [now](const auto &entry) { return entry.second.until <= now; });
    if (m_pages.size() >= 4096)
        m_pages.clear();
    const std::shared_ptr<const std::string> bytes = Replies::bytes(reply);
    m_pages[pageKey(request, keepAlive)] = Page { now + std::chrono::seconds(1), bytes, reply.body().size(), lookups,
                                                  std::string(reply[http::field::content_language]) };
    return bytes;
}

std::optional<KeptAnswers::Kept> KeptAnswers::find(const Http::Request &request, bool keepAlive)
{
    const bool head = request.method() == http::verb::head;
    if ((!head && request.method() != http::verb::get) || (request.version() != 10 && request.version() != 11))
        return std::nullopt;
    const std::string_view target = request.target();
    const std::string_view path = target.substr(0, target.find('?'));
    for (const Fixed &answers : m_fixed) {
        if (path == answers.path)
            return Kept { answers.bytes[(request.version() == 11 ? 4 : 0) + (keepAlive ? 2 : 0) + (head ? 1 : 0)],
                          answers.status,
                          head ? 0 : answers.length,
                          *answers.counted,
                          nullptr,
                          {} };
    }
    if (head || m_pages.empty() || path != MakerPaths::lookupPage.data())
        return std::nullopt;
    const auto kept = m_pages.find(pageKey(request, keepAlive));
    if (kept == m_pages.end())
        return std::nullopt;
    if (kept->second.until <= std::chrono::steady_clock::now()) {
        m_pages.erase(kept);
        return std::nullopt;
    }
    return Kept { kept->second.bytes,   200, kept->second.length, m_pageRequests, kept->second.lookups,
                  kept->second.language };
}
