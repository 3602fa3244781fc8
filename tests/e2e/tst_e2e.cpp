#include "Desktop.h"
#include "LocalHttpServer.h"
#include "SiteProcess.h"
#include "TestFiles.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kShots = QStringLiteral(QUELCOR_SCREENSHOT_DIR "/e2e");
const QColor kPageColour(30, 60, 200);
const QString kMain = QStringLiteral("Quelcor");
const QString kSplash = QStringLiteral("Quelcor - Splash");
const QColor kHeaderBlue(0x1f, 0x4e, 0x8c); // the site's page header
const QRect kStatusText(490, 460, 230, 16); // in the main window's status bar, where the connection is told

// Pixels of about the given colour in a part of a picture.
int pixelsLike(const QImage &image, const QRect &area, const QColor &colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40
                && qAbs(c.blue() - colour.blue()) < 40)
                ++count;
        }
    }
    return count;
}

// Pixels of the main window's status bar where the connection is told: none until the first connection check.
int statusPixels(const QImage &image)
{
    return image.width() < 737 ? 0
                               : kStatusText.width() * kStatusText.height() - pixelsLike(image, kStatusText, Qt::white);
}

// The site's lookup page is shown where the cover was: its header band above its field.
bool pageHeaderShown(const QImage &image)
{
    return pixelsLike(image, QRect(16, 65, 705, 5), kHeaderBlue) > 705 * 5 * 9 / 10;
}

// A program directory as the installation makes it (the program beside, the drivers and the marker here), with
// the language given installed.
bool stage(const QString &dir, const QString &language = QStringLiteral("English"))
{
    const QString data = QStringLiteral(QUELCOR_SOURCE_DIR "/data");
    QDirIterator it(data + QStringLiteral("/lang"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = dir + QStringLiteral("/lang/") + QDir(data + QStringLiteral("/lang")).relativeFilePath(from);
        if (!QDir().mkpath(QFileInfo(to).absolutePath()) || !QFile::copy(from, to))
            return false;
    }
    return QFile::copy(data + QStringLiteral("/lang/%1/%1.DRV").arg(language), dir + QStringLiteral("/LANGUAGE.DRV"))
        && QFile::copy(data + QStringLiteral("/START.1ST"), dir + QStringLiteral("/START.1ST"));
}
} // namespace

// The real program, staged, on a virtual display, against a server on loopback.
class TestEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void lookupPageFromTheMainWindow();
    void unreachableSiteShowsAPageOfTheProgramsOwn();
    void domainLookedUpThroughTheSite();
    void offlineStart();
    void newerVersionOffered();
    void installDeutschThenLookUp();
    void updateCheckFromTheAboutWindow();
    void everyWayOutWithAWindowManager();

private:
    void startProgram(const QString &program, const QStringList &args = {});
    QString programReport() const;

    std::unique_ptr<Desktop> m_display; // set up anew for each test by init()
    std::unique_ptr<QTemporaryDir> m_programDir; // staged anew for each test by init()
    QTemporaryDir m_work; // the program's standard error, one file a test
    QProcess m_program;
    QElapsedTimer m_started; // since the program's last start
    qint64 m_endedAfter = -1;
};

