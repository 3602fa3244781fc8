#include "Doubles.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "Widgets.h"
#include "WindowFixture.h"
#include "about/About.h"
#include "app/WindowRegistry.h"
#include "language/DriverFile.h"
#include "main_window/Main.h"
#include "update/iUpdate.h"
#include "widgets/Hyperlink.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void versionText_data();
    void versionText();
    void layout_data();
    void layout();
    void driverEntriesBesideEnglishCaptions_data();
    void driverEntriesBesideEnglishCaptions();
    void particularsAndLinks();
    void closeReturnsToTheMainWindow();
    void closeByOtherMeansShowsTheMainWindow();
    void updateWindowLeavesAboutUnchanged();

private:
    About &open(const QByteArray &driver = TestFiles::driver(226));

    std::unique_ptr<WindowFixture> m_fixture;
};

void TestAbout::init()
{
    m_fixture = std::make_unique<WindowFixture>();
}

void TestAbout::cleanup()
{
    m_fixture.reset();
}

About &TestAbout::open(const QByteArray &driver)
{
    m_fixture->writeDriver(driver);
    m_fixture->load();
    m_fixture->windows().main().show();
    m_fixture->windows().main().CoolButton5_Click();
    return m_fixture->windows().about();
}

void TestAbout::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("text");
    QTest::newRow("1.0.2004") << 1 << 0 << 2004 << "1.0.2004";
    QTest::newRow("major 0 is a beta") << 0 << 9 << 5 << "0.9.5 BETA";
    QTest::newRow("major 10") << 10 << 0 << 1 << "10.0.1";
}

void TestAbout::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, text);
    m_fixture->doubles.version.major = qint16(major);
    m_fixture->doubles.version.minor = qint16(minor);
    m_fixture->doubles.version.revision = qint16(revision);
    QCOMPARE(open().lbl_Version->text(), text);
}

void TestAbout::layout_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Image1") << QByteArray("Image1") << QRect(8, 8, 48, 48);
    QTest::newRow("Label12") << QByteArray("Label12") << QRect(16, 80, 121, 13);
    QTest::newRow("Label8") << QByteArray("Label8") << QRect(8, 112, 128, 13);
    QTest::newRow("Command3") << QByteArray("Command3") << QRect(8, 256, 105, 17);
    QTest::newRow("WebLink2") << QByteArray("WebLink2") << QRect(120, 256, 65, 17);
    QTest::newRow("WebLink1") << QByteArray("WebLink1") << QRect(192, 256, 161, 17);
    QTest::newRow("Command1") << QByteArray("Command1") << QRect(360, 256, 65, 17);
}

void TestAbout::layout()
{
    QFETCH(QByteArray, name);
    QFETCH(QRect, geometry);
    About &about = open();
    QCOMPARE(control(&about, name.constData())->geometry(), geometry);
    QCOMPARE(about.size(), QSize(432, 279));
    QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(about.lbl_Version->pos(), QPoint(152, 80));
    QCOMPARE(about.lbl_DriverMade->pos(), QPoint(152, 216));
}

void TestAbout::driverEntriesBesideEnglishCaptions_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("English") << "English";
    QTest::newRow("Italiano") << "Italiano";
}

void TestAbout::driverEntriesBesideEnglishCaptions()
{
    QFETCH(QString, folder);
    const QString path = QStringLiteral(QUELCOR_SOURCE_DIR "/data/lang/%1/%1.DRV").arg(folder);
    QStringList entries;
    DriverFile::read(path, [&](const QString &line) { entries.append(line); });
    About &about = open(TestFiles::read(path));
    QCOMPARE(about.lbl_DRVVersion->text(), entries.at(3));
    QCOMPARE(about.lbl_DRVLanguage->text(), entries.at(4));
    QCOMPARE(about.lbl_DRVLanguage->text(), folder);
    QCOMPARE(about.lbl_DriverMade->text(), entries.at(2));
    QCOMPARE(about.Command1->text(), entries.at(121));
    QCOMPARE(about.WebLink1->text(), entries.at(120));
    // Captions that stay in every language.
    QCOMPARE(about.Label11->text(), QStringLiteral("Language driver version"));
    QCOMPARE(about.Label9->text(), QStringLiteral("Language"));
    QCOMPARE(about.Label10->text(), QStringLiteral("Driver made by"));
    QCOMPARE(about.Label12->text(), QStringLiteral("Product version"));
    QCOMPARE(about.Command3->text(), QStringLiteral("Brisvane..."));
    QCOMPARE(about.WebLink2->text(), QStringLiteral("Forum"));
    QCOMPARE(about.windowTitle(), QStringLiteral(":: Vantorel ::"));
}

void TestAbout::particularsAndLinks()
{
    About &about = open();
    QCOMPARE(about.lbl_Copyright->text(), QStringLiteral("Vantorel (c) 2004"));
    QCOMPARE(about.Label2->text(), QStringLiteral("Author Name"));
    QCOMPARE(about.Label7->text(), QStringLiteral("author@example.net"));
    QCOMPARE(about.Label4->text(), QStringLiteral("http://127.0.0.1:9/products/quelcor"));
    QTest::mouseClick(about.WebLink2, Qt::LeftButton);
    QTest::mouseClick(about.WebLink1, Qt::LeftButton);
    QTest::mouseClick(about.Label4, Qt::LeftButton); // plain text, not a link
    QCOMPARE(m_fixture->doubles.links.opened,
             (QList<QUrl> { QUrl(QStringLiteral("http://127.0.0.1:9/forum")),
                            QUrl(QStringLiteral("http://127.0.0.1:9/bugreport.htm")) }));
}

void TestAbout::closeReturnsToTheMainWindow()
{
    About &about = open();
    QVERIFY(about.isVisible());
    QVERIFY(!m_fixture->windows().main().isVisible());
    m_fixture->windows().main().setWindowState(Qt::WindowMinimized);
    QTest::mouseClick(about.Command1, Qt::LeftButton);
    QVERIFY(!m_fixture->windows().isLoaded(WindowRegistry::Form::About));
    QVERIFY(m_fixture->windows().main().isVisible());
    QCOMPARE(m_fixture->windows().main().windowState(), Qt::WindowNoState);
    QCOMPARE(m_fixture->doubles.end.ends, 0);
}

void TestAbout::closeByOtherMeansShowsTheMainWindow()
{
    About &about = open();
    QVERIFY(about.close());
    QVERIFY(!m_fixture->windows().isLoaded(WindowRegistry::Form::About));
    QVERIFY(m_fixture->windows().main().isVisible());
}

void TestAbout::updateWindowLeavesAboutUnchanged()
{
    About &about = open();
    const QString version = about.lbl_Version->text();
    about.Command3_Click();
    QVERIFY(m_fixture->windows().isLoaded(WindowRegistry::Form::iUpdate));
    iUpdate *update = &m_fixture->windows().update();
    QVERIFY(update->isVisible());
    about.Command3_Click(); // already open: only brought to the front
    QCOMPARE(&m_fixture->windows().update(), update);
    update->Command2_Click();
    QVERIFY(!m_fixture->windows().isLoaded(WindowRegistry::Form::iUpdate));
    QVERIFY(m_fixture->windows().isLoaded(WindowRegistry::Form::About));
    QVERIFY(about.isVisible());
    QCOMPARE(about.lbl_Version->text(), version);
    QVERIFY(!m_fixture->windows().main().isVisible());
}

QUELCOR_TEST_MAIN(TestAbout)
#include "tst_about.moc"
