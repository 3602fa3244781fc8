#pragma once

#include "Lookup.h"
#include "Pages.h"

#include <QHostAddress>
#include <QStringList>
#include <QUrl>

#include <optional>

// The site's command line.
struct SiteOptions
{
    QHostAddress listen = QHostAddress::LocalHost;
    quint16 port = 8484;
    QUrl bootstrap = QUrl(QStringLiteral("https://data.iana.org/rdap/dns.json"));
    int bootstrapTtlSeconds = 24 * 60 * 60;
    LookupSettings lookup;
    PublishedVersions versions;

    // The options, or no value with the reason in *error (the usage text for --help).
    static std::optional<SiteOptions> parse(const QStringList &arguments, const QString &buildVersion, QString *error);
};
