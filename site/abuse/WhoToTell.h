#pragma once

#include "AbuseContacts.h"
#include "lookup/Dns.h"
#include "lookup/Lookup.h"
#include "state/RateLimits.h"
#include "state/ResultCache.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>
#include <string>

// The search for whom to tell: the lookup of what was asked, then what its record leaves open. For a domain, its
// registry's own contact (IANA's record of its top-level domain) where the registry's record names none, and on
// request the networks that host it: its addresses' and its name servers' addresses', each looked up at its
// regional registry. For an address or network whose record names no abuse contact, the networks that contain
// it, up to three steps. Kept answers are used; every question asked counts against the client's budget.
namespace Abuse {

struct Report
{
    QString query; // what was asked, in canonical form
    LookupResult result; // the lookup of it
    QList<Contact> contacts; // in the order to write to them
    QList<Message> notes; // what could not be asked or found
    int asked = 0; // lookups that asked registries (kept answers cost nothing)
    double refusedFor = 0; // the client's budget refused the question itself: seconds until it would not
};

struct Settings
{
    std::optional<Dns::Resolver> resolver; // for the hosting networks; none: they are not looked for
    ResultCache *cache = nullptr; // kept answers, read and written; none when null
    ClientBudget *clientLookups = nullptr; // the client's budget; none: no bound
    bool hosting = false; // the networks that host a domain too
};

// Runs on the calling thread's event loop; done is called once, not at all once the context is gone.
void search(const Lookup &lookup, const Settings &settings, const Query &query, const std::string &client,
            QObject *context, std::function<void(const Report &)> done);

// The question for the network that contains a network's: the registry's "up" link where its RDAP record has one,
// else the prefix one bit shorter than the one that spans its range; none for a record without a range.
std::optional<Query> parentOf(const LookupResult &result);

// The most names whose addresses are looked up for the hosting networks, and the most addresses.
constexpr int kMostNameServers = 4;
constexpr int kMostAddresses = 8;

} // namespace Abuse
