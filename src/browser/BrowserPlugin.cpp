#include "BrowserPlugin.h"

#include "WebEngineBrowser.h"

Browser *BrowserPlugin::createBrowser(QWidget *parent, BrowserEvents events)
{
    return new WebEngineBrowser(parent, std::move(events));
}
