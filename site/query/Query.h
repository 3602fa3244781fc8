#pragma once

#include "SpecialAddresses.h"
#include "messages/Message.h"

#include <QHostAddress>
#include <QString>

#include <optional>
#include <string>

// What the lookup form's one field holds: a domain name, a top-level domain, an IP address, a network in CIDR
// form or an AS number, checked and put in canonical form before anything is asked.
struct Query
{
    enum class Kind { Domain, Address, Network, AsNumber, TopLevelDomain };

    Kind kind = Kind::Domain;
    QString text; // canonical: A-labels, "8.8.8.8", "2001:db8::/32", "AS15169"; empty when refused
    // A name below a registered domain ("www.google.com"), where text is that domain ("google.com"); else empty.
    QString host;
    Message error; // why the input was refused; none when accepted
    QHostAddress address; // Address and Network: the address, or the network's first address
    int prefixLength = -1; // Network only
    quint32 asNumber = 0; // AsNumber only

    bool ok() const { return error.isNull(); }
    // The name or number as asked: the host name where there is one, else the text.
    const QString &asked() const { return host.isEmpty() ? text : host; }

    // The special-purpose block or AS range the query lies in; no value for domains and public numbers.
    std::optional<SpecialAddresses::Kind> special() const;
    // The noun for it in a sentence: "domain name", "address", "network", "AS number".
    Message::Word noun() const;
    // Why nothing is asked of a special address or AS number: "192.168.1.1 is a private address (RFC 1918); no
    // registry holds a record for it."
    Message specialSentence(const SpecialAddresses::Kind &kind) const;
    // What whois servers are asked: the name, the address, the network, or "AS15169".
    QByteArray whoisQuery() const { return text.toLatin1(); }
    // The registry a question goes to, for a client's budget: a domain's extension ("com"), "root" for a top-level
    // domain (IANA's), "numbers" for addresses, networks and AS numbers (the regional registries).
    std::string registry() const;
    // The path of an RDAP query below the service's base: "domain/x.com", "ip/8.8.8.0/24", "autnum/15169".
    QString rdapPath() const;

    // A field holding only digits is an AS number; "AS15169" and "AS1.10" (asdot) are too. An address in
    // IPv4-mapped form is the IPv4 address; a network's host bits are cleared. A name of one label ("de", ".de",
    // "рф") is a top-level domain. A name below a registered domain asks for that domain, keeping the name as
    // host.
    static Query fromInput(const QString &input);
};
