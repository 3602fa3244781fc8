#include "ArtLabel.h"

#include "Accessibility.h"
#include "Art.h"

ArtLabel::ArtLabel(QWidget *parent, const char *name, QString art, QSize size)
    : QLabel(parent)
    , m_art(std::move(art))
    , m_size(size)
{
    setObjectName(QLatin1String(name));
    Accessibility::setDecorative(this); // the program's artwork only decorates
}

void ArtLabel::showEvent(QShowEvent *event)
{
    if (pixmap().isNull()) {
        const qreal ratio = devicePixelRatioF();
        QPixmap picture = Art::pixmap(m_art, ratio);
        if (!m_size.isEmpty()) {
            picture = picture.scaled(m_size * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            picture.setDevicePixelRatio(ratio);
        }
        setPixmap(picture);
    }
    QLabel::showEvent(event);
}
