#pragma once

#include <memory>

class WindowRegistry;

// What the build fixes: the maker's web server and the version information.
struct BuildInfo
{
    const char *serverUrl;
    int major;
    int minor;
    int revision;
    const char *copyright;
    const char *author;
    const char *email;
};

// The whole program: the application, the real platform parts and the windows.
class Program
{
public:
    Program(int &argc, char **argv, const BuildInfo &build);
    ~Program();

    WindowRegistry &windows();
    void start();
    int exec();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

// Fonts, accessibility and the like, once the QApplication exists (and before the web engine starts).
void setUpApplication();

// `quelcor --show-message TEXT`: only a message box with the text, then the end. The launcher shows its own
// failures so, for a user who started the program from the desktop's menu, without a terminal.
int showLauncherMessage(int &argc, char **argv, const char *text);
