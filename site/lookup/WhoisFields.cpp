// The fields of whois records, read by the keys of registries/whois-keys.tsv.

#include "WhoisText.h"

#include "RegistryData.h"

#include <QHash>
#include <QHostAddress>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace WhoisText {

namespace {

enum Field {
    Registrar,
    RegistrarId,
    RegistrarUrl,
    Abuse,
    Registered,
    Expires,
    Changed,
    Status,
    NameServer,
    Dnssec,
    Holder,
    WhoisServer,
    Signed, // of a root record: a DS record is named
};

// whois-keys.tsv: the keys of records, of the root's records, and the referral keys of each kind of answer.
struct Keys
{
    QHash<QString, Field> record, root;
    QHash<QString, QStringList> referrals; // by answer ("refer", "domain", "number"): keys with their colon
    QStringList errors;
};

// Each field by its name in the table.
constexpr std::pair<const char *, Field> kGives[] = {
    { "registrar", Registrar },
    { "registrar-id", RegistrarId },
    { "registrar-url", RegistrarUrl },
    { "abuse", Abuse },
    { "registered", Registered },
    { "expires", Expires },
    { "changed", Changed },
    { "status", Status },
    { "name-server", NameServer },
    { "dnssec", Dnssec },
    { "holder", Holder },
    { "whois-server", WhoisServer },
    { "signed", Signed },
};

const char *nameOf(Field field)
{
    return std::find_if(std::begin(kGives), std::end(kGives),
                        [field](const auto &known) { return known.second == field; })
        ->first;
}

Keys loadKeys()
{
    const auto &gives = kGives;
    Keys keys;
    for (const RegistryData::Row &row : RegistryData::rows("whois-keys.tsv", 3, &keys.errors)) {
        const QString &answer = row.fields[0], &key = row.fields[1], &given = row.fields[2];
        const auto field = std::find_if(std::begin(gives), std::end(gives),
                                        [&](const auto &known) { return given == QLatin1StringView(known.first); });
        if ((answer == u"record" || answer == u"root") && field != std::end(gives))
            (answer == u"root" ? keys.root : keys.record).insert(key, field->second);
        else if ((answer == u"refer" || answer == u"domain" || answer == u"number") && given == u"referral")
            keys.referrals[answer].append(key + u':');
        else if (answer == u"section" || answer == u"contact" || answer == u"abuse")
            continue; // the contacts' (WhoisContacts.cpp)
        else
            keys.errors.append(QStringLiteral("whois-keys.tsv, line %1: %2 %3 is not a row the site reads")
                                   .arg(row.line)
                                   .arg(answer, given));
    }
    return keys;
}

const Keys &keys()
{
    static const Keys loaded = loadKeys();
    return loaded;
}

qsizetype indentOf(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i].isSpace())
        ++i;
    return i;
}

// The length of a key that stands before its value without a colon: a key of several words before a date
// ("Record expires on 2026-11-09"), or a key padded to its column with blanks ("Valid-date          2011-07-23");
// -1 when the line starts with no such key.
qsizetype spacedKeyLength(QStringView line)
{
    static const QRegularExpression keyThenDate(QStringLiteral("^\\s*([A-Za-z]+(?: [A-Za-z]+)+) +\\d"));
    static const QRegularExpression paddedKey(
        QStringLiteral("^\\s*([A-Za-z][\\w.-]*(?: [A-Za-z][\\w.-]*)*)(?:\\t|  )\\s*[^\\s:]"));
    for (const QRegularExpression *form : { &keyThenDate, &paddedKey }) {
        const QRegularExpressionMatch match = form->match(line.toString());
        if (match.hasMatch() && keys().record.contains(tableKey(match.captured(1))))
            return match.capturedEnd(1);
    }
    return -1;
}

// Fields set from a record's lines: each from the first line of the first key that gives it; lists that a record
// read before (the registry's) filled stay as they are.
class FieldReader
{
public:
    explicit FieldReader(RdapFields &fields)
        : m_fields(fields)
        , m_knownStatuses(!fields.statuses.isEmpty())
        , m_knownServers(!fields.nameServers.isEmpty())
        , m_knownAbuse(!fields.abuse.isEmpty())
    {
    }
    // Whether the value was taken (not a placeholder, a date without digits, or another key's spelling).
    bool set(Field field, const QString &key, const QString &value);
    int block = 0; // the block of lines (between blank ones) being read

private:
    template<typename KeepFirst> void take(Field field, const QString &value, const KeepFirst &keepFirst);
    RdapFields &m_fields;
    int m_changedBlock = -1; // the block the last change was first read in
    const bool m_knownStatuses, m_knownServers, m_knownAbuse;
    QHash<int, QString> m_firstKey; // the spelling of the key that a field was first read from
};

