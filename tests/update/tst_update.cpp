#include "Doubles.h"
#include "HostileServers.h"
#include "LocalHttpServer.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "Widgets.h"
#include "WindowFixture.h"
#include "about/About.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"
#include "platform/HttpTextFetcher.h"
#include "update/iUpdate.h"
#include "widgets/Hyperlink.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Reply = LocalHttpServer::Reply;
Q_DECLARE_METATYPE(Reply)

// The update check window against a real HTTP server on loopback.
class TestUpdate : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ready();
    void query_data();
    void query();
    void secondCheckNeedsAReopen();
    void closeByTheWindowSystemUnloads();
    void hostileServers_data();
    void hostileServers();
    void closedWhileTheQueryWaits_data();
    void closedWhileTheQueryWaits();

private:
    iUpdate &open(Reply reply);

    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<HttpTextFetcher> m_fetcher;
};

void TestUpdate::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->listen());
    m_fixture->doubles.server = QUrl(m_server->base());
    m_fetcher = std::make_unique<HttpTextFetcher>(HostileServerRun::kDeadlineMs);
    m_fixture->writeDriver(TestFiles::driver(226));
}

void TestUpdate::cleanup()
{
    m_fixture.reset();
    m_fetcher.reset();
    m_server.reset();
}

iUpdate &TestUpdate::open(Reply reply)
{
    m_server->route("/whois_version_number.js", reply);
    m_fixture->load(m_fetcher.get());
    m_fixture->windows().main().CoolButton5_Click();
    m_fixture->windows().about().Command3_Click();
    return m_fixture->windows().update();
}

void TestUpdate::ready()
{
    m_fixture->doubles.version.major = 0; // the update window never adds a beta mark
    iUpdate &w = open({});
    QCOMPARE(w.windowTitle(), QStringLiteral("Brisvane"));
    QCOMPARE(w.size(), QSize(409, 281));
    QVERIFY(w.windowFlags() & Qt::Tool);
    QCOMPARE(w.lbl_Opzioni->text(), QStringLiteral("Brisvane"));
    QCOMPARE(w.lbl_Opzioni->geometry(), QRect(QPoint(240, 16), w.lbl_Opzioni->sizeHint())); // sized to its text
    QCOMPARE(w.Command1->text(), QStringLiteral("E216"));
    QCOMPARE(w.Command2->text(), QStringLiteral("E217"));
    QCOMPARE(w.cmd_PageProduct->text(), QStringLiteral("E218"));
    QCOMPARE(w.cmd_Close->text(), QStringLiteral("E219"));
    QCOMPARE(w.lbl_Local->text(), QStringLiteral("E220"));
    QCOMPARE(w.lbl_Remote->text(), QStringLiteral("E221"));
    QCOMPARE(w.lbl_Description->text(), QStringLiteral("E222"));
    QCOMPARE(w.lbl_LocalVersion->text(), QStringLiteral("0.0.2004"));
    QCOMPARE(w.lbl_RemoteVersion->text(), QStringLiteral("-"));
    QVERIFY(w.cmd_PageProduct->isHidden());
    QVERIFY(w.cmd_Close->isHidden());
    QVERIFY(w.Command1->isEnabled());
    QCOMPARE(control(&w, "Command1")->geometry(), QRect(208, 256, 193, 17));
    QCOMPARE(control(&w, "cmd_Close")->geometry(), QRect(304, 224, 97, 17));
    QCOMPARE(w.lbl_LocalVersion->pos(), QPoint(160, 168));
    QVERIFY(m_server->log().isEmpty()); // it never checks by itself
}

void TestUpdate::query_data()
{
    QTest::addColumn<QString>("installed");
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<QString>("outcome"); // newer, not newer, failed
    QTest::addColumn<QString>("remote");

    QTest::newRow("newer revision") << "1.0.2004" << Reply { 200, TestFiles::versionFile("1.0.2005") } << "newer"
                                    << "1.0.2005";
    QTest::newRow("equal") << "1.0.2004" << Reply { 200, TestFiles::versionFile("1.0.2004") } << "not newer"
                           << "1.0.2004";
    QTest::newRow("older") << "1.0.2004" << Reply { 200, TestFiles::versionFile("0.9.2005") } << "not newer"
                           << "0.9.2005";
    QTest::newRow("minor decides") << "1.0.2004" << Reply { 200, TestFiles::versionFile("1.1.0001") } << "newer"
                                   << "1.1.0001";
    QTest::newRow("major decides") << "1.9.9999" << Reply { 200, TestFiles::versionFile("2.0.0000") } << "newer"
                                   << "2.0.0000";
    QTest::newRow("shorter than 32 characters") << "1.0.2004" << Reply { 200, "short" } << "failed"
                                                << "";
    QTest::newRow("not a version") << "1.0.2004" << Reply { 200, QByteArray(31, '#') + "<html>  </html>" } << "failed"
                                   << "<html>  ";
    QTest::newRow("404") << "1.0.2004" << Reply { 404, TestFiles::versionFile("1.0.2005") } << "failed"
                         << "-";
    QTest::newRow("never answers") << "1.0.2004" << Reply { 200, "", "text/plain", Reply::Mode::Silent } << "failed"
                                   << "-";
}

