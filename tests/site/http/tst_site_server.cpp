// The site's HTTP serving, from outside over raw sockets: heads it refuses, pipelining, HEAD, the deadline
// for a slow head, a full lookup queue, and a graceful stop with a lookup in flight.

#include "FakeWhois.h"
#include "RawHttp.h"
#include "SiteProcess.h"
#include "http/HttpServer.h"
#include "pages/PageLanguage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <future>

namespace {

// The answers in a stream of pipelined ones: status line and body, read by their Content-Length.
QList<QPair<QByteArray, QByteArray>> answers(QByteArray stream, const QList<bool> &heads)
{
    QList<QPair<QByteArray, QByteArray>> out;
    for (bool head : heads) {
        const qsizetype end = stream.indexOf("\r\n\r\n");
        if (end < 0)
            break;
        const QByteArray headers = stream.left(end);
        const qsizetype field = headers.toLower().indexOf("content-length:");
        const qsizetype length
            = head || field < 0 ? 0 : headers.mid(field + 15).split('\r').first().trimmed().toLongLong();
        out.append({ headers.split('\r').first(), stream.mid(end + 4, length) });
        stream.remove(0, end + 4 + length);
    }
    return out;
}

QStringList whoisAt(const FakeWhoisNetwork &whois)
{
    return { QStringLiteral("--rdap-bootstrap"), QStringLiteral("http://127.0.0.1:1/dns.json"),
             QStringLiteral("--whois-root"),     QStringLiteral("127.0.0.1:%1").arg(whois.port()),
             QStringLiteral("--allow-address"),  QStringLiteral("127.0.0.1") };
}

const QByteArray kLookup = "GET /hosting/quelcor.php?domain=example.zz HTTP/1.1\r\nHost: x\r\n\r\n";

} // namespace

class TestSiteServer : public QObject
{
    Q_OBJECT
private slots:
    void refusedHeads_data();
    void refusedHeads();
    void pipelinedAnswersInOrder();
    void headOfTheLookupPageAsksNobody();
    void pagesInTheVisitorsLanguage();
    void slowHeadClosedAtItsDeadline();
    void fullQueueAnswered503();
    void idleMakeRoomForTheAsking();
    void connectionsCountedByClient_data();
    void connectionsCountedByClient();
    void stopLetsTheLookupInFlightFinish();
    void clientBehindAProxyCannotChooseItsAddress();
    void instancesShareResultsAndLimitsOnRedis();
    void registryWordSharedOnRedis();
    void redisGoneAndBack();
    void redisThatNeverAnswers();
    void lyingSentinelNotFollowed_data();
    void lyingSentinelNotFollowed();
};

void TestSiteServer::refusedHeads_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("status");
    const QByteArray get = "GET /forum HTTP/1.1\r\nHost: x\r\n";
    QTest::newRow("two lengths") << get + "Content-Length: 1\r\nContent-Length: 2\r\n\r\nab" << QByteArray("400");
    QTest::newRow("length and chunks") << get + "Content-Length: 3\r\nTransfer-Encoding: chunked\r\n\r\n0\r\n\r\n"
                                       << QByteArray("400");
    QTest::newRow("bad chunk") << get + "Transfer-Encoding: chunked\r\n\r\nzz\r\nab\r\n" << QByteArray("400");
    QTest::newRow("other transfer coding") << get + "Transfer-Encoding: gzip\r\n\r\n" << QByteArray("400");
    QTest::newRow("no host") << QByteArray("GET /forum HTTP/1.1\r\n\r\n") << QByteArray("400");
    QTest::newRow("head too large") << get + "X-Long: " + QByteArray(9000, 'a') + "\r\n\r\n" << QByteArray("431");
    QByteArray many = get;
    for (int i = 0; i < 70; ++i)
        many += "X-" + QByteArray::number(i) + ": 1\r\n";
    QTest::newRow("too many fields") << many + "\r\n" << QByteArray("431");
    QTest::newRow("the API's head too large, as a problem")
        << "GET /api/v1/lookup?q=x.com HTTP/1.1\r\nHost: x\r\nX-Long: " + QByteArray(9000, 'a') + "\r\n\r\n"
        << QByteArray("431");
}

