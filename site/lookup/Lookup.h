#pragma once

#include "Bootstrap.h"
#include "LookupResult.h"
#include "RdapRecord.h"
#include "Upstream.h"
#include "messages/Message.h"
#include "query/AddressPolicy.h"
#include "query/Query.h"
#include "state/RateLimits.h"
#include "state/RegistryHealth.h"
#include "state/ResultCache.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;

// Where the site asks, and how patiently.
struct LookupSettings
{
    QString whoisRoot = QStringLiteral("whois.iana.org"); // the first whois server asked
    QUrl ianaRdap = QUrl(QStringLiteral("https://rdap.iana.org/")); // the root zone's records, as RDAP
    quint16 whoisRootPort = 43;
    quint16 whoisPort = 43; // the port of every whois server named in a referral
    AddressPolicy policy;
    Limits limits;
    // A server named over the bootstrap files and the whois root: an RDAP service, or a whois server asked as the
    // registry's (its referral still followed).
    struct Server
    {
        QUrl rdap;
        QString whois;
        quint16 whoisPort = 43;
        bool isNull() const { return !rdap.isValid() && whois.isEmpty(); }
        // "https://rdap.example/" or "whois.example[:port]"; a null server for neither.
        static Server fromText(const QString &text);
    };
    Server server; // for every question (quelcor-lookup --server)
    QHash<QString, Server> routes; // the operator's, by extension ("com", "co.uk"): the longest that a name ends in
    // The server named for a question: the one for every question, else the route of its extension; null.
    const Server *namedFor(const Query &query) const;
    // Questions to one registry server, so that a burst of users does not get the site blocked; none when null.
    std::shared_ptr<TokenBuckets> pacing;
    // Each registry server's own word (asked to wait) and health (rested after failures); none when null.
    std::shared_ptr<RegistryHealth> health;
};

// Looks a domain name, an address, a network or an AS number up: RDAP where the bootstrap files name a
// service, whois otherwise. A lookup never blocks its thread: it waits on other servers in the thread's
// event loop, so that one thread carries many lookups at once.
class Lookup
{
public:
    Lookup(RdapBootstrap &bootstrap, LookupSettings settings)
        : m_bootstrap(bootstrap)
        , m_settings(std::move(settings))
    {
    }

    using Done = std::function<void(const LookupResult &)>;
    // Whom a lookup is for: a visitor, or the site itself (a watched name's re-check), which asks a registry only
    // while half of the pace towards it is left, and never waits for it: the rest is always the visitors'.
    enum class For { Visitor, Site };
    // Starts a lookup of the question on this thread; done is called on this thread when it ends, unless the
    // context is gone first. Safe from any thread that runs an event loop.
    void start(const Query &query, QObject *context, Done done, For asker = For::Visitor) const;

    // A lookup waited for in a local event loop, for callers without one of their own (tests, tools).
    LookupResult run(const QString &input) const;

private:
    friend class LookupJob;
    RdapBootstrap &m_bootstrap;
    const LookupSettings m_settings;
};
