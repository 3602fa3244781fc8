#include "Art.h"

#include <QGuiApplication>
#include <QImageReader>

namespace Art {

namespace {
QPixmap load(const QString &name, bool twice)
{
    QImageReader reader(QStringLiteral(":/art/") + name + (twice ? QStringLiteral("@2x.png") : QStringLiteral(".png")),
                        "png");
    reader.setAutoDetectImageFormat(false);
    QPixmap picture = QPixmap::fromImage(reader.read());
    picture.setDevicePixelRatio(twice ? 2.0 : 1.0);
    return picture;
}
} // namespace

QPixmap pixmap(const QString &name, qreal devicePixelRatio)
{
    return load(name, devicePixelRatio > 1.0);
}

QIcon icon(const QString &name)
{
    // The larger picture only where a screen can show it: decoding pictures is most of what building the
    // windows costs at start-up.
    QIcon icon;
    icon.addPixmap(load(name, false));
    if (qApp && qApp->devicePixelRatio() > 1.0)
        icon.addPixmap(load(name, true));
    return icon;
}

} // namespace Art
