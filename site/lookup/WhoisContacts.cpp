// Who holds a name where a whois record says it in a block of its own: a "Registrant" section whose name stands on
// the lines below it, or a contact's handle that a block further down defines. The keys are whois-keys.tsv's
// section and contact rows.

#include "WhoisText.h"

#include "RegistryData.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace WhoisText {

namespace {

enum class Part { Name, Organisation, Handle, Email, AbuseHandle, Phone };
enum class AbusePart { Email, Phone, Name };

struct ContactKeys
{
    QHash<QString, QString> sections; // headings of a section alone on their line, and the field each gives
    QHash<QString, Part> parts; // keys inside a contact's block
    QHash<QString, AbusePart> abuse; // keys of an abuse contact's address, telephone or name
    QStringList errors;
};

ContactKeys loadContactKeys()
{
    ContactKeys keys;
    for (const RegistryData::Row &row : RegistryData::rows("whois-keys.tsv", 3, &keys.errors)) {
        const QString &answer = row.fields[0], &key = row.fields[1], &given = row.fields[2];
        if (answer == u"section" && (given == u"holder" || given == u"registrar"))
            keys.sections.insert(key, given);
        else if (answer == u"contact"
                 && (given == u"name" || given == u"organisation" || given == u"handle" || given == u"email"
                     || given == u"abuse-handle"))
            keys.parts.insert(key,
                              given == u"name"               ? Part::Name
                                  : given == u"organisation" ? Part::Organisation
                                  : given == u"handle"       ? Part::Handle
                                  : given == u"email"        ? Part::Email
                                                             : Part::AbuseHandle);
        else if (answer == u"contact" && given == u"phone")
            keys.parts.insert(key, Part::Phone);
        else if (answer == u"abuse" && (given == u"email" || given == u"phone" || given == u"name"))
            keys.abuse.insert(key,
                              given == u"email"       ? AbusePart::Email
                                  : given == u"phone" ? AbusePart::Phone
                                                      : AbusePart::Name);
        else if (answer == u"section" || answer == u"contact" || answer == u"abuse")
            keys.errors.append(QStringLiteral("whois-keys.tsv, line %1: %2 %3 is not a row the site reads")
                                   .arg(row.line)
                                   .arg(answer, given));
    }
    keys.errors.removeIf([](const QString &error) { return !error.contains(u"is not a row"); });
    return keys;
}

const ContactKeys &contactKeys()
{
    static const ContactKeys loaded = loadContactKeys();
    return loaded;
}

struct Line
{
    QString key; // empty for a line without one
    QString value; // the value after the key's colon, or the whole line without a key
};

Line split(QStringView line)
{
    const qsizetype colon = line.indexOf(u':');
    // A key may explain itself in brackets: "Company English Name (It should be the same as ...): GOOGLE INC."
    const bool explained = colon > 64 && colon < 300 && line.left(colon).endsWith(u')');
    if (colon <= 0 || (colon > 64 && !explained))
        return Line { QString(), line.trimmed().toString() };
    return Line { tableKey(line.left(colon)), line.mid(colon + 1).trimmed().toString() };
}

// The holder named in a block of lines: its first name, else its first organisation; a handle where it has
// neither.
struct Named
{
    QString name, organisation, handle;
    QString holder() const { return !name.isEmpty() ? name : organisation; }
    // A registrar's section names the company; its "Name" may be the registrar's handle ("MARKMONITOR-REG").
    QString registrar() const { return !organisation.isEmpty() ? organisation : name; }
};

Named namedIn(const QList<QStringView> &lines, qsizetype from, qsizetype to)
{
    Named named;
    for (qsizetype i = from; i < to; ++i) {
        const Line line = split(lines[i]);
        const auto part = contactKeys().parts.constFind(line.key);
        if (line.value.isEmpty() || part == contactKeys().parts.cend() || *part == Part::AbuseHandle
            || *part == Part::Phone || *part == Part::Email)
            continue;
        QString &into = *part == Part::Name ? named.name
            : *part == Part::Organisation   ? named.organisation
                                            : named.handle;
        if (into.isEmpty() && !RdapFields::isPlaceholder(line.value) && line.value != u"-"
            && line.value.compare(u"n/a"_qs, Qt::CaseInsensitive) != 0)
            into = withoutHandle(line.value);
    }
    return named;
}

// The block (between blank lines) around a line.
std::pair<qsizetype, qsizetype> blockAround(const QList<QStringView> &lines, qsizetype at)
{
    qsizetype from = at, to = at + 1;
    while (from > 0 && !lines[from - 1].trimmed().isEmpty())
        --from;
    while (to < lines.size() && !lines[to].trimmed().isEmpty())
        ++to;
    return { from, to };
}

// Each block that defines the handle, other than at the line `except`, in order, until `take` finds in one what it
// looks for (returns true); false when none had it.
template<typename Take>
bool eachBlockDefining(const QList<QStringView> &lines, const QString &handle, qsizetype except, Take take)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line line = split(lines[i]);
        if (i == except || line.value.compare(handle, Qt::CaseInsensitive) != 0
            || contactKeys().parts.value(line.key, Part::Name) != Part::Handle)
            continue;
        const auto [from, to] = blockAround(lines, i);
        if (take(from, to))
            return true;
    }
    return false;
}

