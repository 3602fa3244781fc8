#pragma once

#include "Lookup.h"
#include "PageLanguage.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrlQuery>

#include <optional>

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
class Pages
{
public:
    explicit Pages(PublishedVersions versions)
        : m_versions(std::move(versions))
    {
    }

    // Every page but a lookup's answer, which the server has run on its workers (lookupQuestion, lookupPage).
    // Pages are in the given language; record text stays as the registry sent it.
    Response respond(const QString &path, const QUrlQuery &query,
                     const PageLanguage &words = PageLanguage::english()) const;

    // What the lookup page is asked to look up: the field's text; no value for any other request.
    static std::optional<QString> lookupQuestion(const QString &path, const QUrlQuery &query);

    // A version file: a valid script line whose characters 32 to 39 (counted from 1) are the version.
    static QByteArray versionFile(const QString &variable, const QString &version);

    // The lookup page for a result (or for no question yet, when result is null).
    static QByteArray lookupPage(const QString &typed, const LookupResult *result,
                                 const PageLanguage &words = PageLanguage::english());

    // The lookup page with a notice in place of a result: the service is busy, or the client asks too much.
    static Response lookupRefused(int status, const QString &typed, const QString &message,
                                  const PageLanguage &words = PageLanguage::english());

    // Text from another server as the page shows it: control characters as their visible symbols (NUL as
    // U+2400), bidirectional embeddings, overrides and isolates as their code ("[U+202E]"); CR LF as a line break.
    static QString visible(const QString &text);

    // Headers sent with every answer: nothing may be loaded from elsewhere.
    static const QList<QPair<QByteArray, QByteArray>> &securityHeaders();

private:
    const PublishedVersions m_versions;
};
