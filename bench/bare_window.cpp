// The reference: a bare Qt Widgets program that shows one window.
#include "FirstShow.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstShow probe(argc > 1 ? QByteArray(argv[1]).toLongLong() : 0);
    app.installEventFilter(&probe);
    QWidget window;
    window.resize(400, 200);
    window.show();
    return app.exec();
}
