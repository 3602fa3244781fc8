#pragma once

#include <QLatin1StringView>
#include <QUrl>

// The paths of the maker's web server that the program asks for and the site serves.
namespace MakerPaths {

inline constexpr QLatin1StringView quelcorVersion { "/quelcor_version_number.js" }; // the splash window's check
inline constexpr QLatin1StringView whoisVersion { "/whois_version_number.js" }; // the update window's check
inline constexpr QLatin1StringView lookupPage { "/hosting/quelcor.php" }; // the main window's browser
inline constexpr QLatin1StringView download { "/download" };
inline constexpr QLatin1StringView productPage { "/products/quelcor" };
inline constexpr QLatin1StringView forum { "/forum" };
inline constexpr QLatin1StringView bugReport { "/bugreport.htm" };

// The page at a path of the server (scheme, host and port).
inline QUrl at(QUrl server, QLatin1StringView path)
{
    server.setPath(path);
    return server;
}

} // namespace MakerPaths
