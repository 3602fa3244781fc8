#include "WhoisText.h"

#include "RegistryData.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <algorithm>

namespace {

using Verdict = WhoisText::Reading::Verdict;

constexpr QRegularExpression::PatternOptions kPatternOptions
    = QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption;

struct Row
{
    QString server; // a whois host, or "*"
    QStringList extensions; // "fr", "com.br"
    Verdict verdict = Verdict::NotRegistered;
    QString pattern; // a regular expression; NAME stands for the query
    QRegularExpression compiled; // the pattern itself when it holds no NAME
};

struct Table
{
    QList<Row> rows;
    QStringList errors;
};

Table load()
{
    Table table;
    for (const RegistryData::Row &fields : RegistryData::rows("whois-answers.tsv", 4, &table.errors)) {
        const auto fail = [&](const QString &why) {
            table.errors.append(QStringLiteral("whois-answers.tsv, line %1: %2").arg(fields.line).arg(why));
        };
        Row row;
        row.server = fields.fields[0].toLower();
        if (fields.fields[1] != u"-")
            row.extensions = fields.fields[1].toLower().split(u',', Qt::SkipEmptyParts);
        const QString &meaning = fields.fields[2];
        if (meaning == u"not-registered")
            row.verdict = Verdict::NotRegistered;
        else if (meaning == u"rate-limited")
            row.verdict = Verdict::RateLimited;
        else if (meaning == u"reserved")
            row.verdict = Verdict::Reserved;
        else {
            fail(QStringLiteral("unknown meaning %1").arg(meaning));
            continue;
        }
        row.pattern = fields.fields[3];
        // A pattern with NAME is made for each answer; it is checked here with a name in its place.
        row.compiled = QRegularExpression(QString(row.pattern).replace(u"NAME"_qs, u"x"_qs), kPatternOptions);
        if (!row.compiled.isValid()) {
            fail(row.compiled.errorString());
            continue;
        }
        table.rows.append(row);
    }
    return table;
}

const Table &table()
{
    static const Table loaded = load();
    return loaded;
}

bool applies(const Row &row, const QString &server, const QString &query)
{
    if (row.server == u"root")
        return false; // the first server's own (rootHoldsNothing)
    if (row.server == u"*" || row.server == server)
        return true;
    for (const QString &extension : row.extensions) {
        if (query.endsWith(u'.' + extension))
            return true;
    }
    return false;
}

// A line as the table's patterns see it: without the comment marks and blanks that registries put before
// their messages ("% ", "# ", "*** ", ">>> "), and no longer than any message is, so that a hostile server's
// megabyte-long line costs no more than a short one.
QString normalised(QStringView line)
{
    constexpr qsizetype kLongestMessage = 500;
    qsizetype start = 0;
    while (start < line.size() && (line[start].isSpace() || QStringView(u"%#*>;").contains(line[start])))
        ++start;
    return line.mid(start, kLongestMessage).trimmed().toString();
}

// "try again in 30 seconds", "grace period of 1 minute", "wait 2 hours": the time in seconds, or -1.
qint64 waitSeconds(const QString &answer)
{
    static const QRegularExpression wait(
        QStringLiteral("\\b(?:in|after|wait|of|for|again)\\s+(\\d{1,6})\\s*(seconds?|secs?|minutes?|mins?|hours?)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = wait.match(answer);
    if (!match.hasMatch())
        return -1;
    const qint64 count = match.captured(1).toLongLong();
    const QString unit = match.captured(2).toLower();
    return unit.startsWith(u"h") ? count * 3600 : unit.startsWith(u"m") ? count * 60 : count;
}

} // namespace

namespace WhoisText {

QString referral(const QString &answer, const QStringList &keys)
{
    for (QStringView line : QStringView(answer).split(u'\n')) {
        line = line.trimmed();
        for (const QString &key : keys) {
            if (!line.startsWith(key, Qt::CaseInsensitive))
                continue;
            QString value = line.mid(key.size()).trimmed().toString();
            if (value.contains(u"://")) {
                const QUrl url(value);
                value = url.scheme() == u"whois" || url.scheme() == u"http" || url.scheme() == u"https" ? url.host()
                                                                                                        : QString();
            } else {
                value = value.section(u'/', 0, 0);
            }
            // A host name or an address: nothing that could carry another request.
            static const QRegularExpression hostName(QStringLiteral("^[A-Za-z0-9.:-]{1,253}$"));
            return hostName.match(value).hasMatch() ? value.toLower() : QString();
        }
    }
    return QString();
}

Reading read(const QString &answer, const QString &server, const QString &query)
{
    const QString host = server.section(u':', 0, 0).toLower(); // without a port
    const QString name = query.toLower();
    // NAME: the query, or any name under its extension, as a server may echo the name in its own form.
    const QString extension = name.contains(u'.') && !name.contains(u'/') ? name.section(u'.', -1) : QString();
    const QString namePattern = extension.isEmpty() || extension.front().isDigit()
        ? QRegularExpression::escape(name)
        : QStringLiteral("(?:%1|[\\w-]+(?:\\.[\\w-]+)*\\.%2)")
              .arg(QRegularExpression::escape(name), QRegularExpression::escape(extension));
    QList<QRegularExpression> throttles, absences, reservations;
    for (const Row &row : table().rows) {
        if (!applies(row, host, name) || (name.isEmpty() && row.pattern.contains(u"NAME")))
            continue;
        const QRegularExpression pattern = row.pattern.contains(u"NAME")
            ? QRegularExpression(QString(row.pattern).replace(u"NAME"_qs, namePattern), kPatternOptions)
            : row.compiled;
        (row.verdict == Verdict::RateLimited    ? throttles
             : row.verdict == Verdict::Reserved ? reservations
                                                : absences)
            .append(pattern);
    }
    Reading reading;
    for (const QStringView line : QStringView(answer).split(u'\n')) {
        const QString text = normalised(line);
        if (text.isEmpty())
            continue;
        for (const QRegularExpression &pattern : std::as_const(throttles)) {
            if (pattern.match(text).hasMatch())
                return Reading { Verdict::RateLimited, waitSeconds(answer) };
        }
        // A name that is not registered may still be reserved: the reservation is the answer.
        const auto matches = [&text](const QList<QRegularExpression> &patterns) {
            return std::any_of(patterns.cbegin(), patterns.cend(),
                               [&text](const QRegularExpression &pattern) { return pattern.match(text).hasMatch(); });
        };
        if (reading.verdict != Verdict::Reserved && matches(reservations))
            reading.verdict = Verdict::Reserved;
        else if (reading.verdict == Verdict::Record && matches(absences))
            reading.verdict = Verdict::NotRegistered;
    }
    return reading;
}

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

Keys loadKeys()
{
    static const std::pair<const char *, Field> gives[] = {
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
    Keys keys;
    for (const RegistryData::Row &row : RegistryData::rows("whois-keys.tsv", 3, &keys.errors)) {
        const QString &answer = row.fields[0], &key = row.fields[1], &given = row.fields[2];
        const auto field = std::find_if(std::begin(gives), std::end(gives),
                                        [&](const auto &known) { return given == QLatin1StringView(known.first); });
        if ((answer == u"record" || answer == u"root") && field != std::end(gives))
            (answer == u"root" ? keys.root : keys.record).insert(key, field->second);
        else if ((answer == u"refer" || answer == u"domain" || answer == u"number") && given == u"referral")
            keys.referrals[answer].append(key + u':');
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

} // namespace

QStringList referralKeys(Onward answer)
{
    const char *name = answer == Onward::Root ? "refer" : answer == Onward::Domain ? "domain" : "number";
    return keys().referrals.value(QLatin1StringView(name));
}

bool rootHoldsNothing(const QString &answer)
{
    for (const QStringView line : QStringView(answer).split(u'\n')) {
        const QString text = normalised(line);
        for (const Row &row : table().rows) {
            if (row.server == u"root" && row.verdict == Verdict::NotRegistered && row.compiled.match(text).hasMatch())
                return true;
        }
    }
    return false;
}

void readFields(const QString &answer, RdapFields &fields, bool topLevelDomain)
{
    // A key as the table writes it: the last of its languages ("Data de registo / Creation Date"), without what
    // stands in brackets ("(dd/mm/yyyy)", "[Domain Name]"), in lower case.
    const auto keyOf = [](QStringView raw) {
        QString key = raw.trimmed().toString().toLower();
        if (const qsizetype slash = key.lastIndexOf(u" / "); slash >= 0)
            key = key.mid(slash + 3);
        static const QRegularExpression bracketed(QStringLiteral("\\([^)]*\\)|[\\[\\]]"));
        return key.remove(bracketed).simplified();
    };
    const auto indentOf = [](QStringView line) {
        qsizetype i = 0;
        while (i < line.size() && line[i].isSpace())
            ++i;
        return i;
    };
    // Lists that a record read before (the registry's) filled stay as they are.
    const bool knownStatuses = !fields.statuses.isEmpty(), knownServers = !fields.nameServers.isEmpty(),
               knownAbuse = !fields.abuse.isEmpty();
    QHash<int, QString> firstKey; // the spelling of the key that a field was first read from
    const auto set = [&](Field field, const QString &key, const QString &value) {
        if (value.isEmpty() || value.size() > 255)
            return;
        const auto seen = firstKey.constFind(field);
        if (seen != firstKey.cend() && *seen != key)
            return;
        const bool first = seen == firstKey.cend();
        firstKey.insert(field, key);
        const auto keepFirst = [&](QString &into, const QString &text) {
            if (first && into.isEmpty())
                into = text;
        };
        switch (field) {
        case Registrar:
            // "Markmonitor Inc. t/a Markmonitor [Tag = MARKMONITOR]": without the registry's tag
            return keepFirst(fields.registrar, value.section(QStringLiteral(" [Tag ="), 0, 0).trimmed());
        case RegistrarId:
            return keepFirst(fields.registrarId, value);
        case RegistrarUrl:
            return keepFirst(fields.registrarUrl, RdapFields::webAddress(value));
        case Abuse:
            if (!knownAbuse && !fields.abuse.contains(value))
                fields.abuse = fields.abuse.isEmpty() ? value : fields.abuse + QStringLiteral(", ") + value;
            return;
        case Registered:
            return keepFirst(fields.registered, RdapFields::date(value));
        case Expires:
            return keepFirst(fields.expires, RdapFields::date(value));
        case Changed:
            return keepFirst(fields.lastChanged, RdapFields::date(value));
        case Status:
            // "REGISTERED, DELEGATED, VERIFIED": each on its own
            for (const QString &status : value.split(u',', Qt::SkipEmptyParts)) {
                if (!knownStatuses && fields.statuses.size() < 32)
                    fields.statuses.append(status.trimmed());
            }
            return;
        case NameServer: {
            // "ns1.example.com", "ns1.example.com 192.0.2.1", "example.pt NS ns1.example.com."
            const QStringList tokens = value.split(QRegularExpression(QStringLiteral("\\s+")));
            const qsizetype ns = tokens.indexOf(QStringLiteral("NS"));
            QString host = tokens.value(ns >= 0 ? ns + 1 : 0).toLower();
            if (host.endsWith(u'.'))
                host.chop(1);
            if (!knownServers && !host.isEmpty() && !fields.nameServers.contains(host)
                && fields.nameServers.size() < 32)
                fields.nameServers.append(host);
            return;
        }
        case Dnssec: {
            const QString said = value.toLower().remove(u' ');
            if (said.startsWith(u"signed") || said == u"yes" || said == u"active")
                keepFirst(fields.dnssec, QStringLiteral("signed"));
            else if (said.startsWith(u"unsigned") || said == u"no" || said == u"inactive")
                keepFirst(fields.dnssec, QStringLiteral("unsigned"));
            return;
        }
        case Holder:
            return keepFirst(fields.holder, value);
        case WhoisServer:
            return keepFirst(fields.whoisServer, value.toLower());
        case Signed:
            return;
        }
    };

    const QList<QStringView> lines = QStringView(answer).split(u'\n');
    QSet<QString> readAtRoot; // a root key is read once: the manager is the first organisation
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line
            = lines[i].trimmed().startsWith(u'%') || lines[i].trimmed().startsWith(u'#') ? QStringView() : lines[i];
        // "Key: value", or a list's key alone on its line ("Nameservers")
        qsizetype colon = line.indexOf(u':');
        if (colon < 0 && line.size() < 32 && keys().record.value(keyOf(line), Registrar) == NameServer)
            colon = line.size();
        if (colon <= 0 || colon > 64)
            continue;
        const QString key = keyOf(line.left(colon));
        const QString value = line.mid(colon + 1).trimmed().toString();
        if (const auto root = keys().root.constFind(key); topLevelDomain && root != keys().root.cend()) {
            if (*root == Signed)
                set(Dnssec, key, QStringLiteral("signed"));
            else if (!readAtRoot.contains(key))
                set(*root, key, value);
            readAtRoot.insert(key);
        }
        const auto field = keys().record.constFind(key);
        if (field == keys().record.cend())
            continue;
        if (!value.isEmpty()) {
            set(*field, key, value);
            continue;
        }
        // A key alone on its line: its values are the lines indented below it.
        const qsizetype indent = indentOf(line);
        for (qsizetype j = i + 1; j < lines.size() && j < i + 33; ++j) {
            const QStringView below = lines[j];
            if (below.trimmed().isEmpty() || indentOf(below) <= indent)
                break;
            if (below.contains(u':') && *field != NameServer)
                break; // a key of its own ("URL: ...")
            set(*field, key, below.trimmed().toString());
            if (*field != NameServer && *field != Status)
                break;
        }
    }
}

QStringList tableErrors()
{
    return table().errors + keys().errors + RdapFields::dateFormErrors();
}

} // namespace WhoisText