void TestEndToEnd::initTestCase()
{
    QVERIFY(QFile::exists(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e")));
    connect(&m_program, &QProcess::finished, this, [this] { m_endedAfter = m_started.elapsed(); });
}

// A fresh display for each test: the virtual server does not always outlive a program that used the web
// engine's OpenGL context, and one test's end must not decide the next one's start.
void TestEndToEnd::init()
{
    m_programDir = std::make_unique<QTemporaryDir>();
    const bool italian = QTest::currentTestFunction() == QLatin1String("domainLookedUpThroughTheSite");
    QVERIFY(stage(m_programDir->path(), italian ? QStringLiteral("Italiano") : QStringLiteral("English")));
    m_display = std::make_unique<Desktop>();
    QString error;
    const bool windowManager = QTest::currentTestFunction() == QLatin1String("everyWayOutWithAWindowManager");
    QVERIFY2(m_display->start(&error, windowManager), qPrintable(error));
}

void TestEndToEnd::cleanup()
{
    // A failure says what the test could not see: the program's state and words, and the display's.
    if (QTest::currentTestFailed()) {
        const QString shot = QStringLiteral("%1/failed-%2.png").arg(kShots, QTest::currentTestFunction());
        qWarning("%s",
                 qPrintable(QStringLiteral("what was there when the test failed:\n") + programReport() + u'\n'
                            + m_display->describe(shot)));
    } else if (const QByteArray said = TestFiles::read(m_work.filePath(QTest::currentTestFunction()));
               !said.isEmpty()) {
        qInfo("the program said:\n%s", said.constData());
    }
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        if (!m_program.waitForFinished(30000))
            qWarning("the program did not end within 30 s of being killed");
    }
    m_display.reset();
}

void TestEndToEnd::startProgram(const QString &program, const QStringList &args)
{
    // QProcess does not start twice: a program of an earlier start that has not ended would be taken for this one.
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        QVERIFY2(m_program.waitForFinished(30000), "the program started before has not ended");
    }
    m_program.setProcessEnvironment(m_display->environment());
    m_program.setWorkingDirectory(m_programDir->path());
    m_program.setStandardOutputFile(QProcess::nullDevice());
    m_program.setStandardErrorFile(m_work.filePath(QTest::currentTestFunction()), QIODevice::Append);
    m_endedAfter = -1;
    m_started.start();
    m_program.start(program, args);
    QVERIFY(m_program.waitForStarted(5000));
}

QString TestEndToEnd::programReport() const
{
    if (!m_started.isValid())
        return QStringLiteral("the program was not started");
    const QString state = m_program.state() != QProcess::NotRunning
        ? Desktop::processState(m_program)
        : QStringLiteral("%1 after %2 ms").arg(Desktop::processState(m_program)).arg(m_endedAfter);
    QString report
        = QStringLiteral("the program, started %1 ms ago, %2; its standard error:\n%3")
              .arg(m_started.elapsed())
              .arg(state, QString::fromLocal8Bit(TestFiles::read(m_work.filePath(QTest::currentTestFunction()))));
    if (m_program.state() == QProcess::Running)
        report += QStringLiteral("\nits threads:\n") + Desktop::stacks(m_program.processId());
    return report;
}

