#include "Main.h"

#include "MakerPaths.h"
#include "app/WindowRegistry.h"
#include "language/DriverFile.h"
#include "language/LanguageTags.h"
#include "platform/Browser.h"
#include "platform/ConnectionState.h"
#include "platform/FileNames.h"
#include "widgets/Accessibility.h"
#include "widgets/Art.h"
#include "widgets/ArtLabel.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/PictureButton.h"
#include "widgets/StatusBar.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QColor kBackground(254, 204, 102);
const QColor kGreen(0, 192, 0);
const QColor kRed(255, 0, 0);
const QString kDesignConnection = QStringLiteral("Collegamento a Internet disponibile");

QLabel *picture(QWidget *parent, const char *name, const QString &art, QRect geometry)
{
    auto *image = new ArtLabel(parent, name, art);
    image->setGeometry(geometry);
    return image;
}
} // namespace

Main::Main(WindowRegistry &registry)
    : m_registry(registry)
{
    setObjectName(QStringLiteral("Main"));
    Accessibility::setWindowRole(this, QAccessible::Window);
    setWindowTitle(QStringLiteral("Quelcor"));
    setWindowIcon(Art::icon(QStringLiteral("logo")));
    // Fixed single border: close box and minimise button, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(11055), px(7800));
    Controls::setBackground(this, kBackground);

    Image1 = picture(this, "Image1", QStringLiteral("logo"), twipsRect(240, 240, 720, 720));
    Label1 = Controls::label(this, "Label1", QStringLiteral("Quelcor"), Qt::white, true);
    Label1->setFont(Controls::timesNewRoman(15.75, true));
    Controls::setCaption(Label1, Label1->text());
    Label1->move(twipsPoint(1080, 240));

    CoolButton5 = new PictureButton(this, "CoolButton5", QStringLiteral("about"));
    CoolButton4 = new PictureButton(this, "CoolButton4", QStringLiteral("language"));
    CoolButton3 = new PictureButton(this, "CoolButton3", QStringLiteral("print"));
    CoolButton1 = new PictureButton(this, "CoolButton1", QStringLiteral("back"));
    CoolButton2 = new PictureButton(this, "CoolButton2", QStringLiteral("forward"));
    const int lefts[] = { 6720, 7560, 8400, 9240, 10080 };
    PictureButton *row[] = { CoolButton5, CoolButton4, CoolButton3, CoolButton1, CoolButton2 };
    for (int i = 0; i < 5; ++i)
        row[i]->setGeometry(twipsRect(lefts[i], 60, 735, 735));
    CoolButton1->setEnabled(false);
    CoolButton2->setEnabled(false);
    CoolButton3->setEnabled(false);

    WebBrowser1 = new QWidget(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(twipsRect(240, 960, 10575, 5655));
    Controls::setBackground(WebBrowser1, Qt::white);
    auto *browserLayout = new QVBoxLayout(WebBrowser1);
    browserLayout->setContentsMargins(0, 0, 0, 0);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(240, 960, 10575, 5655));
    Frame1->setFrameShape(QFrame::NoFrame);
    Controls::setBackground(Frame1, Qt::white);
    Frame1->raise();

    lbl_Connection2 = Controls::label(Frame1, "lbl_Connection2", kDesignConnection, kGreen, false);
    lbl_Connection2->setGeometry(twipsRect(120, 2640, 10380, 315));
    lbl_Connection2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl_Connection2->setFont(Controls::msSansSerif(12, true));

    Command2 = Controls::button(Frame1, "Command2", QStringLiteral("Successivo  >"));
    Command2->setGeometry(twipsRect(4200, 3000, 2175, 255));

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    Timer2->setTimerType(Qt::PreciseTimer); // the cover goes at most one interval after the page, not 5 % later

    // The status line: the browser's status, the globe and the connection state, in a strip of their own.
    m_statusBar = new StatusBar(this, "statusBar", twipsRect(0, 6915, 11055, 240));
    lbl_Status = Controls::label(m_statusBar, "lbl_Status", QStringLiteral("-"), Colours::orange, true);
    lbl_Status->move(twipsPoint(240, 0));
    lbl_Status->setMinimumHeight(px(195));

    Image2 = picture(m_statusBar, "Image2", QStringLiteral("globe16"), twipsRect(7440, 0, 240, 240));

    lbl_Connection = Controls::label(m_statusBar, "lbl_Connection", kDesignConnection, kGreen, true);
    lbl_Connection->move(twipsPoint(7800, 0));
    lbl_Connection->setMinimumHeight(px(195));

    Command1 = Controls::button(this, "Command1", QStringLiteral("Chiudi"));
    Command1->setGeometry(twipsRect(8640, 7320, 2295, 375));
    Command1->setFont(Controls::msSansSerif(8.25, true));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(2000);

    txt_InitDir = new QLineEdit(this);
    txt_InitDir->setObjectName(QStringLiteral("txt_InitDir"));
    txt_InitDir->move(twipsPoint(240, 7560));
    txt_InitDir->setVisible(false);

    Label2 = Controls::label(this, "Label2", QStringLiteral("InitDir"), Qt::black, true);
    Label2->move(twipsPoint(240, 7320));
    Label2->setVisible(false);

    setTabOrder(Command2, Command1);

    connect(Command1, &QPushButton::clicked, this, &Main::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Main::Command2_Click);
    connect(CoolButton1, &QToolButton::clicked, this, &Main::CoolButton1_Click);
    connect(CoolButton2, &QToolButton::clicked, this, &Main::CoolButton2_Click);
    connect(CoolButton3, &QToolButton::clicked, this, &Main::CoolButton3_Click);
    connect(CoolButton4, &QToolButton::clicked, this, &Main::CoolButton4_Click);
    connect(CoolButton5, &QToolButton::clicked, this, &Main::CoolButton5_Click);
    connect(Timer1, &QTimer::timeout, this, &Main::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Main::Timer2_Timer);

    // The connection check runs from the moment the window is loaded, hidden or not.
    Timer1->start();
}

