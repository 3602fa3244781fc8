#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

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

    // Resolves a host name (or takes an address literal) and returns the first address when every address
    // it resolves to is permitted; otherwise no value, with the reason in *why.
    std::optional<QHostAddress> resolve(const QString &host, QString *why) const;

    // An http or https URL whose host resolves to permitted addresses only.
    bool permitsUrl(const QUrl &url, QString *why) const;

private:
    QList<QHostAddress> m_allowed;
};
