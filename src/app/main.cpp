#include "app/Program.h"

int main(int argc, char **argv)
{
    Program program(argc, argv,
                    BuildInfo { QUELCOR_SERVER_URL, QUELCOR_VERSION_MAJOR, QUELCOR_VERSION_MINOR,
                                QUELCOR_VERSION_REVISION, QUELCOR_COPYRIGHT, QUELCOR_AUTHOR, QUELCOR_EMAIL });
    program.start();
    return program.exec();
}
