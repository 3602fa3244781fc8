#include "Doubles.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "app/Program.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"
#include "splash/Splash.h"
#include "widgets/Art.h"
#include "widgets/PictureButton.h"
#include "widgets/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QResource>
#include <QTemporaryDir>
#include <QTest>

class TestApp : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void twips_data();
    void twips();
    void pictureFiles_data();
    void pictureFiles();
    void everyPictureDecodes();
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

namespace {
QByteArray pictureFile(quint32 magic, quint32 width, quint32 height, quint32 format, qsizetype pixelBytes)
{
    const quint32 header[] = { magic, width, height, format };
    QByteArray file(reinterpret_cast<const char *>(header), sizeof header);
    file.append(pixelBytes, '\x7f');
    return file;
}
} // namespace

void TestApp::pictureFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QSize>("size");
    const quint32 magic = 0x58495051u, opaque = QImage::Format_RGB32, alpha = QImage::Format_ARGB32_Premultiplied;
    QTest::newRow("opaque") << pictureFile(magic, 3, 2, opaque, 24) << QSize(3, 2);
    QTest::newRow("with alpha") << pictureFile(magic, 1, 1, alpha, 4) << QSize(1, 1);
    QTest::newRow("empty") << QByteArray() << QSize(0, 0);
    QTest::newRow("header cut short") << pictureFile(magic, 3, 2, opaque, 0).left(12) << QSize(0, 0);
    QTest::newRow("other magic") << pictureFile(0x474e5089u, 3, 2, opaque, 24) << QSize(0, 0);
    QTest::newRow("pixels missing") << pictureFile(magic, 3, 2, opaque, 23) << QSize(0, 0);
    QTest::newRow("pixels over") << pictureFile(magic, 3, 2, opaque, 25) << QSize(0, 0);
    QTest::newRow("no width") << pictureFile(magic, 0, 2, opaque, 0) << QSize(0, 0);
    QTest::newRow("huge, sizes overflow 32 bits") << pictureFile(magic, 0x10000, 0x10000, opaque, 0) << QSize(0, 0);
    QTest::newRow("3 bytes a pixel") << pictureFile(magic, 1, 1, QImage::Format_RGB888, 4) << QSize(0, 0);
}

void TestApp::pictureFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QSize, size);
    const QImage image = Art::decode(file);
    QCOMPARE(image.size(), size);
    if (!size.isEmpty())
        QCOMPARE(image.pixel(image.width() - 1, image.height() - 1) & 0xffffffu, 0x7f7f7fu);
}

void TestApp::everyPictureDecodes()
{
    const QStringList names = QDir(QStringLiteral(":/art")).entryList();
    QCOMPARE(names.size(), 18); // nine pictures at one and two times their size
    for (const QString &name : names) {
        const QImage image = Art::decode(QResource(QStringLiteral(":/art/") + name).uncompressedData());
        QVERIFY2(!image.isNull(), qPrintable(name));
        const QPixmap shown = Art::pixmap(name.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0),
                                          name.contains(QLatin1Char('@')) ? 2.0 : 1.0);
        QCOMPARE(shown.size(), image.size());
    }
    QCOMPARE(Art::pixmap(QStringLiteral("splash"), 1.0).size(), QSize(400, 200));
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
