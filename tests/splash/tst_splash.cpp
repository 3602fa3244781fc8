#include "Doubles.h"
#include "HostileServers.h"
#include "LocalHttpServer.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "VersionText.h"
#include "Widgets.h"
#include "WindowFixture.h"
#include "app/Program.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"
#include "platform/HttpTextFetcher.h"
#include "splash/Splash.h"
#include "widgets/Hyperlink.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Reply = LocalHttpServer::Reply;
Q_DECLARE_METATYPE(Reply)
Q_DECLARE_METATYPE(std::optional<VersionText::Version>)
Q_DECLARE_METATYPE(std::optional<bool>)

namespace {
bool operator==(const VersionText::Version &a, const VersionText::Version &b)
{
    return a.major == b.major && a.minor == b.minor && a.revision == b.revision;
}
} // namespace

class TestSplash : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void parse_data();
    void parse();
    void compare_data();
    void compare();
    void extract_data();
    void extract();
    void designTimeLayout_data();
    void designTimeLayout();
    void loadSequence_data();
    void loadSequence();
    void paths_data();
    void paths();
    void countdownCaptions();
    void shortDriver();
    void continueKeepsTheTimersRhythm();
    void linksOpenOnlyWhenShown();
    void versionCheckAgainstAServer_data();
    void versionCheckAgainstAServer();
    void hostileServers_data();
    void hostileServers();
    void closedByTheWindowSystemStillHandsOver();

private:
    Splash &load(const QByteArray &driver = TestFiles::driver(226));
    // One second of the clock: each running timer ticks once. Returns whether the main window is shown.
    bool second();

    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<HttpTextFetcher> m_http; // when set, the windows fetch for real
};

void TestSplash::init()
{
    m_fixture = std::make_unique<WindowFixture>();
}

void TestSplash::cleanup()
{
    m_fixture.reset();
    m_http.reset();
}

Splash &TestSplash::load(const QByteArray &driver)
{
    m_fixture->writeDriver(driver);
    TextFetcher &fetcher = m_http ? static_cast<TextFetcher &>(*m_http) : m_fixture->doubles.fetcher;
    m_fixture->load(&fetcher);
    m_fixture->windows().start();
    return m_fixture->windows().splash();
}

bool TestSplash::second()
{
    Splash &splash = m_fixture->windows().splash();
    const bool one = splash.Timer1->isActive();
    const bool two = splash.Timer2->isActive();
    if (one)
        splash.Timer1_Timer();
    if (two)
        splash.Timer2_Timer();
    return m_fixture->windows().main().isVisible();
}

void TestSplash::parse_data()
{
    using V = VersionText::Version;
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<V>>("version");
    QTest::newRow("plain") << "1.0.2004" << std::optional<V>(V { 1, 0, 2004 });
    QTest::newRow("other separators, never looked at") << "1x0y2004" << std::optional<V>(V { 1, 0, 2004 });
    QTest::newRow("revision 12 and two blanks") << "1.0.12  " << std::optional<V>(V { 1, 0, 12 });
    QTest::newRow("revision after blanks") << "1.0.  12" << std::optional<V>(V { 1, 0, 12 });
    QTest::newRow("short revision") << "2.3.7" << std::optional<V>(V { 2, 3, 7 });
    QTest::newRow("leading zeros") << "0.9.0001" << std::optional<V>(V { 0, 9, 1 });
    QTest::newRow("empty") << "" << std::optional<V>();
    QTest::newRow("revision missing") << "1.0." << std::optional<V>();
    QTest::newRow("minor and revision missing") << "1" << std::optional<V>();
    QTest::newRow("blank major") << " .0.2004" << std::optional<V>();
    QTest::newRow("blank revision") << "1.0.    " << std::optional<V>();
    QTest::newRow("blank inside the revision") << "1.0.1 23" << std::optional<V>();
    QTest::newRow("letter") << "a.0.2004" << std::optional<V>();
    QTest::newRow("sign") << "1.0.+123" << std::optional<V>();
    QTest::newRow("tab is no blank") << "1.0.\t123" << std::optional<V>();
    QTest::newRow("HTML") << "<html><" << std::optional<V>();
    QTest::newRow("NUL at a version place") << QString(QStringLiteral("1.0.20")) + QChar(0) + "4" << std::optional<V>();
}

void TestSplash::parse()
{
    QFETCH(QString, text);
    QFETCH(std::optional<VersionText::Version>, version);
    const auto parsed = VersionText::parse(text);
    QCOMPARE(parsed.has_value(), version.has_value());
    if (version)
        QVERIFY(*parsed == *version);
}

