#include "Desktop.h"
#include "LocalHttpServer.h"
#include "TestFiles.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kShots = QStringLiteral(QUELCOR_SCREENSHOT_DIR "/e2e");
const QColor kPageColour(30, 60, 200);

// A program directory as the installation makes it: the program beside, the drivers and the marker here.
bool stage(const QString &dir)
{
    const QString data = QStringLiteral(QUELCOR_SOURCE_DIR "/data");
    QDirIterator it(data + QStringLiteral("/lang"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = dir + QStringLiteral("/lang/") + QDir(data + QStringLiteral("/lang")).relativeFilePath(from);
        if (!QDir().mkpath(QFileInfo(to).absolutePath()) || !QFile::copy(from, to))
            return false;
    }
    return QFile::copy(data + QStringLiteral("/lang/English/English.DRV"), dir + QStringLiteral("/LANGUAGE.DRV"))
        && QFile::copy(data + QStringLiteral("/START.1ST"), dir + QStringLiteral("/START.1ST"));
}
} // namespace

// The real program, staged, on a virtual display, against a server on loopback.
class TestEndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void lookupPageFromTheMainWindow();

private:
    Desktop m_desktop;
    QTemporaryDir m_programDir;
    QProcess m_program;
};

void TestEndToEnd::initTestCase()
{
    QString error;
    QVERIFY2(m_desktop.start(&error), qPrintable(error));
    QVERIFY(stage(m_programDir.path()));
}

void TestEndToEnd::cleanup()
{
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished(5000);
    }
}

void TestEndToEnd::lookupPageFromTheMainWindow()
{
    LocalHttpServer server;
    QVERIFY2(server.listen(QUELCOR_E2E_PORT),
             qPrintable(QStringLiteral("port %1 is taken; the end-to-end build talks to it").arg(QUELCOR_E2E_PORT)));
    server.route("/hosting/quelcor.php",
                 { 200,
                   "<html><body style='background:#1e3cc8;color:white;margin:0'><h1>Quelcor lookup</h1>"
                   "<script>alert('no dialog, please')</script></body></html>",
                   "text/html" });

    m_program.setProcessEnvironment(m_desktop.environment());
    m_program.setWorkingDirectory(m_programDir.path());
    m_program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program.start(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-e2e"), {});
    QVERIFY(m_program.waitForStarted(5000));

    const QStringList found = m_desktop.waitForWindows(QStringLiteral("Quelcor"), 20000);
    QCOMPARE(found.size(), 1);
    const QString main = QStringLiteral("Quelcor");
    QTest::qWait(300);
    const QImage first = m_desktop.screenshot(main, kShots + QStringLiteral("/01-main-window.png"));
    QCOMPARE(first.size(), QSize(737, 520));
    QVERIFY(first.pixelColor(368, 180) != kPageColour); // the cover

    // "Successivo  >" (here "Next  >", the English driver's text) sits on the cover.
    QVERIFY(m_desktop.click(main, QPoint(16 + 280 + 72, 64 + 200 + 8)));
    QTRY_VERIFY_WITH_TIMEOUT(server.log().contains(QStringLiteral("GET /hosting/quelcor.php")), 60000);

    // The cover goes within a second of the page's arrival.
    QImage shown;
    QTRY_VERIFY_WITH_TIMEOUT((shown = m_desktop.screenshot(main, kShots + QStringLiteral("/02-lookup-page.png")),
                              shown.pixelColor(368, 180) == kPageColour),
                             20000);
    QCOMPARE(m_desktop.windows(QStringLiteral("Quelcor")).size(), 1); // no dialog of the page's

    // "Chiudi" ends the program.
    QVERIFY(m_desktop.click(main, QPoint(576 + 76, 488 + 12)));
    QTRY_COMPARE_WITH_TIMEOUT(m_program.state(), QProcess::NotRunning, 10000); // serving the program meanwhile
    QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