Main::~Main() = default;

QUrl Main::lookupPage() const
{
    return MakerPaths::at(m_registry.platform().server, MakerPaths::lookupPage);
}

void Main::Form_Load()
{
    txt_InitDir->setText(QDir::currentPath());
    Set_Language();
    Get_Language();
}

void Main::Set_Language()
{
    lst_Language.Clear();
    DriverFile::read(FileNames::resolve(QDir::current(), QStringLiteral("LANGUAGE.DRV")),
                     [this](const QString &line) { lst_Language.AddItem(line); });
}

void Main::Get_Language()
{
    Command2->setText(lst_Language.lookup(34));
    CoolButton1->setTip(lst_Language.lookup(26));
    CoolButton2->setTip(lst_Language.lookup(27));
    CoolButton3->setTip(lst_Language.lookup(28));
    Command1->setText(lst_Language.lookup(30));
    CoolButton4->setTip(lst_Language.lookup(36));
    CoolButton5->setTip(lst_Language.lookup(37));
    askPagesInTheDriversLanguage();
}

// The lookup page in the driver's language from the next page load on (entry 5 names the driver).
void Main::askPagesInTheDriversLanguage()
{
    if (m_browser)
        m_browser->setLanguage(LanguageTags::forDriver(lst_Language.entry(5)));
}

void Main::InternetConnectionExists()
{
    const bool connected = m_registry.platform().connection.InternetGetConnectedState() == 1;
    const QString text = lst_Language.lookup(connected ? 31 : 32);
    const QColor colour = connected ? kGreen : kRed;
    Controls::setTextColour(lbl_Connection, colour);
    Controls::setCaption(lbl_Connection, text);
    m_statusBar->announce(lbl_Connection, text);
    Controls::setTextColour(lbl_Connection2, colour);
    Controls::setCaption(lbl_Connection2, text);
    Command2->setEnabled(connected);
    CoolButton1->setEnabled(connected);
    CoolButton2->setEnabled(connected);
    CoolButton3->setEnabled(connected);
    if (!connected)
        Frame1->setVisible(true);
}