void TestSplash::compare_data()
{
    QTest::addColumn<QString>("published");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<std::optional<bool>>("newer"); // no value: not a version
    QTest::newRow("equal") << "1.0.2004"
                           << "1.0.2004" << std::optional(false);
    QTest::newRow("revision") << "1.0.2005"
                              << "1.0.2004" << std::optional(true);
    QTest::newRow("minor decides before the revision") << "1.1.0000"
                                                       << "1.0.2004" << std::optional(true);
    QTest::newRow("lower minor, higher revision") << "1.0.9999"
                                                  << "1.1.0000" << std::optional(false);
    QTest::newRow("major decides first") << "2.0.0000"
                                         << "1.9.9999" << std::optional(true);
    QTest::newRow("older") << "0.9.9999"
                           << "1.0.2004" << std::optional(false);
    QTest::newRow("older revision") << "1.0.2003"
                                    << "1.0.2004" << std::optional(false);
    QTest::newRow("published is no version") << "<html><"
                                             << "1.0.2004" << std::optional<bool>();
    QTest::newRow("installed is no version") << "1.0.2005"
                                             << "1.0." << std::optional<bool>();
    QTest::newRow("revision with blanks compares by value") << "1.0.  12"
                                                            << "1.0.0011" << std::optional(true);
}

void TestSplash::compare()
{
    QFETCH(QString, published);
    QFETCH(QString, installed);
    QFETCH(std::optional<bool>, newer);
    using C = VersionText::Comparison;
    QCOMPARE(VersionText::compare(published, installed), !newer ? C::NotAVersion : *newer ? C::Newer : C::NotNewer);
}

void TestSplash::extract_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("a version file") << QString::fromLatin1(TestFiles::versionFile("1.0.2005")) << "1.0.2005";
    QTest::newRow("31 characters") << QString(31, QLatin1Char('x')) << "";
    QTest::newRow("32 characters") << QString(31, QLatin1Char('x')) + "1"
                                   << "1";
    QTest::newRow("ends at 36") << QString(31, QLatin1Char('x')) + "1.0.2"
                                << "1.0.2";
    QTest::newRow("20 characters") << QString(20, QLatin1Char('x')) << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSplash::extract()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QCOMPARE(VersionText::extract(file), text);
}

void TestSplash::designTimeLayout_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("lbl_Description") << QByteArray("lbl_Description") << QRect(16, 16, 369, 41);
    QTest::newRow("lbl_Version") << QByteArray("lbl_Version") << QRect(80, 128, 133, 13);
    QTest::newRow("lbl_Beta") << QByteArray("lbl_Beta") << QRect(216, 128, 62, 13);
    QTest::newRow("Command1") << QByteArray("Command1") << QRect(16, 171, 137, 17);
    QTest::newRow("WebLink1") << QByteArray("WebLink1") << QRect(160, 171, 137, 17);
}

void TestSplash::designTimeLayout()
{
    QFETCH(QByteArray, name);
    QFETCH(QRect, geometry);
    Splash &splash = load();
    QCOMPARE(control(&splash, name.constData())->geometry(), geometry);
    QCOMPARE(splash.size(), QSize(398, 201));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash.palette().color(QPalette::Window), QColor(255, 168, 21));
}

void TestSplash::loadSequence_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<bool>("beta");
    QTest::newRow("1.0.2004") << 1 << 0 << 2004 << false;
    QTest::newRow("0.9.5") << 0 << 9 << 5 << true;
}

void TestSplash::loadSequence()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(bool, beta);
    m_fixture->doubles.version.major = qint16(major);
    m_fixture->doubles.version.minor = qint16(minor);
    m_fixture->doubles.version.revision = qint16(revision);
    Splash &splash = load();
    const QString text = QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);

    QVERIFY(splash.isVisible());
    QVERIFY(splash.Timer1->isActive());
    QVERIFY(!splash.Timer2->isActive());
    QCOMPARE(splash.Text1->text(), QStringLiteral("0"));
    QCOMPARE(splash.Text2->text(), QStringLiteral("20"));
    QVERIFY(!m_fixture->windows().main().isVisible());
    QCOMPARE(splash.lbl_Description->text(), QStringLiteral("E10"));
    QCOMPARE(splash.WebLink1->text(), QStringLiteral("E13"));
    QVERIFY(splash.WebLink1->isHidden());
    QCOMPARE(splash.Command1->text(), QStringLiteral("E14"));
    QCOMPARE(splash.lbl_Version->text(), QStringLiteral("v.") + text);
    QCOMPARE(splash.lbl_LocalVersion->text(), text);
    QCOMPARE(splash.lbl_RemoteVersion->text(), QStringLiteral("(Remote)"));
    QCOMPARE(splash.lbl_Beta->isVisible(), beta);
    QCOMPARE(splash.lbl_Beta->text(), QStringLiteral(" b e t a"));
    QCOMPARE(m_fixture->doubles.connection.calls, 1);
}

