#pragma once

#include "RdapRecord.h"
#include "messages/Message.h"
#include "query/Query.h"
#include "state/ResultCache.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One record as another server sent it.
struct SourceRecord
{
    QString source; // the server or URL it came from
    QString text; // decoded, not escaped: as the server sent it
    bool cut = false; // longer than the limit; the rest was dropped
    QString shown; // the text as the page shows it (JSON indented), when that differs; else empty

    bool rdap() const { return source.startsWith(u"http"); }
    const QString &display() const { return shown.isEmpty() ? text : shown; }
};

// An answer as the site received it, byte for byte: one hop of a lookup, of which its evidence file is made.
struct Hop
{
    QString server; // the whois server (host, or host:port) or the URL that answered
    QByteArray question; // the whois question as sent, without CR LF; empty for HTTP
    QDateTime received; // when the answer was complete (UTC)
    int status = 0; // the HTTP status; 0 for whois
    QList<std::pair<QByteArray, QByteArray>> headers; // the HTTP header fields that matter, as sent
    QByteArray body; // as sent, at most the limit
    bool cut = false; // longer than the limit; the rest was dropped

    bool http() const { return server.startsWith(u"http"); }
};

// What a verdict rests on, for a person to check it: the server that decided, and the line of its answer that did
// (quoted as sent), or the HTTP status of its RDAP answer.
struct Evidence
{
    QString server; // the whois server or RDAP URL; empty when no server decided
    int line = 0; // the line quoted, from 1; 0 for none
    QString quote; // that line, without the blanks around it
    int status = 0; // the HTTP status of an RDAP answer; 0 for whois
    bool delegated = false; // the DNS delegates the name to name servers (a check in many extensions)

    bool isNull() const { return server.isEmpty() && !delegated; }
    // The evidence in a sentence; none when there is none. `name` is the name asked.
    Message message(const QString &name) const;
};

// A lookup's outcome, with the readable fields of the RDAP record (empty for whois).
struct LookupResult : RdapFields
{
    enum class Outcome {
        Refused, // what was typed is no domain name, address, network or AS number; nothing was asked
        Special, // a private, documentation or otherwise reserved address or AS number; nothing was asked
        Found, // a registration record
        Unknown, // the registry answered, but nothing in its answer says whether the name is registered
        NotRegistered,
        Reserved, // the registry keeps the name from registration (reserved, blocked); perhaps with a record
        RateLimited,
        NoService, // no RDAP service and no whois server for the query
        Failed, // a server could not be asked or did not answer
    };
    Outcome outcome = Outcome::Failed;
    Query::Kind kind = Query::Kind::Domain;
    QString query; // what was asked, in canonical form (A-labels, "8.8.8.0/24", "AS15169")
    QString host; // the name typed, where it lies below the registered domain looked up ("www.google.com")
    QStringList hostAddresses; // the host's addresses, where the registry keeps a record of it (a name server's)
    QStringList hostStatuses;
    Message message; // for the user; none for a record found
    qint64 retryAfterSeconds = -1; // for RateLimited; -1 when the server gave no time
    int maxAgeSeconds = -1; // how long the registry lets its answer be kept (RDAP's Cache-Control); -1: not said
    qint64 cachedAgeSeconds = -1; // the age of a result served from the cache; -1 for a fresh one

    QList<SourceRecord> records; // raw records, registry first
    QList<Message> notes; // what else the user should know (a registrar that could not be asked, ...)
    QStringList asked; // every server asked, in order
    Evidence evidence; // what the outcome rests on
    QList<Hop> hops; // every answer received, in order

    // Reads the registry's record of the host name (an RDAP nameserver object).
    void readHost(const QJsonObject &nameserver);

    // Seconds the result may be kept under the given lifetimes; 0 when it may not.
    int lifetime(const ResultCache::Settings &settings) const;
    // The result as bytes, and back (for the result cache, in memory and on Redis); no value for bytes that
    // are not one, or that another version of the site wrote. A result read back knows its age.
    QByteArray serialised(const QDateTime &stored) const;
    static std::optional<LookupResult> deserialised(const QByteArray &bytes, const QDateTime &now);

    // The result kept under the key, knowing its age; no value when none is.
    static std::optional<LookupResult> kept(ResultCache &cache, const QString &key, const QDateTime &now);
    // Keeps the result under the key for as long as its lifetime allows (not at all for a failure).
    void keep(ResultCache &cache, const QString &key, const QDateTime &now) const;
};
