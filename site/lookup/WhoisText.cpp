#include "WhoisText.h"

#include "RegistryData.h"

#include <QList>
#include <QRegularExpression>
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
        else if (meaning == u"refused")
            row.verdict = Verdict::Refused;
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

QString referral(const QString &answer, const QStringList &keys, Quote *where)
{
    const QList<QStringView> lines = QStringView(answer).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i].trimmed();
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
            if (!hostName.match(value).hasMatch())
                return QString();
            if (where)
                *where = Quote::of(line, i);
            return value.toLower();
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
    QList<QRegularExpression> throttles, absences, reservations, refusals;
    for (const Row &row : table().rows) {
        if (!applies(row, host, name) || (name.isEmpty() && row.pattern.contains(u"NAME")))
            continue;
        const QRegularExpression pattern = row.pattern.contains(u"NAME")
            ? QRegularExpression(QString(row.pattern).replace(u"NAME"_qs, namePattern), kPatternOptions)
            : row.compiled;
        (row.verdict == Verdict::RateLimited    ? throttles
             : row.verdict == Verdict::Reserved ? reservations
             : row.verdict == Verdict::Refused  ? refusals
                                                : absences)
            .append(pattern);
    }
    Reading reading;
    Quote refusal, throttle;
    const QList<QStringView> lines = QStringView(answer).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = normalised(lines[i]);
        if (text.isEmpty())
            continue;
        const auto matches = [&text](const QList<QRegularExpression> &patterns) {
            return std::any_of(patterns.cbegin(), patterns.cend(),
                               [&text](const QRegularExpression &pattern) { return pattern.match(text).hasMatch(); });
        };
        if (throttle.isNull() && matches(throttles))
            throttle = Quote::of(lines[i], i);
        // A name that is not registered may still be reserved: the reservation is the answer.
        if (reading.verdict != Verdict::Reserved && matches(reservations))
            reading = Reading { Verdict::Reserved, -1, Quote::of(lines[i], i) };
        else if (reading.verdict == Verdict::Record && matches(absences))
            reading = Reading { Verdict::NotRegistered, -1, Quote::of(lines[i], i) };
        else if (refusal.isNull() && matches(refusals))
            refusal = Quote::of(lines[i], i);
    }
    // A record's fields: what a limiting server still sent ("rate limit exceeded, reduced information"), and what a
    // refusal's footer cannot outweigh.
    const auto registration = [&answer] {
        RdapFields fields;
        readFields(answer, fields);
        return !fields.registrar.isEmpty() || !fields.holder.isEmpty() || !fields.registered.isEmpty()
            || !fields.expires.isEmpty() || !fields.nameServers.isEmpty();
    };
    // A server that says it limits questions has not answered ("too many requests", then "no entries found"),
    // unless it still sent a record's fields.
    if (!throttle.isNull() && !registration())
        return Reading { Verdict::RateLimited, waitSeconds(answer), throttle };
    // "No match!!" under a record's "Less Specific Info." (JPNIC's) is about other networks: a record's fields
    // outweigh a wording that the name is free.
    if (reading.verdict == Verdict::NotRegistered && registration())
        return Reading();
    // A refusal of the question ("invalid query", "only .xy names here") outweighs a "not found" on another line
    // that follows from it, but not a record: a record's footer may say what its server serves.
    const bool notFoundElsewhere = reading.verdict == Verdict::NotRegistered && reading.quote.line != refusal.line;
    if (!refusal.isNull() && (notFoundElsewhere || reading.verdict == Verdict::Record) && !registration())
        reading = Reading { Verdict::Refused, -1, refusal };
    return reading;
}

Quote Quote::of(QStringView line, qsizetype index)
{
    constexpr qsizetype kLongest = 200;
    return Quote { int(index + 1), line.trimmed().left(kLongest).toString() };
}

Quote rootHoldsNothing(const QString &answer)
{
    const QList<QStringView> lines = QStringView(answer).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = normalised(lines[i]);
        for (const Row &row : table().rows) {
            if (row.server == u"root" && row.verdict == Verdict::NotRegistered && row.compiled.match(text).hasMatch())
                return Quote::of(lines[i], i);
        }
    }
    return Quote();
}

Quote namesName(const QString &answer, const QString &name)
{
    const QList<QStringView> lines = QStringView(answer).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(u':');
        if (colon <= 0)
            continue;
        QStringView value = lines[i].mid(colon + 1).trimmed();
        if (value.endsWith(u'.'))
            value.chop(1);
        if (value.compare(name, Qt::CaseInsensitive) == 0)
            return Quote::of(lines[i], i);
    }
    return Quote();
}

QStringList tableErrors()
{
    return table().errors + keyErrors() + contactKeyErrors() + RdapFields::dateFormErrors();
}

} // namespace WhoisText
