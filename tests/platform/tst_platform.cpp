#include "LocalHttpServer.h"
#include "TestFiles.h"
#include "platform/FileNames.h"
#include "platform/HttpTextFetcher.h"
#include "platform/RouteTableProbe.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Reply = LocalHttpServer::Reply;
Q_DECLARE_METATYPE(Reply)

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void fetch_data();
    void fetch();
    void fetchFailsOnARefusedConnection();
    void fetchGivesUpAtTheDeadline_data();
    void fetchGivesUpAtTheDeadline();
    void noSecondFetchInsideTheFirst();
    void probe_data();
    void probe();
    void probeOfThisMachineAnswers();
    void namesMatchWithoutRegardToCase_data();
    void namesMatchWithoutRegardToCase();
    void patternsListOrdinaryFilesInOrder();
};

void TestPlatform::fetch_data()
{
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("text");

    const QByteArray version = "document.write('version: ');   1.0.2005;";
    QTest::newRow("200") << Reply { 200, version } << true << QString::fromLatin1(version);
    QTest::newRow("200, empty") << Reply { 200, "" } << true << QString();
    QTest::newRow("200, code page 1252") << Reply { 200, "caf\xE9 \x80" } << true
                                         << QString::fromUtf16(u"caf\u00E9 \u20AC");
    QTest::newRow("200, no Content-Length")
        << Reply { 200, version, "text/plain", Reply::Mode::NoLength } << true << QString::fromLatin1(version);
    QTest::newRow("404 with a body") << Reply { 404, "<html>Not found, 1.0.2005 </html>" } << false << QString();
    QTest::newRow("500 with a version file") << Reply { 500, version } << false << QString();
    QTest::newRow("body at the cap") << Reply { 200, QByteArray(65536, 'a') } << true
                                     << QString(65536, QLatin1Char('a'));
    QTest::newRow("body over the cap, announced") << Reply { 200, QByteArray(65537, 'a') } << false << QString();
    QTest::newRow("several megabytes, not announced")
        << Reply { 200, QByteArray(5 * 1024 * 1024, 'a'), "text/plain", Reply::Mode::NoLength } << false << QString();
}

void TestPlatform::fetch()
{
    QFETCH(Reply, reply);
    QFETCH(bool, ok);
    QFETCH(QString, text);

    LocalHttpServer server;
    QVERIFY(server.listen());
    server.route("/v.js", reply);
    HttpTextFetcher fetcher(10000);
    const FetchResult result = fetcher.fetch(QUrl(server.base() + QStringLiteral("/v.js")));
    QCOMPARE(result.ok, ok);
    QCOMPARE(result.text, text);
    QVERIFY(ok || !result.error.isEmpty());
    QCOMPARE(server.log(), QStringList { QStringLiteral("GET /v.js") });
}

void TestPlatform::fetchFailsOnARefusedConnection()
{
    QTcpServer reserve; // take a free port, then free it: nothing listens there any more
    QVERIFY(reserve.listen(QHostAddress::LocalHost));
    const quint16 port = reserve.serverPort();
    reserve.close();

    HttpTextFetcher fetcher(10000);
    QElapsedTimer clock;
    clock.start();
    const FetchResult result = fetcher.fetch(QUrl(QStringLiteral("http://127.0.0.1:%1/v.js").arg(port)));
    QVERIFY(!result.ok);
    QVERIFY(clock.elapsed() < 5000);
}

void TestPlatform::fetchGivesUpAtTheDeadline_data()
{
    QTest::addColumn<Reply>("reply");
    QTest::newRow("accepts and never answers") << Reply { 200, "", "text/plain", Reply::Mode::Silent };
    QTest::newRow("trickles and never ends") << Reply { 200, "", "text/plain", Reply::Mode::Trickle, 50 };
}

void TestPlatform::fetchGivesUpAtTheDeadline()
{
    QFETCH(Reply, reply);
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.route("/v.js", reply);

    HttpTextFetcher fetcher(700);
    QElapsedTimer clock;
    clock.start();
    const FetchResult result = fetcher.fetch(QUrl(server.base() + QStringLiteral("/v.js")));
    const qint64 waited = clock.elapsed();
    QVERIFY(!result.ok);
    QVERIFY2(waited >= 650 && waited < 5000, qPrintable(QString::number(waited)));
}

void TestPlatform::noSecondFetchInsideTheFirst()
{
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.route("/slow", Reply { 200, "", "text/plain", Reply::Mode::Silent });
    server.route("/fast", Reply { 200, "fast" });

    HttpTextFetcher fetcher(1500);
    FetchResult inner;
    bool innerRan = false;
    // A timer fires while the first fetch waits, as a repaint or tick would, and tries a second fetch.
    QTimer::singleShot(200, [&] {
        innerRan = true;
        inner = fetcher.fetch(QUrl(server.base() + QStringLiteral("/fast")));
    });
    const FetchResult outer = fetcher.fetch(QUrl(server.base() + QStringLiteral("/slow")));
    QVERIFY(innerRan);
    QVERIFY(!inner.ok);
    QVERIFY(!outer.ok);
    QVERIFY(!server.log().contains(QStringLiteral("GET /fast")));

    // Once the first has ended, the next one goes through.
    const FetchResult after = fetcher.fetch(QUrl(server.base() + QStringLiteral("/fast")));
    QVERIFY(after.ok);
    QCOMPARE(after.text, QStringLiteral("fast"));
}

