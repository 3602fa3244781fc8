#pragma once

#include "TextFetcher.h"
#include "VersionText.h"

#include <optional>

// The version text of a version file on the maker's server, as both version checks read it; no value when
// the file could not be fetched.
inline std::optional<QString> fetchPublishedVersion(TextFetcher &fetcher, const QUrl &versionFile)
{
    const FetchResult reply = fetcher.fetch(versionFile);
    if (!reply.ok)
        return std::nullopt;
    return VersionText::extract(reply.text);
}
