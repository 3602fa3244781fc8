#pragma once

#include "RdapRecord.h"

#include <QString>
#include <QStringList>

// Reading what whois servers answer: the server an answer refers to, and whether it says that the name is
// not registered or that the server is limiting queries. The phrases that say so are data, one table of
// every registry's wordings (whois-answers.tsv), so that a registry is added with a line.
namespace WhoisText {

// The server that a whois answer refers to: the value of the first line starting with `key`
// (case-insensitive), reduced to a host name when it is a URL. Empty when there is none, or when it names
// another protocol (rwhois://).
QString referral(const QString &answer, const QStringList &keys);

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

// The table's rows that do not load: each as "line N: why". Empty for the table that ships.
QStringList tableErrors();

} // namespace WhoisText
