#pragma once

#include "AddressPolicy.h"
#include "Bootstrap.h"
#include "Upstream.h"

#include <QList>
#include <QString>
#include <QStringList>

class QNetworkAccessManager;

// Where the site asks, and how patiently.
struct LookupSettings
{
    QString whoisRoot = QStringLiteral("whois.iana.org"); // the first whois server asked
    quint16 whoisRootPort = 43;
    quint16 whoisPort = 43; // the port of every whois server named in a referral
    AddressPolicy policy;
    Limits limits;
};

// One record as another server sent it.
struct SourceRecord
{
    QString source; // the server or URL it came from
    QString text; // decoded, not escaped
    bool cut = false; // longer than the limit; the rest was dropped
};

struct LookupResult
{
    enum class Outcome {
        Refused, // the name typed was not a domain name; nothing was asked
        Found, // a registration record
        NotRegistered,
        RateLimited,
        NoService, // no RDAP service and no whois server for the extension
        Failed, // a server could not be asked or did not answer
    };
    Outcome outcome = Outcome::Failed;
    QString domain; // the name as asked (A-labels)
    QString message; // for the user, plain text
    qint64 retryAfterSeconds = -1; // for RateLimited; -1 when the server gave no time

    // The readable fields of an RDAP record; empty for whois.
    QString name;
    QString registrar;
    QStringList statuses;
    QString registered;
    QString expires;
    QStringList nameServers;

    QList<SourceRecord> records; // raw records, registry first
    QStringList notes; // what else the user should know (a registrar that could not be asked, ...)
    QStringList asked; // every server asked, in order
};

// Looks one domain name up: RDAP where the bootstrap file names a service, whois otherwise.
class Lookup
{
public:
    Lookup(RdapBootstrap &bootstrap, LookupSettings settings)
        : m_bootstrap(bootstrap)
        , m_settings(std::move(settings))
    {
    }

    LookupResult run(const QString &input) const;

private:
    void rdap(QNetworkAccessManager &network, const QUrl &base, LookupResult &result) const;
    void whois(LookupResult &result) const;

    RdapBootstrap &m_bootstrap;
    const LookupSettings m_settings;
};

namespace WhoisText {
// The server that a whois answer refers to: the value of the first line starting with `key`
// (case-insensitive), reduced to a host name when it is a URL. Empty when there is none.
QString referral(const QString &answer, const QStringList &keys);
// Whether a registry's answer says that the name is not registered.
bool saysNotRegistered(const QString &answer);
} // namespace WhoisText
