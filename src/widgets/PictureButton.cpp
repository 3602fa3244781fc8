#include "PictureButton.h"

#include "Art.h"
#include "Controls.h"

PictureButton::PictureButton(QWidget *parent, const char *name, const QString &picture)
    : QToolButton(parent)
    , m_picture(picture)
{
    setObjectName(QLatin1String(name));
    setIconSize(QSize(48, 48));
    setAutoRaise(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(fallbackName());
    Controls::pressOnEnter(this);
}

// A name for screen readers when the driver gives none (no driver, or an empty text): what the picture shows, in
// English.
QString PictureButton::fallbackName() const
{
    static const std::pair<const char *, const char *> kNames[] = {
        { "about", "About" }, { "language", "Language" }, { "print", "Print" },
        { "back", "Back" },   { "forward", "Forward" },
    };
    for (const auto &[picture, name] : kNames) {
        if (m_picture == QLatin1String(picture))
            return QString::fromLatin1(name);
    }
    return m_picture;
}

void PictureButton::setTip(const QString &text)
{
    setToolTip(text);
    setAccessibleName(text.trimmed().isEmpty() ? fallbackName() : text);
}

void PictureButton::showEvent(QShowEvent *event)
{
    if (icon().isNull())
        setIcon(Art::icon(m_picture));
    QToolButton::showEvent(event);
}
