#include "BrowserPlugin.h"

#include "WebEngineBrowser.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QQuickWindow>

#include <cstdio>

#include <unistd.h>

// Exported by Qt GUI; public API offers only the getter.
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {
// The lookup page is a page of text. Qt Quick's software renderer draws it without an OpenGL stack (some
// 60 MB and 35 ms at the first page), and the window that holds the page then repaints its own controls (the
// status line at every load) without composing the page anew through OpenGL, which costs several milliseconds
// a repaint where there is no GPU. QT_QUICK_BACKEND, where set, chooses otherwise.
// With OpenGL, the web engine wants a context shared with the application's. A program that links the engine
// gets it made when its application starts, at the cost of an OpenGL stack loaded before the first window;
// this module makes it only now, when the first page is requested.
void prepareWebEngine()
{
    // The engine refuses to start as root with its sandbox, and ends the whole program: as root it goes without.
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        std::fputs("quelcor: running as root, so the lookup page is shown without the web engine's sandbox\n", stderr);
    }
    // What the engine says of itself at its start is for its developers; QT_LOGGING_RULES can still ask for it.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    if (QQuickWindow::graphicsApi() == QSGRendererInterface::Software)
        return;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    if (!qt_gl_global_share_context()) {
        auto *context = new QOpenGLContext(QCoreApplication::instance());
        context->create();
        qt_gl_set_global_share_context(context);
    }
}
} // namespace

Browser *BrowserPlugin::createBrowser(QWidget *parent, BrowserEvents events)
{
    static const bool prepared = (prepareWebEngine(), true);
    Q_UNUSED(prepared);
    return new WebEngineBrowser(parent, std::move(events));
}
