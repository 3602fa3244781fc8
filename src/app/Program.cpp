#include "Program.h"

#include "WindowRegistry.h"
#include "platform/DesktopLinkOpener.h"
#include "platform/HttpTextFetcher.h"
#include "platform/PluginBrowserFactory.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtProgramEnd.h"
#include "platform/RouteTableProbe.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>

#include <dlfcn.h>
#include <thread>

void setUpApplication()
{
    // The web engine tells screen readers about the lookup page only when asked to before it starts (at the
    // first page).
    qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    Accessibility::install();
    Controls::installFontSubstitutes();
    QApplication::setFont(Controls::msSansSerif(8.25));
    // Windows are hidden and shown in turn; the program ends only through its own end command.
    QApplication::setQuitOnLastWindowClosed(false);
}

int showLauncherMessage(int &argc, char **argv, const char *text)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelcor"));
    setUpApplication();
    // The launcher's sentence, as a sentence: "Quelcor cannot make ...".
    QString sentence = QString::fromLocal8Bit(text).trimmed();
    if (!sentence.isEmpty())
        sentence = QStringLiteral("Quelcor ") + sentence + (sentence.endsWith(u'.') ? "" : ".");
    QtMessageBoxes().show(nullptr, sentence, MessageBoxes::Icon::Critical);
    return 0;
}

namespace {

// The font system's start (fontconfig reading its configuration and font caches) is the largest single cost
// before the first window can show its texts, and the application does not need its result until the first
// text is measured. Started at once on a thread of its own, it overlaps with the connection to the display
// and the making of the windows. Fontconfig's start is safe from any thread; should the application get there
// first, it simply starts it itself. The library is already loaded with Qt's GUI module, so it is only looked
// up here, not linked.
std::thread startFontSystem()
{
    return std::thread([] {
        void *library = ::dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
        if (!library)
            library = ::dlopen("libfontconfig.so.1", RTLD_LAZY);
        if (!library)
            return;
        if (auto init = reinterpret_cast<int (*)()>(::dlsym(library, "FcInit")))
            init();
        ::dlclose(library);
    });
}

} // namespace

struct Program::Parts
{
    struct BeforeTheApplication
    {
        BeforeTheApplication()
            : fonts(startFontSystem())
        {
        }
        ~BeforeTheApplication()
        {
            if (fonts.joinable())
                fonts.join();
        }
        std::thread fonts;
    };

    Parts(int &argc, char **argv, const BuildInfo &build)
        : app(argc, argv)
        , browsers(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quelcor_browser.so")))
        , windows(Platform { connection, fetcher, browsers, messages, end, links,
                             VersionInfo { qint16(build.major), qint16(build.minor), qint16(build.revision),
                                           QString::fromUtf8(build.copyright), QString::fromUtf8(build.author),
                                           QString::fromUtf8(build.email) },
                             QUrl(QString::fromUtf8(build.serverUrl)) })
    {
        QApplication::setApplicationName(QStringLiteral("Quelcor"));
        setUpApplication();
        // The font database, the fallbacks of the program's font and its first face are made under one lock,
        // on any thread: begun here, they overlap with the first window's picture and controls.
        fontsReady = std::thread([font = QApplication::font()] { QFontMetrics(font).height(); });
    }

    ~Parts()
    {
        if (fontsReady.joinable())
            fontsReady.join(); // while the application still exists
    }

    BeforeTheApplication before;
    QApplication app;
    RouteTableProbe connection;
    HttpTextFetcher fetcher;
    PluginBrowserFactory browsers;
    QtMessageBoxes messages;
    QtProgramEnd end;
    DesktopLinkOpener links;
    WindowRegistry windows;
    std::thread fontsReady;
};

Program::Program(int &argc, char **argv, const BuildInfo &build)
    : m_parts(std::make_unique<Parts>(argc, argv, build))
{
}

Program::~Program() = default;

WindowRegistry &Program::windows()
{
    return m_parts->windows;
}

void Program::start()
{
    m_parts->windows.start();
}

int Program::exec()
{
    return QApplication::exec();
}
