#include "TestMain.h"
#include "WindowFixture.h"
#include "language/Language.h"
#include "language/StringTable.h"
#include "widgets/FolderList.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using Form = WindowRegistry::Form;

namespace {

// Where each entry of a driver is shown: the window, the control, and what the program adds to the text.
struct Place
{
    Form form;
    const char *control;
    QList<int> entries;
    const char *suffix = "";
};

const QList<Place> kPlaces {
    { Form::Splash, "lbl_Description", { 10, 11, 12 } },
    { Form::Splash, "WebLink1", { 13 } },
    { Form::Splash, "Command1", { 14 }, " (19)" }, // the countdown
    { Form::Main, "Command1", { 30 } },
    { Form::Main, "Command2", { 34 } },
    { Form::Main, "lbl_Connection", { 31, 32 } },
    { Form::Main, "lbl_Connection2", { 31, 32 } },
    { Form::Main, "lbl_Status", { 33 } },
    { Form::About, "lbl_DriverMade", { 2 } },
    { Form::About, "lbl_DRVVersion", { 3 } },
    { Form::About, "lbl_DRVLanguage", { 4 } },
    { Form::About, "WebLink1", { 120 } },
    { Form::About, "Command1", { 121 } },
    { Form::Language, "lbl_Lingua", { 187 } },
    { Form::Language, "lbl_Seleziona", { 189 } },
    { Form::Language, "Command1", { 190 } },
    { Form::Language, "Command2", { 191 } },
    { Form::Language, "cmd_Refresh", { 193 } },
    { Form::iUpdate, "Command1", { 216 } },
    { Form::iUpdate, "Command2", { 217 } },
    { Form::iUpdate, "cmd_PageProduct", { 218 } },
    { Form::iUpdate, "cmd_Close", { 219 } },
    { Form::iUpdate, "lbl_Local", { 220 } },
    { Form::iUpdate, "lbl_Remote", { 221 } },
    { Form::iUpdate, "lbl_Description", { 222, 223, 224 } },
};

QString withoutMnemonic(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
}

// Whether the text fits the control at its font: one line within its width (a push button keeps a few pixels
// for its frame; a label sized to its text must stay inside its window), or, where it wraps, within its height.
QString misfit(QWidget *control, const QString &text)
{
    const QFontMetrics metrics(control->font());
    const QString plain = withoutMnemonic(text);
    auto *label = qobject_cast<QLabel *>(control);
    if (label && label->wordWrap()) {
        const int height = metrics.boundingRect(QRect(0, 0, control->width(), 10000), Qt::TextWordWrap, plain).height();
        return height > control->height() ? QStringLiteral("%1 px high in %2").arg(height).arg(control->height())
                                          : QString();
    }
    const int width = metrics.horizontalAdvance(plain);
    if (label && label->property("quelcorAutoSize").toBool()) {
        const int room = control->window()->width() - control->x();
        return width > room ? QStringLiteral("%1 px wide, %2 to the window's edge").arg(width).arg(room) : QString();
    }
    const int room = control->width() - (qobject_cast<QPushButton *>(control) ? 8 : 0);
    return width > room ? QStringLiteral("%1 px wide in %2").arg(width).arg(room) : QString();
}

} // namespace

// Every shipped driver: as long as the English one, lossless in code page 1252, and its texts fit their
// controls at the program's fonts with accelerators that are unique in each window.
class TestShippedDrivers : public QObject
{
    Q_OBJECT
private slots:
    void drivers_data();
    void drivers();
};

void TestShippedDrivers::drivers_data()
{
    QTest::addColumn<QString>("folder");
    const QDir languages(QStringLiteral(QUELCOR_SOURCE_DIR "/data/lang"));
    for (const QString &folder : languages.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QTest::newRow(qPrintable(folder)) << languages.filePath(folder);
}

void TestShippedDrivers::drivers()
{
    QFETCH(QString, folder);
    const QString name = QDir(folder).dirName();
    const QByteArray bytes = TestFiles::read(folder + u'/' + name + QStringLiteral(".DRV"));
    const QByteArray english = TestFiles::read(QStringLiteral(QUELCOR_SOURCE_DIR "/data/lang/English/English.DRV"));
    QCOMPARE(bytes.count("\r\n"), english.count("\r\n"));
    for (char undefined : { '\x81', '\x8d', '\x8f', '\x90', '\x9d' }) // no character in code page 1252
        QVERIFY2(!bytes.contains(undefined), "a byte that code page 1252 does not define");

    WindowFixture fixture;
    fixture.writeDriver(bytes);
    WindowRegistry &windows = fixture.windows();
    const StringTable &table = windows.strings();
    QHash<Form, QSet<QChar>> accelerators;
    for (const Place &place : kPlaces) {
        QWidget *control = windows.window(place.form).findChild<QWidget *>(QLatin1String(place.control));
        QVERIFY2(control, place.control);
        for (int k : place.entries) {
            StringTable copy = table;
            const QString text = copy.message(k, QString()) + QLatin1String(place.suffix);
            QVERIFY2(!copy.message(k, QString()).trimmed().isEmpty(),
                     qPrintable(QStringLiteral("entry %1 is empty").arg(k)));
            const QString problem = misfit(control, text);
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QStringLiteral("entry %1 \"%2\" in %3: %4")
                                    .arg(k)
                                    .arg(text, QLatin1String(place.control), problem)));
            const qsizetype amp = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            if (amp >= 0) {
                const QChar letter = text.at(amp + 1).toLower();
                QVERIFY2(
                    !accelerators[place.form].contains(letter),
                    qPrintable(QStringLiteral("accelerator %1 twice in one window (entry %2)").arg(letter).arg(k)));
                accelerators[place.form].insert(letter);
            }
        }
    }
    // The folder list tells screen readers what Return does in the driver's language.
    const FolderList *list = static_cast<Language &>(windows.window(Form::Language)).Dir1;
    QCOMPARE(list->accessibleDescription() == FolderList::Hints().list, name == u"English");
    // Each window in this language, for a look: build/screenshots/languages/.
    const QString shots = QStringLiteral(QUELCOR_SCREENSHOT_DIR "/languages/");
    QDir().mkpath(shots);
    for (Form form : { Form::Splash, Form::Main, Form::Language, Form::About, Form::iUpdate }) {
        QWidget &window = windows.window(form);
        window.show(); // pictures are read when a window is first shown
        window.grab().save(shots + name + u'-' + window.objectName() + QStringLiteral(".png"));
        window.hide();
    }
}

QUELCOR_TEST_MAIN(TestShippedDrivers)
#include "tst_shipped_drivers.moc"
