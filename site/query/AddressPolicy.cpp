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

std::optional<QHostAddress> AddressPolicy::judge(const QString &host, const QList<QHostAddress> &addresses,
                                                 Message *why) const
{
    if (addresses.isEmpty()) {
        *why = Message(MessageId::NameNotResolved, host);
        return std::nullopt;
    }
    for (const QHostAddress &address : addresses) {
        if (!permits(address)) {
            *why = Message(MessageId::NotPublicAddress, host, address.toString());
            return std::nullopt;
        }
    }
    return addresses.first();
}

void AddressPolicy::resolve(const QString &host, QObject *context, Resolved done) const
{
    QHostAddress literal;
    if (literal.setAddress(host)) {
        Message why;
        const std::optional<QHostAddress> address = judge(host, { literal }, &why);
        done(address, why);
        return;
    }
    QHostInfo::lookupHost(host, context, [policy = *this, host, done = std::move(done)](const QHostInfo &info) {
        Message why;
        const std::optional<QHostAddress> address = policy.judge(host, info.addresses(), &why);
        done(address, why);
    });
}

bool AddressPolicy::isWebUrl(const QUrl &url, Message *why)
{
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https") || url.host().isEmpty()) {
        *why = Message(MessageId::NotWebAddress, url.toDisplayString());
        return false;
    }
    return true;
}
