// Renders an SVG picture to a PNG of the given size: render_art in.svg out.png width height
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
    // A picture without transparency is stored without an alpha channel: the program decodes it faster.
    bool opaque = true;
    for (int y = 0; y < image.height() && opaque; ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width() && opaque; ++x)
            opaque = qAlpha(row[x]) == 255;
    }
    if (opaque)
        image = image.convertToFormat(QImage::Format_RGB32);
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "render_art: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
