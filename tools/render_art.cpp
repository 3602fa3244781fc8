// Renders an SVG picture of the given size: render_art in.svg out.png|out.pixels width height
// A ".pixels" file holds the picture ready for the program to use without decoding (see src/widgets/Art.h);
// any other name is written as PNG (the icons of the installed program).
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_art in.svg out.png width height\n");
        return 2;
    }
    // Text in the artwork needs the font database, which needs an application; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_art: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(std::atoi(argv[3]), std::atoi(argv[4]), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    // A picture without transparency is stored without an alpha channel: the program uses it as it is.
    bool opaque = true;
    for (int y = 0; y < image.height() && opaque; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width() && opaque; ++x)
            opaque = qAlpha(row[x]) == 255;
    }
    if (opaque)
        image = image.convertToFormat(QImage::Format_RGB32);
    const QString out = QString::fromLocal8Bit(argv[2]);
    bool written = false;
    if (out.endsWith(QLatin1String(".pixels"))) {
        QFile file(out);
        const quint32 header[]
            = { 0x58495051u /* "QPIX" */, quint32(image.width()), quint32(image.height()), quint32(image.format()) };
        written = file.open(QIODevice::WriteOnly)
            && file.write(reinterpret_cast<const char *>(header), sizeof header) == qint64(sizeof header);
        for (int y = 0; written && y < image.height(); ++y)
            written = file.write(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4)
                == image.width() * 4;
        written = written && file.flush();
    } else {
        written = image.save(out, "PNG");
    }
    if (!written) {
        std::fprintf(stderr, "render_art: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
