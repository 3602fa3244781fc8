#pragma once

#include "http/Application.h"
#include "pages/Pages.h"

#include <QtGlobal>

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Answers sent as they were made, without the routes, on one I/O loop: those of paths whose answer never changes
// (the version files, the style sheet), made once for each HTTP version, kept-alive or closing, GET or HEAD; and a
// lookup page that the site answered from its cache, as sent a moment ago for the same request (the same target,
// language, HTTP version and keeping alive), for a second.
class KeptAnswers
{
public:
    explicit KeptAnswers(const Pages &pages);

    struct Kept
    {
        std::shared_ptr<const std::string> bytes;
        unsigned status;
        std::size_t length; // of the body sent, for the log
        std::atomic<quint64> &counted; // the request counter of its path
        std::atomic<quint64> *lookups; // the lookups counter, for a kept lookup page
        std::string language; // of a page, for the log
    };
    // The kept answer to a request; no value for a request that has none.
    std::optional<Kept> find(const Http::Request &request, bool keepAlive);
    // Keeps a lookup page as sent (its keeping alive set), and gives its bytes.
    std::shared_ptr<const std::string> keepPage(const Http::Request &request, bool keepAlive, const Http::Reply &reply,
                                                std::atomic<quint64> *lookups);

private:
    struct Fixed
    {
        std::string path;
        std::array<std::shared_ptr<const std::string>, 8> bytes; // by HTTP/1.1, kept alive, HEAD
        unsigned status;
        std::size_t length;
        std::atomic<quint64> *counted;
    };
    std::vector<Fixed> m_fixed;
    struct Page
    {
        std::chrono::steady_clock::time_point until;
        std::shared_ptr<const std::string> bytes;
        std::size_t length;
        std::atomic<quint64> *lookups;
        std::string language;
    };
    static std::string pageKey(const Http::Request &request, bool keepAlive);
    std::unordered_map<std::string, Page> m_pages; // this loop's own
    std::atomic<quint64> &m_pageRequests;
};