void TestEndToEnd::lookupPageFromTheMainWindow()
{
    LocalHttpServer server;
    QVERIFY2(server.listen(QUELCOR_E2E_PORT),
             qPrintable(QStringLiteral("port %1 is taken; the end-to-end build talks to it").arg(QUELCOR_E2E_PORT)));
    server.route("/quelcor_version_number.js", { 200, TestFiles::versionFile("1.0.2004") });
    server.route("/hosting/quelcor.php",
                 { 200,
                   "<html><body style='background:#1e3cc8;color:white;margin:0'><h1>Quelcor lookup</h1>"
                   "<script>alert('no dialog, please')</script></body></html>",
                   "text/html" });

    startProgram(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e"));

    QCOMPARE(m_display->waitForWindows(kSplash, 10000).size(), 1);
    QCOMPARE(m_display->settledScreenshot(kSplash, kShots + QStringLiteral("/00-splash.png")).size(), QSize(398, 201));
    // The published version is the installed one: the main window follows some six seconds after start.
    QTRY_COMPARE_WITH_TIMEOUT(m_display->windows(kMain).size(), 1, 20000);
    QVERIFY(m_display->windows(kSplash).isEmpty());
    QVERIFY(server.log().contains(QStringLiteral("GET /quelcor_version_number.js")));
    const QString main = kMain;
    const QImage first = m_display->settledScreenshot(main, kShots + QStringLiteral("/01-main-window.png"));
    QCOMPARE(first.size(), QSize(737, 520));
    QVERIFY(first.pixelColor(368, 180) != kPageColour); // the cover

    // "Successivo  >" (here "Next  >", the English driver's text) sits on the cover.
    QVERIFY(m_display->click(main, QPoint(16 + 280 + 72, 64 + 200 + 8)));
    QTRY_VERIFY_WITH_TIMEOUT(server.log().contains(QStringLiteral("GET /hosting/quelcor.php")), 60000);

    // The cover goes within a second of the page's arrival.
    QImage shown;
    QTRY_VERIFY_WITH_TIMEOUT((shown = m_display->screenshot(main, kShots + QStringLiteral("/02-lookup-page.png")),
                              shown.pixelColor(368, 180) == kPageColour),
                             20000);
    QCOMPARE(m_display->windows(QStringLiteral("Quelcor")).size(), 1); // no dialog of the page's

    // "Chiudi" ends the program.
    QVERIFY(m_display->click(main, QPoint(576 + 76, 488 + 12)));
    QTRY_COMPARE_WITH_TIMEOUT(m_program.state(), QProcess::NotRunning, 10000); // serving the program meanwhile
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
}

// The site goes down after the version check: "Next  >" shows a page of the program's own that says so, not a
// blank one, and no dialog.
void TestEndToEnd::unreachableSiteShowsAPageOfTheProgramsOwn()
{
    auto server = std::make_unique<LocalHttpServer>();
    QVERIFY(server->listen(QUELCOR_E2E_PORT));
    server->route("/quelcor_version_number.js", { 200, TestFiles::versionFile("1.0.2004") });
    startProgram(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e"));
    QTRY_COMPARE_WITH_TIMEOUT(m_display->windows(kMain).size(), 1, 20000);
    server.reset();
    QVERIFY(!m_display->settledScreenshot(kMain, kShots + QStringLiteral("/11-main-window.png")).isNull());
    QVERIFY(m_display->click(kMain, QPoint(16 + 280 + 72, 64 + 200 + 8)));
    // Its heading and sentence: dark text where the page begins.
    QImage shown;
    QTRY_VERIFY_WITH_TIMEOUT((shown = m_display->screenshot(kMain, kShots + QStringLiteral("/12-site-down.png")),
                              pixelsLike(shown, QRect(16, 70, 700, 130), QColor(26, 26, 26)) > 200),
                             30000);
    QCOMPARE(m_display->windows(kMain).size(), 1);
    // Back up, its button tries again.
    server = std::make_unique<LocalHttpServer>();
    QVERIFY(server->listen(QUELCOR_E2E_PORT));
    server->route("/hosting/quelcor.php",
                  { 200, "<html><body style='background:#1e3cc8;margin:0'></body></html>", "text/html" });
    QVERIFY(m_display->click(kMain, QPoint(16 + 32 + 30, 64 + 140)));
    QTRY_VERIFY_WITH_TIMEOUT(
        m_display->screenshot(kMain, kShots + QStringLiteral("/13-site-back.png")).pixelColor(368, 180) == kPageColour,
        20000);
}

// The whole way, as the program is meant to be used: the maker's site (the real quelcor-site, with fake RDAP
// servers behind it) serves the version file and the lookup page, and a domain typed into the page is shown.
void TestEndToEnd::domainLookedUpThroughTheSite()
{
    const QByteArray record
        = R"({"objectClassName":"domain","ldhName":"EXAMPLE.COM","status":["client transfer prohibited"],
        "events":[{"eventAction":"registration","eventDate":"1995-08-14T04:00:00Z"},
                  {"eventAction":"expiration","eventDate":"2099-08-13T04:00:00Z"}],
        "entities":[{"roles":["registrar"],"vcardArray":["vcard",[["fn",{},"text","Registrar Uno"]]],
                     "publicIds":[{"type":"IANA Registrar ID","identifier":"9999"}]}],
        "secureDNS":{"delegationSigned":false},
        "nameservers":[{"ldhName":"ns1.example.com"},{"ldhName":"ns2.example.com"}]})";
    const QByteArray expired = R"({"objectClassName":"domain","ldhName":"expired-name.com",
        "status":["redemption period"],"events":[{"eventAction":"expiration","eventDate":"2020-01-01T00:00:00Z"}]})";
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json",
               { 200, R"({"services":[[["com"],[")" + rdap.base().toUtf8() + R"(/"]]]})", "application/json" });
    rdap.route("/domain/example.com", { 200, record, "application/rdap+json" });
    rdap.route("/domain/free-name.com", { 404, "{}", "application/rdap+json" });
    rdap.route("/domain/expired-name.com", { 200, expired, "application/rdap+json" });
    SiteProcess site({ QStringLiteral("--rdap-bootstrap"), rdap.base() + QStringLiteral("/dns.json"),
                       QStringLiteral("--allow-address"), QStringLiteral("127.0.0.1"), QStringLiteral("--dns-server"),
                       QStringLiteral("none"), QStringLiteral("--whois-root"), QStringLiteral("127.0.0.1:1") },
                     QUELCOR_E2E_PORT);
    QVERIFY2(site.started(),
             qPrintable(QStringLiteral("port %1 is taken; the end-to-end build talks to it").arg(QUELCOR_E2E_PORT)));

    // The user's download folder, as the desktop names it.
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("config")));
    QFile userDirs(home.filePath(QStringLiteral("config/user-dirs.dirs")));
    QVERIFY(userDirs.open(QIODevice::WriteOnly));
    userDirs.write("XDG_DOWNLOAD_DIR=\"" + home.filePath(QStringLiteral("Downloads")).toUtf8() + "\"\n");
    userDirs.close();
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    const auto restore = qScopeGuard([] { qunsetenv("XDG_CONFIG_HOME"); });

    startProgram(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e"));
    QTRY_COMPARE_WITH_TIMEOUT(m_display->windows(kMain).size(), 1, 20000);
    QVERIFY(!m_display->settledScreenshot(kMain, kShots + QStringLiteral("/site-01-main-window.png")).isNull());

    QVERIFY(m_display->click(kMain, QPoint(16 + 280 + 72, 64 + 200 + 8))); // "Successivo  >"
    QTRY_VERIFY_WITH_TIMEOUT(site.log().filter(u"GET /hosting/quelcor.php 200"_qs).size() == 1, 60000);
    QTRY_VERIFY_WITH_TIMEOUT(site.log().filter(u"GET /site.css 200"_qs).size() == 1, 20000);
    // The cover goes a second after the page has arrived.
    QImage empty;
    QTRY_VERIFY_WITH_TIMEOUT(pageHeaderShown(empty = m_display->settledScreenshot(
                                                 kMain, kShots + QStringLiteral("/site-02-lookup-page.png"))),
                             20000);

    // The page's field, scrolled back into view first where a stop further down took the page past it.
    const auto toField = [&] {
        return m_display->type(kMain, QString(), { QStringLiteral("ctrl+Home") })
            && QTest::qWaitFor(
                   [&] {
                       return pageHeaderShown(m_display->screenshot(kMain, kShots + QStringLiteral("/site-top.png")));
                   },
                   10000)
            && m_display->click(kMain, QPoint(16 + 300, 64 + 18));
    };
    // A domain typed into the page's field.
    const auto lookUp = [&](const QString &name) {
        return toField() && m_display->type(kMain, QString(), { QStringLiteral("ctrl+a") })
            && m_display->type(kMain, name, { QStringLiteral("Return") });
    };
    QVERIFY(lookUp(QStringLiteral("Example.com")));
    QTRY_VERIFY_WITH_TIMEOUT(site.log().filter(u"GET /hosting/quelcor.php?domain=Example.com 200"_qs).size() == 1,
                             30000);
    QCOMPARE(rdap.log(), QStringList({ "GET /dns.json", "GET /domain/example.com" }));

    // The answer, shown in the program's browser: the verdict's border in the header's blue below the header,
    // which the empty page does not have.
    QImage shown;
    const QRect below(16, 64 + 48, 690, 377 - 48);
    QCOMPARE(pixelsLike(empty, below, kHeaderBlue), 0);
    QTRY_VERIFY_WITH_TIMEOUT((shown = m_display->screenshot(kMain, kShots + QStringLiteral("/site-03-record.png")),
                              pixelsLike(shown, below, kHeaderBlue) > 100),
                             10000);

    // Copy beside the answer (the first stop after the field and its button), then beside the record (after
    // the name's Watch link, the link that finds more abuse contacts, and the record's Download and Evidence
    // links): the clipboard holds the text as the page shows it.
    const auto press = [&](int tabs, const QString &key) {
        QStringList keys(tabs, QStringLiteral("Tab"));
        keys.append(key);
        return toField() && m_display->type(kMain, QString(), keys);
    };
    QVERIFY(press(2, QStringLiteral("space")));
    QTRY_VERIFY_WITH_TIMEOUT(m_display->clipboard().contains(u"Registrar Uno"_qs), 15000);
    const QString answer = m_display->clipboard(); // in the driver's language, Italian
    for (const QString &shownText :
         { u"Registrato"_qs, u"example.com"_qs, u"9999"_qs, u"13 agosto 2099"_qs, u"DNSSEC"_qs })
        QVERIFY2(answer.contains(shownText), qPrintable(answer));
    QVERIFY(press(7, QStringLiteral("space")));
    QTRY_VERIFY2_WITH_TIMEOUT(m_display->clipboard().contains(u"\"ldhName\": \"EXAMPLE.COM\""_qs),
                              qPrintable(m_display->clipboard().left(300)), 10000);
    m_display->settledScreenshot(kMain, kShots + QStringLiteral("/site-03-copied.png"));

    // Download: the record as the registry sent it, under a name made from the question.
    QVERIFY(press(5, QStringLiteral("Return")));
    QFile kept(home.filePath(QStringLiteral("Downloads/example.com-rdap.json")));
    QTRY_VERIFY2_WITH_TIMEOUT(kept.exists() && kept.size() == record.size(),
                              qPrintable(QDir(home.filePath(u"Downloads"_qs)).entryList(QDir::Files).join(u' ')),
                              10000);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), record);

    // A free name, and one past its expiry in its redemption period: the verdict says so, its border green or
    // amber.
    const QRect verdict(16, 64 + 48, 400, 40);
    QVERIFY(lookUp(QStringLiteral("free-name.com")));
    QTRY_VERIFY_WITH_TIMEOUT((shown = m_display->screenshot(kMain, kShots + QStringLiteral("/site-04-free.png")),
                              pixelsLike(shown, verdict, QColor(0x1e, 0x7b, 0x34)) > 60),
                             10000);
    QVERIFY(lookUp(QStringLiteral("expired-name.com")));
    QTRY_VERIFY_WITH_TIMEOUT((shown = m_display->screenshot(kMain, kShots + QStringLiteral("/site-05-expired.png")),
                              pixelsLike(shown, verdict, QColor(0xc7, 0x7c, 0x02)) > 60),
                             10000);

    // A name in three extensions: a row each, the free one in green.
    QVERIFY(lookUp(QStringLiteral("free-name.{com,org,zz}")));
    QTRY_VERIFY2_WITH_TIMEOUT(site.log().filter(u"GET /hosting/quelcor.php?domain=free-name.%7B"_qs).size() == 1,
                              qPrintable(site.log().join(u'\n')), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(
        (shown = m_display->screenshot(kMain, kShots + QStringLiteral("/site-06-availability.png")),
         pixelsLike(shown, QRect(16, 64 + 48, 690, 200), QColor(0x1e, 0x7b, 0x34)) > 8),
        10000);
    QCOMPARE(m_display->windows(kMain).size(), 1);
}

