#include "Doubles.h"
#include "TestFiles.h"
#include "Widgets.h"
#include "WindowFixture.h"
#include "about/About.h"
#include "app/WindowRegistry.h"
#include "language/Language.h"
#include "main_window/Main.h"
#include "widgets/FolderList.h"
#include "widgets/PictureButton.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
QByteArray driverFor(const QByteArray &name)
{
    return TestFiles::driver(226,
                             { { 4, name },
                               { 5, name },
                               { 34, name + " next" },
                               { 92, name + " failed" },
                               { 187, name + " choose" },
                               { 189, name + " languages" },
                               { 190, name + " OK" },
                               { 191, name + " cancel" },
                               { 193, name + " refresh" } });
}

void writePicture(const QString &path, QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "JPG"));
}
} // namespace

// The language chooser in a program directory of real files.
class TestLanguageWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void designTime();
    void firstRunInstallsTheOpenedDriver();
    void firstRunCancelEndsAndChangesNothing();
    void laterModeShowsTheInstalledDriver();
    void firstDriverInAlphabeticalOrder();
    void driverWithoutPicture();
    void folderWithoutDriverKeepsThePicture();
    void mixedCaseNames();
    void refreshKeepsPathAndState();
    void folderListOpensOnDoubleClickOnly();
    void closeFromTheWindowSystemIsRefused();
    void failures_data();
    void failures();
    void failureWithNoDriverInstalledYet();
    void fullOrReadOnlyFileSystem_data();
    void fullOrReadOnlyFileSystem();
    void mainButtonsOpenTheWindows();

private:
    Language &open();
    QString dir(const QString &relative = {}) const { return m_fixture->path(relative); }

    std::unique_ptr<WindowFixture> m_fixture;
};

void TestLanguageWindow::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    QVERIFY(QDir().mkpath(dir(QStringLiteral("lang/Alpha"))));
    QVERIFY(QDir().mkpath(dir(QStringLiteral("lang/Beta"))));
    QVERIFY(QDir().mkpath(dir(QStringLiteral("lang/Empty"))));
    TestFiles::write(dir(QStringLiteral("lang/Alpha/Alpha.DRV")), driverFor("Alpha"));
    TestFiles::write(dir(QStringLiteral("lang/Beta/Beta.DRV")), driverFor("Beta"));
    writePicture(dir(QStringLiteral("lang/Alpha/Alpha_2.jpg")), QSize(48, 32), Qt::red); // as the shipped flags
    writePicture(dir(QStringLiteral("lang/Beta/Beta_2.jpg")), QSize(30, 20), Qt::blue);
    TestFiles::write(dir(QStringLiteral("LANGUAGE.DRV")), driverFor("Beta"));
    TestFiles::write(dir(QStringLiteral("START.1ST")), "");
    m_fixture->windows().main();
}

void TestLanguageWindow::cleanup()
{
    m_fixture.reset();
}

Language &TestLanguageWindow::open()
{
    m_fixture->windows().main().show();
    m_fixture->windows().main().CoolButton4_Click();
    return m_fixture->windows().language();
}

void TestLanguageWindow::designTime()
{
    Language &w = open();
    QCOMPARE(w.windowTitle(), QStringLiteral("Language Changer"));
    QCOMPARE(w.size(), QSize(442, 334));
    QVERIFY(w.windowFlags() & Qt::Tool);
    QVERIFY(
        !(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)));
    QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(control(&w, "lbl_Lingua")->geometry(), QRect(160, 24, 273, 25));
    QCOMPARE(control(&w, "Dir1")->geometry(), QRect(96, 104, 281, 141));
    QCOMPARE(control(&w, "Command1")->geometry(), QRect(304, 248, 73, 17));
    QCOMPARE(control(&w, "Command2")->geometry(), control(&w, "Command3")->geometry());
    QCOMPARE(control(&w, "img_Flag")->pos(), QPoint(24, 312));
    QCOMPARE(w.File1.pattern(), QStringLiteral("*.drv"));
    QCOMPARE(w.File2.pattern(), QStringLiteral("*.jpg"));
}

