#pragma once

#include "messages/Message.h"

#include <QHostAddress>
#include <QString>

#include <optional>

// Addresses and AS numbers that no registry holds a record for: private, loopback, documentation and the
// other special-purpose blocks of IANA's registries. IPv6 is public only inside the global unicast space
// 2000::/3; forms that carry an IPv4 address are judged by that address.
namespace SpecialAddresses {

struct Kind
{
    QString what; // "private", "loopback", "documentation", ... (a word of the catalog)
    Message reference; // "RFC 1918"; may name the IPv4 address an IPv6 address embeds
    QString carried; // the kind of that IPv4 address; empty when none is embedded
};

// The special-purpose block an address lies in; no value for a public address. Scope ids are ignored.
std::optional<Kind> classify(const QHostAddress &address);

// The same for a network: special when its first and its last address lie in the same kind of block.
std::optional<Kind> classifyNetwork(const QHostAddress &network, int prefixLength);

// Private, documentation and reserved AS numbers.
std::optional<Kind> classifyAsNumber(quint32 number);

// The last address of a network.
QHostAddress lastAddress(const QHostAddress &network, int prefixLength);

// The IPv4 address that an IPv4-mapped (::ffff:a.b.c.d) or IPv4-translated (::ffff:0:a.b.c.d) IPv6 address
// stands for; the address itself otherwise.
QHostAddress unwrapped(const QHostAddress &address);

} // namespace SpecialAddresses
