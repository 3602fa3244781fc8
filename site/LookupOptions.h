#pragma once

#include "lookup/Availability.h"
#include "lookup/Lookup.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QUrl>

// Where lookups ask, and how patiently: the command-line options that the site and quelcor-lookup share.
struct LookupOptions
{
    QUrl bootstrap = QUrl(QStringLiteral("https://data.iana.org/rdap/dns.json"));
    int bootstrapTtlSeconds = 24 * 60 * 60;
    LookupSettings lookup;
    int registryQuestionsPerSecond = 5;
    // Availability checks: the resolver asked whether a name has name servers (none: every extension goes to its
    // registry), and the extensions of a name asked without one.
    std::optional<Dns::Resolver> resolver; // read() sets the system's unless told otherwise
    QStringList availabilityExtensions = ManyExtensions::usual();

    // The options, their defaults those above; added to a parser, then read back from it.
    QList<QCommandLineOption> commandLine() const;
    // False with the reason in *error when a value is not one.
    bool read(const QCommandLineParser &parser, QString *error);
};

// A port number from 1 to 65535.
std::optional<quint16> portNumber(const QString &text);
