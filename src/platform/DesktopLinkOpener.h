#pragma once

#include "LinkOpener.h"

class DesktopLinkOpener : public LinkOpener
{
public:
    void open(const QUrl &url) override;
};
