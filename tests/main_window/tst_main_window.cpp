#include "Doubles.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "Widgets.h"
#include "WindowFixture.h"
#include "app/Program.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"
#include "widgets/PictureButton.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
const QColor kGreen(0, 192, 0);
const QColor kRed(255, 0, 0);

QColor textColour(QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void designTimeLayout_data();
    void designTimeLayout();
    void designTimeLooks();
    void picturesWhenShown();
    void textsComeFromTheDriver();
    void shortDriverGivesTheTextSelectedBefore();
    void loadingTwiceLeavesTheSameTable();
    void lookupPageLoadsBehindTheCover();
    void coverStaysWhileADownloadNeverEnds();
    void failedNavigationShowsNothing();
    void missingBrowserModuleKeepsTheCover();
    void downloadBeginWithoutEntry33();
    void connectionIndicator_data();
    void connectionIndicator();
    void regainedConnectionKeepsTheCover();
    void coverTimerStopsOnceDone();
    void browserCommands();
    void browserLanguageFollowsTheDriver();
    void closeEndsTheProgram();

private:
    Main &load(const QByteArray &driver);

    std::unique_ptr<WindowFixture> m_fixture;
};

void TestMainWindow::init()
{
    m_fixture = std::make_unique<WindowFixture>();
}

void TestMainWindow::cleanup()
{
    m_fixture.reset();
}

Main &TestMainWindow::load(const QByteArray &driver)
{
    m_fixture->writeDriver(driver);
    m_fixture->load();
    return m_fixture->windows().main();
}

void TestMainWindow::designTimeLayout_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Image1") << QByteArray("Image1") << QRect(16, 16, 48, 48);
    QTest::newRow("CoolButton5") << QByteArray("CoolButton5") << QRect(448, 4, 49, 49);
    QTest::newRow("CoolButton4") << QByteArray("CoolButton4") << QRect(504, 4, 49, 49);
    QTest::newRow("CoolButton3") << QByteArray("CoolButton3") << QRect(560, 4, 49, 49);
    QTest::newRow("CoolButton1") << QByteArray("CoolButton1") << QRect(616, 4, 49, 49);
    QTest::newRow("CoolButton2") << QByteArray("CoolButton2") << QRect(672, 4, 49, 49);
    QTest::newRow("WebBrowser1") << QByteArray("WebBrowser1") << QRect(16, 64, 705, 377);
    QTest::newRow("Frame1") << QByteArray("Frame1") << QRect(16, 64, 705, 377);
    QTest::newRow("lbl_Connection2") << QByteArray("lbl_Connection2") << QRect(24, 240, 692, 21);
    QTest::newRow("Command2") << QByteArray("Command2") << QRect(296, 264, 145, 17);
    QTest::newRow("Image2") << QByteArray("Image2") << QRect(496, 461, 16, 16);
    QTest::newRow("Command1") << QByteArray("Command1") << QRect(576, 488, 153, 25);
}

void TestMainWindow::designTimeLayout()
{
    QFETCH(QByteArray, name);
    QFETCH(QRect, geometry);
    Main &main = load(TestFiles::driver(226));
    QWidget *widget = control(&main, name.constData());
    QCOMPARE(QRect(widget->mapTo(&main, QPoint()), widget->size()), geometry); // where it is in the window
}

