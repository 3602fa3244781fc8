#include "TestMain.h"
#include "WindowFixture.h"
#include "about/About.h"
#include "language/Language.h"
#include "main_window/Main.h"
#include "splash/Splash.h"
#include "update/iUpdate.h"
#include "widgets/FolderList.h"
#include "widgets/Hyperlink.h"
#include "widgets/PictureButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using Form = WindowRegistry::Form;
Q_DECLARE_METATYPE(Form)

// Every window as a screen reader sees it, and what the keyboard can do there.
class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_fixture.reset(); }
    void windows_data();
    void windows();
    void linksArePressable();
    void keyboard_data();
    void keyboard();
    void statusChangesToldOnce();

private:
    std::unique_ptr<WindowFixture> m_fixture;
};

void TestAccessibility::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_fixture->writeDriver(TestFiles::driver(226));
    QVERIFY(QDir().mkpath(m_fixture->path(QStringLiteral("lang/English"))));
    TestFiles::write(m_fixture->path(QStringLiteral("lang/English/English.DRV")), TestFiles::driver(226));
    QImage flag(48, 32, QImage::Format_RGB32);
    flag.fill(Qt::green);
    QVERIFY(flag.save(m_fixture->path(QStringLiteral("lang/English/English_2.jpg"))));
}

void TestAccessibility::windows_data()
{
    QTest::addColumn<Form>("form");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<bool>("firstRun");
    QTest::newRow("Splash") << Form::Splash << QAccessible::Window << false;
    QTest::newRow("Main") << Form::Main << QAccessible::Window << false;
    QTest::newRow("Language") << Form::Language << QAccessible::Dialog << false;
    QTest::newRow("Language, first run: two Cancel buttons") << Form::Language << QAccessible::Dialog << true;
    QTest::newRow("About") << Form::About << QAccessible::Dialog << false;
    QTest::newRow("iUpdate") << Form::iUpdate << QAccessible::Dialog << false;
}

// The window's role; every push button, link, list and flag named; every link a link that can be pressed;
// buttons that sound alike told apart by their descriptions.
void TestAccessibility::windows()
{
    QFETCH(Form, form);
    QFETCH(QAccessible::Role, role);
    QFETCH(bool, firstRun);
    if (firstRun)
        TestFiles::write(m_fixture->path(QStringLiteral("START.1ST")), "");
    QWidget &window = m_fixture->windows().window(form);
    if (form == Form::Language)
        static_cast<Language &>(window).Dir1->setPath(m_fixture->path(QStringLiteral("lang/English")));
    window.show();
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(&window);
    QVERIFY(root);
    QCOMPARE(root->role(), role);
    // The windows whose text a sighted user reads first say it to screen readers as they open.
    QCOMPARE(root->text(QAccessible::Description).isEmpty(), form != Form::Splash && form != Form::About);

    QHash<QString, QString> descriptionByName; // of the push buttons
    QList<QAccessibleInterface *> pending { root };
    int checked = 0;
    while (!pending.isEmpty()) {
        QAccessibleInterface *item = pending.takeFirst();
        for (int i = 0; i < item->childCount(); ++i)
            pending.append(item->child(i));
        QObject *object = item->object();
        const QString name = item->text(QAccessible::Name);
        const QString where = object ? object->objectName() : QStringLiteral("(no object)");
        const bool flag = where == u"img_Flag" && !static_cast<QLabel *>(object)->pixmap().isNull();
        if (item->role() == QAccessible::PushButton || item->role() == QAccessible::Link
            || item->role() == QAccessible::List || flag) {
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(where + QStringLiteral(" has no name")));
            ++checked;
        }
        // Each folder of the chooser's list tells its level.
        QVERIFY2(item->role() != QAccessible::ListItem
                     || item->text(QAccessible::Description).contains(QRegularExpression(QStringLiteral("\\d"))),
                 qPrintable(name + QStringLiteral(" has no level")));
        // A picture a screen reader meets has a name: the decorative ones are not in the tree.
        QVERIFY2(item->role() != QAccessible::Graphic || !name.trimmed().isEmpty(),
                 qPrintable(where + QStringLiteral(" is a picture without a name")));
        if (qobject_cast<Hyperlink *>(object)) {
            QCOMPARE(item->role(), QAccessible::Link);
            QVERIFY2(item->actionInterface()
                         && item->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                     qPrintable(where + QStringLiteral(" cannot be pressed")));
        }
        if (item->role() == QAccessible::PushButton && !item->state().invisible) {
            const QString description = item->text(QAccessible::Description);
            QVERIFY2(!descriptionByName.contains(name) || descriptionByName.value(name) != description,
                     qPrintable(where + QStringLiteral(" sounds like another button: ") + name));
            descriptionByName.insert(name, description);
        }
    }
    QVERIFY(checked > 0);
}

