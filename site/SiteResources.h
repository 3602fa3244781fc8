#pragma once

#include <QtGlobal>

// The site's resources (the whois answers table, the language tables) are compiled into its static library,
// whose resources are brought in by hand before the first read; doing so again does nothing.
inline void loadSiteResources()
{
    Q_INIT_RESOURCE(site);
}