void TestLanguageWindow::firstRunInstallsTheOpenedDriver()
{
    Language &w = open();
    QVERIFY(!m_fixture->windows().main().isVisible());
    QCOMPARE(w.lbl_Lingua->text(), QStringLiteral("Choose your language!"));
    QCOMPARE(w.Command1->text(), QStringLiteral("&OK"));
    QVERIFY(!w.Command3->isHidden() && !w.Command2->isHidden());
    QCOMPARE(QDir::currentPath(), QDir(dir(QStringLiteral("lang"))).absolutePath());
    QVERIFY(!w.Command1->isEnabled()); // the language folder holds no driver itself

    QVERIFY(w.Dir1->setPath(dir(QStringLiteral("lang/Alpha"))));
    QVERIFY(w.Command1->isEnabled());
    QCOMPARE(QDir::currentPath(), QDir(dir(QStringLiteral("lang/Alpha"))).absolutePath());
    QCOMPARE(w.background().size(), QSize(48, 32));
    QCOMPARE(w.img_Flag->size(), QSize(33, 22)); // made smaller to fit above the window's edge

    w.Command1_Click();
    QCOMPARE(TestFiles::read(dir(QStringLiteral("LANGUAGE.DRV"))), driverFor("Alpha"));
    QVERIFY(!QFile::exists(dir(QStringLiteral("START.1ST"))));
    QVERIFY(!m_fixture->windows().isLoaded(WindowRegistry::Form::Language));
    QVERIFY(m_fixture->windows().main().isVisible());
    QCOMPARE(m_fixture->windows().main().Command2->text(), QStringLiteral("Alpha next")); // at once
    QCOMPARE(QDir::currentPath(), QDir(dir()).absolutePath());
    QCOMPARE(m_fixture->doubles.end.ends, 0);
    QCOMPARE(QDir(dir()).entryList(QDir::Files | QDir::Hidden), QStringList { "LANGUAGE.DRV" }); // no temporary left
}

void TestLanguageWindow::firstRunCancelEndsAndChangesNothing()
{
    Language &w = open();
    QVERIFY(w.Dir1->setPath(dir(QStringLiteral("lang/Alpha"))));
    QTest::mouseClick(w.Command3, Qt::LeftButton);
    QCOMPARE(m_fixture->doubles.end.ends, 1);
    QVERIFY(QFile::exists(dir(QStringLiteral("START.1ST"))));
    QCOMPARE(TestFiles::read(dir(QStringLiteral("LANGUAGE.DRV"))), driverFor("Beta"));
}

void TestLanguageWindow::laterModeShowsTheInstalledDriver()
{
    QVERIFY(QFile::remove(dir(QStringLiteral("START.1ST"))));
    Language &w = open();
    QCOMPARE(w.lbl_Lingua->text(), QStringLiteral("Beta choose"));
    QCOMPARE(w.lbl_Seleziona->text(), QStringLiteral("Beta languages"));
    QCOMPARE(w.Command1->text(), QStringLiteral("Beta OK"));
    QCOMPARE(w.Command2->text(), QStringLiteral("Beta cancel"));
    QCOMPARE(w.cmd_Refresh->text(), QStringLiteral("Beta refresh"));
    QCOMPARE(w.Command3->text(), QStringLiteral("&Cancel"));
    QCOMPARE(w.img_Flag->size(), QSize(30, 20)); // Lang/Beta/Beta_2.jpg
    QVERIFY(!w.Command2->isHidden());
    QVERIFY(w.Command3->isHidden());
    QCOMPARE(w.Dir1->path(), QDir(dir(QStringLiteral("lang"))).absolutePath());

    w.Dir1->setPath(dir(QStringLiteral("lang/Alpha")));
    QTest::mouseClick(w.Command2, Qt::LeftButton);
    QCOMPARE(QDir::currentPath(), QDir(dir()).absolutePath());
    QVERIFY(m_fixture->windows().main().isVisible());
    QVERIFY(!m_fixture->windows().isLoaded(WindowRegistry::Form::Language));
    QCOMPARE(TestFiles::read(dir(QStringLiteral("LANGUAGE.DRV"))), driverFor("Beta"));
    QCOMPARE(m_fixture->doubles.end.ends, 0);
}