void TestMainWindow::designTimeLooks()
{
    Main &main = load(TestFiles::driver(226));
    QCOMPARE(main.windowTitle(), QStringLiteral("Quelcor"));
    QCOMPARE(main.size(), QSize(737, 520));
    QCOMPARE(main.minimumSize(), main.maximumSize());
    QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(main.palette().color(QPalette::Window), QColor(254, 204, 102));
    QCOMPARE(main.Frame1->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!main.Frame1->isHidden());
    QCOMPARE(main.lbl_Status->text(), QStringLiteral("-"));
    QCOMPARE(textColour(main.lbl_Status), QColor(255, 168, 21));
    QCOMPARE(main.lbl_Status->mapTo(&main, QPoint()), QPoint(16, 461));
    QCOMPARE(main.lbl_Connection->mapTo(&main, QPoint()), QPoint(520, 461));
    QCOMPARE(main.lbl_Connection->text(), QStringLiteral("Collegamento a Internet disponibile"));
    QCOMPARE(textColour(main.lbl_Connection), kGreen);
    QCOMPARE(textColour(main.lbl_Connection2), kGreen);
    QCOMPARE(main.Label1->text(), QStringLiteral("Quelcor"));
    QCOMPARE(main.Label1->pos(), QPoint(72, 16));
    QVERIFY(main.Label1->font().bold());
    QVERIFY(main.Command1->font().bold());
    QVERIFY(main.txt_InitDir->isHidden());
    QVERIFY(main.Label2->isHidden());
    QCOMPARE(main.Label2->text(), QStringLiteral("InitDir"));
    QVERIFY(main.Command2->isEnabled());
    QVERIFY(main.CoolButton4->isEnabled() && main.CoolButton5->isEnabled());
    QVERIFY(!main.CoolButton1->isEnabled() && !main.CoolButton2->isEnabled() && !main.CoolButton3->isEnabled());
    QCOMPARE(main.Timer1->interval(), 2000);
    QVERIFY(main.Timer1->isActive()); // from the moment the window is loaded, hidden or not
    QCOMPARE(main.Timer2->interval(), 1000);
    QVERIFY(!main.Timer2->isActive());
    QCOMPARE(main.lookupPage(), QUrl(QStringLiteral("http://127.0.0.1:9/hosting/quelcor.php")));
}

// The window is loaded hidden behind the splash window; its pictures are read when it is first shown.
void TestMainWindow::picturesWhenShown()
{
    Main &main = load(TestFiles::driver(226));
    QVERIFY(main.Image1->pixmap().isNull());
    main.show();
    QCOMPARE(main.Image1->pixmap().deviceIndependentSize().toSize(), QSize(48, 48));
    QCOMPARE(main.Image2->pixmap().deviceIndependentSize().toSize(), QSize(16, 16));
    for (PictureButton *button :
         { main.CoolButton1, main.CoolButton2, main.CoolButton3, main.CoolButton4, main.CoolButton5 })
        QVERIFY(!button->icon().pixmap(QSize(48, 48)).isNull());
}

void TestMainWindow::textsComeFromTheDriver()
{
    Main &main = load(TestFiles::driver(226, { { 34, "Next  >" }, { 36, "Language" } }));
    QCOMPARE(main.Command2->text(), QStringLiteral("Next  >"));
    QCOMPARE(main.CoolButton1->toolTip(), QStringLiteral("E26"));
    QCOMPARE(main.CoolButton2->toolTip(), QStringLiteral("E27"));
    QCOMPARE(main.CoolButton3->toolTip(), QStringLiteral("E28"));
    QCOMPARE(main.Command1->text(), QStringLiteral("E30"));
    QCOMPARE(main.CoolButton4->toolTip(), QStringLiteral("Language"));
    QCOMPARE(main.CoolButton4->accessibleName(), QStringLiteral("Language"));
    QCOMPARE(main.CoolButton5->toolTip(), QStringLiteral("E37"));
    QCOMPARE(main.CoolButton5->accessibleName(), QStringLiteral("E37"));
    QCOMPARE(main.windowTitle(), QStringLiteral("Quelcor"));
    QCOMPARE(main.lst_Language.ListIndex(), 37); // the last lookup moved the current entry
}

// A driver of 29 lines (entries 0 to 28): 34 fails with nothing selected, 30, 36 and 37 get entry 28's text.
void TestMainWindow::shortDriverGivesTheTextSelectedBefore()
{
    Main &main = load(TestFiles::driver(29));
    QCOMPARE(main.Command2->text(), QString());
    QCOMPARE(main.CoolButton1->toolTip(), QStringLiteral("E26"));
    QCOMPARE(main.CoolButton3->toolTip(), QStringLiteral("E28"));
    QCOMPARE(main.Command1->text(), QStringLiteral("E28"));
    QCOMPARE(main.CoolButton4->toolTip(), QStringLiteral("E28"));
    QCOMPARE(main.CoolButton5->toolTip(), QStringLiteral("E28"));
}

void TestMainWindow::loadingTwiceLeavesTheSameTable()
{
    Main &main = load(TestFiles::driver(230));
    main.Set_Language();
    main.Set_Language();
    QCOMPARE(main.lst_Language.ListCount(), 230);
    QCOMPARE(main.lst_Language.ListIndex(), -1);
    QCOMPARE(main.lst_Language.Text(), QString());
}

