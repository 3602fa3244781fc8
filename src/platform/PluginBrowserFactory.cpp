#include "PluginBrowserFactory.h"

PluginBrowserFactory::PluginBrowserFactory(QString modulePath)
    : m_loader(std::move(modulePath))
{
}

std::unique_ptr<Browser> PluginBrowserFactory::create(QWidget *parent, BrowserEvents events, QString *error)
{
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
