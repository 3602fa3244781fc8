#include "app/Program.h"

#include <QApplication>

int runDriverTests(int argc, char **argv);
int runWindowTests(int argc, char **argv);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    return runDriverTests(argc, argv) | runWindowTests(argc, argv);
}
