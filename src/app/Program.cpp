#include "Program.h"

#include "Controls.h"
#include "WindowRegistry.h"
#include "platform/DesktopLinkOpener.h"
#include "platform/HttpTextFetcher.h"
#include "platform/PluginBrowserFactory.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtProgramEnd.h"
#include "platform/RouteTableProbe.h"

#include <QApplication>
#include <QDir>

void prepareApplication()
{
    // The web engine, loaded later with the browser module, needs this set before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void setUpApplication()
{
    Controls::installFontSubstitutes();
    QApplication::setFont(Controls::msSansSerif(8.25));
    // Windows are hidden and shown in turn; the program ends only through its own end command.
    QApplication::setQuitOnLastWindowClosed(false);
}

int runProgram(int argc, char **argv, const BuildInfo &build)
{
    prepareApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelcor"));
    setUpApplication();

    RouteTableProbe connection;
    HttpTextFetcher fetcher;
    PluginBrowserFactory browsers(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("quelcor_browser.so")));
    QtMessageBoxes messages;
    QtProgramEnd end;
    DesktopLinkOpener links;
    VersionInfo version{qint16(build.major), qint16(build.minor), qint16(build.revision),
                        QString::fromUtf8(build.copyright)};

    WindowRegistry windows(Platform{connection, fetcher, browsers, messages, end, links, version,
                                    QUrl(QString::fromUtf8(build.serverUrl))});
    windows.start();
    return QApplication::exec();
}