bool FieldReader::set(Field field, const QString &key, const QString &value)
{
    // "n/a", "-": no value
    if (value.isEmpty() || value.size() > 255 || value == u"-" || value.compare(u"n/a"_qs, Qt::CaseInsensitive) == 0)
        return false;
    // "Registrant Name: REDACTED FOR PRIVACY": withheld, and the next key that gives a holder (the
    // organisation) may still say who holds the name.
    if (field == Holder && RdapFields::isPlaceholder(value)) {
        if (m_fields.holder.isEmpty())
            m_fields.withheld.insert(QStringLiteral("holder"), QString());
        return false;
    }
    // "Registered: yes" says no date: a date's key without a digit in its value gives nothing.
    const bool dated = field == Registered || field == Expires || field == Changed;
    if (dated && std::none_of(value.cbegin(), value.cend(), [](QChar c) { return c.isDigit(); }))
        return false;
    // A regional registry's "descr:" names the holder only where no organisation's name does; a handle in the
    // holder's place ("owner-contact: P-GFI26", "org: ORG-EXAMPLE-RIPE") only where no later key names it.
    const bool weakHolder
        = m_firstKey.value(field) == u"descr" || (looksLikeHandle(m_fields.holder) && !looksLikeHandle(value));
    if (field == Holder && key != m_firstKey.value(field) && weakHolder && m_firstKey.contains(field)) {
        m_firstKey.remove(field);
        m_fields.holder.clear();
    }
    const auto seen = m_firstKey.constFind(field);
    if (seen != m_firstKey.cend() && *seen != key)
        return false;
    const bool first = seen == m_firstKey.cend();
    // "changed:" repeated in the record's block, oldest first: the newest is the last change. A contact's further
    // down does not count.
    if (field == Changed && !first && block == m_changedBlock) {
        const QString date = RdapFields::date(value);
        if (RdapFields::dateOf(date) > RdapFields::dateOf(m_fields.lastChanged))
            m_fields.lastChanged = date;
        return true;
    }
    if (field == Changed && first)
        m_changedBlock = block;
    m_firstKey.insert(field, key);
    const auto keepFirst = [&](QString &into, const QString &text) {
        if (first && into.isEmpty())
            into = text;
    };
    take(field, value, keepFirst);
    return true;
}

template<typename KeepFirst> void FieldReader::take(Field field, const QString &value, const KeepFirst &keepFirst)
{
    switch (field) {
    case Registrar:
        // "Markmonitor Inc. t/a Markmonitor [Tag = MARKMONITOR]": without the registry's tag or handle
        return keepFirst(m_fields.registrar, withoutHandle(value.section(QStringLiteral(" [Tag ="), 0, 0)));
    case RegistrarId:
        return keepFirst(m_fields.registrarId, value);
    case RegistrarUrl:
        return keepFirst(m_fields.registrarUrl, RdapFields::webAddress(value));
    case Abuse:
        if (!m_knownAbuse && !m_fields.abuse.contains(value))
            m_fields.abuse = m_fields.abuse.isEmpty() ? value : m_fields.abuse + QStringLiteral(", ") + value;
        return;
    case Registered:
        return keepFirst(m_fields.registered, RdapFields::date(value));
    case Expires:
        return keepFirst(m_fields.expires, RdapFields::date(value));
    case Changed:
        return keepFirst(m_fields.lastChanged, RdapFields::date(value));
    case Status:
        // "REGISTERED, DELEGATED, VERIFIED": each on its own
        for (const QString &status : value.split(u',', Qt::SkipEmptyParts)) {
            if (!m_knownStatuses && m_fields.statuses.size() < 32)
                m_fields.statuses.append(status.trimmed());
        }
        return;
    case NameServer: {
        // "ns1.example.com", "ns1.example.com 192.0.2.1", "example.pt NS ns1.example.com."
        const QStringList tokens = value.split(QRegularExpression(QStringLiteral("\\s+")));
        const qsizetype ns = tokens.indexOf(QStringLiteral("NS"));
        QString host = tokens.value(ns >= 0 ? ns + 1 : 0).toLower();
        if (host.endsWith(u'.'))
            host.chop(1);
        if (!m_knownServers && !host.isEmpty() && !m_fields.nameServers.contains(host)
            && m_fields.nameServers.size() < 32)
            m_fields.nameServers.append(host);
        return;
    }
    case Dnssec: {
        const QString said = value.toLower().remove(u' ');
        if (said.startsWith(u"signed") || said == u"yes" || said == u"y" || said == u"active")
            keepFirst(m_fields.dnssec, QStringLiteral("signed"));
        else if (said.startsWith(u"unsigned") || said == u"no" || said == u"n" || said == u"inactive")
            keepFirst(m_fields.dnssec, QStringLiteral("unsigned"));
        return;
    }
    case Holder:
        keepFirst(m_fields.holder, withoutHandle(value));
        if (!m_fields.holder.isEmpty())
            m_fields.withheld.remove(QStringLiteral("holder"));
        return;
    case WhoisServer:
        return keepFirst(m_fields.whoisServer, value.toLower());
    case Signed:
        return;
    }
}

} // namespace