void TestPlatform::probe_data()
{
    QTest::addColumn<QByteArray>("ipv4");
    QTest::addColumn<QByteArray>("ipv6");
    QTest::addColumn<QByteArray>("eth0Flags");
    QTest::addColumn<int>("result");

    const QByteArray header = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
    const QByteArray local = "eth0\t0002A8C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n";
    const QByteArray defaultRoute = "eth0\t00000000\t0102A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n";
    const QByteArray v6Local = "fe800000000000000000000000000000 40 00000000000000000000000000000000 00 "
                               "00000000000000000000000000000000 00000100 00000001 00000000 00000001 eth0\n";
    const QByteArray v6Unreachable = "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
                                     "00000000000000000000000000000000 ffffffff 00000001 00000000 00200200 lo\n";
    const QByteArray v6Default = "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
                                 "fe800000000000000000000000000001 00000400 00000001 00000000 00450003 eth0\n";

    QTest::newRow("no default route") << header + local << v6Local + v6Unreachable << QByteArray("0x1003") << 0;
    QTest::newRow("IPv4 default route") << header + local + defaultRoute << v6Local << QByteArray("0x1003") << 1;
    QTest::newRow("IPv6 default route only") << header + local << v6Local + v6Default << QByteArray("0x1003") << 1;
    QTest::newRow("default route, interface down")
        << header + local + defaultRoute << v6Local + v6Default << QByteArray("0x1002") << 0;
    QTest::newRow("no route tables at all") << QByteArray() << QByteArray() << QByteArray("0x1003") << 0;
    QTest::newRow("garbage") << QByteArray("\x01\x02 zz\n\n\t\t\n") << QByteArray("00 00 00") << QByteArray("x") << 0;
}

void TestPlatform::probe()
{
    QFETCH(QByteArray, ipv4);
    QFETCH(QByteArray, ipv6);
    QFETCH(QByteArray, eth0Flags);
    QFETCH(int, result);

    QTemporaryDir dir;
    if (!ipv4.isEmpty())
        TestFiles::write(dir.filePath(QStringLiteral("route")), ipv4);
    if (!ipv6.isEmpty())
        TestFiles::write(dir.filePath(QStringLiteral("ipv6_route")), ipv6);
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("net/eth0")));
    TestFiles::write(dir.filePath(QStringLiteral("net/eth0/flags")), eth0Flags + "\n");

    RouteTableProbe probe(dir.filePath(QStringLiteral("route")), dir.filePath(QStringLiteral("ipv6_route")),
                          dir.filePath(QStringLiteral("net")));
    QCOMPARE(probe.InternetGetConnectedState(), result);
    QCOMPARE(probe.InternetGetConnectedState(), result); // the same answer when asked again
}

void TestPlatform::probeOfThisMachineAnswers()
{
    RouteTableProbe probe;
    const int result = probe.InternetGetConnectedState();
    QVERIFY(result == 0 || result == 1);
}

void TestPlatform::namesMatchWithoutRegardToCase_data()
{
    QTest::addColumn<QStringList>("onDisk");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("found"); // empty: nothing matches

    QTest::newRow("exact") << QStringList { "LANGUAGE.DRV" } << "LANGUAGE.DRV"
                           << "LANGUAGE.DRV";
    QTest::newRow("lower case on disk") << QStringList { "language.drv" } << "LANGUAGE.DRV"
                                        << "language.drv";
    QTest::newRow("mixed case on disk") << QStringList { "Start.1st" } << "START.1ST"
                                        << "Start.1st";
    QTest::newRow("folder") << QStringList { "Lang/" } << "lang"
                            << "Lang";
    QTest::newRow("exact wins over others") << QStringList { "lang/", "LANG/", "Lang/" } << "Lang"
                                            << "Lang";
    QTest::newRow("missing") << QStringList { "other.drv" } << "LANGUAGE.DRV"
                             << "";
    QTest::newRow("wildcards are literal") << QStringList { "a.drv" } << "*.drv"
                                           << "";
}

void TestPlatform::namesMatchWithoutRegardToCase()
{
    QFETCH(QStringList, onDisk);
    QFETCH(QString, asked);
    QFETCH(QString, found);

    QTemporaryDir dir;
    for (const QString &name : onDisk) {
        if (name.endsWith(QLatin1Char('/')))
            QVERIFY(QDir(dir.path()).mkdir(name.chopped(1)));
        else
            TestFiles::write(dir.filePath(name), "x");
    }
    const QString path = FileNames::resolve(QDir(dir.path()), asked);
    QCOMPARE(FileNames::exists(QDir(dir.path()), asked), !found.isEmpty());
    QCOMPARE(QFileInfo(path).fileName(), found.isEmpty() ? asked : found);
}

void TestPlatform::patternsListOrdinaryFilesInOrder()
{
    QTemporaryDir dir;
    for (const char *name : { "b.DRV", "A.drv", "c.Drv", ".hidden.drv", "note.txt" })
        TestFiles::write(dir.filePath(QLatin1String(name)), "x");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.drv")));
    QCOMPARE(FileNames::files(QDir(dir.path()), QStringLiteral("*.DRV")), (QStringList { "A.drv", "b.DRV", "c.Drv" }));
    QCOMPARE(FileNames::files(QDir(dir.path()), QStringLiteral("*.drv")), (QStringList { "A.drv", "b.DRV", "c.Drv" }));
    QCOMPARE(FileNames::files(QDir(dir.path()), QStringLiteral("*.jpg")), QStringList());
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
