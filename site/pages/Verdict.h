#pragma once

#include "lookup/Lookup.h"

#include <QDate>

#include <optional>

// What a lookup's answer means to the one who asked, at a glance: whether the name is free, held, kept by the
// registry, or why there is no answer; and for a registered name, what its dates and statuses say of its future.
struct Verdict
{
    enum class Kind {
        Available, // the registry says the name is not registered
        Registered, // a domain's record
        Reserved, // the registry keeps the name from registration
        Busy, // the registry, or the site's pace towards it, limits questions
        NoAnswer, // no service, a failure, or a record that could not be read
        Unknown, // the registry answered, but its answer does not say whether the name is registered
        Allocated, // an address range's or AS numbers' record: who holds them
        NoRecord, // no registry holds a record for the address or number
        TopLevelDomain, // the root zone's record of a top-level domain
        Special, // a special-purpose address or number: nothing was asked
        Refused, // what was typed is not a question the site can ask
    };
    Kind kind = Kind::NoAnswer;
    std::optional<qint64> daysLeft; // a registered name's days until its expiry, negative once past
    bool expired = false; // past its expiry date, or a registry status says so
    bool redemption = false; // in its redemption period (or being restored)
    bool pendingDelete = false;

    // A name that may soon change hands: expired, redeemable or about to be deleted.
    bool flagged() const { return expired || redemption || pendingDelete; }

    static Verdict of(const LookupResult &result, QDate today);
};
