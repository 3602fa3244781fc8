#pragma once

#include "platform/Browser.h"

#include <QObject>

// The browser module's entry point, loaded by the program at the first navigation.
class BrowserPlugin : public QObject, public BrowserModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuelcorBrowserModule_iid)
    Q_INTERFACES(BrowserModule)
public:
    Browser *createBrowser(QWidget *parent, BrowserEvents events) override;
};
