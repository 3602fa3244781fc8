#include "AddressPolicy.h"

#include "PageLanguage.h"
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
                                                 QString *why) const
{
    if (addresses.isEmpty()) {
        *why = PAGE_TEXT("the name %1 could not be resolved").arg(host);
        return std::nullopt;
    }
    for (const QHostAddress &address : addresses) {
        if (!permits(address)) {
            *why = PAGE_TEXT("%1 is at %2, which is not a public address").arg(host, address.toString());
            return std::nullopt;
        }
    }
    return addresses.first();
}

void AddressPolicy::resolve(const QString &host, QObject *context, Resolved done) const
{
    QHostAddress literal;
    if (literal.setAddress(host)) {
        QString why;
        const std::optional<QHostAddress> address = judge(host, { literal }, &why);
        done(address, why);
        return;
    }
    QHostInfo::lookupHost(host, context, [policy = *this, host, done = std::move(done)](const QHostInfo &info) {
        QString why;
        const std::optional<QHostAddress> address = policy.judge(host, info.addresses(), &why);
        done(address, why);
    });
}

bool AddressPolicy::isWebUrl(const QUrl &url, QString *why)
{
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https") || url.host().isEmpty()) {
        *why = PAGE_TEXT("%1 is not an http or https address").arg(url.toDisplayString());
        return false;
    }
    return true;
}
