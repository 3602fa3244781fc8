#pragma once

#include "AddressPolicy.h"
#include "Upstream.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QMutex>
#include <QUrl>

class QNetworkAccessManager;

// The IANA bootstrap file for domain names (RFC 9224): which RDAP service answers for which extension.
// Fetched when first needed and kept for a time to live; shared by all lookups, on any thread.
class RdapBootstrap
{
public:
    RdapBootstrap(QUrl source, int ttlSeconds)
        : m_source(std::move(source))
        , m_ttlSeconds(ttlSeconds)
    {
    }

    struct Service
    {
        QUrl base; // the service's base URL, ending in "/"; invalid when no service covers the name
        QString error; // why the bootstrap file could not be had; empty when it could
    };

    Service serviceFor(const QString &aceName, QNetworkAccessManager &network, const AddressPolicy &policy,
                       const Limits &limits);

    // The service for a name in a bootstrap file: the entry that matches the longest run of labels at
    // the end of the name wins; of its URLs, the first https one, else the first.
    static QUrl findService(const QJsonDocument &file, const QString &aceName);

private:
    const QUrl m_source;
    const int m_ttlSeconds;
    QMutex m_mutex; // held while the file is fetched, so that many lookups fetch it once
    QJsonDocument m_file;
    QDateTime m_fetchedAt;
};
