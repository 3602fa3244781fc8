#include "LocalHttpServer.h"
#include "TestMain.h"
#include "app/Program.h"
#include "platform/PluginBrowserFactory.h"

#include <QApplication>

using Reply = LocalHttpServer::Reply;
Q_DECLARE_METATYPE(Reply)
#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
const QString kModule = QStringLiteral(QUELCOR_BIN_DIR "/quelcor_browser.so");

struct Counts
{
    int begins = 0;
    int completes = 0;
    int errors = 0;
};

BrowserEvents counting(Counts &counts)
{
    BrowserEvents events;
    events.downloadBegin = [&counts] { ++counts.begins; };
    events.downloadComplete = [&counts] { ++counts.completes; };
    events.navigateError = [&counts](bool &cancel) {
        ++counts.errors;
        cancel = true;
    };
    return events;
}

// A shown window holding the real browser, silent, with its events counted.
struct LiveBrowser
{
    PluginBrowserFactory factory { kModule };
    QWidget window;
    Counts counts;
    QString error;
    std::unique_ptr<Browser> browser;

    bool open()
    {
        window.show();
        browser = factory.create(&window, counting(counts), &error);
        if (browser)
            browser->setSilent(true);
        return browser != nullptr;
    }
};

QString plainText(QWebEngineView *view)
{
    QString text;
    bool done = false;
    view->page()->toPlainText([&](const QString &t) {
        text = t;
        done = true;
    });
    QDeadlineTimer deadline(10000);
    while (!done && !deadline.hasExpired())
        QTest::qWait(20);
    return done ? text : QStringLiteral("(no answer from the page)");
}
} // namespace

// The real browser module on the real web engine, loading pages from a server in the test.
class TestBrowser : public QObject
{
    Q_OBJECT
private slots:
    void missingModuleSaysWhy();
    void downloadEventsAndNoDialogs();
    void failedNavigationShowsNoErrorPage();
    void hostileServers_data();
    void hostileServers();
};

void TestBrowser::missingModuleSaysWhy()
{
    PluginBrowserFactory factory(QStringLiteral("/nonexistent/quelcor_browser.so"));
    QWidget parent;
    QString error;
    Counts counts;
    QVERIFY(!factory.create(&parent, counting(counts), &error));
    QVERIFY(!error.isEmpty());
}

void TestBrowser::downloadEventsAndNoDialogs()
{
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.route("/page",
                 { 200,
                   "<html><head><title>before</title></head><body>"
                   "<script>alert('hello'); confirm('sure?'); prompt('name?');"
                   "document.title = 'after';</script>lookup</body></html>",
                   "text/html" });

    PluginBrowserFactory factory(kModule);
    QWidget window;
    window.resize(705, 377);
    window.show();
    Counts counts;
    QString error;
    std::unique_ptr<Browser> browser = factory.create(&window, counting(counts), &error);
    QVERIFY2(browser, qPrintable(error));
    browser->widget()->resize(705, 377);
    browser->widget()->show();

    // A dialog of the engine's own would run modally and block the page; the watchdog closes it and tells.
    bool dialogSeen = false;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            dialogSeen = true;
            modal->close();
        }
    });
    watchdog.start(250);

    browser->setSilent(true);
    browser->navigate(QUrl(server.base() + QStringLiteral("/page")));
    QTRY_COMPARE_WITH_TIMEOUT(counts.completes, 1, 60000);
    QCOMPARE(counts.begins, 1);
    QCOMPARE(counts.errors, 0);
    auto *view = qobject_cast<QWebEngineView *>(browser->widget());
    QVERIFY(view);
    QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("after"), 10000);
    QVERIFY(!dialogSeen);
    QCOMPARE(server.log().count(QStringLiteral("GET /page")), 1); // and perhaps the icon, nothing else
    QCOMPARE(server.log().first(), QStringLiteral("GET /page"));

    browser->goBack(); // no earlier page: nothing happens
    QCOMPARE(view->url(), QUrl(server.base() + QStringLiteral("/page")));
}

