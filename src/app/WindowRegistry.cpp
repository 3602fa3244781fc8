#include "WindowRegistry.h"

#include "main_window/Main.h"
#include "platform/ProgramEnd.h"
#include "splash/Splash.h"

WindowRegistry::WindowRegistry(Platform platform)
    : m_platform(std::move(platform))
{
}

WindowRegistry::~WindowRegistry() = default;

template<typename W> W &WindowRegistry::use(std::unique_ptr<W> &slot)
{
    if (!slot) {
        // The slot holds the window before its Form_Load runs, so a use from inside the load finds it.
        slot = std::make_unique<W>(*this);
        slot->Form_Load();
    }
    return *slot;
}

template<typename W> void WindowRegistry::discard(std::unique_ptr<W> &slot)
{
    if (!slot)
        return;
    W *window = slot.release();
    window->hide();
    window->deleteLater();
}

// Every start goes through the splash window, which loads the main window and later hands over to it.
void WindowRegistry::start()
{
    splash().show();
}

Splash &WindowRegistry::splash()
{
    return use(m_splash);
}

Main &WindowRegistry::main()
{
    return use(m_main);
}

bool WindowRegistry::isLoaded(Form form) const
{
    switch (form) {
    case Form::Splash:
        return m_splash != nullptr;
    case Form::Main:
        return m_main != nullptr;
    }
    return false;
}

void WindowRegistry::unload(Form form)
{
    switch (form) {
    case Form::Splash:
        discard(m_splash);
        break;
    case Form::Main:
        discard(m_main);
        break;
    }
}

void WindowRegistry::endProgram()
{
    m_platform.end.endProgram();
}
