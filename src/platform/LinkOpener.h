#pragma once

#include <QUrl>

// Opens an address in the user's web browser.
class LinkOpener
{
public:
    virtual ~LinkOpener() = default;
    virtual void open(const QUrl &url) = 0;
};