void TestSplash::paths_data()
{
    QTest::addColumn<int>("connection");
    QTest::addColumn<bool>("fetchOk");
    QTest::addColumn<QByteArray>("published");
    QTest::addColumn<int>("continueAt"); // the second before whose ticks Continue is pressed; 0: never
    QTest::addColumn<int>("handOver"); // the second at which the main window appears
    QTest::addColumn<int>("fetches");
    QTest::addColumn<bool>("message");

    QTest::newRow("Continue before the check") << 1 << true << QByteArray("1.0.2005") << 2 << 3 << 0 << false;
    QTest::newRow("offline") << 0 << true << QByteArray("1.0.2005") << 0 << 6 << 0 << false;
    QTest::newRow("not newer") << 1 << true << QByteArray("1.0.2004") << 0 << 6 << 1 << false;
    QTest::newRow("newer, countdown to the end") << 1 << true << QByteArray("1.0.2005") << 0 << 22 << 1 << false;
    QTest::newRow("newer, then Continue") << 1 << true << QByteArray("1.1.0000") << 8 << 9 << 1 << false;
    QTest::newRow("fetch failed") << 1 << false << QByteArray() << 0 << 5 << 1 << true;
    QTest::newRow("not a version") << 1 << true << QByteArray("<html><") << 0 << 5 << 1 << true;
}

void TestSplash::paths()
{
    QFETCH(int, connection);
    QFETCH(bool, fetchOk);
    QFETCH(QByteArray, published);
    QFETCH(int, continueAt);
    QFETCH(int, handOver);
    QFETCH(int, fetches);
    QFETCH(bool, message);

    m_fixture->doubles.connection.result = connection;
    m_fixture->doubles.fetcher.replies.append({ fetchOk, QString::fromLatin1(TestFiles::versionFile(published)), {} });
    Splash &splash = load();

    int shownAt = 0;
    for (int s = 1; s <= 30 && !shownAt; ++s) {
        if (s == continueAt)
            splash.Command1_Click();
        if (second())
            shownAt = s;
        if (!shownAt)
            QVERIFY(splash.isVisible());
    }
    QCOMPARE(shownAt, handOver);
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.Timer1->isActive());
    QVERIFY(!splash.Timer2->isActive());
    QCOMPARE(m_fixture->doubles.fetcher.requested.size(), fetches);
    if (fetches)
        QCOMPARE(m_fixture->doubles.fetcher.requested.first(),
                 QUrl(QStringLiteral("http://127.0.0.1:9/quelcor_version_number.js")));
    QCOMPARE(m_fixture->doubles.messages.shown.size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(m_fixture->doubles.messages.shown.first().text, QStringLiteral("E94"));
        QCOMPARE(m_fixture->doubles.messages.shown.first().icon, MessageBoxes::Icon::Exclamation);
    }
    QVERIFY(m_fixture->windows().isLoaded(WindowRegistry::Form::Splash)); // hidden, loaded, until the end
    for (int s = 0; s < 30; ++s)
        second();
    QVERIFY(!splash.isVisible()); // nothing shows it again
}

void TestSplash::countdownCaptions()
{
    m_fixture->doubles.fetcher.replies.append({ true, QString::fromLatin1(TestFiles::versionFile("2.0.0001")), {} });
    Splash &splash = load();
    for (int s = 1; s <= 3; ++s)
        second();
    QCOMPARE(splash.lbl_Description->text(), QStringLiteral("E12"));
    QVERIFY(!splash.WebLink1->isHidden());
    QVERIFY(!splash.Command1->isHidden());
    QCOMPARE(splash.Text1->text(), QStringLiteral("3"));
    QCOMPARE(splash.lbl_RemoteVersion->text(), QStringLiteral("2.0.0001"));
    second();
    QCOMPARE(splash.Command1->text(), QStringLiteral("E14 (19)"));
    for (int s = 0; s < 17; ++s)
        second();
    QCOMPARE(splash.Command1->text(), QStringLiteral("E14 (2)"));
    QVERIFY(splash.isVisible());
    QVERIFY(second());
    QCOMPARE(splash.Command1->text(), QStringLiteral("E14 (1)"));
    QCOMPARE(splash.Text1->text(), QStringLiteral("3"));
}

