#include "Splash.h"

#include "MakerPaths.h"
#include "VersionText.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"
#include "platform/ConnectionState.h"
#include "platform/MessageBoxes.h"
#include "platform/PublishedVersion.h"
#include "widgets/Accessibility.h"
#include "widgets/Art.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Hyperlink.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {
QLineEdit *counter(QWidget *parent, const char *name, const QString &value)
{
    auto *field = new QLineEdit(value, parent);
    field->setObjectName(QLatin1String(name));
    field->setVisible(false);
    return field;
}

QLabel *hiddenLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setVisible(false);
    return label;
}
} // namespace

Splash::Splash(WindowRegistry &registry)
    : m_registry(registry)
{
    setObjectName(QStringLiteral("Splash"));
    Accessibility::setWindowRole(this, QAccessible::Window);
    setWindowTitle(QStringLiteral("Quelcor - Splash"));
    setWindowIcon(Art::icon(QStringLiteral("logo")));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(398, 201);
    Controls::setBackground(this, Colours::orange);
    m_background = Art::pixmap(QStringLiteral("splash"), devicePixelRatioF());

    lbl_Description = Controls::label(this, "lbl_Description", QStringLiteral("-"), Qt::white, false);
    lbl_Description->setGeometry(16, 16, 369, 41);
    lbl_Description->setFont(Controls::msSansSerif(9.75));
    lbl_Description->setWordWrap(true);
    lbl_Description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Accessibility::setDescribedBy(this, lbl_Description); // what screen readers read as the window opens

    lbl_Version = Controls::label(this, "lbl_Version", QStringLiteral("-"), Qt::white, false);
    lbl_Version->setGeometry(80, 128, 133, 13);

    lbl_Beta = Controls::label(this, "lbl_Beta", QStringLiteral(" b e t a"), Qt::yellow, false);
    lbl_Beta->setGeometry(216, 128, 62, 13);
    lbl_Beta->setFont(Controls::msSansSerif(8.25, true));
    lbl_Beta->setVisible(false);

    Command1 = Controls::button(this, "Command1", QStringLiteral("&Continuare  >"));
    Command1->setGeometry(16, 171, 137, 17);

    WebLink1
        = new Hyperlink(this, "WebLink1", QStringLiteral("Download..."),
                        MakerPaths::at(registry.platform().server, MakerPaths::download), registry.platform().links);
    WebLink1->setGeometry(160, 171, 137, 17);
    WebLink1->setColour(Colours::linkOnOrange);
    WebLink1->setVisible(false);

    Text1 = counter(this, "Text1", QStringLiteral("0"));
    Text2 = counter(this, "Text2", QStringLiteral("20"));
    lbl_LocalVersion = hiddenLabel(this, "lbl_LocalVersion", QStringLiteral("(Local)"));
    lbl_RemoteVersion = hiddenLabel(this, "lbl_RemoteVersion", QStringLiteral("(Remote)"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);

    connect(Timer1, &QTimer::timeout, this, &Splash::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &Splash::Timer2_Timer);
    connect(Text1, &QLineEdit::textChanged, this, &Splash::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Splash::Text2_Change);
    connect(Command1, &QPushButton::clicked, this, &Splash::Command1_Click);
}

QString Splash::entry(int k)
{
    return m_registry.strings().lookup(k);
}

void Splash::Form_Load()
{
    Timer1->start();
    Controls::centreOnScreen(this);
    Main &main = m_registry.main(); // the first use loads the main window, hidden
    main.hide();
    main.Set_Language();
    Get_Language();
    main.InternetConnectionExists();
    const VersionInfo &version = m_registry.platform().version;
    lbl_Version->setText(QStringLiteral("v.") + version.text());
    lbl_LocalVersion->setText(version.text());
    if (version.major == 0)
        lbl_Beta->setVisible(true);
}

void Splash::Get_Language()
{
    lbl_Description->setText(entry(10));
    WebLink1->setCaption(entry(13));
    Command1->setText(entry(14));
}

void Splash::Timer1_Timer()
{
    Text1->setText(QString::number(Text1->text().toInt() + 1));
}

void Splash::Timer2_Timer()
{
    Text2->setText(QString::number(Text2->text().toInt() - 1));
}

void Splash::Text1_Change()
{
    const QString step = Text1->text();
    if (step == QLatin1String("3")) {
        Timer1->stop();
        Get_RemoteVersion();
    } else if (step == QLatin1String("6")) {
        Text1->setText(QStringLiteral("0"));
        Timer1->stop();
        handOver();
    }
}

void Splash::Text2_Change()
{
    // A driver without entry 14 gives the text of the entry selected before, as every caption lookup does.
    Command1->setText(entry(14) + QStringLiteral(" (") + Text2->text() + QStringLiteral(")"));
    if (Text2->text() == QLatin1String("1")) {
        Timer1->stop();
        Timer2->stop();
        handOver();
    }
}

void Splash::Command1_Click()
{
    Text1->setText(QStringLiteral("4"));
    lbl_Description->setVisible(false);
    WebLink1->setVisible(false);
    Command1->setVisible(false);
    Controls::enable(Timer1); // pressed while the first three seconds run, the hand-over keeps their rhythm
    Timer2->stop();
}

void Splash::Get_RemoteVersion()
{
    if (m_registry.platform().connection.InternetGetConnectedState() != 1) {
        lbl_Description->setText(QString());
        Command1->setVisible(false);
        Timer1->start();
        return;
    }
    // A driver without entry 11 shows the text of the entry selected before, as any caption does; a missing
    // text never makes the check fail.
    lbl_Description->setText(entry(11));
    const std::optional<QString> published = fetchPublishedVersion(
        m_registry.platform().fetcher, MakerPaths::at(m_registry.platform().server, MakerPaths::quelcorVersion));
    if (published) {
        lbl_RemoteVersion->setText(*published);
        if (Compare_Versions())
            return;
    }
    m_registry.platform().messages.show(
        this,
        m_registry.strings().message(94,
                                     QStringLiteral("Quelcor could not check for a newer version. Please try "
                                                    "again later.")),
        MessageBoxes::Icon::Exclamation);
    Command1_Click();
}

bool Splash::Compare_Versions()
{
    switch (VersionText::compare(lbl_RemoteVersion->text(), lbl_LocalVersion->text())) {
    case VersionText::Comparison::NotAVersion:
        return false;
    case VersionText::Comparison::NotNewer:
        lbl_Description->setText(QString());
        Command1->setVisible(false);
        Timer1->start();
        return true;
    case VersionText::Comparison::Newer:
        break;
    }
    Timer1->stop();
    WebLink1->setVisible(true);
    Command1->setVisible(true);
    Timer2->start();
    lbl_Description->setText(entry(12));
    return true;
}

void Splash::handOver()
{
    hide();
    m_registry.window(WindowRegistry::Form::Main).show();
}

void Splash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}
