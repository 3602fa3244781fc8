#include "Art.h"

#include <QGuiApplication>
#include <QImage>
#include <QResource>

#include <cstring>

namespace Art {

QImage decode(const QByteArray &file)
{
    quint32 header[4];
    if (file.size() < qsizetype(sizeof header))
        return {};
    std::memcpy(header, file.constData(), sizeof header);
    const auto [magic, width, height, format] = header;
    if (magic != 0x58495051u || width == 0 || height == 0 || width > 4096 || height > 4096
        || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        || file.size() != qsizetype(sizeof header + 4ull * width * height))
        return {};
    QImage image { int(width), int(height), QImage::Format(format) };
    if (image.sizeInBytes() != qsizetype(4ull * width * height)) // rows of 4-byte pixels need no padding
        return {};
    std::memcpy(image.bits(), file.constData() + sizeof header, size_t(image.sizeInBytes()));
    return image;
}

namespace {
QPixmap load(const QString &name, bool twice)
{
    const QResource file(QStringLiteral(":/art/") + name + (twice ? QStringLiteral("@2x") : QString())
                         + QStringLiteral(".pixels"));
    QPixmap picture = QPixmap::fromImage(decode(file.uncompressedData()));
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
    // The larger picture only where a screen can show it.
    QIcon icon;
    icon.addPixmap(load(name, false));
    if (qApp && qApp->devicePixelRatio() > 1.0)
        icon.addPixmap(load(name, true));
    return icon;
}

} // namespace Art
