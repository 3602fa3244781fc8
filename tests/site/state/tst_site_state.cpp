// What the site keeps and how it shares: the result cache, one question for identical lookups, the token
// buckets, and whose X-Forwarded-For is believed.

#include "FakeWhois.h"
#include "SiteTesting.h"
#include "lookup/LookupPool.h"
#include "state/RateLimits.h"
#include "state/RegistryHealth.h"
#include "state/ResultCache.h"
#include "watch/Watch.h"

#include <QTest>

namespace {

using Outcome = LookupResult::Outcome;

LookupResult resultOf(Outcome outcome, int maxAge = -1, const QString &text = QStringLiteral("record"))
{
    LookupResult result;
    result.outcome = outcome;
    result.maxAgeSeconds = maxAge;
    result.records.append(SourceRecord { QStringLiteral("whois.example"), text, false });
    return result;
}

// A result kept as the lookup pool keeps it, and read back.
void keep(ResultCache &cache, const QString &key, const LookupResult &result, const QDateTime &now)
{
    cache.store(key, result.serialised(now), result.lifetime(cache.settings()), now);
}

std::optional<LookupResult> kept(ResultCache &cache, const QString &key, const QDateTime &now)
{
    const std::optional<ResultCache::Kept> found = cache.find(key, now);
    return found ? LookupResult::deserialised(found->bytes, now) : std::nullopt;
}

} // namespace

class TestSiteLimits : public QObject
{
    Q_OBJECT
private slots:
    void lifeDatesAhead_data();
    void lifeDatesAhead();
    void cacheLifetimes_data();
    void cacheLifetimes();
    void cacheExpiresAndEvicts();
    void identicalLookupsAskOnce();
    void tokenBuckets_data();
    void tokenBuckets();
    void pacingRefusalsBuildNoDebt();
    void clientBudgetPerRegistry();
    void registryHealth();
    void forwardedAddress_data();
    void forwardedAddress();
};

void TestSiteLimits::cacheLifetimes_data()
{
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("maxAge");
    QTest::addColumn<int>("seconds");
    QTest::newRow("found") << int(Outcome::Found) << -1 << 600;
    QTest::newRow("found, registry says 60 s") << int(Outcome::Found) << 60 << 60;
    QTest::newRow("found, registry says no-store") << int(Outcome::Found) << 0 << 0;
    QTest::newRow("not registered") << int(Outcome::NotRegistered) << -1 << 120;
    QTest::newRow("no service") << int(Outcome::NoService) << -1 << 3600;
    QTest::newRow("failed: never") << int(Outcome::Failed) << -1 << 0;
    QTest::newRow("rate limited: never") << int(Outcome::RateLimited) << -1 << 0;
    QTest::newRow("refused: asks nobody") << int(Outcome::Refused) << -1 << 0;
}

void TestSiteLimits::cacheLifetimes()
{
    QFETCH(int, outcome);
    QFETCH(int, maxAge);
    QFETCH(int, seconds);
    QCOMPARE(resultOf(Outcome(outcome), maxAge).lifetime(ResultCache::Settings {}), seconds);
}

