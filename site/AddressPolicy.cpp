#include "AddressPolicy.h"

#include "SpecialAddresses.h"

#include <QHostInfo>

bool AddressPolicy::isPublic(const QHostAddress &address)
{
    return !SpecialAddresses::classify(address).has_value();
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
