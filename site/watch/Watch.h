#pragma once

#include "lookup/LookupResult.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the site saw of a domain name once, as watching compares it: the name's phase in a registration's life,
// and what changes in a registration, each bounded (a registrar's name of 200 characters, 16 statuses of 100, 32
// name servers), whatever a registry sends. A failure or a busy registry is no sighting.
struct Sighting
{
    enum class Phase {
        Registered,
        Grace, // past its expiry, not yet deleted (the registrar may still renew it)
        Redemption, // deleted, and redeemable by its holder
        PendingDelete, // about to be free
        Available,
        Reserved, // kept from registration by the registry
    };
    QDateTime seen; // UTC
    Phase phase = Phase::Registered;
    QString registrar;
    QStringList nameServers; // lower case, sorted
    QStringList statuses; // sorted
    QString expires; // the record's expiry as a date (yyyy-MM-dd), or empty
    QString lastChanged; // the record's last change as a date, or empty

    // What the result says of a domain name; none for a result that says nothing of one.
    static std::optional<Sighting> of(const LookupResult &result, const QDateTime &now);
    bool sameAs(const Sighting &other) const; // all but when it was seen
    static QString phaseName(Phase phase); // "registered", "grace", "redemption", "pending-delete", ...
    static std::optional<Phase> phaseNamed(const QString &name); // the other way round
    QJsonObject toJson() const;
    static std::optional<Sighting> fromJson(const QJsonObject &object);
};

// What changed from one sighting to the next: the field ("phase", "registrar", "name servers", "statuses",
// "expires") and its values before and after, as text (a phase by its name, a list joined by ", ").
struct Change
{
    QString field, before, after;
};
QList<Change> changes(const Sighting &before, const Sighting &after);

// The dates ahead in a name's life, from a sighting: its expiry; and where its phase says the name is leaving, the
// ends of its grace, its redemption and its pending delete, the last the day it may be free. Those are the usual
// periods of the generic top-level domains' registries (45, 30 and 5 days), counted from the expiry or from the
// record's last change (else from the sighting), and so estimates.
struct LifeDate
{
    enum class Kind { Expires, GraceEnds, RedemptionEnds, MayBeFree };
    Kind kind;
    QDate date;
    bool estimated = false;
};
QList<LifeDate> lifeDates(const Sighting &sighting);

// A name's history: each sighting that differed from the one before it, oldest first; at most kMost, and at most
// kMostBytes as JSON, the oldest going first.
struct History
{
    static constexpr qsizetype kMost = 64;
    static constexpr qsizetype kMostBytes = 64 * 1024;
    QList<Sighting> sightings;

    // Adds the sighting when it differs from the latest (or is the first): true then.
    bool add(const Sighting &sighting);
    QJsonArray toJson() const;
    static History fromJson(const QJsonArray &array); // the sightings that can be read
    QByteArray toBytes() const; // the same as compact JSON
    static History fromBytes(const QByteArray &bytes); // empty for bytes that are not one
    void bound(); // the oldest sightings dropped until it holds at most kMost and kMostBytes
};
