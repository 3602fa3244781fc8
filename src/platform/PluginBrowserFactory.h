#pragma once

#include "Browser.h"

#include <QPluginLoader>

// Loads the browser module from a file beside the program the first time a browser is needed, so the
// web engine costs nothing at start-up.
class PluginBrowserFactory : public BrowserFactory
{
public:
    explicit PluginBrowserFactory(QString modulePath);

    std::unique_ptr<Browser> create(QWidget *parent, BrowserEvents events, QString *error) override;

private:
    QPluginLoader m_loader;
};
