#include "DesktopLinkOpener.h"

#include <QDesktopServices>

void DesktopLinkOpener::open(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}