void TestUpdate::query()
{
    QFETCH(QString, installed);
    QFETCH(Reply, reply);
    QFETCH(QString, outcome);
    QFETCH(QString, remote);
    const QStringList parts = installed.split(QLatin1Char('.'));
    m_fixture->doubles.version.major = qint16(parts[0].toInt());
    m_fixture->doubles.version.minor = qint16(parts[1].toInt());
    m_fixture->doubles.version.revision = qint16(parts[2].toInt());
    iUpdate &w = open(reply);
    const int probes = m_fixture->doubles.connection.calls;

    QTest::mouseClick(w.Command1, Qt::LeftButton);
    QCOMPARE(m_server->log(), QStringList { QStringLiteral("GET /whois_version_number.js") });
    QCOMPARE(m_fixture->doubles.connection.calls, probes); // no connection test first
    QCOMPARE(w.lbl_RemoteVersion->text(), remote);
    if (outcome == QLatin1String("failed")) {
        QCOMPARE(m_fixture->doubles.messages.shown.size(), 1);
        QCOMPARE(m_fixture->doubles.messages.shown.first().text, QStringLiteral("E225"));
        QCOMPARE(m_fixture->doubles.messages.shown.first().icon, MessageBoxes::Icon::Exclamation);
        QVERIFY(w.Command1->isEnabled());
        QVERIFY(w.cmd_PageProduct->isHidden() && w.cmd_Close->isHidden());
        QCOMPARE(w.lbl_Description->text(), QStringLiteral("E222"));
        return;
    }
    const bool newer = outcome == QLatin1String("newer");
    QVERIFY(m_fixture->doubles.messages.shown.isEmpty());
    QVERIFY(!w.Command1->isEnabled());
    QCOMPARE(w.cmd_PageProduct->isHidden(), !newer);
    QCOMPARE(w.cmd_Close->isHidden(), newer);
    QCOMPARE(w.lbl_Description->text(), newer ? QStringLiteral("E223") : QStringLiteral("E224"));
    if (newer) {
        QTest::mouseClick(w.cmd_PageProduct, Qt::LeftButton);
        QCOMPARE(m_fixture->doubles.links.opened, QList<QUrl> { QUrl(m_server->base() + QStringLiteral("/download")) });
    }
}

void TestUpdate::secondCheckNeedsAReopen()
{
    iUpdate &w = open({ 200, TestFiles::versionFile("1.0.2004") });
    w.Command1_Click();
    QVERIFY(!w.Command1->isEnabled());
    QTest::mouseClick(w.cmd_Close, Qt::LeftButton);
    QVERIFY(!m_fixture->windows().isLoaded(WindowRegistry::Form::iUpdate));
    QVERIFY(m_fixture->windows().about().isVisible());

    m_fixture->windows().about().Command3_Click();
    iUpdate &again = m_fixture->windows().update();
    QCOMPARE(again.lbl_RemoteVersion->text(), QStringLiteral("-"));
    QVERIFY(again.cmd_PageProduct->isHidden());
    QVERIFY(again.cmd_Close->isHidden());
    QVERIFY(again.Command1->isEnabled());
}

void TestUpdate::closeByTheWindowSystemUnloads()
{
    iUpdate &w = open({ 200, TestFiles::versionFile("1.0.2005") });
    w.Command1_Click();
    QVERIFY(w.close());
    QVERIFY(!m_fixture->windows().isLoaded(WindowRegistry::Form::iUpdate));
    QVERIFY(m_fixture->windows().about().isVisible());
}

void TestUpdate::hostileServers_data()
{
    addHostileServerRows("/whois_version_number.js");
}

void TestUpdate::hostileServers()
{
    QFETCH(Reply, reply);
    QFETCH(QString, outcome);
    iUpdate &w = open({});
    HostileServerRun run;
    QString why;
    if (!run.prepare(*m_server, "/whois_version_number.js", reply, &why))
        QSKIP(qPrintable(why));

    run.start();
    w.Command1_Click();
    QCOMPARE(run.verdict(), QString());
    if (outcome == QLatin1String("failed")) {
        QCOMPARE(m_fixture->doubles.messages.shown.size(), 1);
        QVERIFY(w.Command1->isEnabled());
    } else {
        QVERIFY(m_fixture->doubles.messages.shown.isEmpty());
        QVERIFY(!w.cmd_Close->isHidden());
    }
}

// A fetcher that, while it waits, lets the window system close the window and runs the deferred deletes, as
// the waiting event loop would.
class ClosingFetcher : public TextFetcher
{
public:
    QWidget *window = nullptr;
    FetchResult reply;
    FetchResult fetch(const QUrl &) override
    {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return reply;
    }
};

void TestUpdate::closedWhileTheQueryWaits_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("the reply arrives") << true;
    QTest::newRow("the fetch fails") << false;
}

void TestUpdate::closedWhileTheQueryWaits()
{
    QFETCH(bool, ok);
    ClosingFetcher fetcher;
    fetcher.reply = { ok, QString::fromLatin1(TestFiles::versionFile("1.0.2005")), {} };
    m_fixture->load(&fetcher);
    m_fixture->windows().main().CoolButton5_Click();
    m_fixture->windows().about().Command3_Click();
    QPointer<iUpdate> w = &m_fixture->windows().update();
    fetcher.window = w;
    w->Command1_Click(); // under the sanitizers, a use of the destroyed window would stop the test here
    QVERIFY(!m_fixture->windows().isLoaded(WindowRegistry::Form::iUpdate));
    QVERIFY(m_fixture->doubles.messages.shown.isEmpty()); // no message for a window the user has closed
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    QVERIFY(m_fixture->windows().about().isVisible());
}

QUELCOR_TEST_MAIN(TestUpdate)
#include "tst_update.moc"