void Main::Command1_Click()
{
    m_registry.endProgram();
}

void Main::Command2_Click()
{
    // With no browser to be had the navigation cannot start, and the step is skipped like any failing step:
    // the window is Loading all the same, and with no download to end, the cover stays.
    if (ensureBrowser()) {
        m_browser->setSilent(true);
        m_browser->navigate(lookupPage());
        // The keyboard goes to the page, and there to the field that the page gives the focus as it loads, so
        // that the name can be typed at once.
        if (isActiveWindow())
            m_browser->widget()->setFocus(Qt::OtherFocusReason);
    }
    Command2->setVisible(false);
    setCursor(Qt::WaitCursor);
    Timer2->start();
}

// Back and Forward with no page to go to do nothing; the browser ignores them.
void Main::CoolButton1_Click()
{
    if (m_browser)
        m_browser->goBack();
}

void Main::CoolButton2_Click()
{
    if (m_browser)
        m_browser->goForward();
}

void Main::CoolButton3_Click()
{
    if (ensureBrowser())
        m_browser->print();
}

// The language chooser and the about window hide the main window while they are open; they show it again.
void Main::CoolButton4_Click()
{
    hide();
    m_registry.window(WindowRegistry::Form::Language).show();
}

void Main::CoolButton5_Click()
{
    hide();
    m_registry.window(WindowRegistry::Form::About).show();
}

void Main::WebBrowser1_DownloadBegin()
{
    Controls::setCaption(lbl_Status, lst_Language.lookup(33));
    m_statusBar->announce(lbl_Status, lbl_Status->text());
    m_statusBar->announce(WebBrowser1, QString()); // the next page's status is told, even when it is the same
}

void Main::WebBrowser1_DownloadComplete()
{
    Controls::setCaption(lbl_Status, QString());
    m_statusBar->announce(lbl_Status, QString());
}

void Main::WebBrowser1_NavigateError(bool &Cancel)
{
    Cancel = true;
}

void Main::Timer1_Timer()
{
    InternetConnectionExists();
}

void Main::Timer2_Timer()
{
    if (lbl_Status->text() != QString())
        return;
    Frame1->setVisible(false);
    unsetCursor();
    Command2->setVisible(true);
    // Done until the next press of Command2; left running, it would hide the cover that the connection
    // check shows while there is no connection.
    Timer2->stop();
}

bool Main::ensureBrowser()
{
    if (m_browser)
        return true;
    BrowserEvents events;
    events.downloadBegin = [this] { WebBrowser1_DownloadBegin(); };
    events.downloadComplete = [this] { WebBrowser1_DownloadComplete(); };
    events.navigateError = [this](bool &cancel) { WebBrowser1_NavigateError(cancel); };
    events.pageStatus = [this](const QString &said) { m_statusBar->announce(WebBrowser1, said); };
    QString error;
    m_browser = m_registry.platform().browsers.create(WebBrowser1, std::move(events), &error);
    if (!m_browser) {
        qWarning().noquote() << "Quelcor: the web browser is not available:" << error;
        return false;
    }
    askPagesInTheDriversLanguage();
    WebBrowser1->layout()->addWidget(m_browser->widget());
    m_browser->widget()->show();
    Frame1->raise();
    return true;
}

void Main::closeEvent(QCloseEvent *event)
{
    // Closing the main window from its title bar ends the program; otherwise a process would go on
    // running with no window to end it from.
    event->accept();
    m_registry.endProgram();
}

void Main::showEvent(QShowEvent *event)
{
    if (!m_shownBefore) {
        m_shownBefore = true;
        Controls::centreOnScreen(this);
    }
    QWidget::showEvent(event);
}

void Main::paintEvent(QPaintEvent *)
{
    // The white panel with rounded corners behind the browser area, and the bar behind the status line.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const QRectF panel(QPointF(px(120), px(840)), QPointF(px(10935), px(6735)));
    painter.drawRoundedRect(panel, 24, 24);
    painter.drawRoundedRect(QRectF(twipsRect(120, 6840, 10815, 375)), 12, 12);
}
