#include "PictureButton.h"

#include <QIcon>

PictureButton::PictureButton(QWidget *parent, const char *name, const QString &picture)
    : QToolButton(parent)
{
    setObjectName(QLatin1String(name));
    setIcon(QIcon(picture)); // QIcon also finds the @2x picture for high-density screens
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
