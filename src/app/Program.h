#pragma once

#include <QString>

// What the build fixes: the maker's web server and the version information.
struct BuildInfo
{
    const char *serverUrl;
    int major;
    int minor;
    int revision;
    const char *copyright;
};

// The whole program: sets up the application, wires the real platform parts and runs until the end.
int runProgram(int argc, char **argv, const BuildInfo &build);

// Application-wide settings that must be made before the QApplication exists (tests use them too).
void prepareApplication();
// Fonts and the like, once the QApplication exists.
void setUpApplication();