void TestMainWindow::lookupPageLoadsBehindTheCover()
{
    Main &main = load(TestFiles::driver(226, { { 33, "Loading..." } }));
    main.show();
    main.Command2_Click();

    FakeBrowser *browser = m_fixture->doubles.browsers.last;
    QVERIFY(browser);
    QVERIFY(browser->silent);
    QCOMPARE(browser->navigated, QList<QUrl> { main.lookupPage() });
    QVERIFY(main.Command2->isHidden());
    QCOMPARE(main.cursor().shape(), Qt::WaitCursor);
    QVERIFY(main.Timer2->isActive());
    QVERIFY(main.Frame1->isVisible());

    main.Timer2_Timer(); // no download has started: "-"
    QVERIFY(main.Frame1->isVisible());
    browser->events.downloadBegin();
    QCOMPARE(main.lbl_Status->text(), QStringLiteral("Loading..."));
    main.Timer2_Timer();
    QVERIFY(main.Frame1->isVisible());
    browser->events.downloadComplete();
    QCOMPARE(main.lbl_Status->text(), QString());
    QVERIFY(main.Frame1->isVisible()); // never before the next tick

    main.Timer2_Timer();
    QVERIFY(!main.Frame1->isVisible());
    QCOMPARE(main.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!main.Command2->isHidden());
    QVERIFY(browser->widget()->isVisible());

    // Pressing the button again (the cover back) navigates again, with the same browser.
    main.Frame1->setVisible(true);
    main.Command2_Click();
    QCOMPARE(m_fixture->doubles.browsers.created, 1);
    QCOMPARE(browser->navigated.size(), 2);
}

void TestMainWindow::coverStaysWhileADownloadNeverEnds()
{
    Main &main = load(TestFiles::driver(226));
    main.show();
    main.Command2_Click();
    m_fixture->doubles.browsers.last->events.downloadBegin();
    for (int tick = 0; tick < 5; ++tick)
        main.Timer2_Timer();
    QVERIFY(main.Frame1->isVisible());
    QCOMPARE(main.cursor().shape(), Qt::WaitCursor);
    QCOMPARE(main.lbl_Status->text(), QStringLiteral("E33"));
}

void TestMainWindow::failedNavigationShowsNothing()
{
    Main &main = load(TestFiles::driver(226));
    main.show();
    main.Command2_Click();
    FakeBrowser *browser = m_fixture->doubles.browsers.last;
    browser->events.downloadBegin();
    bool cancel = false;
    browser->events.navigateError(cancel);
    QVERIFY(cancel); // no error page
    browser->events.downloadComplete();
    main.Timer2_Timer();
    QVERIFY(!main.Frame1->isVisible());
    QCOMPARE(main.lbl_Status->text(), QString());
    QVERIFY(m_fixture->doubles.messages.shown.isEmpty());
}

// A navigation that cannot start is skipped: the window is Loading, and with no download ever ending the
// cover and the hourglass stay.
void TestMainWindow::missingBrowserModuleKeepsTheCover()
{
    m_fixture->doubles.browsers.available = false;
    Main &main = load(TestFiles::driver(226));
    main.show();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("web browser is not available")));
    main.Command2_Click();
    QCOMPARE(main.lbl_Status->text(), QStringLiteral("-"));
    main.Timer2_Timer();
    QVERIFY(main.Frame1->isVisible());
    QVERIFY(main.Command2->isHidden());
    QCOMPARE(main.cursor().shape(), Qt::WaitCursor);
    QVERIFY(m_fixture->doubles.messages.shown.isEmpty());
}

// The page is asked for in the installed driver's language, from the browser's first page on and again after
// another driver is installed; a driver that is not a shipped one leaves the system's language.
void TestMainWindow::browserLanguageFollowsTheDriver()
{
    Main &main = load(TestFiles::driver(226, { { 5, "Deutsch" } }));
    main.Command2_Click();
    FakeBrowser *browser = m_fixture->doubles.browsers.last;
    QCOMPARE(browser->language, QStringLiteral("de"));
    for (const auto &[folder, tag] : { std::pair { "ITALIANO", "it" }, std::pair { "Klingon", "" } }) {
        m_fixture->writeDriver(TestFiles::driver(226, { { 5, folder } }));
        main.Set_Language();
        main.Get_Language();
        QCOMPARE(browser->language, QString::fromLatin1(tag));
    }
}

