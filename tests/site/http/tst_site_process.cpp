// The quelcor-site program itself: its command line, the version files as the program reads them, the
// lookup page over HTTP, its headers and its log.

#include "FakeWhois.h"
#include "LocalHttpServer.h"
#include "SiteProcess.h"

#include "VersionText.h"
#ifdef QUELCOR_WITH_CLIENT
#include "platform/HttpTextFetcher.h"
#endif

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpSocket>
#include <QTest>

namespace {

struct Page
{
    int status = 0;
    QByteArray body;
    QByteArray csp;
    QByteArray disposition;
};

Page get(const QString &url)
{
    QNetworkAccessManager network;
    QNetworkRequest request { QUrl(url) };
    request.setTransferTimeout(20'000);
    QNetworkReply *reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    Page page { reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll(),
                reply->rawHeader("Content-Security-Policy"), reply->rawHeader("Content-Disposition") };
    delete reply;
    return page;
}

} // namespace

class TestSiteProcess : public QObject
{
    Q_OBJECT
private slots:
    void versionFilesAsTheProgramReadsThem();
    void lookupOverHttp();
    void slowLookupHoldsUpNobody();
    void restartOnTheSamePort();
    void plainPagesAndMissingOnes_data();
    void plainPagesAndMissingOnes();
    void badCommandLines_data();
    void badCommandLines();
};

void TestSiteProcess::versionFilesAsTheProgramReadsThem()
{
#ifndef QUELCOR_WITH_CLIENT
    QSKIP("the program is not built here");
#else
    SiteProcess site({ QStringLiteral("--whois-version"), QStringLiteral("1.1.0007") });
    QVERIFY(site.started());
    HttpTextFetcher fetcher;
    const FetchResult quelcor = fetcher.fetch(QUrl(site.base() + "/quelcor_version_number.js"));
    QVERIFY2(quelcor.ok, qPrintable(quelcor.error));
    const auto published = VersionText::parse(VersionText::extract(quelcor.text));
    QVERIFY(published);
    QCOMPARE(QStringLiteral("%1.%2.%3").arg(published->major).arg(published->minor).arg(published->revision),
             QStringLiteral(QUELCOR_BUILD_VERSION));

    const FetchResult whois = fetcher.fetch(QUrl(site.base() + "/whois_version_number.js"));
    QVERIFY2(whois.ok, qPrintable(whois.error));
    const auto newer = VersionText::parse(VersionText::extract(whois.text));
    QVERIFY(newer);
    QVERIFY(VersionText::isNewer(*newer, *published));
#endif
}

void TestSiteProcess::lookupOverHttp()
{
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json",
               LocalHttpServer::Reply { 200,
                                        R"({"services":[[["com"],[")" + rdap.base().toUtf8() + R"(/"]]]})",
                                        "application/json",
                                        LocalHttpServer::Reply::Mode::Normal,
                                        100,
                                        {} });
    rdap.route("/domain/example.com",
               LocalHttpServer::Reply { 200,
                                        R"({"ldhName":"example.com","status":["active"],
                   "remarks":[{"description":["<img src=x onerror=alert(1)>"]}]})",
                                        "application/rdap+json",
                                        LocalHttpServer::Reply::Mode::Normal,
                                        100,
                                        {} });
    SiteProcess site({ QStringLiteral("--rdap-bootstrap"), rdap.base() + "/dns.json", QStringLiteral("--allow-address"),
                       QStringLiteral("127.0.0.1") });
    QVERIFY(site.started());

    // The test's own fake server answers inside this thread: the request runs in a helper thread.
    Page page;
    QEventLoop loop;
    std::unique_ptr<QThread> asker(
        QThread::create([&] { page = get(site.base() + "/hosting/quelcor.php?domain=Example.COM"); }));
    QObject::connect(asker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    asker->start();
    loop.exec();
    asker->wait();

    QCOMPARE(page.status, 200);
    QVERIFY(page.csp.contains("default-src 'none'"));
    QVERIFY(page.body.contains("<h1><bdi>example.com</bdi></h1>"));
    QVERIFY(page.body.contains("&lt;img src=x onerror=alert(1)&gt;"));
    QVERIFY(!page.body.contains("<img"));
    QVERIFY(page.body.contains("value=\"Example.COM\""));
    // The page's one script is the one its policy allows by hash.
    const qsizetype script = page.body.indexOf("<script>") + 8;
    const QByteArray code = page.body.mid(script, page.body.indexOf("</script>") - script);
    QVERIFY(page.csp.contains("script-src 'sha256-"
                              + QCryptographicHash::hash(code, QCryptographicHash::Sha256).toBase64() + "'"));
    QCOMPARE(rdap.log(), QStringList({ "GET /dns.json", "GET /domain/example.com" }));

    // The record to keep, from the cache: as the registry sent it.
    Page record;
    std::unique_ptr<QThread> keeper(
        QThread::create([&] { record = get(site.base() + "/hosting/quelcor.php?domain=example.com&record=1"); }));
    QObject::connect(keeper.get(), &QThread::finished, &loop, &QEventLoop::quit);
    keeper->start();
    loop.exec();
    keeper->wait();
    QCOMPARE(record.disposition, QByteArray("attachment; filename=\"example.com-rdap.json\""));
    QVERIFY(record.body.startsWith(R"({"ldhName":"example.com","status":["active"],)"));
    QCOMPARE(rdap.log().size(), 2);

    // One log line a request, with no control characters from the request in it.
    get(site.base() + "/hosting/quelcor.php?domain=a%0D%0Ab");
    QTRY_COMPARE_WITH_TIMEOUT(site.log().size(), 4, 5000);
    QVERIFY2(site.log().at(1).contains(u"GET /hosting/quelcor.php?domain=Example.COM 200"),
             qPrintable(site.log().at(1)));
    QVERIFY(site.log().at(3).contains(u"GET /hosting/quelcor.php?domain=a%0D%0Ab 200"));
}

