#pragma once

#include "Bootstrap.h"
#include "Lookup.h"

#include <QList>
#include <QString>
#include <QUrl>

// How each top-level domain of the root zone is looked up, and what of its whois answers the site is proved to read,
// from the files at hand and without the network: by RDAP where the domain bootstrap file names a service, by whois
// where the root zone names a server, and by the operator's route over both.
struct TldRoute
{
    QString tld; // its A-label
    QUrl rdap;
    QString whois;
    bool operators = false; // the operator's route
    // What the atlas (registries/atlas.tsv) says the site reads right in this TLD's whois answers, each proved by a
    // recorded answer: the forms of answer ("found", "not-registered", "reserved", "refused", "rate-limited") and
    // the fields with the key they stand under ("expires: registry expiry date").
    QStringList verified;
    QStringList keys;

    // "both", "rdap", "whois" or "none".
    QString kind() const;
};

QList<TldRoute> coverage(RdapBootstrap &bootstrap, const LookupSettings &settings);
