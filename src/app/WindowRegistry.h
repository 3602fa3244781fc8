#pragma once

#include "platform/Platform.h"

#include <QPointer>

#include <memory>

class About;
class Language;
class Main;
class Splash;
class StringTable;
class iUpdate;
class QString;
class QWidget;

// Owns the program's single-instance windows and gives them their life cycle: not loaded, loaded and
// hidden, shown. Any use of a window that is not loaded creates it and runs its Form_Load before the use
// goes on; unloading destroys it, so the next use starts again from its design-time state.
// Windows reach each other only through here: most only show, hide or unload another, or read what the main
// window keeps for all of them (the string table and the program directory).
class WindowRegistry
{
public:
    enum class Form { Splash, Main, Language, About, iUpdate };

    explicit WindowRegistry(Platform platform);
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry &) = delete;
    WindowRegistry &operator=(const WindowRegistry &) = delete;

    Platform &platform() { return m_platform; }

    // The program's start.
    void start();

    // A window by its form, loaded first when it is not: for showing, hiding, raising and the like.
    QWidget &window(Form form);
    // The windows whose own procedures others run: the splash window and the chooser run the main window's
    // language and connection procedures. Program start and tests reach every window this way.
    Splash &splash();
    Main &main();
    Language &language();
    About &about();
    iUpdate &update();

    // The string table of the installed language driver, which every window takes its texts from.
    StringTable &strings();
    // The folder the program started in: where its driver, first-run marker and language folder are.
    QString programDirectory();

    bool isLoaded(Form form) const;
    // Discards the window and all its values. Safe from inside one of the window's own handlers: the
    // widget goes when control returns to the event loop, and the next use already makes a new one.
    void unload(Form form);

    // Ends the program at once.
    void endProgram();

private:
    template<typename W> W &use(std::unique_ptr<W> &slot);
    template<typename W> void discard(std::unique_ptr<W> &slot);

    Platform m_platform;
    std::unique_ptr<Splash> m_splash;
    std::unique_ptr<Main> m_main;
    std::unique_ptr<Language> m_language;
    std::unique_ptr<About> m_about;
    std::unique_ptr<iUpdate> m_update;
};