// The holder (or a registrar's company) that the block defining the handle names.
QString definedBy(const QList<QStringView> &lines, const QString &handle, qsizetype except, bool company = false)
{
    QString found;
    eachBlockDefining(lines, handle, except, [&](qsizetype from, qsizetype to) {
        const Named named = namedIn(lines, from, to);
        found = company ? named.registrar() : named.holder();
        return !found.isEmpty();
    });
    return found;
}

} // namespace

bool looksLikeHandle(const QString &value)
{
    static const QRegularExpression handle(QStringLiteral("^[A-Za-z0-9]+(?:[-_.][A-Za-z0-9]+)*$"));
    return value.size() <= 40 && handle.match(value).hasMatch()
        && std::any_of(value.cbegin(), value.cend(), [](QChar c) { return c.isDigit(); });
}

QString holderFromContacts(const QString &answer, const QString &holder, const QString &field)
{
    const QList<QStringView> lines = QStringView(answer).split(u'\n');
    // A handle in the holder's (or the registrar's) place: the block that defines it.
    if (looksLikeHandle(holder)) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (split(lines[i]).value.compare(holder, Qt::CaseInsensitive) == 0)
                return definedBy(lines, holder, i, field == u"registrar");
        }
        return QString();
    }
    // A section headed "Registrant" (or "Holder", "Titular"), its name on the lines below the heading.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line heading = split(lines[i]);
        if (contactKeys().sections.value(heading.key.isEmpty() ? tableKey(heading.value) : heading.key) != field
            || (!heading.key.isEmpty() && !heading.value.isEmpty()))
            continue;
        qsizetype from = i + 1;
        while (from < lines.size() && from < i + 4 && lines[from].trimmed().isEmpty())
            ++from;
        // To the next blank line, or to a line less indented than the first (the next section's heading).
        qsizetype to = from;
        while (to < lines.size() && to < from + 16 && !lines[to].trimmed().isEmpty()
               && lines[to].indexOf(lines[to].trimmed()) >= lines[from].indexOf(lines[from].trimmed()))
            ++to;
        if (from >= to)
            continue;
        const Named named = namedIn(lines, from, to);
        const QString found = field == u"registrar" ? named.registrar() : named.holder();
        if (!found.isEmpty())
            return found;
        if (!named.handle.isEmpty())
            return definedBy(lines, named.handle, -1);
        // No keys: the first line is the name ("Titular / Registrant" over "Google, Inc.").
        const Line first = split(lines[from]);
        if (first.key.isEmpty() && !RdapFields::isPlaceholder(first.value) && !first.value.startsWith(u'%')
            && !first.value.startsWith(u'#'))
            return withoutHandle(first.value);
    }
    return QString();
}

