#pragma once

#include "Lookup.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrlQuery>

struct Response
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
};

// The published versions: eight characters each, as a version file carries them (1.0.2004).
struct PublishedVersions
{
    QString quelcor;
    QString whois;
};

// The maker's site: every page, as a function of the path and the query. Serving them is main.cpp's.
class Site
{
public:
    Site(PublishedVersions versions, const Lookup &lookup)
        : m_versions(std::move(versions))
        , m_lookup(lookup)
    {
    }

    Response respond(const QString &path, const QUrlQuery &query) const;

    // A version file: a valid script line whose characters 32 to 39 (counted from 1) are the version.
    static QByteArray versionFile(const QString &variable, const QString &version);

    // The lookup page for a result (or for no question yet, when result is null).
    static QByteArray lookupPage(const QString &typed, const LookupResult *result);

    // Text from another server as the page shows it: control characters as their visible symbols (NUL as
    // U+2400), bidirectional embeddings, overrides and isolates as their code ("[U+202E]"); CR LF as a line break.
    static QString visible(const QString &text);

    // Headers sent with every answer: nothing may be loaded from elsewhere.
    static const QList<QPair<QByteArray, QByteArray>> &securityHeaders();

private:
    const PublishedVersions m_versions;
    const Lookup &m_lookup;
};