// How specific a network is, as its prefix's length: "192.0.2.0/24", "2001:db8::/32", "192.0.2.0 - 192.0.2.255" (the
// bits the two ends share); -1 when it does not read.
static int prefixLength(QStringView range)
{
    if (const qsizetype slash = range.indexOf(u'/'); slash > 0)
        return range.mid(slash + 1).toInt();
    const qsizetype dash = range.indexOf(u" - ");
    const QHostAddress low(range.left(qMax<qsizetype>(dash, 0)).trimmed().toString()),
        high(range.mid(dash + 3).trimmed().toString());
    if (dash < 0 || low.isNull() || high.isNull() || low.protocol() != high.protocol())
        return -1;
    const Q_IPV6ADDR a = low.toIPv6Address(), b = high.toIPv6Address();
    int shared = 0;
    for (int byte = 0; byte < 16; ++byte) {
        const quint8 differ = a[byte] ^ b[byte];
        if (differ) {
            shared += qCountLeadingZeroBits(differ);
            break;
        }
        shared += 8;
    }
    return low.protocol() == QAbstractSocket::IPv4Protocol ? shared - 96 : shared;
}

// A name as a person reads it, without what follows it on its line: the registry's handle ("MarkMonitor, Inc.
// (R22-LRCC)", "dotASIA R4-ASIA (800046)", "Google Inc (go101-adnic-o)"), an e-mail address or another column.
QString withoutHandle(const QString &value)
{
    static const QRegularExpression tail(
        QStringLiteral("\\t.*$|\\s+\\S+@\\S+.*$|\\s+-$"
                       "|(?:\\s*\\((?:[^()\\s]*\\d[^()\\s]*|[a-z0-9.]+-[a-z0-9.-]+|\\s*https?://[^()]*)\\))+$"
                       "|\\s+R\\d+-[A-Z0-9]+(?=\\s*$)"));
    QString without = value.trimmed();
    for (int pass = 0; pass < 3; ++pass)
        without = without.remove(tail).trimmed();
    return without.isEmpty() ? value.trimmed() : without;
}

QString tableKey(QStringView raw)
{
    QString key = raw.trimmed().toString().toLower();
    if (const qsizetype slash = key.lastIndexOf(u" / "); slash >= 0)
        key = key.mid(slash + 3);
    // "(dd/mm/yyyy)", brackets ("[Expires on]"), the marks before a heading ("** Registrant:") and the dots that pad
    // a key to its column ("expires.......")
    static const QRegularExpression marks(QStringLiteral("\\([^)]*\\)|[\\[\\]]|^[*#%>\\s]+|[:\\s]+$|\\.{2,}$"));
    return key.remove(marks).simplified();
}

QStringList referralKeys(Onward answer)
{
    const char *name = answer == Onward::Root ? "refer" : answer == Onward::Domain ? "domain" : "number";
    return keys().referrals.value(QLatin1StringView(name));
}

QStringList keyErrors()
{
    return keys().errors;
}

