// The references for the start-up figures: a bare Qt Widgets program that shows one window, empty, or with
// "text" as its argument one line of text (any program that shows text pays for the font system).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(400, 200);
    if (argc > 1 && QByteArrayView(argv[1]) == "text")
        (new QLabel(QStringLiteral("Welcome to the bare window."), &window))->move(16, 16);
    window.show();
    return app.exec();
}
