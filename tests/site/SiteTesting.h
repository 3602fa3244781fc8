#pragma once

#include "LocalHttpServer.h"
#include "lookup/Lookup.h"

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

inline LocalHttpServer::Reply json(const QByteArray &body, int status = 200)
{
    return LocalHttpServer::Reply {
        status, body, "application/rdap+json", LocalHttpServer::Reply::Mode::Normal, 100, {}
    };
}
