#include "Art.h"

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
    QIcon icon;
    icon.addPixmap(load(name, false));
    icon.addPixmap(load(name, true));
    return icon;
}

} // namespace Art