void TestSiteServer::refusedHeads()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, status);
    static SiteProcess site({});
    QVERIFY(site.started());
    const Exchange result = exchange(site.port(), request);
    QVERIFY2(result.answer.startsWith("HTTP/1.1 " + status), result.answer.left(100).constData());
    QVERIFY(result.closed);
    QCOMPARE(result.answer.contains("Content-Type: application/problem+json"), request.startsWith("GET /api/"));
}

void TestSiteServer::pagesInTheVisitorsLanguage()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% no such extension\n";
    SiteProcess site(whoisAt(whois));
    QVERIFY(site.started());
    const QByteArray german
        = lookupOf("example.zz").replace("Host: x\r\n", "Host: x\r\nAccept-Language: de-CH, fr;q=0.8\r\n");
    const QByteArray answer = served(site.port(), german).answer; // while the fake whois server answers
    const PageLanguage &words = PageLanguage::forAcceptLanguage("de");
    const QString message = words.render(Message(MessageId::NoServiceExtension, u"zz"_qs));
    QVERIFY(!message.startsWith(u"There"));
    QVERIFY2(answer.contains(message.toHtmlEscaped().toUtf8()), answer.constData());
    QVERIFY(answer.contains("\r\nContent-Language: de\r\n") && answer.contains("\r\nVary: Accept-Language\r\n"));
    QVERIFY(answer.contains("<html lang=\"de\">"));
    // A plain page in French; without the header, English.
    const QByteArray french = exchange(site.port(),
                                       "GET /forum HTTP/1.1\r\nHost: x\r\nAccept-Language: fr\r\n"
                                       "Connection: close\r\n\r\n")
                                  .answer;
    QVERIFY(french.contains(PageLanguage::forAcceptLanguage("fr").text("Quelcor forum").toUtf8()));
    QVERIFY(exchange(site.port(), "GET /forum HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
                .answer.contains("<html lang=\"en\"><head>"));
}

void TestSiteServer::pipelinedAnswersInOrder()
{
    SiteProcess site({});
    QVERIFY(site.started());
    const Exchange result = exchange(site.port(),
                                     "GET /forum HTTP/1.1\r\nHost: x\r\n\r\n"
                                     "HEAD /download HTTP/1.1\r\nHost: x\r\n\r\n"
                                     "GET /no-such-page HTTP/1.1\r\nHost: x\r\n\r\n"
                                     "GET /quelcor_version_number.js HTTP/1.1\r\nHost: x\r\n\r\n");
    const auto got = answers(result.answer, { false, true, false, false });
    QCOMPARE(got.size(), 4);
    QCOMPARE(got[0].first, QByteArray("HTTP/1.1 200 OK"));
    QVERIFY(got[0].second.contains("Quelcor forum"));
    QCOMPARE(got[1].first, QByteArray("HTTP/1.1 200 OK")); // HEAD: the length of the page, no page
    QCOMPARE(got[2].first, QByteArray("HTTP/1.1 404 Not Found"));
    QVERIFY(got[3].second.startsWith("var quelcor_version_number"));
    QVERIFY(!result.closed); // kept alive for more
}

void TestSiteServer::headOfTheLookupPageAsksNobody()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% no such extension\n";
    SiteProcess site(whoisAt(whois));
    QVERIFY(site.started());
    QByteArray request = kLookup;
    request.replace("GET", "HEAD");
    auto head = std::async(std::launch::async, exchange, site.port(), request, 1500);
    QTRY_VERIFY_WITH_TIMEOUT(head.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 10000);
    QVERIFY(head.get().answer.startsWith("HTTP/1.1 200"));
    QVERIFY(whois.server(1).queries.isEmpty());
    // The same with GET asks the whois root.
    auto get = std::async(std::launch::async, exchange, site.port(), kLookup, 1500);
    QTRY_VERIFY_WITH_TIMEOUT(get.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 10000);
    QVERIFY(get.get().answer.contains("There is no lookup service for the extension .zz."));
    QCOMPARE(whois.server(1).queries.size(), 1);
}

