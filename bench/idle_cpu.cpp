// CPU used by the main window sitting idle (its connection check running every two seconds), in percent of
// one core, over the given number of seconds (default 60).
#include "app/Program.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {
double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
} // namespace

int main(int argc, char **argv)
{
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 60;
    Program program(argc, argv, BuildInfo { "http://127.0.0.1:9", 1, 0, 2004, "bench", "bench", "bench" });
    program.windows().main().show();
    double start = 0;
    QTimer::singleShot(1000, [&] { start = cpuSeconds(); }); // past the first paint
    QTimer::singleShot(1000 + seconds * 1000, [&] {
        std::printf("%.3f\n", 100.0 * (cpuSeconds() - start) / seconds);
        QCoreApplication::exit(0);
    });
    return program.exec();
}