void TestSiteLimits::cacheExpiresAndEvicts()
{
    const QDateTime t0(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
    ResultCache cache(ResultCache::Settings { 3000, 600, 120, 3600 });
    keep(cache, u"found.com"_qs, resultOf(Outcome::Found), t0);
    keep(cache, u"free.com"_qs, resultOf(Outcome::NotRegistered), t0);
    keep(cache, u"broken.com"_qs, resultOf(Outcome::Failed), t0);
    QCOMPARE(kept(cache, u"found.com"_qs, t0.addSecs(599)).value_or(LookupResult()).cachedAgeSeconds, 599);
    QVERIFY(!cache.find(u"found.com"_qs, t0.addSecs(600)));
    QVERIFY(cache.find(u"free.com"_qs, t0.addSecs(119)));
    QVERIFY(!cache.find(u"free.com"_qs, t0.addSecs(120)));
    QVERIFY(!cache.find(u"broken.com"_qs, t0));
    QCOMPARE(cache.bytes(), 0);

    // Bounded by bytes: the least recently used goes first.
    const QString record(400, u'x');
    keep(cache, u"a.com"_qs, resultOf(Outcome::Found, -1, record), t0);
    keep(cache, u"b.com"_qs, resultOf(Outcome::Found, -1, record), t0);
    QVERIFY(cache.find(u"a.com"_qs, t0));
    keep(cache, u"c.com"_qs, resultOf(Outcome::Found, -1, record), t0);
    QVERIFY(cache.bytes() <= 3000);
    QVERIFY(cache.find(u"a.com"_qs, t0));
    QVERIFY(!cache.find(u"b.com"_qs, t0));
    QVERIFY(cache.find(u"c.com"_qs, t0));
    // What is past its time leaves at the next store, unasked.
    const qint64 held = cache.bytes();
    keep(cache, u"d.com"_qs, resultOf(Outcome::Found, -1, record), t0.addSecs(700));
    QVERIFY(cache.bytes() < held);
}

void TestSiteLimits::identicalLookupsAskOnce()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).mode = FakeWhois::Mode::Late;
    whois.server(1).answer = "% This query returned 0 objects.\r\n";
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);
    LookupSettings settings = settingsFor(whois.port());
    settings.limits.answerMs = 5000; // the server answers after 1.5 s
    const Lookup lookup(bootstrap, settings);
    ResultCache cache(ResultCache::Settings {});
    LookupPool pool(lookup, LookupPool::Settings { 2, 512, 512, 100, &cache, nullptr });

    QList<std::shared_ptr<LookupPool::Job>> jobs;
    for (int i = 0; i < 10; ++i) {
        auto job = std::make_shared<LookupPool::Job>();
        job->query = Query::fromInput(i % 2 ? u"EXAMPLE.zz"_qs : u"example.zz."_qs); // one name, as typed in two ways
        job->client = "127.0.0.1";
        QCOMPARE(pool.submit(job), LookupPool::Admission::Accepted);
        jobs.append(job);
    }
    const auto allDone = [&jobs] {
        return std::all_of(jobs.begin(), jobs.end(),
                           [](const auto &job) { return job->state == LookupPool::Job::Done; });
    };
    QTRY_VERIFY_WITH_TIMEOUT(allDone(), 10000);
    QCOMPARE(whois.server(1).queries.size(), 1);
    for (const auto &job : jobs)
        QCOMPARE(job->result.outcome, Outcome::NoService);

    // The answer is kept under the question's key, for whoever asks again, with its age.
    const std::optional<LookupResult> again = LookupResult::kept(
        cache, LookupPool::keyOf(Query::fromInput(u"example.zz"_qs)), QDateTime::currentDateTimeUtc());
    QVERIFY(again && again->cachedAgeSeconds >= 0);
}

void TestSiteLimits::tokenBuckets_data()
{
    QTest::addColumn<QList<int>>("atMs"); // when each lookup is asked for
    QTest::addColumn<QList<int>>("waitMs"); // what each is told to wait: 0 when it may go
    // 20 a minute, 5 at once: a token every 3 s.
    QTest::newRow("a burst of five") << QList<int> { 0, 0, 0, 0, 0 } << QList<int> { 0, 0, 0, 0, 0 };
    QTest::newRow("the sixth waits 3 s") << QList<int> { 0, 0, 0, 0, 0, 0 } << QList<int> { 0, 0, 0, 0, 0, 3000 };
    QTest::newRow("refilled over time") << QList<int> { 0, 0, 0, 0, 0, 1000, 3000 }
                                        << QList<int> { 0, 0, 0, 0, 0, 2000, 0 };
    QTest::newRow("never above the burst")
        << QList<int> { 0, 60000, 60000, 60000, 60000, 60000, 60000 } << QList<int> { 0, 0, 0, 0, 0, 0, 3000 };
}

void TestSiteLimits::tokenBuckets()
{
    QFETCH(QList<int>, atMs);
    QFETCH(QList<int>, waitMs);
    TokenBuckets buckets(20 / 60.0, 5);
    const TokenBuckets::Clock::time_point t0 = TokenBuckets::Clock::now();
    for (qsizetype i = 0; i < atMs.size(); ++i) {
        const double wait = buckets.take("192.0.2.1", t0 + std::chrono::milliseconds(atMs[i]));
        QVERIFY2(qAbs(wait * 1000 - waitMs[i]) < 1, qPrintable(QStringLiteral("#%1: %2").arg(i).arg(wait)));
    }
    // Another address has its own bucket.
    QCOMPARE(buckets.take("192.0.2.2", t0), 0.0);
}