void TestSiteServer::slowHeadClosedAtItsDeadline()
{
    SiteProcess site({ QStringLiteral("--head-timeout"), QStringLiteral("1") });
    QVERIFY(site.started());
    QTcpSocket slow;
    slow.connectToHost(QHostAddress::LocalHost, site.port());
    QVERIFY(slow.waitForConnected(5000));
    QElapsedTimer clock;
    clock.start();
    // A byte every 200 ms: each read is quick, the head never ends.
    const QByteArray head = "GET /forum HTTP/1.1\r\nHost: x\r\nX-Slow: aaaaaaaaaaaaaaaaaaaaaaaa";
    for (int i = 0; i < head.size() && slow.state() == QAbstractSocket::ConnectedState && clock.elapsed() < 5000; ++i) {
        slow.write(head.mid(i, 1));
        slow.waitForBytesWritten(1000);
        slow.waitForDisconnected(200);
    }
    QCOMPARE(slow.state(), QAbstractSocket::UnconnectedState);
    QVERIFY2(clock.elapsed() >= 900 && clock.elapsed() < 4500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(exchange(site.port(), "GET /healthz HTTP/1.1\r\nHost: x\r\n\r\n", 300).answer.endsWith("ok\n"));
}

void TestSiteServer::fullQueueAnswered503()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).mode = FakeWhois::Mode::Trickle;
    SiteProcess site(whoisAt(whois)
                     + QStringList { "--max-lookups", "1", "--max-queued-lookups", "0", "--stop-timeout", "0" });
    QVERIFY(site.started());
    auto first = std::async(std::launch::async, exchange, site.port(), kLookup, 1500);
    QTRY_COMPARE_WITH_TIMEOUT(whois.server(1).queries.size(), 1, 10000);
    const Exchange second = exchange(site.port(), kLookup, 500);
    QVERIFY2(second.answer.startsWith("HTTP/1.1 503"), second.answer.left(100).constData());
    QVERIFY(second.answer.contains("\r\nRetry-After: 20\r\n"));
    QVERIFY(second.answer.contains("The lookup service is busy."));
    QCOMPARE(site.terminate(5000), 0);
    first.wait();
}

void TestSiteServer::idleMakeRoomForTheAsking()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).mode = FakeWhois::Mode::Trickle;
    // One thread serves the connections, so that they wait in the order they came.
    SiteProcess site(whoisAt(whois)
                     + QStringList { "--max-connections", "4", "--stop-timeout", "0", "--http-threads", "1" });
    QVERIFY(site.started());
    // Full: a lookup under way, then three connections that say nothing, the oldest first.
    auto busy = std::async(std::launch::async, exchange, site.port(), kLookup, 4000);
    QTRY_COMPARE_WITH_TIMEOUT(whois.server(1).queries.size(), 1, 10000);
    QList<QTcpSocket *> idle;
    const auto addIdle = [&] {
        idle.append(new QTcpSocket(this));
        idle.last()->connectToHost(QHostAddress::LocalHost, site.port());
        return idle.last()->waitForConnected(5000);
    };
    QVERIFY(addIdle() && addIdle() && addIdle());
    // Each newcomer is answered; the idle make room, the longest waiting first; the lookup is never closed.
    for (int i = 0; i < 3; ++i) {
        const Exchange asked
            = exchange(site.port(), "GET /healthz HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n", 500);
        QVERIFY2(asked.answer.endsWith("ok\n"), asked.answer.constData());
        QTRY_COMPARE_WITH_TIMEOUT(idle[i]->state(), QAbstractSocket::UnconnectedState, 10000);
        QCOMPARE(idle[i + 1]->state(), QAbstractSocket::ConnectedState);
        QVERIFY(addIdle()); // full again
    }
    QCOMPARE(busy.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    QCOMPARE(site.terminate(5000), 0);
    busy.wait();
}

