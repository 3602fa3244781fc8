#include "AddressPolicy.h"

#include <QHostInfo>

#include <array>

namespace {

// Address blocks that are not on the public internet (IANA special-purpose registries).
const std::array kReserved {
    "0.0.0.0/8",      "10.0.0.0/8",   "100.64.0.0/10",  "127.0.0.0/8",    "169.254.0.0/16", "172.16.0.0/12",
    "192.0.0.0/24",   "192.0.2.0/24", "192.88.99.0/24", "192.168.0.0/16", "198.18.0.0/15",  "198.51.100.0/24",
    "203.0.113.0/24", "224.0.0.0/4",  "240.0.0.0/4",    "::/128",         "::1/128",        "64:ff9b::/96",
    "64:ff9b:1::/48", "100::/64",     "2001::/23",      "2001:db8::/32",  "2002::/16",      "fc00::/7",
    "fe80::/10",      "fec0::/10",    "ff00::/8",
};

} // namespace

bool AddressPolicy::isPublic(const QHostAddress &address)
{
    if (address.isNull())
        return false;
    QHostAddress judged = address;
    bool mapped = false;
    const quint32 v4 = address.toIPv4Address(&mapped);
    if (mapped)
        judged = QHostAddress(v4);
    judged.setScopeId(QString());
    for (const char *block : kReserved) {
        if (judged.isInSubnet(QHostAddress::parseSubnet(QLatin1String(block))))
            return false;
    }
    return true;
}

bool AddressPolicy::permits(const QHostAddress &address) const
{
    if (isPublic(address))
        return true;
    for (const QHostAddress &allowed : m_allowed) {
        if (address.isEqual(allowed, QHostAddress::TolerantConversion))
            return true;
    }
    return false;
}

std::optional<QHostAddress> AddressPolicy::resolve(const QString &host, QString *why) const
{
    QList<QHostAddress> addresses;
    QHostAddress literal;
    if (literal.setAddress(host)) {
        addresses.append(literal);
    } else {
        const QHostInfo info = QHostInfo::fromName(host);
        addresses = info.addresses();
        if (addresses.isEmpty()) {
            *why = QStringLiteral("the name %1 could not be resolved").arg(host);
            return std::nullopt;
        }
    }
    for (const QHostAddress &address : addresses) {
        if (!permits(address)) {
            *why = QStringLiteral("%1 is at %2, which is not a public address").arg(host, address.toString());
            return std::nullopt;
        }
    }
    return addresses.first();
}

bool AddressPolicy::permitsUrl(const QUrl &url, QString *why) const
{
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https") || url.host().isEmpty()) {
        *why = QStringLiteral("%1 is not an http or https address").arg(url.toDisplayString());
        return false;
    }
    return resolve(url.host(), why).has_value();
}