void TestSiteLimits::pacingRefusalsBuildNoDebt()
{
    // One question a second to a registry; a lookup waits at most 2 s for its turn.
    TokenBuckets pace(1, 1);
    const TokenBuckets::Clock::time_point t0 = TokenBuckets::Clock::now();
    QCOMPARE(pace.reserve("whois.example", t0, 2), 0.0);
    QCOMPARE(pace.reserve("whois.example", t0, 2), 1.0);
    QCOMPARE(pace.reserve("whois.example", t0, 2), 2.0);
    for (int i = 0; i < 20; ++i) // refused: they take nothing
        QCOMPARE(pace.reserve("whois.example", t0, 2), 3.0);
    QCOMPARE(pace.reserve("whois.example", t0 + std::chrono::seconds(3), 2), 0.0);
    // The site's own questions leave a token to visitors: of two, they take one, and a visitor still goes at once.
    TokenBuckets shared(1, 2);
    QCOMPARE(shared.reserve("whois.example", t0, 0, nullptr, 1), 0.0);
    QCOMPARE(shared.reserve("whois.example", t0, 0, nullptr, 1), 1.0);
    QCOMPARE(shared.reserve("whois.example", t0, 0), 0.0);
}

void TestSiteLimits::clientBudgetPerRegistry()
{
    // A visitor's check of twenty extensions asks twenty registries at once; a script asking one registry over and
    // over is held by that registry's budget; all registries together by the overall cap.
    ClientBudget budget({ 20, 5, 60, 25 });
    const TokenBuckets::Clock::time_point t0 = TokenBuckets::Clock::now();
    for (int i = 0; i < 20; ++i)
        QCOMPARE(budget.take("192.0.2.1", "tld" + std::to_string(i), t0), 0.0);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(budget.take("192.0.2.1", "com", t0), 0.0);
    QCOMPARE(budget.take("192.0.2.1", "net", t0), 1.0); // the overall cap: one a second
    for (int i = 0; i < 5; ++i)
        QCOMPARE(budget.take("192.0.2.2", "com", t0), 0.0);
    QCOMPARE(budget.take("192.0.2.2", "com", t0), 3.0); // that registry's: twenty a minute
    QCOMPARE(budget.fields("192.0.2.2", "com", t0),
             std::pair(std::string(R"("registry";q=5;w=15, "all";q=25;w=25)"),
                       std::string(R"("registry";r=0;t=15, "all";r=20;t=5)"))); // the refusal took nothing
}

void TestSiteLimits::registryHealth()
{
    RegistryHealth health;
    const RegistryHealth::Clock::time_point t0 = RegistryHealth::Clock::now();
    using Turn = RegistryHealth::Turn;
    const auto turn = [&](const char *host, int atSeconds) {
        const Turn said = health.turn(host, t0 + std::chrono::seconds(atSeconds));
        return std::pair(int(said.kind), said.seconds);
    };
    // Its word kept (a little longer: the jitter), then no more.
    health.limited("rdap.example", 120, t0);
    QVERIFY(turn("rdap.example", 0).first == Turn::Limited && turn("rdap.example", 0).second >= 120);
    QCOMPARE(turn("rdap.example", 133).first, int(Turn::Ask));
    QCOMPARE(turn("whois.example", 0), std::pair(int(Turn::Ask), qint64(0)));
    // Five failures in a row rest it; after the rest one probe goes, the others wait for its answer.
    for (int i = 0; i < RegistryHealth::kFailures; ++i)
        health.failed("whois.example", t0);
    QCOMPARE(turn("whois.example", 0), std::pair(int(Turn::Resting), qint64(RegistryHealth::kRest)));
    QCOMPARE(turn("whois.example", RegistryHealth::kRest).first, int(Turn::Ask));
    QCOMPARE(turn("whois.example", RegistryHealth::kRest + 1).first, int(Turn::Resting));
    health.answered("whois.example");
    QCOMPARE(turn("whois.example", RegistryHealth::kRest + 2).first, int(Turn::Ask));
    QVERIFY(health.metrics(t0).contains("quelcor_registry_state{registry=\"rdap.example\"} 1"));
}

void TestSiteLimits::forwardedAddress_data()
{
    QTest::addColumn<QString>("peer");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("client");
    // 10.0.0.5 and 10.0.0.6 are the site's load balancers.
    QTest::newRow("no header") << "198.51.100.7" << QByteArray() << "198.51.100.7";
    QTest::newRow("from the balancer") << "10.0.0.5" << QByteArray("203.0.113.9") << "203.0.113.9";
    QTest::newRow("a client's own forgery ignored") << "198.51.100.7" << QByteArray("1.2.3.4") << "198.51.100.7";
    QTest::newRow("forged part before the balancer's")
        << "10.0.0.5" << QByteArray("1.2.3.4, 203.0.113.9") << "203.0.113.9";
    QTest::newRow("two balancers") << "10.0.0.5" << QByteArray("203.0.113.9, 10.0.0.6") << "203.0.113.9";
    QTest::newRow("garbage") << "10.0.0.5" << QByteArray("203.0.113.9, <script>") << "10.0.0.5";
}