void TestSiteServer::connectionsCountedByClient_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("counted");
    QTest::newRow("IPv4") << "192.0.2.7"
                          << "192.0.2.7";
    QTest::newRow("IPv6, by its /64") << "2001:db8:1:2:aaaa:bbbb:cccc:dddd"
                                      << "2001:db8:1:2::/64";
    QTest::newRow("IPv6 /64 of few bits") << "2001:db8::1"
                                          << "2001:db8::/64";
    QTest::newRow("IPv4 in IPv6") << "::ffff:192.0.2.7"
                                  << "192.0.2.7";
    QTest::newRow("loopback") << "::1"
                              << "::/64";
}

void TestSiteServer::connectionsCountedByClient()
{
    QFETCH(QString, address);
    QFETCH(QString, counted);
    QCOMPARE(QString::fromStdString(HttpServer::addressKey(address.toStdString())), counted);
}

void TestSiteServer::stopLetsTheLookupInFlightFinish()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).mode = FakeWhois::Mode::Late;
    whois.server(1).answer = "% no such extension\n";
    SiteProcess site(whoisAt(whois));
    QVERIFY(site.started());
    auto lookup = std::async(std::launch::async, exchange, site.port(), kLookup, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(whois.server(1).queries.size(), 1, 10000);
    // SIGTERM while the whois server takes its time: the answer still comes, then the site ends well.
    QCOMPARE(site.terminate(8000), 0);
    const Exchange answer = lookup.get();
    QVERIFY2(answer.answer.startsWith("HTTP/1.1 200"), answer.answer.left(100).constData());
    QVERIFY(answer.answer.contains("There is no lookup service for the extension .zz."));
    QVERIFY(answer.closed);
}

void TestSiteServer::clientBehindAProxyCannotChooseItsAddress()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% This query returned 0 objects.\r\n";
    SiteProcess site(whoisAt(whois) + QStringList { "--trusted-proxy", "127.0.0.1", "--client-burst", "1" });
    QVERIFY(site.started());
    // As a proxy passes them on: the client's own field first, the proxy's after it.
    const auto behindProxy = [](const QByteArray &forged, const QByteArray &name) {
        QByteArray request = lookupOf(name);
        request.replace("Host: x\r\n",
                        "Host: x\r\nX-Forwarded-For: " + forged + "\r\nX-Forwarded-For: 198.51.100.7\r\n");
        return request;
    };
    QVERIFY(served(site.port(), behindProxy("1.2.3.4", "one.zz")).answer.startsWith("HTTP/1.1 200"));
    const Exchange second = served(site.port(), behindProxy("5.6.7.8", "two.zz"));
    QVERIFY2(second.answer.startsWith("HTTP/1.1 429"), second.answer.left(80).constData());
    // An IPv6 client holds a /64: another address of it is the same client.
    QVERIFY(served(site.port(), behindProxy("1.2.3.4", "three.zz").replace("198.51.100.7", "2001:db8::1"))
                .answer.startsWith("HTTP/1.1 200"));
    QVERIFY(served(site.port(), behindProxy("1.2.3.4", "four.zz").replace("198.51.100.7", "2001:db8::2"))
                .answer.startsWith("HTTP/1.1 429"));
    // The log names the client and the proxy, and shows a request's control characters as escapes.
    served(site.port(), lookupOf("a\xc2\x85\xe2\x80\xae.zz"));
    QTRY_VERIFY(site.log().join(u'\n').contains(u"127.0.0.1 GET /hosting/quelcor.php?domain=a\\u0085\\u202e.zz"_qs));
    QVERIFY(
        site.log().join(u'\n').contains(u"2001:db8::2 via 127.0.0.1 GET /hosting/quelcor.php?domain=four.zz 429"_qs));
}

