#pragma once

#include <QString>
#include <QUrl>

struct FetchResult
{
    bool ok = false;
    QString text; // the response body, one character per byte (code page 1252)
    QString error; // why the fetch failed, for diagnostics; never shown as is
};

// Synchronous download of a preset address as text. Returns when the text is complete or the fetch failed.
class TextFetcher
{
public:
    virtual ~TextFetcher() = default;
    virtual FetchResult fetch(const QUrl &url) = 0;
};
