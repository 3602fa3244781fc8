#pragma once

#include "RdapRecord.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Reading what whois servers answer: the server an answer refers to, whether it says that the name is not
// registered or that the server is limiting queries, and the fields of a record. Registries' wordings and keys are
// data (registries/whois-answers.tsv, registries/whois-keys.tsv), so that a registry is added with a line.
namespace WhoisText {

// A line of an answer, for a person to find it: its number (from 1; 0 for none) and its text without the blanks
// around it, at most 200 characters.
struct Quote
{
    int line = 0;
    QString text;
    bool isNull() const { return line == 0; }
    static Quote of(QStringView line, qsizetype index); // the line at index (from 0)
};

// The server that a whois answer refers to: the value of the first line starting with `key`
// (case-insensitive), reduced to a host name when it is a URL. Empty when there is none, or when it names
// another protocol (rwhois://).
// `where`, when given, learns the line that names it.
QString referral(const QString &answer, const QStringList &keys, Quote *where = nullptr);

// The keys (with their colon) that send a question on: in the first server's answer, in a registry's record of a
// domain name (to its registrar's server), in a regional registry's record of an address or AS number.
enum class Onward { Root, Domain, Number };
QStringList referralKeys(Onward answer);

// The line on which an answer names the name as a value ("Domain Name: EXAMPLE.COM", "Nombre de Dominio:
// zumba.com.ve"): a record of that name. Null when none does.
Quote namesName(const QString &answer, const QString &name);

// The line on which the first whois server's answer says that it holds no record (of a top-level domain); null
// when it does not.
Quote rootHoldsNothing(const QString &answer);

struct Reading
{
    enum class Verdict { Record, NotRegistered, RateLimited, Reserved, Refused };
    Verdict verdict = Verdict::Record;
    qint64 retryAfterSeconds = -1; // RateLimited: when the answer says when to ask again; -1 otherwise
    Quote quote; // the line whose wording decided (not registered, reserved, limiting, refused); null for Record
};

// What an answer from `server` to the question `query` says. Rows of the table apply when they name the
// server, the query's extension, or every server.
Reading read(const QString &answer, const QString &server, const QString &query);

// The readable fields of a whois answer, read from its "key: value" lines in the forms that registries use
// ("Registry Expiry Date:", "expires:", "paid-till:", "Data de expiração / Expiration Date (dd/mm/yyyy):", a key
// alone on its line with the values indented below it); the first line of a key counts, so that a contact's dates
// further down do not. Fields already known are kept. A top-level domain's record (IANA's) names its manager as
// the first "organisation".
// `where`, when given, learns the first line a field was read from, and the key each field was read under (by the
// field's name in whois-keys.tsv: "holder", "expires").
struct FieldLines
{
    Quote first;
    QHash<QString, QString> keys;
};
void readFields(const QString &answer, RdapFields &fields, bool topLevelDomain = false, FieldLines *where = nullptr);

// The rows of whois-keys.tsv that do not load.
QStringList keyErrors();

// A name as a person reads it, without the registry's handle, e-mail address or column after it on its line
// ("MarkMonitor, Inc. (R22-LRCC)").
QString withoutHandle(const QString &value);
// A key as whois-keys.tsv writes it: the last of its languages ("Data de registo / Creation Date"), in lower case,
// without what stands in brackets ("(dd/mm/yyyy)", "[Domain Name]"), the marks before a heading ("** Registrant:")
// or the dots that pad it to its column ("expires.......").
QString tableKey(QStringView raw);
// Whether a value is a contact's handle ("GI7803022-NICAT", "mmr8008-53808") rather than a name.
bool looksLikeHandle(const QString &value);
// The holder that a record names in a block of its own, where `holder` (what its keys gave) is empty or a
// handle: the block that defines the handle, or a section headed "Registrant" whose name stands on the lines below
// it. Empty when there is none.
// `field`: "holder", or "registrar" for a registrar's section ("Registrar:" over "  Name: ...").
QString holderFromContacts(const QString &answer, const QString &holder, const QString &field = u"holder"_qs);
QStringList contactKeyErrors();

// An abuse contact as a whois answer gives it.
struct AbuseContact
{
    QString who; // the name its block gives, else the handle the block defines; may be empty
    QStringList emails, phones;
    QString key; // the key of its first address as the answer writes it ("OrgAbuseEmail", "abuse-mailbox")
    Quote where; // that line
    QString block; // the first line of the block that holds it, where that is not the line itself ("irt: IRT-X")
};
// The abuse contacts an answer names, the most specific first: the line a regional registry adds for the most
// specific network ("% Abuse contact for '...' is '...'"), the blocks that abuse-c handles name, then the blocks
// with keys that whois-keys.tsv's abuse rows name, the last first (a regional registry shows the less specific
// network first). One contact an address.
QList<AbuseContact> abuseContacts(const QString &answer);
// The contact of the section that a line "contact: <kind>" heads (IANA's record of a top-level domain names its
// administrative and technical contacts so); no address when there is none.
AbuseContact sectionContact(const QString &answer, const QString &kind);

// The rows of the registries' files that do not load: each as "file, line N: why". Empty for the files that ship.
QStringList tableErrors();

} // namespace WhoisText
