#include "PictureButton.h"

#include "Art.h"

PictureButton::PictureButton(QWidget *parent, const char *name, const QString &picture)
    : QToolButton(parent)
    , m_picture(picture)
{
    setObjectName(QLatin1String(name));
    setIconSize(QSize(48, 48));
    setAutoRaise(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setTip(const QString &text)
{
    setToolTip(text);
    setAccessibleName(text);
}

void PictureButton::showEvent(QShowEvent *event)
{
    if (icon().isNull())
        setIcon(Art::icon(m_picture));
    QToolButton::showEvent(event);
}
