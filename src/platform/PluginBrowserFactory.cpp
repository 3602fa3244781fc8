#include "PluginBrowserFactory.h"

#include <QByteArray>

#include <cstdio>

namespace {

QtMessageHandler g_previous = nullptr;

// The web engine, loaded once the application runs, asks on standard error for an OpenGL context shared from the
// start. The lookup page is drawn by Qt Quick's software renderer (see the browser module), which needs none: those
// two notes say nothing to a user and are not passed on. Nor is its note that its sandbox is off, which the browser
// module says itself, in the one case it does so (as root). Everything else is.
void withoutEngineNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin."))
        || message.startsWith(QLatin1String("Attribute Qt::AA_ShareOpenGLContexts must be set before"))
        || message == QLatin1String("Sandboxing disabled by user."))
        return;
    if (g_previous)
        g_previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

PluginBrowserFactory::PluginBrowserFactory(QString modulePath)
    : m_loader(std::move(modulePath))
{
}

std::unique_ptr<Browser> PluginBrowserFactory::create(QWidget *parent, BrowserEvents events, QString *error)
{
    // Before the module is loaded: the engine starts with it, and with its first page.
    static const bool filtering = (g_previous = qInstallMessageHandler(withoutEngineNotes), true);
    Q_UNUSED(filtering);
    QObject *instance = m_loader.instance();
    auto *module = qobject_cast<BrowserModule *>(instance);
    if (!module) {
        if (error) {
            *error = instance ? QStringLiteral("%1 is not the browser module").arg(m_loader.fileName())
                              : m_loader.errorString();
        }
        return nullptr;
    }
    return std::unique_ptr<Browser>(module->createBrowser(parent, std::move(events)));
}
