#include "Doubles.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "app/Program.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"
#include "splash/Splash.h"
#include "widgets/PictureButton.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestApp : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void twips_data();
    void twips();
    void firstUseLoadsOnce();
    void hideKeepsValues();
    void unloadDiscardsValues();
    void startShowsTheSplashWindow();
    void closingTheMainWindowEndsTheProgram();
    void endingAsksNoWindow();
    void noDriverGivesEmptyTexts();
    void driverNameMatchesWithoutRegardToCase();

private:
    QTemporaryDir m_dir;
};

void TestApp::init()
{
    QDir(m_dir.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_dir.path()));
    TestFiles::write(m_dir.filePath(QStringLiteral("LANGUAGE.DRV")), TestFiles::driver(226));
}

void TestApp::twips_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("main window width") << 11055 << 737;
    QTest::newRow("main window height") << 7800 << 520;
    QTest::newRow("negative") << -360 << -24;
    QTest::newRow("rounds down below half") << 7 << 0;
    QTest::newRow("rounds up from half") << 8 << 1;
}

void TestApp::twips()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(px(twips), pixels);
}

void TestApp::firstUseLoadsOnce()
{
    TestFiles::CurrentDir here(m_dir.path());
    TestPlatform doubles;
    WindowRegistry windows(doubles.platform());
    QVERIFY(!windows.isLoaded(WindowRegistry::Form::Main));

    Main &main = windows.main();
    QVERIFY(windows.isLoaded(WindowRegistry::Form::Main));
    QVERIFY(!main.isVisible()); // loading does not show
    QCOMPARE(main.txt_InitDir->text(), QDir::currentPath());
    QCOMPARE(main.lst_Language.ListCount(), 226);
    QCOMPARE(main.Command2->text(), QStringLiteral("E34"));

    main.txt_InitDir->setText(QStringLiteral("changed"));
    QCOMPARE(&windows.main(), &main);
    QCOMPARE(windows.main().txt_InitDir->text(), QStringLiteral("changed")); // no second Form_Load
}

void TestApp::hideKeepsValues()
{
    TestFiles::CurrentDir here(m_dir.path());
    TestPlatform doubles;
    WindowRegistry windows(doubles.platform());
    windows.main().show();
    windows.main().lbl_Status->setText(QStringLiteral("kept"));
    windows.main().hide();
    QVERIFY(windows.isLoaded(WindowRegistry::Form::Main));
    QCOMPARE(windows.main().lbl_Status->text(), QStringLiteral("kept"));
}

void TestApp::unloadDiscardsValues()
{
    TestFiles::CurrentDir here(m_dir.path());
    TestPlatform doubles;
    WindowRegistry windows(doubles.platform());
    QPointer<Main> first = &windows.main();
    first->show();
    first->lbl_Status->setText(QStringLiteral("gone"));
    first->Frame1->setVisible(false);

    windows.unload(WindowRegistry::Form::Main);
    QVERIFY(!windows.isLoaded(WindowRegistry::Form::Main));
    QVERIFY(!first->isVisible());

    Main &second = windows.main(); // a use after the unload loads afresh, from design-time state
    QVERIFY(&second != first.data());
    QCOMPARE(second.lbl_Status->text(), QStringLiteral("-"));
    QVERIFY(!second.Frame1->isHidden());
    QCOMPARE(second.lst_Language.ListCount(), 226);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
}

void TestApp::startShowsTheSplashWindow()
{
    TestFiles::CurrentDir here(m_dir.path());
    TestPlatform doubles;
    WindowRegistry windows(doubles.platform());
    windows.start();
    QVERIFY(windows.isLoaded(WindowRegistry::Form::Splash));
    QVERIFY(windows.splash().isVisible());
    // The splash window's load has loaded the main window, hidden, and refreshed its indicator once.
    QVERIFY(windows.isLoaded(WindowRegistry::Form::Main));
    QVERIFY(!windows.main().isVisible());
    QCOMPARE(doubles.connection.calls, 1);
    QCOMPARE(windows.main().lbl_Connection->text(), QStringLiteral("E31"));
}

void TestApp::closingTheMainWindowEndsTheProgram()
{
    TestFiles::CurrentDir here(m_dir.path());
    TestPlatform doubles;
    WindowRegistry windows(doubles.platform());
    windows.main().show();
    QCOMPARE(doubles.end.ends, 0);
    QVERIFY(windows.main().close());
    QCOMPARE(doubles.end.ends, 1);
}

void TestApp::endingAsksNoWindow()
{
    TestFiles::CurrentDir here(m_dir.path());
    TestPlatform doubles;
    WindowRegistry windows(doubles.platform());
    windows.main().show();
    windows.main().Command1_Click();
    QCOMPARE(doubles.end.ends, 1);
    QVERIFY(windows.main().isVisible()); // no close handler ran; the process simply stops
}

void TestApp::noDriverGivesEmptyTexts()
{
    QTemporaryDir elsewhere;
    TestFiles::CurrentDir here(elsewhere.path());
    TestPlatform doubles;
    WindowRegistry windows(doubles.platform());
    Main &main = windows.main();
    QCOMPARE(main.lst_Language.ListCount(), 0);
    QCOMPARE(main.Command2->text(), QString());
    QCOMPARE(main.Command1->text(), QString());
    QCOMPARE(main.CoolButton4->toolTip(), QString());
    QCOMPARE(doubles.messages.shown.size(), 0);
}

void TestApp::driverNameMatchesWithoutRegardToCase()
{
    QTemporaryDir other;
    TestFiles::write(other.filePath(QStringLiteral("language.drv")), TestFiles::driver(40, { { 34, "Avanti  >" } }));
    TestFiles::CurrentDir here(other.path());
    TestPlatform doubles;
    WindowRegistry windows(doubles.platform());
    QCOMPARE(windows.main().Command2->text(), QStringLiteral("Avanti  >"));
}

QUELCOR_TEST_MAIN(TestApp)
#include "tst_app.moc"
