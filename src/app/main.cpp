#include "app/Program.h"

#include <cstring>

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--show-message") == 0)
        return showLauncherMessage(argc, argv, argv[2]);
    Program program(argc, argv,
                    BuildInfo { QUELCOR_SERVER_URL, QUELCOR_VERSION_MAJOR, QUELCOR_VERSION_MINOR,
                                QUELCOR_VERSION_REVISION, QUELCOR_COPYRIGHT, QUELCOR_AUTHOR, QUELCOR_EMAIL });
    program.start();
    return program.exec();
}
