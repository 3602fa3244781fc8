#include "BrowserPlugin.h"

#include "WebEngineBrowser.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QQuickWindow>

// Exported by Qt GUI; public API offers only the getter.
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace {
// The web engine wants an OpenGL context shared with the application's. A program that links the engine
// gets it made when its application starts, at the cost of an OpenGL stack loaded before the first window
// (twice the memory, a third more time); this module makes it only now, when the first page is requested.
void prepareWebEngine()
{
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
