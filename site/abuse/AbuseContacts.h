#pragma once

#include "lookup/LookupResult.h"

#include <QList>
#include <QString>
#include <QStringList>

// Who to tell of abuse: the abuse contacts that registration records name, each with where it was read, so that a
// person can check it. A domain's registrar and registry, an address's or network's network and the networks above
// it, an AS number's holder; regional registries name theirs in their own forms (RIPE's abuse-c and
// abuse-mailbox, ARIN's abuse POC, APNIC's IRT, LACNIC's and AFRINIC's abuse entities), in RDAP and in whois.
namespace Abuse {

enum class Role {
    Registrar, // the domain's registrar
    HostingNetwork, // the network of an address the domain resolves to
    DnsNetwork, // the network of an address of one of the domain's name servers
    Network, // the network or AS number asked
    Registry, // the domain's registry
};

struct Contact
{
    Role role = Role::Network;
    QString who; // a name or organisation; empty where the record names none
    QString of; // what the record is of: a registrar's name, a network's range, an AS number
    QStringList emails, phones, forms; // forms: web addresses (http, https)
    QString source; // the whois server or RDAP URL whose answer names it
    QString field; // where in that answer ("entity ABUSE3-ARIN (abuse)", "OrgAbuseEmail")
    int line = 0; // the line of a whois answer, from 1; 0 for RDAP
    QString address; // the address looked up for a hosting or DNS network, with the name it is of
    QString moreSpecific; // the more specific network, naming none, whose contact this one stands for; else empty

    // Contacts that send a report to the same place.
    bool sameAs(const Contact &other) const;
};

// The contacts a lookup's records name, the most specific first. A domain's are its registrar's (and its registry's,
// where the registry's record names its own); a network's or AS number's are given the role asked for.
QList<Contact> fromResult(const LookupResult &result, Role networkRole = Role::Network);

// The registry's contact from IANA's record of a top-level domain: its administrative contact, else its technical.
QList<Contact> registryOf(const LookupResult &topLevelDomain);

// The role's name in the API ("registrar", "hosting-network").
QString roleName(Role role);

} // namespace Abuse