void TestLanguageWindow::firstDriverInAlphabeticalOrder()
{
    TestFiles::write(dir(QStringLiteral("lang/Alpha/aardvark.drv")), driverFor("Aardvark"));
    Language &w = open();
    w.Dir1->setPath(dir(QStringLiteral("lang/Alpha")));
    w.Command1_Click();
    QCOMPARE(TestFiles::read(dir(QStringLiteral("LANGUAGE.DRV"))), driverFor("Aardvark"));
}

void TestLanguageWindow::driverWithoutPicture()
{
    QVERIFY(QFile::remove(dir(QStringLiteral("lang/Beta/Beta_2.jpg"))));
    Language &w = open();
    w.Dir1->setPath(dir(QStringLiteral("lang/Alpha")));
    QVERIFY(!w.background().isNull());
    w.Dir1->setPath(dir(QStringLiteral("lang/Beta")));
    QVERIFY(w.Command1->isEnabled());
    QVERIFY(w.background().isNull());
    QCOMPARE(w.img_Flag->size(), QSize(0, 0));
}

void TestLanguageWindow::folderWithoutDriverKeepsThePicture()
{
    Language &w = open();
    w.Dir1->setPath(dir(QStringLiteral("lang/Alpha")));
    w.Dir1->setPath(dir(QStringLiteral("lang/Empty")));
    QVERIFY(!w.Command1->isEnabled());
    QCOMPARE(w.background().size(), QSize(48, 32));
    w.Dir1->setPath(dir(QStringLiteral("lang")));
    QVERIFY(!w.Command1->isEnabled());
    QCOMPARE(w.img_Flag->size(), QSize(33, 22)); // made smaller to fit above the window's edge
}

void TestLanguageWindow::mixedCaseNames()
{
    QVERIFY(QDir(dir(QStringLiteral("lang"))).removeRecursively());
    QVERIFY(QDir().mkpath(dir(QStringLiteral("LANG/english"))));
    TestFiles::write(dir(QStringLiteral("LANG/english/ENGLISH.drv")), driverFor("english"));
    writePicture(dir(QStringLiteral("LANG/english/English_2.JPG")), QSize(16, 16), Qt::green);
    QVERIFY(QFile::rename(dir(QStringLiteral("START.1ST")), dir(QStringLiteral("start.1st"))));

    Language &w = open();
    QCOMPARE(w.Dir1->path(), QDir(dir(QStringLiteral("LANG"))).absolutePath()); // first-run mode, "lang" found
    w.Dir1->setPath(dir(QStringLiteral("LANG/english")));
    QVERIFY(w.Command1->isEnabled());
    QCOMPARE(w.img_Flag->size(), QSize(16, 16));
    w.Command1_Click();
    QCOMPARE(TestFiles::read(dir(QStringLiteral("LANGUAGE.DRV"))), driverFor("english"));
    QVERIFY(!QFile::exists(dir(QStringLiteral("start.1st"))));

    // Later mode: the flag Lang/english/english_2.jpg is found under other cases.
    Language &again = open();
    QCOMPARE(again.img_Flag->size(), QSize(16, 16));
}

void TestLanguageWindow::refreshKeepsPathAndState()
{
    Language &w = open();
    w.Dir1->setPath(dir(QStringLiteral("lang/Alpha")));
    QVERIFY(QDir().mkpath(dir(QStringLiteral("lang/Alpha/New"))));
    const int before = w.Dir1->count();
    w.cmd_Refresh_Click();
    QCOMPARE(w.Dir1->count(), before + 1);
    QCOMPARE(w.Dir1->path(), QDir(dir(QStringLiteral("lang/Alpha"))).absolutePath());
    QVERIFY(w.Command1->isEnabled());
}