void TestSiteProcess::slowLookupHoldsUpNobody()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).mode = FakeWhois::Mode::Trickle;
    auto site = std::make_unique<SiteProcess>(
        QStringList { QStringLiteral("--rdap-bootstrap"), QStringLiteral("http://127.0.0.1:1/dns.json"),
                      QStringLiteral("--whois-root"), QStringLiteral("127.0.0.1:%1").arg(whois.port()),
                      QStringLiteral("--allow-address"), QStringLiteral("127.0.0.1") });
    QVERIFY(site->started());
    const QString lookupUrl = site->base() + "/hosting/quelcor.php?domain=example.com";
    std::unique_ptr<QThread> asker(QThread::create([lookupUrl] { get(lookupUrl); }));
    asker->start();
    QTRY_COMPARE_WITH_TIMEOUT(whois.server(1).queries.size(), 1, 10000);

    // While that lookup waits on its trickling server, the version file comes at once.
    QElapsedTimer clock;
    clock.start();
    const Page version = get(site->base() + "/quelcor_version_number.js");
    QCOMPARE(version.status, 200);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));

    site.reset(); // ends the waiting request too
    QVERIFY(asker->wait(20000));
}

void TestSiteProcess::restartOnTheSamePort()
{
    auto first = std::make_unique<SiteProcess>(QStringList {});
    QVERIFY(first->started());
    const quint16 port = first->port();

    // A connection that the site closes first lingers on its port in TIME_WAIT.
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GET /forum HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    QVERIFY(socket.waitForDisconnected(5000));
    QVERIFY(socket.readAll().startsWith("HTTP/1.1 200"));

    // A second site on a port in use fails rather than sharing it.
    QVERIFY(!SiteProcess({}, port).started());

    first.reset();
    QVERIFY(SiteProcess({}, port).started());
}

void TestSiteProcess::plainPagesAndMissingOnes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("contains");
    QTest::newRow("lookup page, no question") << "/hosting/quelcor.php" << 200 << QByteArray("name=\"domain\"");
    QTest::newRow("download") << "/download" << 200 << QByteArray(QUELCOR_BUILD_VERSION);
    QTest::newRow("forum") << "/forum" << 200 << QByteArray("<h1>Quelcor forum</h1>");
    QTest::newRow("bug report") << "/bugreport.htm" << 200 << QByteArray("<h1>Report a bug</h1>");
    QTest::newRow("product page") << "/products/quelcor" << 200 << QByteArray("href=\"/download\"");
    QTest::newRow("style sheet") << "/site.css" << 200 << QByteArray("header {");
    QTest::newRow("missing") << "/hosting/../etc/passwd" << 404 << QByteArray("Page not found");
    QTest::newRow("no icon") << "/favicon.ico" << 204 << QByteArray();
}

void TestSiteProcess::plainPagesAndMissingOnes()
{
    QFETCH(QString, path);
    QFETCH(int, status);
    QFETCH(QByteArray, contains);
    static SiteProcess site({});
    QVERIFY(site.started());
    const Page page = get(site.base() + path);
    QCOMPARE(page.status, status);
    QVERIFY2(page.body.contains(contains), page.body.left(300).constData());
    QVERIFY(page.csp.contains("default-src 'none'"));
}

void TestSiteProcess::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("version too short") << QStringList { "--quelcor-version", "1.0.204" };
    QTest::newRow("version not digits") << QStringList { "--whois-version", "1.0.20x4" };
    QTest::newRow("port out of range") << QStringList { "--port", "70000" };
    QTest::newRow("listen not an address") << QStringList { "--listen", "localhost" };
    QTest::newRow("allowed not an address") << QStringList { "--allow-address", "10.0.0.0/8" };
    QTest::newRow("bootstrap not http") << QStringList { "--rdap-bootstrap", "file:///etc/passwd" };
    QTest::newRow("unknown option") << QStringList { "--verbose" };
}

void TestSiteProcess::badCommandLines()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    process.start(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-site"), arguments);
    QVERIFY(process.waitForFinished(10'000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().startsWith("quelcor-site: "));
}

QTEST_GUILESS_MAIN(TestSiteProcess)
#include "tst_site_process.moc"