namespace {

QString keyAsWritten(QStringView line)
{
    return line.left(line.indexOf(u':')).trimmed().toString();
}

// The contact a block gives: its abuse keys' addresses, else its e-mail and telephone keys' (a block that an abuse-c
// handle names).
AbuseContact blockContact(const QList<QStringView> &lines, qsizetype from, qsizetype to, bool anyAddress)
{
    AbuseContact contact;
    QString name;
    QStringList emails, phones;
    int emailLine = -1, anyLine = -1;
    for (qsizetype i = from; i < to; ++i) {
        const Line line = split(lines[i]);
        if (line.value.isEmpty() || RdapFields::isPlaceholder(line.value))
            continue;
        if (const auto abuse = contactKeys().abuse.constFind(line.key); abuse != contactKeys().abuse.cend()) {
            if (*abuse == AbusePart::Name && name.isEmpty())
                name = line.value;
            QStringList &into = *abuse == AbusePart::Email ? contact.emails : contact.phones;
            if (*abuse != AbusePart::Name && !into.contains(line.value, Qt::CaseInsensitive)) {
                into.append(line.value);
                if (contact.where.isNull() || (*abuse == AbusePart::Email && emailLine < 0)) {
                    contact.where = Quote::of(lines[i], i);
                    contact.key = keyAsWritten(lines[i]);
                }
                if (*abuse == AbusePart::Email && emailLine < 0)
                    emailLine = int(i);
            }
        } else if (anyAddress) {
            const Part part = contactKeys().parts.value(line.key, Part::Name);
            if (part == Part::Email && !emails.contains(line.value, Qt::CaseInsensitive)) {
                emails.append(line.value);
                if (anyLine < 0)
                    anyLine = int(i);
            } else if (part == Part::Phone && !phones.contains(line.value))
                phones.append(line.value);
        }
    }
    if (contact.emails.isEmpty() && contact.phones.isEmpty() && anyAddress && anyLine >= 0) {
        contact.emails = emails;
        contact.phones = phones;
        contact.where = Quote::of(lines[anyLine], anyLine);
        contact.key = keyAsWritten(lines[anyLine]);
    }
    const Named named = namedIn(lines, from, to);
    contact.who = !name.isEmpty() ? name : !named.holder().isEmpty() ? named.holder() : split(lines[from]).value;
    if (!contact.where.isNull() && contact.where.line - 1 != from)
        contact.block = lines[from].left(200).toString().simplified();
    return contact;
}

} // namespace

QList<AbuseContact> abuseContacts(const QString &answer)
{
    static const QRegularExpression said(QStringLiteral("^%\\s*abuse contact for .* is '([^'\\s]+@[^'\\s]+)'"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QList<QStringView> lines = QStringView(answer).split(u'\n');
    QList<AbuseContact> first, named, keyed;
    qsizetype lastBlock = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const QRegularExpressionMatch match = said.match(lines[i].trimmed().toString()); match.hasMatch()) {
            AbuseContact contact;
            contact.emails.append(match.captured(1));
            contact.key = lines[i].trimmed().left(lines[i].trimmed().indexOf(u" is ")).toString();
            contact.where = Quote::of(lines[i], i);
            first.append(contact);
            continue;
        }
        const Line line = split(lines[i]);
        if (line.value.isEmpty())
            continue;
        if (contactKeys().parts.value(line.key, Part::Name) == Part::AbuseHandle) {
            // The block that defines the handle.
            eachBlockDefining(lines, line.value, i, [&](qsizetype from, qsizetype to) {
                AbuseContact contact = blockContact(lines, from, to, true);
                if (contact.emails.isEmpty() && contact.phones.isEmpty())
                    return false;
                contact.block = lines[i].left(200).toString().simplified() + u" → "_qs
                    + lines[from].left(200).toString().simplified();
                named.append(contact);
                return true;
            });
            continue;
        }
        if (!contactKeys().abuse.contains(line.key))
            continue;
        const auto [from, to] = blockAround(lines, i);
        if (from == lastBlock)
            continue;
        lastBlock = from;
        const AbuseContact contact = blockContact(lines, from, to, false);
        if (!contact.emails.isEmpty() || !contact.phones.isEmpty())
            keyed.prepend(contact);
    }
    // One contact an address: a later one that adds nothing is left out, one that adds a telephone lends it.
    QList<AbuseContact> all = first + named + keyed;
    QList<AbuseContact> contacts;
    for (const AbuseContact &contact : all) {
        const auto same = std::find_if(contacts.begin(), contacts.end(), [&](const AbuseContact &kept) {
            return std::any_of(contact.emails.cbegin(), contact.emails.cend(),
                               [&](const QString &email) { return kept.emails.contains(email, Qt::CaseInsensitive); })
                || (contact.emails.isEmpty() && kept.phones == contact.phones);
        });
        if (same == contacts.end()) {
            contacts.append(contact);
            continue;
        }
        for (const QString &phone : contact.phones) {
            if (!same->phones.contains(phone))
                same->phones.append(phone);
        }
        if (same->who.isEmpty())
            same->who = contact.who;
    }
    return contacts;
}

AbuseContact sectionContact(const QString &answer, const QString &kind)
{
    const QList<QStringView> lines = QStringView(answer).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line line = split(lines[i]);
        if (line.key != u"contact" || line.value.compare(kind, Qt::CaseInsensitive) != 0)
            continue;
        const auto [from, to] = blockAround(lines, i);
        AbuseContact contact = blockContact(lines, from, to, true);
        const Named named = namedIn(lines, from, to);
        contact.who = !named.organisation.isEmpty() ? named.organisation : named.name;
        contact.block = lines[i].toString().simplified();
        return contact;
    }
    return AbuseContact();
}

QStringList contactKeyErrors()
{
    return contactKeys().errors;
}

} // namespace WhoisText