void TestLanguageWindow::folderListOpensOnDoubleClickOnly()
{
    Language &w = open();
    w.show();
    FolderList *list = w.Dir1;
    // The folders above the path, then the ones inside it.
    QListWidgetItem *beta = list->findItems(QStringLiteral("Beta"), Qt::MatchExactly).value(0);
    QVERIFY(beta);
    QVERIFY(!list->findItems(QStringLiteral("lang"), Qt::MatchExactly).isEmpty());
    const QRect cell = list->visualItemRect(beta);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(list->currentItem(), beta);
    QCOMPARE(list->path(), QDir(dir(QStringLiteral("lang"))).absolutePath()); // only highlighted
    QVERIFY(!w.Command1->isEnabled());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(list->path(), QDir(dir(QStringLiteral("lang/Beta"))).absolutePath());
    QVERIFY(w.Command1->isEnabled());

    // Enter opens the highlighted folder too: here the language folder above.
    list->setCurrentItem(list->findItems(QStringLiteral("lang"), Qt::MatchExactly).value(0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(list->path(), QDir(dir(QStringLiteral("lang"))).absolutePath());
    QVERIFY(!w.Command1->isEnabled());
}

void TestLanguageWindow::closeFromTheWindowSystemIsRefused()
{
    Language &w = open();
    w.show();
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QVERIFY(m_fixture->windows().isLoaded(WindowRegistry::Form::Language));
}

void TestLanguageWindow::failures_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("installed"); // LANGUAGE.DRV afterwards: the new driver, or the old one
    QTest::newRow("driver removed between opening and OK") << "driver removed" << false;
    QTest::newRow("LANGUAGE.DRV is a directory") << "target is a directory" << false;
    QTest::newRow("read-only program directory") << "read-only" << false;
    QTest::newRow("marker cannot be deleted") << "marker stays" << true;
    QTest::newRow("the source fails while it is read") << "source fails" << false;
}

void TestLanguageWindow::failures()
{
    QFETCH(QString, fault);
    QFETCH(bool, installed);
    if (fault == QLatin1String("read-only") && ::geteuid() == 0)
        QSKIP("running as root, which writes in read-only folders");

    Language &w = open();
    w.Dir1->setPath(dir(QStringLiteral("lang/Alpha")));
    if (fault == QLatin1String("driver removed")) {
        QVERIFY(QFile::remove(dir(QStringLiteral("lang/Alpha/Alpha.DRV"))));
    } else if (fault == QLatin1String("target is a directory")) {
        QVERIFY(QFile::remove(dir(QStringLiteral("LANGUAGE.DRV"))));
        QVERIFY(QDir().mkpath(dir(QStringLiteral("LANGUAGE.DRV"))));
    } else if (fault == QLatin1String("source fails")) {
        // First in alphabetical order, and a file whose reading fails with an error after it has opened.
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), dir(QStringLiteral("lang/Alpha/0.DRV"))));
    } else if (fault == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(dir(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else {
        QVERIFY(QFile::remove(dir(QStringLiteral("START.1ST"))));
        QVERIFY(QDir().mkpath(dir(QStringLiteral("START.1ST/inside")))); // a folder that will not go
    }
    w.Command1_Click();
    QFile::setPermissions(dir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(m_fixture->doubles.messages.shown.size(), 1);
    QCOMPARE(m_fixture->doubles.messages.shown.first().icon, MessageBoxes::Icon::Critical);
    QCOMPARE(m_fixture->doubles.messages.shown.first().text,
             installed ? QStringLiteral("Alpha failed") : QStringLiteral("Beta failed"));
    QCOMPARE(m_fixture->doubles.end.ends, 1);
    if (fault != QLatin1String("target is a directory")) {
        QCOMPARE(TestFiles::read(dir(QStringLiteral("LANGUAGE.DRV"))),
                 installed ? driverFor("Alpha") : driverFor("Beta"));
    }
    // No temporary file is left beside the driver.
    for (const QString &name : QDir(dir()).entryList(QDir::Files | QDir::Hidden))
        QVERIFY2(name == QLatin1String("LANGUAGE.DRV") || name == QLatin1String("START.1ST"), qPrintable(name));
}

// A first run with no driver at all: the failure message has no entry 92 to show, so it says so in English.
void TestLanguageWindow::failureWithNoDriverInstalledYet()
{
    QVERIFY(QFile::remove(dir(QStringLiteral("LANGUAGE.DRV"))));
    m_fixture->windows().main().Set_Language();
    Language &w = open();
    w.Dir1->setPath(dir(QStringLiteral("lang/Alpha")));
    QVERIFY(QFile::remove(dir(QStringLiteral("lang/Alpha/Alpha.DRV"))));
    w.Command1_Click();
    QCOMPARE(m_fixture->doubles.messages.shown.size(), 1);
    QCOMPARE(m_fixture->doubles.messages.shown.first().text,
             QStringLiteral("The language driver could not be installed. Quelcor will now close."));
    QCOMPARE(m_fixture->doubles.end.ends, 1);
    QVERIFY(!QFile::exists(dir(QStringLiteral("LANGUAGE.DRV"))));
}

void TestLanguageWindow::fullOrReadOnlyFileSystem_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("the new driver does not fit") << false;
    QTest::newRow("read-only program directory") << true;
}

// The program directory on a small file system of its own, either too small for the new driver or mounted
// read-only (which holds for root too): the old driver stays, byte for byte, and nothing else is left there.
void TestLanguageWindow::fullOrReadOnlyFileSystem()
{
    QFETCH(bool, readOnly);
    if (::geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    QTemporaryDir mountPoint;
    QProcess mount;
    mount.start(QStringLiteral("mount"),
                { QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), QStringLiteral("size=64k"),
                  QStringLiteral("quelcor-test"), mountPoint.path() });
    if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
        QSKIP("mount -t tmpfs is not permitted here");
    auto unmount = qScopeGuard([&] {
        QDir::setCurrent(dir()); // out of the mount point before it goes
        QProcess::execute(QStringLiteral("umount"), { mountPoint.path() });
    });

    // A program directory on the small file system, with a large driver to install from the normal one.
    const QString program = mountPoint.path();
    TestFiles::write(program + QStringLiteral("/LANGUAGE.DRV"), driverFor("Beta"));
    QByteArray large = driverFor("Large") + QByteArray(256 * 1024, 'x');
    TestFiles::write(dir(QStringLiteral("lang/Alpha/Alpha.DRV")), large);
    QVERIFY(QDir().mkpath(program + QStringLiteral("/lang")));
    if (readOnly) {
        QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                                   { QStringLiteral("-o"), QStringLiteral("remount,ro"), mountPoint.path() }),
                 0);
        large = driverFor("Alpha");
        TestFiles::write(dir(QStringLiteral("lang/Alpha/Alpha.DRV")), large);
    }
    QVERIFY(QDir::setCurrent(program));
    m_fixture->load();
    Language &w = open();
    QVERIFY(w.Dir1->setPath(dir(QStringLiteral("lang/Alpha"))));
    w.Command1_Click();

    QCOMPARE(m_fixture->doubles.messages.shown.size(), 1);
    QCOMPARE(m_fixture->doubles.messages.shown.first().text, QStringLiteral("Beta failed"));
    QCOMPARE(m_fixture->doubles.end.ends, 1);
    QCOMPARE(TestFiles::read(program + QStringLiteral("/LANGUAGE.DRV")), driverFor("Beta"));
    QCOMPARE(QDir(program).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("LANGUAGE.DRV") });
}

void TestLanguageWindow::mainButtonsOpenTheWindows()
{
    Main &main = m_fixture->windows().main();
    main.show();
    main.CoolButton5->click();
    QVERIFY(!main.isVisible());
    QVERIFY(m_fixture->windows().isLoaded(WindowRegistry::Form::About));
    QWidget *about = &m_fixture->windows().about();
    QCOMPARE(about->objectName(), QStringLiteral("About"));
    QVERIFY(about->isVisible());
    about->close(); // the way back until the about window is written
    QVERIFY(main.isVisible());

    main.CoolButton4->click();
    QVERIFY(!main.isVisible());
    QVERIFY(m_fixture->windows().language().isVisible());
}

int runWindowTests(int argc, char **argv)
{
    TestLanguageWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_language_window.moc"
