// Quelcor's real start path, timed to its first window.
#include "FirstShow.h"
#include "app/Program.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    const qint64 start = argc > 1 ? QByteArray(argv[1]).toLongLong() : 0;
    Program program(argc, argv, BuildInfo { "http://127.0.0.1:9", 1, 0, 2004, "bench", "bench", "bench" });
    FirstShow probe(start);
    QCoreApplication::instance()->installEventFilter(&probe);
    program.start();
    return program.exec();
}
