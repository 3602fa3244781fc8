#include "WindowRegistry.h"

#include "about/About.h"
#include "language/Language.h"
#include "main_window/Main.h"
#include "platform/ProgramEnd.h"
#include "splash/Splash.h"
#include "update/iUpdate.h"

#include <QLineEdit>

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
    if constexpr (requires { slot->Form_Unload(); })
        slot->Form_Unload();
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

Language &WindowRegistry::language()
{
    return use(m_language);
}

About &WindowRegistry::about()
{
    return use(m_about);
}

iUpdate &WindowRegistry::update()
{
    return use(m_update);
}

QWidget &WindowRegistry::window(Form form)
{
    switch (form) {
    case Form::Splash:
        return splash();
    case Form::Main:
        break;
    case Form::Language:
        return language();
    case Form::About:
        return about();
    case Form::iUpdate:
        return update();
    }
    return main();
}

StringTable &WindowRegistry::strings()
{
    return main().lst_Language;
}

QString WindowRegistry::programDirectory()
{
    return main().txt_InitDir->text();
}

bool WindowRegistry::isLoaded(Form form) const
{
    switch (form) {
    case Form::Splash:
        return m_splash != nullptr;
    case Form::Main:
        return m_main != nullptr;
    case Form::Language:
        return m_language != nullptr;
    case Form::About:
        return m_about != nullptr;
    case Form::iUpdate:
        return m_update != nullptr;
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
    case Form::Language:
        discard(m_language);
        break;
    case Form::About:
        discard(m_about);
        break;
    case Form::iUpdate:
        discard(m_update);
        break;
    }
}

void WindowRegistry::endProgram()
{
    m_platform.end.endProgram();
}