// Entries 0 to 12 only: 13 and 14 give the text selected before them; the countdown caption too.
void TestSplash::shortDriver()
{
    m_fixture->doubles.fetcher.replies.append({ true, QString::fromLatin1(TestFiles::versionFile("1.0.2005")), {} });
    Splash &splash = load(TestFiles::driver(13));
    QCOMPARE(splash.WebLink1->text(), QStringLiteral("E10"));
    QCOMPARE(splash.Command1->text(), QStringLiteral("E10"));
    for (int s = 1; s <= 4; ++s)
        second();
    QCOMPARE(splash.Command1->text(), QStringLiteral("E12 (19)"));

    // Without entries 11 and 12 the check still runs and finds the newer version; nothing is reported.
    cleanup();
    init();
    m_fixture->doubles.fetcher.replies.append({ true, QString::fromLatin1(TestFiles::versionFile("1.0.2005")), {} });
    Splash &without = load(TestFiles::driver(11));
    for (int s = 1; s <= 3; ++s)
        second();
    QVERIFY(m_fixture->doubles.messages.shown.isEmpty());
    QVERIFY(without.Timer2->isActive() && without.WebLink1->isVisible());

    // Without entry 94 the failure message is a fixed English sentence: never empty, never entry 11's text.
    cleanup();
    init();
    m_fixture->doubles.fetcher.replies.append({ false, {}, {} });
    load(TestFiles::driver(20));
    for (int s = 1; s <= 3; ++s)
        second();
    QCOMPARE(m_fixture->doubles.messages.shown.size(), 1);
    QCOMPARE(m_fixture->doubles.messages.shown.first().text,
             QStringLiteral("Quelcor could not check for a newer version. Please try again later."));
}

// Continue pressed while the first three seconds run leaves Timer1's rhythm as it is.
void TestSplash::continueKeepsTheTimersRhythm()
{
    Splash &splash = load();
    QVERIFY(QTest::qWaitFor([&] { return splash.Timer1->remainingTime() < splash.Timer1->interval() - 50; }));
    const int before = splash.Timer1->remainingTime();
    splash.Command1_Click();
    QVERIFY(splash.Timer1->isActive());
    QVERIFY2(splash.Timer1->remainingTime() <= before, "Timer1 was started again");
}

void TestSplash::linksOpenOnlyWhenShown()
{
    m_fixture->doubles.fetcher.replies.append({ true, QString::fromLatin1(TestFiles::versionFile("1.0.2005")), {} });
    Splash &splash = load();
    QTest::mouseClick(splash.WebLink1, Qt::LeftButton);
    QVERIFY(m_fixture->doubles.links.opened.isEmpty()); // hidden: nothing to click
    for (int s = 1; s <= 3; ++s)
        second();
    QTest::mouseClick(splash.WebLink1, Qt::LeftButton);
    QCOMPARE(m_fixture->doubles.links.opened, QList<QUrl> { QUrl(QStringLiteral("http://127.0.0.1:9/download")) });
    QTest::keyClick(splash.WebLink1, Qt::Key_Return);
    QCOMPARE(m_fixture->doubles.links.opened.size(), 2);
    QVERIFY(splash.Timer2->isActive()); // the countdown goes on
    QVERIFY(splash.isVisible());
    QCOMPARE(splash.WebLink1->accessibleName(), QStringLiteral("E13"));
}

void TestSplash::versionCheckAgainstAServer_data()
{
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<QString>("outcome"); // newer, not newer, failed
    QTest::addColumn<QString>("remote"); // lbl_RemoteVersion afterwards

    QTest::newRow("equal") << Reply { 200, TestFiles::versionFile("1.0.2004") } << "not newer"
                           << "1.0.2004";
    QTest::newRow("older") << Reply { 200, TestFiles::versionFile("0.9.9999") } << "not newer"
                           << "0.9.9999";
    QTest::newRow("newer revision") << Reply { 200, TestFiles::versionFile("1.0.2005") } << "newer"
                                    << "1.0.2005";
    QTest::newRow("newer minor") << Reply { 200, TestFiles::versionFile("1.1.0000") } << "newer"
                                 << "1.1.0000";
    QTest::newRow("newer major") << Reply { 200, TestFiles::versionFile("2.0.0001") } << "newer"
                                 << "2.0.0001";
    QTest::newRow("wrong separators") << Reply { 200, TestFiles::versionFile("1x0y2004") } << "not newer"
                                      << "1x0y2004";
    QTest::newRow("revision 12 and two blanks") << Reply { 200, TestFiles::versionFile("1.0.12  ") } << "not newer"
                                                << "1.0.12  ";
    QTest::newRow("empty file") << Reply { 200, "" } << "failed"
                                << "";
    QTest::newRow("20 characters") << Reply { 200, "01234567890123456789" } << "failed"
                                   << "";
    QTest::newRow("HTML error page, 404")
        << Reply { 404, "<html><head><title>404 Not Found</title></head></html>", "text/html" } << "failed"
        << "(Remote)";
    QTest::newRow("HTML error page, 200")
        << Reply { 200, "<html><head><title>404 Not Found</title></head></html>", "text/html" } << "failed"
        << "d</title";
    QTest::newRow("never answers") << Reply { 200, "", "text/plain", Reply::Mode::Silent } << "failed"
                                   << "(Remote)";
    QTest::newRow("several megabytes") << Reply { 200, TestFiles::versionFile("1.0.2005") + QByteArray(4 << 20, ' ') }
                                       << "failed"
                                       << "(Remote)";
}