// Pressing a link through its accessible action opens its address, as a click does.
void TestAccessibility::linksArePressable()
{
    About &about = m_fixture->windows().about();
    about.show();
    QAccessibleInterface *link = QAccessible::queryAccessibleInterface(about.WebLink2);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_fixture->doubles.links.opened, QList<QUrl> { about.WebLink2->url() });
    QCOMPARE(link->text(QAccessible::Value), about.WebLink2->url().toString());
}

void TestAccessibility::keyboard_data()
{
    QTest::addColumn<Form>("in");
    QTest::addColumn<int>("key");
    QTest::addColumn<Form>("then");
    QTest::newRow("Return on About's close button") << Form::About << int(Qt::Key_Return) << Form::Main;
    QTest::newRow("Escape closes About") << Form::About << int(Qt::Key_Escape) << Form::Main;
    QTest::newRow("Escape cancels the chooser") << Form::Language << int(Qt::Key_Escape) << Form::Main;
    QTest::newRow("Return on a picture button") << Form::Main << int(Qt::Key_Return) << Form::About;
    QTest::newRow("Enter on a picture button") << Form::Main << int(Qt::Key_Enter) << Form::About;
}

// A key pressed on the focused control of a window leaves the user in the window expected. The about window
// opens with the focus on its close button; in the main window the focus is on the about button.
void TestAccessibility::keyboard()
{
    QFETCH(Form, in);
    QFETCH(int, key);
    QFETCH(Form, then);
    Main &main = m_fixture->windows().main();
    main.show();
    if (in == Form::About)
        main.CoolButton5_Click();
    if (in == Form::Language)
        main.CoolButton4_Click();
    if (in == Form::Main)
        main.CoolButton5->setFocus();
    QWidget &window = m_fixture->windows().window(in);
    if (in == Form::About)
        QCOMPARE(window.focusWidget(), m_fixture->windows().about().Command1);
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key(key));
    QTRY_VERIFY(m_fixture->windows().isLoaded(then) && m_fixture->windows().window(then).isVisible());
    QVERIFY(in == Form::Main || !m_fixture->windows().isLoaded(in));
    QVERIFY(!m_fixture->windows().isLoaded(Form::iUpdate));
}

// The status line is the main window's status bar; a change of the connection state is told to screen readers
// once (its notice shown), not at every check that finds it unchanged.
void TestAccessibility::statusChangesToldOnce()
{
    struct Shows : QObject
    {
        QStringList told;
        bool eventFilter(QObject *notice, QEvent *event) override
        {
            if (event->type() == QEvent::Show)
                told.append(static_cast<QLabel *>(notice)->text());
            return false;
        }
    } shows;
    Main &main = m_fixture->windows().main();
    main.show();
    QWidget *bar = main.lbl_Connection->parentWidget();
    auto *notice = bar->findChild<QLabel *>(QStringLiteral("notice"));
    QVERIFY(notice);
    QCOMPARE(QAccessible::queryAccessibleInterface(bar)->role(), QAccessible::StatusBar);
    QCOMPARE(QAccessible::queryAccessibleInterface(notice)->role(), QAccessible::Notification);
    notice->installEventFilter(&shows);
    for (const int state : { 0, 0, 1, 1, 0 }) {
        m_fixture->doubles.connection.result = state;
        main.InternetConnectionExists();
    }
    const QString offline = main.lbl_Connection->text();
    QCOMPARE(shows.told.size(), 3);
    QCOMPARE(shows.told, QStringList({ offline, shows.told.at(1), offline }));
    QVERIFY(shows.told.at(1) != offline);
}

QUELCOR_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
