#include "Hyperlink.h"

#include "Controls.h"
#include "platform/LinkOpener.h"

#include <QKeyEvent>
#include <QMouseEvent>

Hyperlink::Hyperlink(QWidget *parent, const char *name, const QString &caption, QUrl url, LinkOpener &opener)
    : QLabel(parent)
    , m_url(std::move(url))
    , m_opener(opener)
{
    setObjectName(QLatin1String(name));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    QFont underlined = Controls::msSansSerif(8.25);
    underlined.setUnderline(true);
    setFont(underlined);
    setColour(QColor(0, 0, 238));
    setCaption(caption);
    Controls::showFocusFrame(this);
}

void Hyperlink::setColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void Hyperlink::setCaption(const QString &caption)
{
    setText(caption);
    setAccessibleName(caption);
}

void Hyperlink::follow()
{
    if (isVisible())
        m_opener.open(m_url);
}

void Hyperlink::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        follow();
    event->accept();
}

void Hyperlink::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        follow();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}
