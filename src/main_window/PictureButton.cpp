#include "PictureButton.h"

#include "app/Art.h"

PictureButton::PictureButton(QWidget *parent, const char *name, const QString &picture)
    : QToolButton(parent)
{
    setObjectName(QLatin1String(name));
    setIcon(Art::icon(picture));
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
