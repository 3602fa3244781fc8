#pragma once

#include "VersionInfo.h"

#include <QUrl>

class BrowserFactory;
class ConnectionState;
class LinkOpener;
class MessageBoxes;
class ProgramEnd;
class TextFetcher;

// Everything the windows need from outside the widget set. main() wires the real parts, tests their doubles.
struct Platform
{
    ConnectionState &connection;
    TextFetcher &fetcher;
    BrowserFactory &browsers;
    MessageBoxes &messages;
    ProgramEnd &end;
    LinkOpener &links;
    VersionInfo version;
    QUrl server; // the maker's web server: scheme, host and port
};