void TestMainWindow::downloadBeginWithoutEntry33()
{
    Main &main = load(TestFiles::driver(33)); // entries 0 to 32
    main.InternetConnectionExists(); // selects entry 31
    main.Command2_Click();
    m_fixture->doubles.browsers.last->events.downloadBegin();
    QCOMPARE(main.lbl_Status->text(), QStringLiteral("E31"));
}

void TestMainWindow::connectionIndicator_data()
{
    QTest::addColumn<int>("probe");
    QTest::addColumn<bool>("connected");
    QTest::newRow("connected") << 1 << true;
    QTest::newRow("not connected") << 0 << false;
    QTest::newRow("any other result") << 2 << false;
    QTest::newRow("negative") << -1 << false;
}

void TestMainWindow::connectionIndicator()
{
    QFETCH(int, probe);
    QFETCH(bool, connected);
    Main &main = load(TestFiles::driver(226));
    main.show();
    main.Frame1->setVisible(false); // as with a page shown
    m_fixture->doubles.connection.result = probe;
    main.Timer1_Timer();

    const QString text = connected ? QStringLiteral("E31") : QStringLiteral("E32");
    const QColor colour = connected ? kGreen : kRed;
    QCOMPARE(main.lbl_Connection->text(), text);
    QCOMPARE(main.lbl_Connection2->text(), text);
    QCOMPARE(textColour(main.lbl_Connection), colour);
    QCOMPARE(textColour(main.lbl_Connection2), colour);
    QCOMPARE(main.Command2->isEnabled(), connected);
    QCOMPARE(main.CoolButton1->isEnabled(), connected);
    QCOMPARE(main.CoolButton2->isEnabled(), connected);
    QCOMPARE(main.CoolButton3->isEnabled(), connected);
    QVERIFY(main.CoolButton4->isEnabled());
    QCOMPARE(main.Frame1->isVisible(), !connected);
}

void TestMainWindow::regainedConnectionKeepsTheCover()
{
    Main &main = load(TestFiles::driver(226));
    main.show();
    main.Frame1->setVisible(false);
    m_fixture->doubles.connection.result = 0;
    main.InternetConnectionExists();
    QVERIFY(main.Frame1->isVisible());
    m_fixture->doubles.connection.result = 1;
    main.InternetConnectionExists();
    QVERIFY(main.Frame1->isVisible());
    QVERIFY(main.Command2->isEnabled());
    QCOMPARE(main.lbl_Connection->text(), QStringLiteral("E31"));
}

// Once the cover has gone, the cover timer stops: the cover that a lost connection shows stays.
void TestMainWindow::coverTimerStopsOnceDone()
{
    Main &main = load(TestFiles::driver(226));
    main.show();
    main.Command2_Click();
    m_fixture->doubles.browsers.last->events.downloadComplete();
    main.Timer2_Timer();
    QVERIFY(!main.Frame1->isVisible());
    QVERIFY(!main.Timer2->isActive());

    m_fixture->doubles.connection.result = 0;
    main.Timer1_Timer();
    QVERIFY(main.Frame1->isVisible());
    QTest::qWait(1300); // a running cover timer would tick here
    QVERIFY(main.Frame1->isVisible());
}

void TestMainWindow::browserCommands()
{
    Main &main = load(TestFiles::driver(226));
    main.CoolButton1_Click(); // no page, no browser yet: nothing happens
    main.CoolButton2_Click();
    QCOMPARE(m_fixture->doubles.browsers.created, 0);

    main.Command2_Click();
    FakeBrowser *browser = m_fixture->doubles.browsers.last;
    m_fixture->doubles.connection.result = 1;
    main.InternetConnectionExists();
    main.CoolButton1->click();
    main.CoolButton2->click();
    main.CoolButton2->click();
    main.CoolButton3->click();
    QCOMPARE(browser->backs, 1);
    QCOMPARE(browser->forwards, 2);
    QCOMPARE(browser->prints, 1);
}

void TestMainWindow::closeEndsTheProgram()
{
    Main &main = load(TestFiles::driver(226));
    main.show();
    main.Command2_Click(); // even while a page loads
    main.Command1->click();
    QCOMPARE(m_fixture->doubles.end.ends, 1);
}

QUELCOR_TEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
