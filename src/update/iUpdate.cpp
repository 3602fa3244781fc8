#include "iUpdate.h"

#include "MakerPaths.h"
#include "app/WindowRegistry.h"
#include "language/StringTable.h"
#include "platform/MessageBoxes.h"
#include "platform/PublishedVersion.h"
#include "widgets/Accessibility.h"
#include "widgets/Art.h"
#include "widgets/ArtLabel.h"
#include "widgets/Colours.h"
#include "widgets/Controls.h"
#include "widgets/Hyperlink.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

iUpdate::iUpdate(WindowRegistry &registry)
    : m_registry(registry)
{
    setObjectName(QStringLiteral("iUpdate"));
    Accessibility::setWindowRole(this, QAccessible::Dialog);
    setWindowTitle(QStringLiteral("Brisvane"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(6135), px(4215));
    Controls::setBackground(this, Qt::black);

    Image1 = new ArtLabel(this, "Image1", QStringLiteral("update"));
    Image1->setGeometry(twipsRect(240, 150, 480, 480));

    // Sized to its text from its left edge, as a label sized to text is; right-aligned within that size.
    lbl_Opzioni = Controls::label(this, "lbl_Opzioni", QString(), Qt::yellow, true);
    lbl_Opzioni->setFont(Controls::arial(15.75, true, true));
    lbl_Opzioni->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Controls::setCaption(lbl_Opzioni, QStringLiteral("Brisvane"));
    lbl_Opzioni->move(twipsPoint(3600, 240));

    lbl_Description = Controls::label(
        this, "lbl_Description",
        QString::fromUtf8("Brisvane cercherá ora nel server Vantorel la presenza di una versione piú aggiornata del "
                          "programma. Prima di procedere, accertarsi che sia stata giá realizzata la connessione a "
                          "Internet."),
        Qt::white, false);
    lbl_Description->setGeometry(twipsRect(360, 960, 5535, 1335));
    lbl_Description->setFont(Controls::msSansSerif(9.75));
    lbl_Description->setWordWrap(true);
    lbl_Description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lbl_Local = Controls::label(this, "lbl_Local", QStringLiteral("Versione in locale:"), Qt::white, false);
    lbl_Local->setGeometry(twipsRect(360, 2520, 1815, 195));
    lbl_Local->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbl_LocalVersion = Controls::label(this, "lbl_LocalVersion", QStringLiteral("-"), Qt::yellow, true);
    lbl_LocalVersion->move(twipsPoint(2400, 2520));
    lbl_Remote = Controls::label(this, "lbl_Remote", QStringLiteral("Versione in Internet:"), Qt::white, false);
    lbl_Remote->setGeometry(twipsRect(360, 2880, 1815, 195));
    lbl_Remote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbl_RemoteVersion = Controls::label(this, "lbl_RemoteVersion", QStringLiteral("-"), Qt::yellow, true);
    lbl_RemoteVersion->move(twipsPoint(2400, 2880));

    cmd_PageProduct
        = new Hyperlink(this, "cmd_PageProduct", QStringLiteral("Aprire la pagina del prodotto  >>"),
                        MakerPaths::at(registry.platform().server, MakerPaths::download), registry.platform().links);
    cmd_PageProduct->setGeometry(twipsRect(2280, 3360, 3735, 255));
    cmd_PageProduct->setColour(Colours::linkOnBlack);
    cmd_PageProduct->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cmd_PageProduct->setVisible(false);
    cmd_Close = Controls::button(this, "cmd_Close", QStringLiteral("C&hiudere"));
    cmd_Close->setGeometry(twipsRect(4560, 3360, 1455, 255));
    cmd_Close->setVisible(false);
    Command2 = Controls::button(this, "Command2", QStringLiteral("&Annulla"));
    Command2->setGeometry(twipsRect(1560, 3840, 1455, 255));
    Command1 = Controls::button(this, "Command1", QStringLiteral("Consulta server  >>"));
    Command1->setGeometry(twipsRect(3120, 3840, 2895, 255));
    Command1->setFont(Controls::msSansSerif(8.25, true));

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, cmd_Close);
    setTabOrder(cmd_Close, cmd_PageProduct);

    connect(Command1, &QPushButton::clicked, this, &iUpdate::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &iUpdate::Command2_Click);
    connect(cmd_Close, &QPushButton::clicked, this, &iUpdate::cmd_Close_Click);
}

void iUpdate::Form_Load()
{
    Get_Language();
    Controls::setCaption(lbl_LocalVersion, m_registry.platform().version.text());
    Controls::centreOnScreen(this);
}

void iUpdate::Get_Language()
{
    StringTable &table = m_registry.strings();
    Command1->setText(table.lookup(216));
    Command2->setText(table.lookup(217));
    cmd_PageProduct->setCaption(table.lookup(218));
    cmd_Close->setText(table.lookup(219));
    lbl_Local->setText(table.lookup(220));
    lbl_Remote->setText(table.lookup(221));
    lbl_Description->setText(table.lookup(222));
}

void iUpdate::Command1_Click()
{
    m_querying = true;
    const std::optional<QString> published = fetchPublishedVersion(
        m_registry.platform().fetcher, MakerPaths::at(m_registry.platform().server, MakerPaths::whoisVersion));
    // The text is shown before the comparison, so it stays even when the comparison fails.
    if (published)
        Controls::setCaption(lbl_RemoteVersion, *published);
    if ((!published || !Compare_Versions()) && !m_closedWhileQuerying) {
        const QString text = m_registry.strings().message(
            225, QStringLiteral("The server could not be queried. Check your Internet connection and try again."));
        m_registry.platform().messages.show(this, text, MessageBoxes::Icon::Exclamation);
    }
    m_querying = false;
    if (m_closedWhileQuerying)
        m_registry.unload(WindowRegistry::Form::iUpdate);
}

bool iUpdate::Compare_Versions()
{
    const VersionText::Comparison comparison
        = VersionText::compare(lbl_RemoteVersion->text(), lbl_LocalVersion->text());
    if (comparison == VersionText::Comparison::NotAVersion)
        return false;
    const bool newer = comparison == VersionText::Comparison::Newer;
    cmd_PageProduct->setVisible(newer);
    cmd_Close->setVisible(!newer);
    Command1->setEnabled(false);
    // A driver without the answer's entry shows the text of the entry selected before, as any caption does.
    lbl_Description->setText(m_registry.strings().lookup(newer ? 223 : 224));
    return true;
}

void iUpdate::Command2_Click()
{
    m_registry.unload(WindowRegistry::Form::iUpdate);
}

void iUpdate::cmd_Close_Click()
{
    m_registry.unload(WindowRegistry::Form::iUpdate);
}

// Any close by the window system unloads the window as well, so the next opening starts afresh.
void iUpdate::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_querying) {
        // The window system can close the window while the query waits for its reply (only user input is
        // held back then). Unloading now would destroy the window under the waiting query: it goes when
        // the query has ended.
        m_closedWhileQuerying = true;
        return;
    }
    m_registry.unload(WindowRegistry::Form::iUpdate);
}

void iUpdate::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(twipsRect(0, 0, 6975, 735), Colours::banner);
    painter.fillRect(twipsRect(0, 3720, 6975, 495), Colours::banner);
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(twipsRect(120, 60, 735, 615)), 6, 6);
    painter.fillPath(rounded, Qt::white);
}