void TestSiteServer::instancesShareResultsAndLimitsOnRedis()
{
    RedisServer redis;
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% This query returned 0 objects.\r\n";
    const QStringList options = whoisAt(whois)
        + QStringList { "--redis", redis.url(), "--client-burst", "3", "--client-lookups-per-minute", "1" };
    SiteProcess first(options), second(options);
    QVERIFY(first.started() && second.started());

    QVERIFY(served(first.port(), lookupOf("example.zz")).answer.contains("There is no lookup service"));
    const Exchange cached = served(second.port(), lookupOf("EXAMPLE.zz"));
    QVERIFY(cached.answer.contains("There is no lookup service"));
    QVERIFY(cached.answer.contains("From the site's cache"));
    QCOMPARE(whois.server(1).queries.size(), 1);

    // Three lookups that ask a registry a client may ask for at once, wherever it asks (the kept answer cost
    // nothing): the fourth is refused.
    QVERIFY(served(second.port(), lookupOf("other.zz")).answer.startsWith("HTTP/1.1 200"));
    QVERIFY(served(first.port(), lookupOf("third.zz")).answer.startsWith("HTTP/1.1 200"));
    const Exchange refused = served(first.port(), lookupOf("fourth.zz"));
    QVERIFY2(refused.answer.startsWith("HTTP/1.1 429"), refused.answer.left(80).constData());
    QVERIFY(refused.answer.contains("Retry-After: "));
}

void TestSiteServer::registryWordSharedOnRedis()
{
    // A registry that asks for a minute's rest is left alone by every instance, whatever name is asked.
    RedisServer redis;
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% Query rate limit exceeded. Please try again in 60 seconds.\r\n";
    const QStringList options = whoisAt(whois) + QStringList { "--redis", redis.url() };
    SiteProcess first(options), second(options);
    QVERIFY(first.started() && second.started());
    QVERIFY(served(first.port(), lookupOf("one.zz")).answer.contains("Try again in 1\u00A0min."));
    const Exchange other = served(second.port(), lookupOf("two.zz"));
    // What is left of the minute: "1 min" or the seconds under it
    QVERIFY2(other.answer.contains("The registry is limiting how often it is asked. Try again in 1\u00A0min")
                 || other.answer.contains("The registry is limiting how often it is asked. Try again in 5"),
             other.answer.mid(other.answer.indexOf("class=\"verdict"), 400).constData());
    QCOMPARE(whois.server(1).queries.size(), 1);
}

void TestSiteServer::redisGoneAndBack()
{
    RedisServer redis;
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% This query returned 0 objects.\r\n";
    SiteProcess site(whoisAt(whois) + QStringList { "--redis", redis.url() });
    QVERIFY(site.started());
    QVERIFY(served(site.port(), lookupOf("one.zz")).answer.startsWith("HTTP/1.1 200"));

    redis.stop();
    const Exchange alone = served(site.port(), lookupOf("two.zz"));
    QVERIFY2(alone.answer.startsWith("HTTP/1.1 200"), alone.answer.left(80).constData());
    QVERIFY(alone.answer.contains("There is no lookup service"));
    QTRY_VERIFY_WITH_TIMEOUT(site.log().join(u'\n').contains(u"cannot be reached"), 10000);
    QVERIFY(served(site.port(), "GET /metrics HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
                .answer.contains("quelcor_redis_up 0"));
    // Through a proxy on this machine the peer is loopback too: what it forwarded keeps the figures private.
    QVERIFY(served(site.port(),
                   "GET /metrics HTTP/1.1\r\nHost: x\r\nX-Forwarded-For: 198.51.100.7\r\nConnection: close\r\n\r\n")
                .answer.startsWith("HTTP/1.1 404"));

    // The site tries again when it is next used, once a second has passed since it lost Redis.
    redis.start();
    QTRY_VERIFY_WITH_TIMEOUT(served(site.port(), lookupOf("three.zz")).answer.startsWith("HTTP/1.1 200")
                                 && site.log().join(u'\n').contains(u"is back"),
                             20000);
}

void TestSiteServer::redisThatNeverAnswers()
{
    // A Redis that takes connections and never answers (a hung host, its packets dropped): lookups under way at
    // once are answered from the site's own memory, none fails, and the site says so.
    QTcpServer blackHole;
    QVERIFY(blackHole.listen(QHostAddress::LocalHost));
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% This query returned 0 objects.\r\n";
    SiteProcess site(
        whoisAt(whois)
        + QStringList { "--redis", u"redis://127.0.0.1:%1"_qs.arg(blackHole.serverPort()), "--client-burst", "20" });
    QVERIFY(site.started());
    std::vector<std::future<Exchange>> answers;
    for (int i = 0; i < 8; ++i)
        answers.push_back(std::async(std::launch::async, [&site, i] {
            return exchange(site.port(), lookupOf("name" + QByteArray::number(i) + ".zz"), 10000);
        }));
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(answers.begin(), answers.end(),
                                         [](const std::future<Exchange> &answer) {
                                             return answer.wait_for(std::chrono::seconds(0))
                                                 == std::future_status::ready;
                                         }),
                             20000); // the registry's stand-in answers on this thread
    for (std::future<Exchange> &answer : answers) {
        const Exchange answered = answer.get();
        QVERIFY2(answered.answer.startsWith("HTTP/1.1 200") && answered.answer.contains("There is no lookup service"),
                 answered.answer.left(80).constData());
    }
    QTRY_VERIFY_WITH_TIMEOUT(site.log().join(u'\n').contains(u"cannot be reached"), 10000);
    QVERIFY(!site.log().join(u'\n').contains(u"is back")); // taking a connection is not answering
}

