// How far the site's own cache and pacing carry a stream of lookups, driven through the real ResultCache and
// TokenBuckets on a simulated clock (nothing is asked of a network): a Zipf-distributed stream of questions over
// a set of names, each name held by one of a set of registry servers (also Zipf-distributed, as a few registries
// hold most names). For several cache sizes and arrival rates it prints the hit ratio, the registry questions a
// second that remain, and how many of those the registry pacing lets through at once.
//   bench_site_capacity [QUESTIONS] [NAMES]     (1000000 and 100000)
// Stated parameters: Zipf exponent 1.0 over the names and 1.1 over 300 registry servers; 10 % of names free (kept
// 120 s), the rest found (kept 600 s); 6 KB kept a result (the size of a typical kept RDAP record); pacing of 5
// questions a second to one server with a burst of 10, a question waiting at most 4 s for its turn.

#include "state/RateLimits.h"
#include "state/ResultCache.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// Ranks 0..n-1 drawn with probability proportional to 1 / (rank + 1)^s.
class Zipf
{
public:
    Zipf(int n, double s)
        : m_cumulative(std::size_t(n))
    {
        double sum = 0;
        for (int i = 0; i < n; ++i)
            m_cumulative[std::size_t(i)] = sum += 1 / std::pow(i + 1, s);
        for (double &c : m_cumulative)
            c /= sum;
    }
    int operator()(std::mt19937_64 &random) const
    {
        const double u = std::uniform_real_distribution<double>(0, 1)(random);
        return int(std::lower_bound(m_cumulative.begin(), m_cumulative.end(), u) - m_cumulative.begin());
    }

private:
    std::vector<double> m_cumulative;
};

struct Figures
{
    double hitRatio;
    double questionsPerSecond; // registry questions that remain
    double pacedThrough; // of those, the share the pacing lets through within the wait
    qint64 cacheBytes;
};

Figures run(int questions, int names, qint64 cacheBytes, double perSecond)
{
    constexpr int kServers = 300;
    constexpr qsizetype kResultBytes = 6 * 1024;
    std::mt19937_64 random(2026);
    const Zipf nameRanks(names, 1.0), serverRanks(kServers, 1.1);
    std::vector<int> serverOf(static_cast<std::size_t>(names), 0); // each name's registry server, fixed
    for (int &server : serverOf)
        server = serverRanks(random);

    ResultCache cache(ResultCache::Settings { cacheBytes, 600, 120, 3600 });
    TokenBuckets pacing(5, 10);
    const QByteArray result(kResultBytes, 'r'); // shared: the cache counts its bytes, memory holds one
    const QDateTime start = QDateTime::fromSecsSinceEpoch(1800000000, Qt::UTC);
    const TokenBuckets::Clock::time_point clockStart {};
    qint64 hits = 0, asked = 0, through = 0;
    for (int i = 0; i < questions; ++i) {
        const double at = i / perSecond;
        const QDateTime now = start.addMSecs(qint64(at * 1000));
        const int rank = nameRanks(random);
        const QString key = QStringLiteral("n%1.example").arg(rank);
        if (cache.find(key, now)) {
            ++hits;
            continue;
        }
        ++asked;
        const auto tick = clockStart + std::chrono::microseconds(qint64(at * 1e6));
        if (pacing.reserve(std::to_string(serverOf[std::size_t(rank)]), tick, 4.0) <= 4.0)
            ++through;
        cache.store(key, result, rank % 10 == 0 ? 120 : 600, now);
    }
    const double seconds = questions / perSecond;
    return { double(hits) / questions, asked / seconds, asked ? double(through) / double(asked) : 1, cache.bytes() };
}

} // namespace

int main(int argc, char **argv)
{
    const int questions = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
    const int names = argc > 2 ? std::atoi(argv[2]) : 100'000;
    std::printf("%d questions over %d names (Zipf 1.0), 300 registry servers (Zipf 1.1), 6 KB a result\n\n", questions,
                names);
    std::printf("| lookups/s | cache | hit ratio | registry questions/s | let through by the pacing | cache used |\n"
                "|---|---|---|---|---|---|\n");
    for (const double rate : { 1000.0, 10000.0 }) {
        for (const qint64 megabytes : { 16, 64, 256, 1024 }) {
            const Figures f = run(questions, names, megabytes << 20, rate);
            std::printf("| %.0f | %lld MB | %.1f %% | %.0f | %.1f %% | %lld MB |\n", rate,
                        static_cast<long long>(megabytes), 100 * f.hitRatio, f.questionsPerSecond, 100 * f.pacedThrough,
                        static_cast<long long>(f.cacheBytes >> 20));
            std::fflush(stdout);
        }
    }
    return 0;
}
