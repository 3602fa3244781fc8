// Two instances of the site sharing state on a Redis master watched by three Sentinels, all real and on
// loopback: the master is killed under a load of lookups, no lookup fails while no master is known, and once a
// replica is promoted both instances share their cache and their clients' budgets again.

#include "FakeWhois.h"
#include "RawHttp.h"
#include "SiteProcess.h"

#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

namespace {

QByteArray lookupFrom(const QByteArray &name, const QByteArray &client)
{
    QByteArray request = lookupOf(name);
    return request.replace("Host: x\r\n", "Host: x\r\nX-Forwarded-For: " + client + "\r\n");
}

} // namespace

class TestSiteFailover : public QObject
{
    Q_OBJECT
private slots:
    void sharedAgainAfterAFailover();
};

void TestSiteFailover::sharedAgainAfterAFailover()
{
    RedisServer master;
    RedisServer replica(0, { "--replicaof", "127.0.0.1", QString::number(master.port()) });
    QTemporaryDir dir;
    std::vector<std::unique_ptr<RedisServer>> sentinels;
    QStringList addresses;
    for (int i = 0; i < 3; ++i) {
        RedisServer probe; // a free port, at once given back
        const quint16 port = probe.port();
        probe.stop();
        QFile config(dir.filePath(QStringLiteral("sentinel%1.conf").arg(i)));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(
            QStringLiteral("port %1\nsentinel monitor quelcor 127.0.0.1 %2 2\nsentinel down-after-milliseconds "
                           "quelcor 1000\nsentinel failover-timeout quelcor 5000\nbind 127.0.0.1\n")
                .arg(port)
                .arg(master.port())
                .toUtf8());
        config.close();
        sentinels.push_back(std::make_unique<RedisServer>(port, QStringList { config.fileName() }, "redis-sentinel"));
        addresses.append(QStringLiteral("127.0.0.1:%1").arg(port));
    }
    // The Sentinels know the replica and each other before the master goes.
    QTRY_VERIFY_WITH_TIMEOUT(sentinels[0]->ask("SENTINEL replicas quelcor").contains(QByteArray::number(replica.port()))
                                 && sentinels[0]->ask("SENTINEL sentinels quelcor").count("runid") == 2,
                             20000);

    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% This query returned 0 objects.\r\n";
    const QStringList options = QStringLiteral("--rdap-bootstrap http://127.0.0.1:1/dns.json --whois-root 127.0.0.1:%1 "
                                               "--allow-address 127.0.0.1 --redis-sentinel %2 --redis-master quelcor "
                                               "--trusted-proxy 127.0.0.1 --client-burst 3 --client-lookups-per-minute "
                                               "1 --registry-questions-per-second 1000")
                                    .arg(whois.port())
                                    .arg(addresses.join(u','))
                                    .split(u' ');
    SiteProcess first(options), second(options);
    QVERIFY(first.started() && second.started());
    const quint16 ports[] = { first.port(), second.port() };

    // Load: a lookup every 50 ms, each from a client of its own, alternating between the instances.
    std::atomic<bool> loading = true, loadEnded = false;
    std::atomic<int> asked = 0, failed = 0;
    QByteArray firstFailure;
    std::thread load([&] {
        for (int i = 0; loading; ++i) {
            const QByteArray name = "load" + QByteArray::number(i % 40) + ".zz";
            const Exchange answer
                = exchange(ports[i % 2], lookupFrom(name, "198.51.100." + QByteArray::number(i % 250)), 3000);
            ++asked;
            if (!answer.answer.startsWith("HTTP/1.1 200") && failed++ == 0)
                firstFailure = answer.answer.left(200);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        loadEnded = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(asked >= 10, 30000); // the load under way

    master.stop();
    QTRY_VERIFY_WITH_TIMEOUT(
        sentinels[0]->ask("SENTINEL get-master-addr-by-name quelcor").contains(QByteArray::number(replica.port())),
        30000);
    // Within 30 s of the promotion: an answer one instance keeps is a hit at the other.
    bool shared = false;
    for (int i = 0; i < 60 && !shared; ++i) {
        const QByteArray name = "after" + QByteArray::number(i) + ".zz";
        served(first.port(), lookupFrom(name, "192.0.2.1"));
        shared = served(second.port(), lookupFrom(name, "192.0.2.2")).answer.contains("From the site's cache");
        if (!shared)
            QTest::qWait(500);
    }
    QVERIFY2(shared, qPrintable(first.log().join(u'\n').right(600)));
    // A client's budget is counted once, wherever it asks: three lookups, and the fourth is refused.
    for (int i = 0; i < 3; ++i)
        QVERIFY(served(ports[i % 2], lookupFrom("budget" + QByteArray::number(i) + ".zz", "203.0.113.9"))
                    .answer.startsWith("HTTP/1.1 200"));
    const Exchange refused = served(second.port(), lookupFrom("budget3.zz", "203.0.113.9"));
    QVERIFY2(refused.answer.startsWith("HTTP/1.1 429"), refused.answer.left(80).constData());

    // The fake whois server answers on this thread: it serves the load's last lookup while the load ends.
    loading = false;
    QTRY_VERIFY_WITH_TIMEOUT(loadEnded, 10000);
    load.join();
    QVERIFY(asked > 20);
    QVERIFY2(failed == 0, firstFailure.constData());
    for (SiteProcess *site : { &first, &second })
        QVERIFY(site->log().join(u'\n').contains(
            QStringLiteral("at 127.0.0.1:%1 as the Redis master").arg(replica.port())));
}

QTEST_GUILESS_MAIN(TestSiteFailover)
#include "tst_site_failover.moc"