void TestSplash::versionCheckAgainstAServer()
{
    QFETCH(Reply, reply);
    QFETCH(QString, outcome);
    QFETCH(QString, remote);

    LocalHttpServer server;
    QVERIFY(server.listen());
    server.route("/quelcor_version_number.js", reply);
    m_fixture->doubles.server = QUrl(server.base());
    m_http = std::make_unique<HttpTextFetcher>(1500);
    Splash &splash = load();
    for (int s = 1; s <= 3; ++s)
        second();

    QCOMPARE(server.log(), QStringList { QStringLiteral("GET /quelcor_version_number.js") });
    QCOMPARE(splash.lbl_RemoteVersion->text(), remote);
    if (outcome == QLatin1String("newer")) {
        QVERIFY(splash.Timer2->isActive());
        QVERIFY(!splash.WebLink1->isHidden());
        QCOMPARE(splash.lbl_Description->text(), QStringLiteral("E12"));
    } else if (outcome == QLatin1String("not newer")) {
        QVERIFY(splash.Timer1->isActive());
        QVERIFY(splash.Command1->isHidden());
        QCOMPARE(splash.lbl_Description->text(), QString());
    } else {
        QCOMPARE(m_fixture->doubles.messages.shown.size(), 1);
        QCOMPARE(splash.Text1->text(), QStringLiteral("4"));
        QVERIFY(splash.lbl_Description->isHidden());
    }
    if (outcome != QLatin1String("failed"))
        QVERIFY(m_fixture->doubles.messages.shown.isEmpty());
}

void TestSplash::hostileServers_data()
{
    addHostileServerRows("/quelcor_version_number.js");
}

void TestSplash::hostileServers()
{
    QFETCH(Reply, reply);
    QFETCH(QString, outcome);
    LocalHttpServer server;
    QVERIFY(server.listen());
    HostileServerRun run;
    QString why;
    if (!run.prepare(server, "/quelcor_version_number.js", reply, &why))
        QSKIP(qPrintable(why));
    m_fixture->doubles.server = QUrl(server.base());
    m_http = std::make_unique<HttpTextFetcher>(HostileServerRun::kDeadlineMs);
    Splash &splash = load();

    run.start();
    for (int s = 1; s <= 3; ++s)
        second();
    QCOMPARE(run.verdict(), QString());
    if (outcome == QLatin1String("failed")) {
        QCOMPARE(m_fixture->doubles.messages.shown.size(), 1);
        QCOMPARE(splash.Text1->text(), QStringLiteral("4"));
    } else {
        QVERIFY(m_fixture->doubles.messages.shown.isEmpty());
        QVERIFY(splash.Command1->isHidden());
        QVERIFY(splash.Timer1->isActive());
    }
}

// The splash window has no title bar, but a window manager's keyboard shortcut can close it: the main
// window still follows, so the program is never left without a window.
void TestSplash::closedByTheWindowSystemStillHandsOver()
{
    m_fixture->doubles.fetcher.replies.append({ true, QString::fromLatin1(TestFiles::versionFile("1.0.2004")), {} });
    Splash &splash = load();
    second();
    QVERIFY(splash.close());
    QVERIFY(!m_fixture->windows().main().isVisible());
    int tick = 1;
    bool shown = false;
    while (!shown && tick < 10) {
        ++tick;
        shown = second();
    }
    QCOMPARE(tick, 6);
    QVERIFY(m_fixture->windows().main().isVisible());
}

QUELCOR_TEST_MAIN(TestSplash)
#include "tst_splash.moc"
