// Several instances of the site behind HAProxy (deploy/haproxy.cfg) on one Redis, all real and on loopback:
// under a load of lookups and version files, one instance is killed and another stopped, and no request
// fails but those the killed one had in flight.

#include "FakeWhois.h"
#include "RawHttp.h"
#include "SiteProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

struct Request
{
    qint64 startMs = 0;
    qint64 endMs = 0;
    bool ok = false;
    QByteArray status;
};

} // namespace

class TestSiteScale : public QObject
{
    Q_OBJECT
private slots:
    void instancesBehindTheBalancer();
};

void TestSiteScale::instancesBehindTheBalancer()
{
    RedisServer redis;
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% This query returned 0 objects.\r\n";
    const QStringList options { "--rdap-bootstrap",
                                "http://127.0.0.1:1/dns.json",
                                "--whois-root",
                                QStringLiteral("127.0.0.1:%1").arg(whois.port()),
                                "--allow-address",
                                "127.0.0.1",
                                "--redis",
                                redis.url(),
                                "--trusted-proxy",
                                "127.0.0.1",
                                "--drain-timeout",
                                "3",
                                "--client-lookups-per-minute",
                                "1000000",
                                "--client-burst",
                                "1000000",
                                "--client-total-per-minute",
                                "1000000",
                                "--client-total-burst",
                                "1000000",
                                "--max-lookups-per-address",
                                "10000",
                                "--registry-questions-per-second",
                                "100000" };
    std::vector<std::unique_ptr<SiteProcess>> sites;
    for (int i = 0; i < 3; ++i) {
        sites.push_back(std::make_unique<SiteProcess>(options));
        QVERIFY(sites.back()->started());
    }

    // The repository's configuration, on this test's ports.
    QFile file(QStringLiteral(QUELCOR_SOURCE_DIR "/deploy/haproxy.cfg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray config = file.readAll();
    const quint16 front = freePort();
    config.replace("127.0.0.1:8080", "127.0.0.1:" + QByteArray::number(front));
    config.replace("maxconn 4096", "maxconn 400"); // within any machine's open-files limit
    for (int i = 0; i < 3; ++i)
        config.replace("127.0.0.1:" + QByteArray::number(8485 + i),
                       "127.0.0.1:" + QByteArray::number(sites[i]->port()));
    QTemporaryDir dir;
    QFile written(dir.filePath(QStringLiteral("haproxy.cfg")));
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write(config) == config.size());
    written.close();
    QProcess haproxy;
    haproxy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    haproxy.start(QStringLiteral("haproxy"), { "-db", "-f", written.fileName() });
    QVERIFY(haproxy.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(served(front, "GET /healthz HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
                                 .answer.startsWith("HTTP/1.1 200"),
                             10000);
    QVERIFY(served(front, "GET /metrics HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
                .answer.startsWith("HTTP/1.1 404")); // the operator's figures, not the internet's
    // Every instance checked and up: two checks each (rise 2), besides the one request above.
    QTRY_VERIFY_WITH_TIMEOUT(
        std::all_of(sites.begin(), sites.end(),
                    [](const auto &site) { return site->log().filter(u"GET /healthz 200"_qs).size() >= 3; }),
        20000);

    // The load: eight clients, a lookup in four requests, for 14 s.
    QElapsedTimer clock;
    clock.start();
    std::mutex mutex;
    QList<Request> requests;
    std::atomic<bool> running { true };
    std::atomic<int> finishedClients { 0 };
    std::vector<std::thread> clients;
    for (int c = 0; c < 8; ++c) {
        clients.emplace_back([&, c] {
            QRandomGenerator random(quint32(c + 1));
            while (running) {
                const bool lookup = random.bounded(4) == 0;
                const QByteArray name = "n" + QByteArray::number(random.bounded(200)) + ".zz";
                Request request;
                request.startMs = clock.elapsed();
                const Exchange answer = exchange(
                    front,
                    lookup ? lookupOf(name)
                           : "GET /quelcor_version_number.js HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n",
                    5000);
                request.endMs = clock.elapsed();
                request.status = answer.answer.left(12);
                request.ok = answer.answer.startsWith("HTTP/1.1 200")
                    && answer.answer.contains(lookup ? "There is no lookup service" : "quelcor_version_number");
                const std::lock_guard lock(mutex);
                requests.append(request);
            }
            ++finishedClients;
        });
    }
    const auto serveUntil = [&](qint64 ms) {
        while (clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    serveUntil(4000);
    const qint64 killedAt = clock.elapsed();
    sites[0]->kill();
    serveUntil(8000);
    const qint64 stoppedAt = clock.elapsed();
    QCOMPARE(sites[1]->terminate(10'000), 0); // drains for 3 s, then closes
    serveUntil(14000);
    running = false;
    while (finishedClients < int(clients.size())) // their last lookups still need the fake registry
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (std::thread &client : clients)
        client.join();

    const std::lock_guard lock(mutex);
    int failed = 0, lookups = 0;
    for (const Request &request : std::as_const(requests)) {
        lookups += request.ok && request.status.startsWith("HTTP/1.1 200");
        if (request.ok)
            continue;
        ++failed;
        // Only what the killed instance had in flight may fail.
        QVERIFY2(request.startMs <= killedAt && request.endMs >= killedAt,
                 qPrintable(QStringLiteral("a request from %1 to %2 ms failed (%3); killed at %4 ms, stopped at %5 ms")
                                .arg(request.startMs)
                                .arg(request.endMs)
                                .arg(QString::fromLatin1(request.status))
                                .arg(killedAt)
                                .arg(stoppedAt)));
    }
    qInfo("%lld requests in 14 s through the balancer, %d failed (in flight on the killed instance)",
          qint64(requests.size()), failed);
    QVERIFY2(requests.size() > 300, qPrintable(QString::number(requests.size())));
    QVERIFY(failed <= 8);
    // The stopped instance told the balancer before it closed.
    QVERIFY(sites[1]->log().join(u'\n').contains(u"GET /healthz 503"));
    haproxy.terminate();
    haproxy.waitForFinished(5000);
}

QTEST_GUILESS_MAIN(TestSiteScale)
#include "tst_site_scale.moc"
