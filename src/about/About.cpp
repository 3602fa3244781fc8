#include "About.h"

#include "MakerPaths.h"
#include "app/WindowRegistry.h"
#include "language/StringTable.h"
#include "widgets/Accessibility.h"
#include "widgets/Art.h"
#include "widgets/ArtLabel.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Hyperlink.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
QLabel *caption(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    QLabel *label = Controls::label(parent, name, text, Qt::white, false);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel *value(QWidget *parent, const char *name, const QString &text, int top)
{
    QLabel *label = Controls::label(parent, name, text, Qt::yellow, true);
    label->move(twipsPoint(2280, top));
    return label;
}
} // namespace

About::About(WindowRegistry &registry)
    : m_registry(registry)
{
    setObjectName(QStringLiteral("About"));
    Accessibility::setWindowRole(this, QAccessible::Dialog);
    setWindowTitle(QStringLiteral(":: Vantorel ::"));
    setWindowIcon(Art::icon(QStringLiteral("logo")));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(px(6480), px(4185));
    Controls::setBackground(this, Qt::black);

    const VersionInfo &info = registry.platform().version;
    const QUrl server = registry.platform().server;

    Image1 = new ArtLabel(this, "Image1", QStringLiteral("logo"));
    Image1->setGeometry(twipsRect(120, 120, 720, 720));
    Label6 = Controls::label(this, "Label6", QStringLiteral("Quelcor"), Qt::white, true);
    Label6->setFont(Controls::timesNewRoman(15.75, true));
    Controls::setCaption(Label6, Label6->text());
    Label6->move(twipsPoint(960, 320));

    Label12 = caption(this, "Label12", QStringLiteral("Product version"), twipsRect(240, 1200, 1815, 195));
    lbl_Version = value(this, "lbl_Version", QStringLiteral("-"), 1200);
    Label1 = caption(this, "Label1", QStringLiteral("Created by"), twipsRect(240, 1440, 1815, 195));
    Label2 = value(this, "Label2", info.author, 1440);
    Label8 = caption(this, "Label8", QStringLiteral("e-Mail"), twipsRect(120, 1680, 1920, 195));
    Label7 = value(this, "Label7", info.email, 1680);
    Label5 = caption(this, "Label5", QStringLiteral("Developed by"), twipsRect(120, 1920, 1920, 195));
    lbl_Copyright = value(this, "lbl_Copyright", QStringLiteral("-"), 1920);
    Label3 = caption(this, "Label3", QStringLiteral("Page product"), twipsRect(120, 2160, 1920, 195));
    Label4 = value(this, "Label4", MakerPaths::at(server, MakerPaths::productPage).toString(), 2160);
    Label11 = caption(this, "Label11", QStringLiteral("Language driver version"), twipsRect(240, 2760, 1815, 195));
    lbl_DRVVersion = value(this, "lbl_DRVVersion", QStringLiteral("-"), 2760);
    Label9 = caption(this, "Label9", QStringLiteral("Language"), twipsRect(240, 3000, 1815, 195));
    lbl_DRVLanguage = value(this, "lbl_DRVLanguage", QStringLiteral("-"), 3000);
    Label10 = caption(this, "Label10", QStringLiteral("Driver made by"), twipsRect(240, 3240, 1815, 195));
    lbl_DriverMade = value(this, "lbl_DriverMade", QStringLiteral("-"), 3240);

    Command3 = Controls::button(this, "Command3", QStringLiteral("Brisvane..."));
    Command3->setGeometry(twipsRect(120, 3840, 1575, 255));
    WebLink2 = new Hyperlink(this, "WebLink2", QStringLiteral("Forum"), MakerPaths::at(server, MakerPaths::forum),
                             registry.platform().links);
    WebLink2->setGeometry(twipsRect(1800, 3840, 975, 255));
    WebLink2->setColour(Colours::linkOnOrange);
    WebLink1 = new Hyperlink(this, "WebLink1", QStringLiteral("Spedire un bug report..."),
                             MakerPaths::at(server, MakerPaths::bugReport), registry.platform().links);
    WebLink1->setGeometry(twipsRect(2880, 3840, 2415, 255));
    WebLink1->setColour(Colours::linkOnOrange);
    Command1 = Controls::button(this, "Command1", QStringLiteral("&Chiudi"));
    Command1->setGeometry(twipsRect(5400, 3840, 975, 255));
    Command1->setFont(Controls::msSansSerif(8.25, true));

    // Each caption labels its value; the e-mail address and the product page take the focus (Tab, in screen
    // order) so that they can be read and copied from the keyboard. They stay plain text, not links.
    for (const auto &[caption, fact] : facts())
        caption->setBuddy(fact);
    Controls::makeReachable(Label7);
    Controls::makeReachable(Label4);
    setTabOrder(Label7, Label4);
    setTabOrder(Label4, Command3);
    setTabOrder(Command3, WebLink2);
    setTabOrder(WebLink2, WebLink1);
    setTabOrder(WebLink1, Command1);

    connect(Command1, &QPushButton::clicked, this, &About::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &About::Command3_Click);
}

void About::Form_Load()
{
    Get_Language();
    const VersionInfo &info = m_registry.platform().version;
    Controls::setCaption(lbl_Version, info.text() + (info.major == 0 ? QStringLiteral(" BETA") : QString()));
    Controls::setCaption(lbl_Copyright, info.copyright);
    describe();
    Controls::centreOnScreen(this);
    Command1->setFocus(); // the first of the tab order: Space or Enter closes the window
}

QList<std::pair<QLabel *, QLabel *>> About::facts() const
{
    return { { Label12, lbl_Version },    { Label1, Label2 },         { Label8, Label7 },
             { Label5, lbl_Copyright },   { Label3, Label4 },         { Label11, lbl_DRVVersion },
             { Label9, lbl_DRVLanguage }, { Label10, lbl_DriverMade } };
}

void About::describe()
{
    QStringList told;
    for (const auto &[caption, fact] : facts())
        told.append(caption->text() + QLatin1String(": ") + fact->text());
    setAccessibleDescription(told.join(QLatin1String(". ")));
}

void About::Get_Language()
{
    StringTable &table = m_registry.strings();
    Controls::setCaption(lbl_DRVVersion, table.lookup(3));
    Controls::setCaption(lbl_DRVLanguage, table.lookup(4));
    Controls::setCaption(lbl_DriverMade, table.lookup(2));
    Command1->setText(table.lookup(121));
    WebLink1->setCaption(table.lookup(120));
}

void About::Command1_Click()
{
    m_registry.unload(WindowRegistry::Form::About);
    QWidget &main = m_registry.window(WindowRegistry::Form::Main);
    main.setWindowState(Qt::WindowNoState);
    main.show();
}

void About::Command3_Click()
{
    const bool open = m_registry.isLoaded(WindowRegistry::Form::iUpdate);
    QWidget &update = m_registry.window(WindowRegistry::Form::iUpdate);
    update.show();
    if (open) {
        update.raise();
        update.activateWindow();
    }
}

// A close by other means than the close button (a keyboard shortcut) also brings the main window back, so
// the program is never left running without a window.
void About::closeEvent(QCloseEvent *event)
{
    event->accept();
    Command1_Click();
}

// Escape closes the window as Close does.
void About::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command1_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void About::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(twipsRect(0, 0, 6975, 975), Colours::banner);
    painter.fillRect(twipsRect(-360, 3720, 6975, 495), Colours::banner);
}
