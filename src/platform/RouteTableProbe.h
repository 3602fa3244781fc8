#pragma once

#include "ConnectionState.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Connected means: a default route (IPv4 or IPv6) over an interface that is up.
// Reads the kernel's route tables; the paths are parameters so tests can hand in prepared files.
class RouteTableProbe : public ConnectionState
{
public:
    explicit RouteTableProbe(QString ipv4Routes = QStringLiteral("/proc/net/route"),
                             QString ipv6Routes = QStringLiteral("/proc/net/ipv6_route"),
                             QString interfaces = QStringLiteral("/sys/class/net"));

    int InternetGetConnectedState() override;

private:
    bool hasIpv4DefaultRoute();
    bool hasIpv6DefaultRoute();
    bool interfaceIsUp(QByteArrayView name);
    static bool readFile(const QString &path, QByteArray &buffer);

    QString m_ipv4Routes;
    QString m_ipv6Routes;
    QString m_interfaces;
    QByteArray m_buffer;
    QByteArray m_flags;
};