void TestSiteLimits::forwardedAddress()
{
    QFETCH(QString, peer);
    QFETCH(QByteArray, header);
    QFETCH(QString, client);
    const QList<QHostAddress> trusted { QHostAddress(u"10.0.0.5"_qs), QHostAddress(u"10.0.0.6"_qs) };
    QCOMPARE(clientAddress(peer, header, trusted), client);
}

void TestSiteLimits::lifeDatesAhead_data()
{
    // A sighting on 1 June 2026 (its phase, expiry, last change), and the dates ahead: kind and days after 1 June,
    // an estimate marked "~".
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("expires");
    QTest::addColumn<QString>("lastChanged");
    QTest::addColumn<QStringList>("dates");
    using Phase = Sighting::Phase;
    QTest::newRow("registered: its expiry") << int(Phase::Registered) << "2026-07-01"
                                            << "" << QStringList { "0 30" };
    QTest::newRow("registered, no expiry known") << int(Phase::Registered) << ""
                                                 << "" << QStringList {};
    QTest::newRow("grace: 45, 30 and 5 days from the expiry")
        << int(Phase::Grace) << "2026-05-22"
        << "2026-05-23" << QStringList { "0 -10", "1 ~35", "2 ~65", "3 ~70" };
    QTest::newRow("redemption: from the record's last change") << int(Phase::Redemption) << "2026-04-01"
                                                               << "2026-05-30" << QStringList { "2 ~28", "3 ~33" };
    QTest::newRow("redemption, a last change before the expiry: from the sighting")
        << int(Phase::Redemption) << "2026-04-01"
        << "2026-03-01" << QStringList { "2 ~30", "3 ~35" };
    QTest::newRow("pending delete") << int(Phase::PendingDelete) << "2026-04-01"
                                    << "" << QStringList { "3 ~5" };
    QTest::newRow("available: none") << int(Phase::Available) << ""
                                     << "" << QStringList {};
}

void TestSiteLimits::lifeDatesAhead()
{
    QFETCH(int, phase);
    QFETCH(QString, expires);
    QFETCH(QString, lastChanged);
    QFETCH(QStringList, dates);
    Sighting sighting;
    sighting.seen = QDateTime(QDate(2026, 6, 1), QTime(12, 0), Qt::UTC);
    sighting.phase = Sighting::Phase(phase);
    sighting.expires = expires;
    sighting.lastChanged = lastChanged;
    QStringList found;
    for (const LifeDate &date : lifeDates(sighting))
        found.append(u"%1 %2%3"_qs.arg(int(date.kind))
                         .arg(date.estimated ? u"~" : u"")
                         .arg(QDate(2026, 6, 1).daysTo(date.date)));
    QCOMPARE(found, dates);
    // A history keeps a sighting only when it differs from the one before.
    History history;
    QVERIFY(history.add(sighting));
    sighting.seen = sighting.seen.addDays(1);
    QVERIFY(!history.add(sighting));
    QCOMPARE(History::fromBytes(history.toBytes()).sightings.size(), 1);
    // Whatever a registry sends, a sighting and a history stay small.
    LookupResult flood;
    flood.kind = Query::Kind::Domain;
    flood.outcome = LookupResult::Outcome::Found;
    flood.registrar = QString(100'000, u'R');
    for (int i = 0; i < 100; ++i) {
        flood.statuses.append(QString(1000, QChar(u'a' + i % 26)) + QString::number(i));
        flood.nameServers.append(u"ns%1."_qs.arg(i) + QString(1000, u'n'));
    }
    for (int i = 0; i < 20; ++i) {
        flood.registrar[0] = QChar(u'A' + i % 26);
        QVERIFY(history.add(*Sighting::of(flood, sighting.seen.addDays(i))));
    }
    QVERIFY(history.toBytes().size() <= History::kMostBytes && history.sightings.size() > 1);
    QVERIFY(history.sightings.last().registrar.size() <= 200 && history.sightings.last().statuses.size() <= 16);
}

QTEST_GUILESS_MAIN(TestSiteLimits)
#include "tst_site_state.moc"
