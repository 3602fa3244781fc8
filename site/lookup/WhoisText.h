#pragma once

#include "RdapRecord.h"

#include <QString>
#include <QStringList>

// Reading what whois servers answer: the server an answer refers to, whether it says that the name is not
// registered or that the server is limiting queries, and the fields of a record. Registries' wordings and keys are
// data (registries/whois-answers.tsv, registries/whois-keys.tsv), so that a registry is added with a line.
namespace WhoisText {

// The server that a whois answer refers to: the value of the first line starting with `key`
// (case-insensitive), reduced to a host name when it is a URL. Empty when there is none, or when it names
// another protocol (rwhois://).
QString referral(const QString &answer, const QStringList &keys);

// The keys (with their colon) that send a question on: in the first server's answer, in a registry's record of a
// domain name (to its registrar's server), in a regional registry's record of an address or AS number.
enum class Onward { Root, Domain, Number };
QStringList referralKeys(Onward answer);

// Whether an answer names the name as a value ("Domain Name: EXAMPLE.COM", "Nombre de Dominio: zumba.com.ve"): a
// record of that name.
bool namesName(const QString &answer, const QString &name);

// Whether the first whois server's answer says that it holds no record (of a top-level domain).
bool rootHoldsNothing(const QString &answer);

struct Reading
{
    enum class Verdict { Record, NotRegistered, RateLimited, Reserved };
    Verdict verdict = Verdict::Record;
    qint64 retryAfterSeconds = -1; // RateLimited: when the answer says when to ask again; -1 otherwise
};

// What an answer from `server` to the question `query` says. Rows of the table apply when they name the
// server, the query's extension, or every server.
Reading read(const QString &answer, const QString &server, const QString &query);

// The readable fields of a whois answer, read from its "key: value" lines in the forms that registries use
// ("Registry Expiry Date:", "expires:", "paid-till:", "Data de expiração / Expiration Date (dd/mm/yyyy):", a key
// alone on its line with the values indented below it); the first line of a key counts, so that a contact's dates
// further down do not. Fields already known are kept. A top-level domain's record (IANA's) names its manager as
// the first "organisation".
void readFields(const QString &answer, RdapFields &fields, bool topLevelDomain = false);

// The rows of whois-keys.tsv that do not load.
QStringList keyErrors();

// The rows of the registries' files that do not load: each as "file, line N: why". Empty for the files that ship.
QStringList tableErrors();

} // namespace WhoisText
