#include "Language.h"

#include "LanguageTags.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"
#include "platform/FileNames.h"
#include "platform/MessageBoxes.h"
#include "platform/WindowHints.h"
#include "widgets/Accessibility.h"
#include "widgets/Art.h"
#include "widgets/ArtLabel.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/FolderList.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>

namespace {

// What screen readers are told of the folder list, in the language of the shipped drivers (English otherwise): the
// driver files have no entries for it.
FolderList::Hints hintsFor(const QString &tag)
{
    static const struct
    {
        const char *tag, *list, *open, *inside;
    } kHints[] = {
        { "it", "Invio apre la cartella evidenziata.", "cartella aperta, livello %1",
          "cartella, livello %1, Invio la apre" },
        { "de", "Eingabe öffnet den markierten Ordner.", "geöffneter Ordner, Ebene %1",
          "Ordner, Ebene %1, Eingabe öffnet ihn" },
        { "es", "Intro abre la carpeta resaltada.", "carpeta abierta, nivel %1", "carpeta, nivel %1, Intro la abre" },
        { "fr", "Entrée ouvre le dossier en surbrillance.", "dossier ouvert, niveau %1",
          "dossier, niveau %1, Entrée l'ouvre" },
        { "nl", "Enter opent de gemarkeerde map.", "geopende map, niveau %1", "map, niveau %1, Enter opent hem" },
        { "pt", "Enter abre a pasta realçada.", "pasta aberta, nível %1", "pasta, nível %1, Enter abre-a" },
    };
    for (const auto &hints : kHints) {
        if (tag == QLatin1String(hints.tag))
            return { QString::fromUtf8(hints.list), QString::fromUtf8(hints.open), QString::fromUtf8(hints.inside) };
    }
    return {};
}

// Raised by a step of the installation that fails; one handler covers the whole installation.
struct InstallationFailed
{
};

// Installs a driver without ever leaving a half-written one: the copy goes to a temporary file beside the
// target and is renamed over it only when complete.
bool installDriver(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    char chunk[65536];
    for (;;) {
        const qint64 n = in.read(chunk, sizeof chunk);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(chunk, n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}
} // namespace

Language::Language(WindowRegistry &registry)
    : m_registry(registry)
{
    setObjectName(QStringLiteral("Language"));
    Accessibility::setWindowRole(this, QAccessible::Dialog);
    setWindowTitle(QStringLiteral("Language Changer"));
    // A fixed tool window with a title bar and nothing else: no close box (the window manager is told that
    // the window offers no close function), no minimise or maximise box. The window is left only through its
    // buttons; a close asked for by other means (Alt+F4) is refused (closeEvent).
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(px(6630), px(5010));
    Controls::setBackground(this, Qt::black);

    lbl_Lingua = Controls::label(this, "lbl_Lingua", QStringLiteral("Choose your language!"), Qt::yellow, false);
    lbl_Lingua->setGeometry(twipsRect(2400, 360, 4095, 375));
    lbl_Lingua->setFont(Controls::arial(15.75, true));
    lbl_Lingua->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    lbl_Seleziona = Controls::label(this, "lbl_Seleziona", QStringLiteral("Languages"), Colours::orange, false);
    lbl_Seleziona->setGeometry(twipsRect(960, 1320, 5055, 255));
    lbl_Seleziona->setFont(Controls::msSansSerif(8.25, true));
    lbl_Seleziona->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Dir1 = new FolderList(this, "Dir1");
    Dir1->setGeometry(twipsRect(1440, 1560, 4215, 2115));
    lbl_Seleziona->setBuddy(Dir1); // labels the list for screen readers

    Image3 = new ArtLabel(this, "Image3", QStringLiteral("language"), QSize(32, 32));
    Image3->setGeometry(twipsRect(720, 1440, 480, 480));

    cmd_Refresh = Controls::button(this, "cmd_Refresh", QStringLiteral("Refres&h"));
    cmd_Refresh->setGeometry(twipsRect(3360, 3720, 1095, 255));
    Command1 = Controls::button(this, "Command1", QStringLiteral("&OK"));
    Command1->setGeometry(twipsRect(4560, 3720, 1095, 255));
    Command1->setFont(Controls::msSansSerif(8.25, true));
    Command1->setEnabled(false);
    Command2 = Controls::button(this, "Command2", QStringLiteral("&Cancel"));
    Command2->setGeometry(twipsRect(5400, 4680, 1095, 255));
    Command3 = Controls::button(this, "Command3", QStringLiteral("&Cancel"));
    Command3->setGeometry(twipsRect(5400, 4680, 1095, 255));
    Command3->raise(); // lies above Command2: in the first-run mode this is the one the user sees and clicks
    // The two look and sound alike; what they do differs.
    Command2->setAccessibleDescription(QStringLiteral("Closes the language chooser; the language stays as it is."));
    Command3->setAccessibleDescription(QStringLiteral("Ends Quelcor without choosing a language."));

    img_Flag = new QLabel(this);
    img_Flag->setObjectName(QStringLiteral("img_Flag"));
    img_Flag->move(twipsPoint(360, 4680));
    img_Flag->resize(0, 0);

    setTabOrder(Dir1, cmd_Refresh);
    setTabOrder(cmd_Refresh, Command1);
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command2);

    connect(Dir1, &FolderList::pathChanged, this, &Language::Dir1_Change);
    connect(Command1, &QPushButton::clicked, this, &Language::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Language::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Language::Command3_Click);
    connect(cmd_Refresh, &QPushButton::clicked, this, &Language::cmd_Refresh_Click);
}

QString Language::programDir() const
{
    return m_registry.programDirectory();
}

void Language::Form_Load()
{
    Controls::centreOnScreen(this);
    if (FileNames::exists(QDir::current(), QStringLiteral("START.1ST"))) {
        Dir1->setPath(FileNames::resolve(QDir::current(), QStringLiteral("lang")));
        QDir::setCurrent(Dir1->path());
        lbl_Lingua->setText(QStringLiteral("Choose your language!"));
        lbl_Seleziona->setText(QStringLiteral("Languages"));
        Dir1->setAccessibleName(lbl_Seleziona->text());
        Command1->setText(QStringLiteral("&OK"));
        Command2->setText(QStringLiteral("&Cancel"));
        cmd_Refresh->setText(QStringLiteral("Refres&h"));
    } else {
        Get_Language();
        Get_Flag();
        const QString languages = FileNames::resolve(QDir::current(), QStringLiteral("lang"));
        QDir::setCurrent(languages);
        Dir1->setPath(languages);
        Command2->setVisible(true);
        Command3->setVisible(false);
    }
}

void Language::Get_Language()
{
    StringTable &table = m_registry.strings();
    lbl_Lingua->setText(table.lookup(187));
    lbl_Seleziona->setText(table.lookup(189));
    Dir1->setAccessibleName(lbl_Seleziona->text()); // a list view takes no name from its label
    Dir1->setHints(hintsFor(LanguageTags::forDriver(table.entry(5))));
    Command1->setText(table.lookup(190));
    Command2->setText(table.lookup(191));
    cmd_Refresh->setText(table.lookup(193));
}

void Language::Get_Flag()
{
    const QString folder = m_registry.strings().lookup(5);
    const QDir languages(FileNames::resolve(QDir(programDir()), QStringLiteral("Lang")));
    const QDir driverFolder(FileNames::resolve(languages, folder));
    showPicture(FileNames::resolve(driverFolder, folder + QStringLiteral("_2.jpg")));
}

void Language::showPicture(const QString &file)
{
    // An empty name, or a file that is missing or no picture, gives an empty picture.
    const QPixmap picture = file.isEmpty() ? QPixmap() : QPixmap(file);
    m_background = picture;
    Picture1 = picture;
    // The flag sizes itself to its picture, made smaller where it would reach below the window's edge (the
    // shipped flags are 48 x 32 pixels; 22 rows are left under the folder list).
    QPixmap flag = Picture1;
    const int room = height() - img_Flag->y();
    if (!flag.isNull() && flag.deviceIndependentSize().height() > room)
        flag = flag.scaledToHeight(qRound(room * flag.devicePixelRatio()), Qt::SmoothTransformation);
    img_Flag->setPixmap(flag);
    // Named after its language's folder: for a screen reader the flag is what says which language is open.
    img_Flag->setAccessibleName(flag.isNull() ? QString() : QFileInfo(file).absoluteDir().dirName());
    img_Flag->resize(flag.isNull() ? QSize(0, 0) : flag.deviceIndependentSize().toSize());
    update();
}

void Language::Dir1_Change()
{
    QDir::setCurrent(Dir1->path());
    File1.setPath(Dir1->path());
    File2.setPath(Dir1->path());
    if (FileNames::files(QDir::current(), QStringLiteral("*.DRV")).isEmpty()) {
        Command1->setEnabled(false);
        return;
    }
    Command1->setEnabled(true);
    File2.selectFirst();
    showPicture(File2.FileName().isEmpty() ? QString() : QDir::current().filePath(File2.FileName()));
}

void Language::Command1_Click()
{
    Change_Language();
}

void Language::Change_Language()
{
    Main &main = m_registry.main();
    try {
        if (!File1.selectFirst())
            throw InstallationFailed();
        const QString initDir = programDir();
        const QString target = FileNames::resolve(QDir(initDir), QStringLiteral("LANGUAGE.DRV"));
        if (!installDriver(QDir(File1.path()).filePath(File1.FileName()), target))
            throw InstallationFailed();
        if (!QDir::setCurrent(initDir))
            throw InstallationFailed();
        main.Set_Language();
        main.Get_Language();
        if (FileNames::exists(QDir::current(), QStringLiteral("START.1ST"))
            && !QFile::remove(FileNames::resolve(QDir::current(), QStringLiteral("START.1ST"))))
            throw InstallationFailed();
        m_registry.unload(WindowRegistry::Form::Language);
    } catch (const InstallationFailed &) {
        // Before any driver is installed there may be no entry 92 to show.
        const QString text = m_registry.strings().message(
            92, QStringLiteral("The language driver could not be installed. Quelcor will now close."));
        m_registry.platform().messages.show(this, text, MessageBoxes::Icon::Critical);
        m_registry.endProgram();
    }
}

void Language::Command2_Click()
{
    QDir::setCurrent(programDir());
    m_registry.unload(WindowRegistry::Form::Language);
    m_registry.window(WindowRegistry::Form::Main).show();
}

void Language::Command3_Click()
{
    m_registry.endProgram();
}

void Language::cmd_Refresh_Click()
{
    Dir1->refresh();
}

void Language::Form_Unload()
{
    QDir::setCurrent(programDir());
    m_registry.window(WindowRegistry::Form::Main).show();
}

// Before the window is mapped, the window manager learns that it has no close function.
void Language::showEvent(QShowEvent *event)
{
    WindowHints::offerNoClose(this);
    QWidget::showEvent(event);
}

void Language::closeEvent(QCloseEvent *event)
{
    // No close from the window system, nor by keyboard: the buttons are the way out.
    event->ignore();
}

// Escape does what the Cancel button on view does.
void Language::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        (Command3->isVisible() ? Command3 : Command2)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Language::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
    // Decoration: an orange rule under the heading and a white one under the buttons.
    painter.fillRect(QRect(px(2400), px(780), px(4095), 2), Colours::orange);
    painter.fillRect(QRect(px(960), px(4080), px(4695), 1), Qt::white);
}
