#pragma once

#include "platform/Platform.h"

#include <QPointer>

#include <memory>

class About;
class Language;
class Main;
class Splash;
class iUpdate;
class QWidget;

// Owns the program's single-instance windows and gives them their life cycle: not loaded, loaded and
// hidden, shown. Any use of a window that is not loaded creates it and runs its Form_Load before the use
// goes on; unloading destroys it, so the next use starts again from its design-time state.
// Windows reach each other only through here.
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

    Splash &splash();
    Main &main();
    Language &language();
    About &about();
    iUpdate &update();

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
