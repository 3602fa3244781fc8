#pragma once

#include "LocalHttpServer.h"
#include "lookup/Lookup.h"

#include <QFile>

// What the site's tests share: lookups that may ask the fake servers on 127.0.0.1 to 127.0.0.3, with short
// limits, and RDAP answers.

inline LookupSettings settingsFor(quint16 whoisPort)
{
    LookupSettings settings;
    settings.whoisRoot = QStringLiteral("127.0.0.1");
    settings.whoisRootPort = whoisPort;
    settings.whoisPort = whoisPort;
    settings.policy
        = AddressPolicy({ QHostAddress(QStringLiteral("127.0.0.1")), QHostAddress(QStringLiteral("127.0.0.2")),
                          QHostAddress(QStringLiteral("127.0.0.3")) });
    settings.limits = Limits { 2000, 1500, 1 << 20 };
    return settings;
}

// A file of tests/site/data: an answer as a server sent it; empty when there is none.
inline QByteArray readData(const QString &path)
{
    QFile file(QStringLiteral(QUELCOR_SOURCE_DIR "/tests/site/data/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline LocalHttpServer::Reply json(const QByteArray &body, int status = 200)
{
    return LocalHttpServer::Reply {
        status, body, "application/rdap+json", LocalHttpServer::Reply::Mode::Normal, 100, {}
    };
}