void TestBrowser::failedNavigationShowsNoErrorPage()
{
    QTcpServer reserve;
    QVERIFY(reserve.listen(QHostAddress::LocalHost));
    const quint16 port = reserve.serverPort();
    reserve.close();

    LiveBrowser live;
    QVERIFY2(live.open(), qPrintable(live.error));
    Browser *browser = live.browser.get();
    Counts &counts = live.counts;
    browser->navigate(QUrl(QStringLiteral("http://127.0.0.1:%1/hosting/quelcor.php").arg(port)));
    QTRY_COMPARE_WITH_TIMEOUT(counts.completes, 1, 60000);
    QCOMPARE(counts.errors, 1);
    // Not the engine's error page, nor a blank one: the browser's own, whose loading is not reported.
    auto *view = qobject_cast<QWebEngineView *>(browser->widget());
    QTRY_VERIFY_WITH_TIMEOUT(plainText(view).startsWith(u"The lookup page could not be reached"), 10000);
    QVERIFY(!plainText(view).contains(u"ERR_"));
    QCOMPARE(counts.begins, 1);
    QCOMPARE(counts.completes, 1);
    QCOMPARE(counts.errors, 1);
}

void TestBrowser::hostileServers_data()
{
    using Reply = LocalHttpServer::Reply;
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<bool>("completes"); // whether DownloadComplete comes (a download that never ends keeps the cover)
    QTest::addColumn<bool>("fails"); // whether NavigateError comes first

    const QByteArray page = "<html><body>lookup</body></html>";
    QTest::newRow("trickles a byte a second, never ends")
        << Reply { 200, "", "text/html", Reply::Mode::Trickle, 1000 } << false << false;
    QTest::newRow("50 MB") << Reply { 200, "<html><body><!--" + QByteArray(50 << 20, ' ') + "--></body></html>",
                                      "text/html" }
                           << true << false;
    QTest::newRow("connection reset mid-body")
        << Reply { 200, page + QByteArray(8192, ' '), "text/html", Reply::Mode::Reset } << true << true;
    QTest::newRow("redirects in a loop") << Reply { 302, "/hosting/quelcor.php", "text/html", Reply::Mode::Redirect }
                                         << true << true;
    QTest::newRow("status 500 with a page") << Reply { 500, page, "text/html" } << true << true;
    QTest::newRow("garbage and NULs") << Reply { 200, QByteArray("\x01\xff\x00\x00<html>\x80", 11), "text/html" }
                                      << true << false;
}

// The lookup page from servers that misbehave: the events that come are the ones the cover relies on,
// and the engine opens no window of its own.
void TestBrowser::hostileServers()
{
    QFETCH(LocalHttpServer::Reply, reply);
    QFETCH(bool, completes);
    QFETCH(bool, fails);
    LocalHttpServer server;
    QVERIFY(server.listen());
    server.route("/hosting/quelcor.php", reply);

    LiveBrowser live;
    QVERIFY2(live.open(), qPrintable(live.error));
    Browser *browser = live.browser.get();
    Counts &counts = live.counts;
    browser->navigate(QUrl(server.base() + QStringLiteral("/hosting/quelcor.php")));
    if (completes) {
        QTRY_COMPARE_WITH_TIMEOUT(counts.completes, 1, 60000);
        QCOMPARE(counts.errors, fails ? 1 : 0);
    } else {
        // The page is under way; three seconds of its trickle later, it has still not completed.
        QTRY_VERIFY_WITH_TIMEOUT(server.log().contains(QStringLiteral("GET /hosting/quelcor.php")), 60000);
        QTest::qWait(3000);
        QCOMPARE(counts.completes, 0);
    }
    QCOMPARE(counts.begins, 1);
    QVERIFY(!QApplication::activeModalWidget());
}

QUELCOR_TEST_MAIN(TestBrowser)
#include "tst_browser.moc"
