#pragma once

#include "messages/Message.h"

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QObject;

// Which addresses the site may ask: public ones only, and those named on its command line.
class AddressPolicy
{
public:
    explicit AddressPolicy(QList<QHostAddress> allowed = {})
        : m_allowed(std::move(allowed))
    {
    }

    // False for loopback, private, shared, link-local, documentation, multicast and otherwise reserved
    // space (SpecialAddresses): IPv6 outside 2000::/3 never, IPv4-mapped addresses judged as IPv4.
    static bool isPublic(const QHostAddress &address);

    bool permits(const QHostAddress &address) const;

    // Resolves a host name (or takes an address literal) without waiting, and calls done on this thread with
    // the first address when every address it resolves to is permitted; otherwise with no value and the
    // reason. Not called when the context is gone first.
    using Resolved = std::function<void(std::optional<QHostAddress> address, const Message &why)>;
    void resolve(const QString &host, QObject *context, Resolved done) const;

    // An http or https URL with a host; otherwise false with the reason in *why.
    static bool isWebUrl(const QUrl &url, Message *why);

private:
    std::optional<QHostAddress> judge(const QString &host, const QList<QHostAddress> &addresses, Message *why) const;

    QList<QHostAddress> m_allowed;
};