// Started in a network namespace without a default route: no version check, no message, and the main window
// some six seconds after the start, its indicator red.
void TestEndToEnd::offlineStart()
{
    QProcess probe;
    probe.start(QStringLiteral("unshare"), { QStringLiteral("-n"), QStringLiteral("true") });
    if (!probe.waitForFinished(5000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        QSKIP("unshare -n is not permitted here (needs root or user namespaces)");

    QElapsedTimer clock;
    clock.start();
    startProgram(QStringLiteral("unshare"), { QStringLiteral("-n"), QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e") });
    QCOMPARE(m_display->waitForWindows(kSplash, 10000).size(), 1);
    m_display->settledScreenshot(kSplash, kShots + QStringLiteral("/10-offline-splash.png"));
    QTRY_COMPARE_WITH_TIMEOUT(m_display->windows(kMain).size(), 1, 30000);
    // Not before its timers say, and not held up by the missing network (the upper bound has room for a
    // loaded machine's slow start).
    const qint64 shownAfter = clock.elapsed();
    QVERIFY2(shownAfter >= 5000 && shownAfter < 15000, qPrintable(QString::number(shownAfter)));
    QImage main;
    QTRY_VERIFY_WITH_TIMEOUT((main = m_display->screenshot(kMain, kShots + QStringLiteral("/11-offline-main.png")),
                              pixelsLike(main, QRect(16 + 8, 64 + 176, 692, 21), QColor(255, 0, 0)) > 30),
                             10000); // the red indicator
    QCOMPARE(main.size(), QSize(737, 520)); // the only window titled so: no message box
}

// A newer published version keeps the splash window up with the download link and the counting button;
// Continue hands over two ticks later.
void TestEndToEnd::newerVersionOffered()
{
    LocalHttpServer server;
    QVERIFY(server.listen(QUELCOR_E2E_PORT));
    server.route("/quelcor_version_number.js", { 200, TestFiles::versionFile("1.0.2005") });
    startProgram(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e"));
    QCOMPARE(m_display->waitForWindows(kSplash, 10000).size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(server.log().contains(QStringLiteral("GET /quelcor_version_number.js")), 10000);
    QTest::qWait(4500); // past the second at which a splash without an offer would hand over
    QCOMPARE(m_display->windows(kSplash).size(), 1);
    QVERIFY(m_display->windows(kMain).isEmpty());
    const QImage offer = m_display->settledScreenshot(kSplash, kShots + QStringLiteral("/20-newer-version.png"));
    QCOMPARE(offer.size(), QSize(398, 201));
    QVERIFY(pixelsLike(offer, QRect(160, 171, 137, 17), QColor(0, 0, 128)) > 10); // the download link is shown

    QVERIFY(m_display->click(kSplash, QPoint(16 + 68, 171 + 8))); // Continue
    QTRY_COMPARE_WITH_TIMEOUT(m_display->windows(kMain).size(), 1, 15000);
    QVERIFY(m_display->windows(kSplash).isEmpty());
}

// The language chooser from the main window: open the Italiano folder, OK; the driver is installed and the
// main window comes back with its texts.
void TestEndToEnd::installDeutschThenLookUp()
{
    SiteProcess site({}, QUELCOR_E2E_PORT);
    QVERIFY2(site.started(),
             qPrintable(QStringLiteral("port %1 is taken; the end-to-end build talks to it").arg(QUELCOR_E2E_PORT)));
    startProgram(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e"));
    QCOMPARE(m_display->waitForWindows(kMain, 20000).size(), 1);
    QImage english; // after the first connection check
    QTRY_VERIFY_WITH_TIMEOUT(
        statusPixels(english = m_display->settledScreenshot(kMain, kShots + QStringLiteral("/29-main-in-english.png")))
            > 50,
        20000);

    QVERIFY(m_display->click(kMain, QPoint(504 + 24, 4 + 24))); // the globe with the green arrow
    const QString chooser = QStringLiteral("Language Changer");
    QCOMPARE(m_display->waitForWindows(chooser, 15000).size(), 1);
    QVERIFY(m_display->windows(kMain).isEmpty());
    QVERIFY(!m_display->settledScreenshot(chooser, kShots + QStringLiteral("/30-language-chooser.png")).isNull());

    QVERIFY(m_display->type(chooser, QStringLiteral("Deutsch"), { QStringLiteral("Return") }));
    QTRY_VERIFY_WITH_TIMEOUT(
        pixelsLike(m_display->screenshot(chooser, kShots + QStringLiteral("/31-deutsch-opened.png")),
                   QRect(0, 0, 33, 22), QColor(221, 0, 0))
            > 50,
        10000); // the flag's red band
    QVERIFY(m_display->click(chooser, QPoint(304 + 36, 248 + 8))); // OK

    const QByteArray deutsch = TestFiles::read(QStringLiteral(QUELCOR_SOURCE_DIR "/data/lang/Deutsch/Deutsch.DRV"));
    QTRY_COMPARE_WITH_TIMEOUT(TestFiles::read(m_programDir->filePath(QStringLiteral("LANGUAGE.DRV"))), deutsch, 15000);
    QVERIFY(!QFile::exists(m_programDir->filePath(QStringLiteral("START.1ST"))));
    QCOMPARE(m_display->waitForWindows(kMain, 15000).size(), 1);
    QVERIFY(m_display->windows(chooser).isEmpty());
    // The texts of the window, and after the next connection check the German indicator text too.
    const auto changed = [&](const QImage &german, const QRect &area) {
        int count = 0;
        if (german.size() != english.size())
            return count;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += german.pixel(x, y) != english.pixel(x, y);
        return count;
    };
    QImage german;
    QTRY_VERIFY_WITH_TIMEOUT(
        (german = m_display->settledScreenshot(kMain, kShots + QStringLiteral("/32-main-in-deutsch.png")),
         changed(german, kStatusText) > 0),
        20000);
    QCOMPARE(german.size(), english.size());
    QVERIFY2(changed(german, english.rect()) > 500, qPrintable(QString::number(changed(german, english.rect()))));

    // The lookup button: the site's page, asked for in German, answered in German.
    QVERIFY(m_display->click(kMain, QPoint(16 + 280 + 72, 64 + 200 + 8)));
    static const QRegularExpression inGerman(QStringLiteral("GET /hosting/quelcor.php 200 [0-9]+ de$"));
    QTRY_VERIFY2_WITH_TIMEOUT(!site.log().filter(inGerman).isEmpty(), qPrintable(site.log().join(u'\n')), 60000);
    // The cover goes a second after the page has arrived.
    QTRY_VERIFY_WITH_TIMEOUT(
        pageHeaderShown(m_display->settledScreenshot(kMain, kShots + QStringLiteral("/33-lookup-page-in-deutsch.png"))),
        20000);
}

// The about window from the main window, the update check window from there, a query against a server that
// publishes a newer version: the product link appears. Closing both brings the main window back.
void TestEndToEnd::updateCheckFromTheAboutWindow()
{
    LocalHttpServer server;
    QVERIFY(server.listen(QUELCOR_E2E_PORT));
    server.route("/quelcor_version_number.js", { 200, TestFiles::versionFile("1.0.2004") });
    server.route("/whois_version_number.js", { 200, TestFiles::versionFile("1.0.2005") });
    startProgram(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e"));
    QCOMPARE(m_display->waitForWindows(kMain, 20000).size(), 1);
    QVERIFY(!m_display->settledScreenshot(kMain, kShots + QStringLiteral("/39-main-window.png")).isNull());

    const QString about = QStringLiteral(":: Vantorel ::");
    const QString update = QStringLiteral("Brisvane");
    QVERIFY(m_display->click(kMain, QPoint(448 + 24, 4 + 24))); // the speech bubble
    QCOMPARE(m_display->waitForWindows(about, 15000).size(), 1);
    QVERIFY(m_display->windows(kMain).isEmpty());
    QCOMPARE(m_display->settledScreenshot(about, kShots + QStringLiteral("/40-about.png")).size(), QSize(432, 279));

    QVERIFY(m_display->click(about, QPoint(8 + 52, 256 + 8))); // "Brisvane..."
    QCOMPARE(m_display->waitForWindows(update, 15000).size(), 1);
    QVERIFY(!m_display->settledScreenshot(update, kShots + QStringLiteral("/41-update-ready.png")).isNull());
    QVERIFY(m_display->click(update, QPoint(208 + 96, 256 + 8))); // "Consulta server  >>"
    QTRY_VERIFY_WITH_TIMEOUT(server.log().contains(QStringLiteral("GET /whois_version_number.js")), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(pixelsLike(m_display->screenshot(update, kShots + QStringLiteral("/42-update-newer.png")),
                                        QRect(152, 224, 249, 17), QColor(128, 176, 255))
                                 > 10,
                             10000); // the product link

    QVERIFY(m_display->click(update, QPoint(104 + 48, 256 + 8))); // Annulla
    QTRY_VERIFY_WITH_TIMEOUT(m_display->windows(update).isEmpty(), 15000);
    QCOMPARE(m_display->windows(about).size(), 1);
    QVERIFY(m_display->click(about, QPoint(360 + 32, 256 + 8))); // Chiudi
    QCOMPARE(m_display->waitForWindows(kMain, 15000).size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_display->windows(about).isEmpty(), 15000);
}

// Under a window manager, each way of closing a window leaves a window on screen or ends the program:
// Alt+F4 on the about window brings the main window back; the language chooser refuses Alt+F4; its
// first-run Cancel ends the program. Then, in a second run, Alt+F4 on the main window ends it.
void TestEndToEnd::everyWayOutWithAWindowManager()
{
    LocalHttpServer server;
    QVERIFY(server.listen(QUELCOR_E2E_PORT));
    server.route("/quelcor_version_number.js", { 200, TestFiles::versionFile("1.0.2004") });
    startProgram(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e"));
    QCOMPARE(m_display->waitForWindows(kMain, 20000).size(), 1);
    QVERIFY(!m_display->settledScreenshot(kMain, kShots + QStringLiteral("/49-main-window.png")).isNull());

    const QString about = QStringLiteral(":: Vantorel ::");
    // The about window opens with the focus on its close button, which Enter presses.
    QVERIFY(m_display->click(kMain, QPoint(448 + 24, 4 + 24)));
    QCOMPARE(m_display->waitForWindows(about, 15000).size(), 1);
    QVERIFY(m_display->type(about, QString(), { QStringLiteral("Return") }));
    QCOMPARE(m_display->waitForWindows(kMain, 15000).size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_display->windows(about).isEmpty(), 15000);
    QVERIFY(m_display->windows(QStringLiteral("Brisvane")).isEmpty());

    QVERIFY(!m_display->settledScreenshot(kMain, kShots + QStringLiteral("/49-main-window.png")).isNull());
    QVERIFY(m_display->click(kMain, QPoint(448 + 24, 4 + 24)));
    QCOMPARE(m_display->waitForWindows(about, 15000).size(), 1);
    // The shortcut goes to the active window; should the window manager not have made About active yet, it
    // is sent again.
    for (int attempt = 0; attempt < 3 && m_display->windows(kMain).isEmpty(); ++attempt) {
        QVERIFY(m_display->type(about, QString(), { QStringLiteral("alt+F4") }));
        m_display->waitForWindows(kMain, 5000);
    }
    QCOMPARE(m_display->windows(kMain).size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_display->windows(about).isEmpty(), 15000);

    const QString chooser = QStringLiteral("Language Changer");
    QVERIFY(!m_display->settledScreenshot(kMain, kShots + QStringLiteral("/49-main-window.png")).isNull());
    QVERIFY(m_display->click(kMain, QPoint(504 + 24, 4 + 24)));
    QCOMPARE(m_display->waitForWindows(chooser, 15000).size(), 1);
    QVERIFY(m_display->type(chooser, QString(), { QStringLiteral("alt+F4") }));
    QTest::qWait(1000);
    QCOMPARE(m_display->windows(chooser).size(), 1); // refused
    // The window manager is told that the chooser has no close function (Motif hints: functions given, move
    // alone, no close bit 0x20). Openbox draws its close box all the same, by its own choice; window managers
    // that follow the hints (Mutter, KWin, Xfwm) leave it out.
    const QString hints = m_display->property(chooser, QStringLiteral("_MOTIF_WM_HINTS"));
    const QStringList fields = hints.section(u'=', 1).split(u',', Qt::SkipEmptyParts);
    QVERIFY2(fields.size() == 5, qPrintable(hints));
    QVERIFY2((fields[0].trimmed().toUInt(nullptr, 16) & 1) && !(fields[1].trimmed().toUInt(nullptr, 16) & 0x20),
             qPrintable(hints));
    m_display->screenshot(QString(), kShots + QStringLiteral("/50-chooser-refuses-to-close.png"));
    QVERIFY(m_display->click(chooser, QPoint(360 + 36, 312 + 8))); // first-run Cancel
    QTRY_COMPARE_WITH_TIMEOUT(m_program.state(), QProcess::NotRunning, 10000);

    startProgram(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e"));
    QCOMPARE(m_display->waitForWindows(kMain, 20000).size(), 1);
    QVERIFY(!m_display->settledScreenshot(kMain, kShots + QStringLiteral("/49-main-window.png")).isNull());
    for (int attempt = 0; attempt < 3 && m_program.state() != QProcess::NotRunning; ++attempt) {
        QVERIFY(m_display->type(kMain, QString(), { QStringLiteral("alt+F4") }));
        if (QTest::qWaitFor([&] { return m_program.state() == QProcess::NotRunning; }, 3000))
            break;
    }
    QCOMPARE(m_program.state(), QProcess::NotRunning);
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