void readFields(const QString &answer, RdapFields &fields, bool topLevelDomain, FieldLines *where)
{
    FieldReader reader(fields);
    FieldLines ignored;
    FieldLines &lineOf = where ? *where : ignored;
    const QList<QStringView> lines = QStringView(answer).split(u'\n');
    // A regional registry's answer with networks one inside another ("NetRange:", "inetnum:" twice): the most
    // specific (the longest prefix; of equals the last) is the record of the address; its fields are read from its
    // first line on.
    qsizetype start = 0, network = -1;
    int networks = 0, longest = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        if (line.startsWith(u"NetRange:", Qt::CaseInsensitive) || line.startsWith(u"inetnum:", Qt::CaseInsensitive)
            || line.startsWith(u"inet6num:", Qt::CaseInsensitive)) {
            ++networks;
            const int prefix = prefixLength(line.mid(line.indexOf(u':') + 1).trimmed());
            if (prefix >= longest) {
                longest = prefix;
                start = i;
                network = i;
            }
        }
    }
    if (networks < 2)
        start = 0;
    // The network's range, as the answer writes it ("193.0.0.0 - 193.0.7.255", "2001:db8::/32").
    if (network >= 0 && fields.range.isEmpty())
        fields.range = lines[network].mid(lines[network].indexOf(u':') + 1).toString().simplified().left(100);
    QSet<QString> readAtRoot; // a root key is read once: the manager is the first organisation
    const auto set = [&](Field field, const QString &key, const QString &value, qsizetype index) {
        if (!reader.set(field, key, value))
            return;
        if (lineOf.first.isNull())
            lineOf.first = Quote::of(lines[index], index);
        if (!lineOf.keys.contains(QLatin1StringView(nameOf(field))))
            lineOf.keys.insert(QLatin1StringView(nameOf(field)), key);
    };
    for (qsizetype i = start; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            ++reader.block;
        QStringView line
            = lines[i].trimmed().startsWith(u'%') || lines[i].trimmed().startsWith(u'#') ? QStringView() : lines[i];
        // JPRS's and JPNIC's keys carry a letter: "g. [Organization]   Google Japan G.K."
        static const QRegularExpression lettered(QStringLiteral("^\\s*[a-z]\\.\\s+(?=\\[)"));
        if (const QRegularExpressionMatch letter = lettered.match(line); letter.hasMatch())
            line = line.mid(letter.capturedLength());
        // "Key: value", or a list's key alone on its line ("Nameservers")
        qsizetype colon = line.indexOf(u':');
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.indexOf(u']') > 1 && (colon < 0 || colon > line.indexOf(u']')))
            colon = line.indexOf(u']') + 1; // "[Expires on]   2027/05/31"
        else if (const qsizetype spaced = spacedKeyLength(line); spaced > 0 && (colon < 0 || colon > spaced))
            colon = spaced; // "Record expires on 2026-11-09 00:00:00", "Valid-date          2011-07-23"
        if (colon < 0 && line.size() < 32 && keys().record.value(tableKey(line), Registrar) == NameServer)
            colon = line.size();
        if (colon <= 0 || colon > 64)
            continue;
        const QString key = tableKey(line.left(colon));
        const QString value = line.mid(colon + 1).trimmed().toString();
        if (const auto root = keys().root.constFind(key); topLevelDomain && root != keys().root.cend()) {
            if (*root == Signed)
                set(Dnssec, key, QStringLiteral("signed"), i);
            else if (!readAtRoot.contains(key))
                set(*root, key, value, i);
            readAtRoot.insert(key);
        }
        const auto field = keys().record.constFind(key);
        if (field == keys().record.cend())
            continue;
        if (!value.isEmpty()) {
            set(*field, key, value, i);
            continue;
        }
        // A key alone on its line: its values are the lines indented below it.
        const qsizetype indent = indentOf(line);
        for (qsizetype j = i + 1; j < lines.size() && j < i + 33; ++j) {
            const QStringView below = lines[j];
            // Indented below it, or at its own margin where the key starts a line and the value has no key
            // ("Holder of domain name:" over "Google Inc.")
            const bool under
                = indentOf(below) > indent || (indent == 0 && indentOf(below) == 0 && !below.contains(u':'));
            if (below.trimmed().isEmpty() || !under)
                break;
            if (below.contains(u':') && *field != NameServer)
                break; // a key of its own ("URL: ...")
            set(*field, key, below.trimmed().toString(), j);
            if (*field != NameServer && *field != Status)
                break;
        }
    }
    // A holder named in a block of its own, or a handle in the holder's place: the block that names who it is.
    if (!topLevelDomain && (fields.holder.isEmpty() || looksLikeHandle(fields.holder))) {
        const QString holder = holderFromContacts(answer, fields.holder);
        if (!holder.isEmpty() || looksLikeHandle(fields.holder)) {
            fields.holder = holder;
            if (!holder.isEmpty()) {
                fields.withheld.remove(QStringLiteral("holder"));
                lineOf.keys.insert(QStringLiteral("holder"), QStringLiteral("(its contact block)"));
            }
        }
    }
    // A regional registry's abuse contact: the first its answer names (the line its server adds, "% Abuse contact
    // for '...' is 'abuse@example.net'", else the block of the abuse-c handle).
    if (!topLevelDomain && fields.abuse.isEmpty())
        fields.abuse = abuseContacts(answer).value(0).emails.value(0);
    // A registrar named in a section of its own, or a handle in its place ("MARK-0292").
    if (!topLevelDomain && (fields.registrar.isEmpty() || looksLikeHandle(fields.registrar))) {
        const QString registrar = holderFromContacts(answer, fields.registrar, QStringLiteral("registrar"));
        if (!registrar.isEmpty())
            fields.registrar = registrar; // else the handle is all the record says ("R01-REG-RF")
        if (!registrar.isEmpty())
            lineOf.keys.insert(QStringLiteral("registrar"), QStringLiteral("(its section)"));
    }
}

} // namespace WhoisText