void TestSiteServer::lyingSentinelNotFollowed_data()
{
    QTest::addColumn<QByteArray>("named"); // the master's address as the Sentinel says it; empty: a replica's
    QTest::addColumn<QString>("logged");
    QTest::newRow("a replica") << QByteArray() << "not a master itself";
    QTest::newRow("a public address") << QByteArray("203.0.113.5") << "203.0.113.5 port 6379, which is not followed";
    QTest::newRow("no address") << QByteArray("0.0.0.0") << "which is not followed";
}

void TestSiteServer::lyingSentinelNotFollowed()
{
    QFETCH(QByteArray, named);
    QFETCH(QString, logged);
    RedisServer master, replica(0, { "--replicaof", "127.0.0.1", QString::number(master.port()) });
    // A Sentinel on loopback that names whatever the row says, to any question.
    const QByteArray host = named.isEmpty() ? "127.0.0.1" : named;
    const QByteArray port = named.isEmpty() ? QByteArray::number(replica.port()) : "6379";
    QTcpServer sentinel;
    QVERIFY(sentinel.listen(QHostAddress::LocalHost));
    connect(&sentinel, &QTcpServer::newConnection, this, [&] {
        QTcpSocket *asker = sentinel.nextPendingConnection();
        connect(asker, &QTcpSocket::readyRead, asker, [=] {
            asker->readAll();
            asker->write("*2\r\n$" + QByteArray::number(host.size()) + "\r\n" + host + "\r\n$"
                         + QByteArray::number(port.size()) + "\r\n" + port + "\r\n");
        });
    });
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% This query returned 0 objects.\r\n";
    SiteProcess site(whoisAt(whois)
                     + QStringList { "--redis-sentinel", QStringLiteral("127.0.0.1:%1").arg(sentinel.serverPort()),
                                     "--redis-master", "quelcor" });
    QVERIFY(site.started());
    // The site asks again when it is next used, a second after its first try; this loop answers as the Sentinel.
    QTRY_VERIFY_WITH_TIMEOUT(served(site.port(), lookupOf("one.zz")).answer.startsWith("HTTP/1.1 200")
                                 && site.log().join(u'\n').contains(logged),
                             20000);
    QVERIFY(served(site.port(), "GET /metrics HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
                .answer.contains("quelcor_redis_up 0"));
}

QTEST_GUILESS_MAIN(TestSiteServer)
#include "tst_site_server.moc"
