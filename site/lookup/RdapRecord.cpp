#include "RdapRecord.h"

#include "RegistryData.h"

#include <QDateTime>
#include <QJsonArray>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

// The values of a vCard property ("fn", "org", "email", "tel"), in order.
QStringList vcardValues(const QJsonObject &entity, QStringView property)
{
    QStringList values;
    for (const QJsonValue &item : entity.value(u"vcardArray").toArray().at(1).toArray()) {
        const QJsonArray fields = item.toArray();
        if (fields.at(0).toString() != property)
            continue;
        const QJsonValue value = fields.at(3);
        QString text = value.isArray() ? value.toArray().at(0).toString() : value.toString();
        if (text.startsWith(u"mailto:") || text.startsWith(u"tel:"))
            text = text.section(u':', 1);
        if (!text.trimmed().isEmpty())
            values.append(text.trimmed());
    }
    return values;
}

// The texts under one key of each member of a JSContact map ("emails": {"e1": {"address": ...}}).
QStringList jsContactValues(const QJsonObject &card, QStringView map, QStringView key)
{
    QStringList values;
    const QJsonObject members = card.value(map).toObject();
    for (auto it = members.begin(); it != members.end(); ++it) {
        QString text = it.value().toObject().value(key).toString().trimmed();
        if (text.startsWith(u"mailto:") || text.startsWith(u"tel:"))
            text = text.section(u':', 1);
        if (!text.isEmpty())
            values.append(text);
    }
    return values;
}

// A JSContact name: its full form, else its components in order.
QString jsContactName(const QJsonObject &card)
{
    const QJsonObject name = card.value(u"name").toObject();
    QString full = name.value(u"full").toString().trimmed();
    if (full.isEmpty()) {
        QStringList parts;
        for (const QJsonValue &component : name.value(u"components").toArray()) {
            if (component.toObject().value(u"kind").toString() != u"separator")
                parts.append(component.toObject().value(u"value").toString().trimmed());
        }
        parts.removeAll(QString());
        full = parts.join(u' ');
    }
    return full;
}

// The first entity with the role, searching entities of entities too (an abuse contact is often the
// registrant's); at most a few levels deep.
QJsonObject entityWithRole(const QJsonObject &record, const QString &role, int depth = 0)
{
    const QJsonArray entities = record.value(u"entities").toArray();
    for (const QJsonValue &value : entities) {
        if (RdapContact::hasRole(value.toObject(), role))
            return value.toObject();
    }
    if (depth < 3) {
        for (const QJsonValue &value : entities) {
            const QJsonObject found = entityWithRole(value.toObject(), role, depth + 1);
            if (!found.isEmpty())
                return found;
        }
    }
    return QJsonObject();
}

// The first line of a record's first remark: a regional registry's description of a network or AS number.
QString description(const QJsonObject &record)
{
    const QJsonArray remarks = record.value(u"remarks").toArray();
    const QJsonArray lines
        = remarks.isEmpty() ? QJsonArray() : remarks.first().toObject().value(u"description").toArray();
    return lines.isEmpty() ? QString() : lines.first().toString().simplified().left(200);
}

// The registrant: of several (a regional registry lists its maintainers as registrants too), the organisation,
// never a maintainer ("COLOCLUE-MNT") where another is named.
QJsonObject registrantOf(const QJsonObject &record)
{
    const auto maintainer = [](const QJsonObject &entity) {
        return entity.value(u"handle").toString().endsWith(u"-MNT", Qt::CaseInsensitive);
    };
    QJsonObject first;
    for (const QJsonValue &value : record.value(u"entities").toArray()) {
        const QJsonObject entity = value.toObject();
        if (!RdapContact::hasRole(entity, u"registrant"))
            continue;
        if (!maintainer(entity))
            return entity;
        if (first.isEmpty())
            first = entity;
    }
    return first.isEmpty() ? entityWithRole(record, QStringLiteral("registrant")) : first;
}

// What a record's "redacted" member (RFC 9537) says it withholds: each item's name and reason.
struct Redaction
{
    QString name, reason;
};
QList<Redaction> redactions(const QJsonObject &record)
{
    QList<Redaction> items;
    for (const QJsonValue &value : record.value(u"redacted").toArray()) {
        const QJsonObject item = value.toObject();
        const QJsonObject name = item.value(u"name").toObject();
        QString named = name.value(u"type").toString().trimmed();
        if (named.isEmpty())
            named = name.value(u"description").toString().trimmed();
        const QJsonObject reason = item.value(u"reason").toObject();
        QString why = reason.value(u"description").toString();
        if (why.trimmed().isEmpty())
            why = reason.value(u"type").toString();
        if (!named.isEmpty() && items.size() < 64)
            items.append({ named.left(200), why.trimmed().left(200) });
    }
    return items;
}

void keep(QString &field, const QString &value)
{
    if (field.isEmpty())
        field = value.trimmed();
}

QString jsonText(const QJsonValue &value)
{
    return value.isDouble() ? QString::number(qint64(value.toDouble())) : value.toString();
}

} // namespace

bool RdapContact::hasRole(const QJsonObject &entity, QStringView role)
{
    // "Registrant" too: some registrars write roles as names
    const QJsonArray roles = entity.value(u"roles").toArray();
    return std::any_of(roles.begin(), roles.end(), [&](const QJsonValue &value) {
        return value.toString().compare(role, Qt::CaseInsensitive) == 0;
    });
}

RdapContact RdapContact::of(const QJsonObject &entity)
{
    RdapContact contact;
    const QJsonObject card = entity.value(u"jscontact_card").toObject();
    const bool jsContact = !card.isEmpty() && !entity.contains(u"vcardArray");
    contact.name = jsContact ? jsContactName(card) : vcardValues(entity, u"fn").value(0);
    contact.organisation
        = jsContact ? jsContactValues(card, u"organizations", u"name").value(0) : vcardValues(entity, u"org").value(0);
    contact.emails = jsContact ? jsContactValues(card, u"emails", u"address") : vcardValues(entity, u"email");
    contact.phones = jsContact ? jsContactValues(card, u"phones", u"number") : vcardValues(entity, u"tel");
    contact.urls = jsContact ? jsContactValues(card, u"links", u"uri") : vcardValues(entity, u"url");
    for (QString *text : { &contact.name, &contact.organisation }) {
        if (RdapFields::isPlaceholder(*text)) {
            text->clear();
            contact.placeholder = true;
        }
    }
    // "REDACTED FOR PRIVACY", "object redacted due to authorization" (RFC 9083's remark types)
    for (const QJsonValue &remark : entity.value(u"remarks").toArray()) {
        const QJsonObject said = remark.toObject();
        contact.placeholder = contact.placeholder || RdapFields::isPlaceholder(said.value(u"title").toString())
            || RdapFields::isPlaceholder(said.value(u"type").toString());
    }
    for (QStringList *list : { &contact.emails, &contact.phones })
        list->removeIf([](const QString &text) { return RdapFields::isPlaceholder(text); });
    return contact;
}

void RdapFields::read(const QJsonObject &record)
{
    const QString objectClass = record.value(u"objectClassName").toString();
    if (objectClass == u"ip network" || record.contains(u"startAddress")) {
        const QString first = record.value(u"startAddress").toString();
        const QString last = record.value(u"endAddress").toString();
        if (!first.isEmpty())
            keep(range, last.isEmpty() || last == first ? first : first + QStringLiteral(" - ") + last);
        keep(name, record.value(u"name").toString());
    } else if (objectClass == u"autnum" || record.contains(u"startAutnum")) {
        const QString first = jsonText(record.value(u"startAutnum"));
        const QString last = jsonText(record.value(u"endAutnum"));
        if (!first.isEmpty())
            keep(range,
                 last.isEmpty() || last == first ? u"AS"_qs + first : QStringLiteral("AS%1 - AS%2").arg(first, last));
        keep(name, record.value(u"name").toString());
    } else {
        keep(name, record.value(u"unicodeName").toString());
        QString ldhName = record.value(u"ldhName").toString().toLower();
        if (ldhName.endsWith(u'.'))
            ldhName.chop(1);
        keep(name, ldhName);
    }
    keep(type, record.value(u"type").toString());
    keep(country, record.value(u"country").toString());

    const QJsonObject registrarEntity = entityWithRole(record, QStringLiteral("registrar"));
    if (!registrarEntity.isEmpty()) {
        const RdapContact contact = RdapContact::of(registrarEntity);
        keep(registrar, contact.who().isEmpty() ? registrarEntity.value(u"handle").toString() : contact.who());
        for (const QJsonValue &id : registrarEntity.value(u"publicIds").toArray()) {
            if (id.toObject().value(u"type").toString().contains(u"IANA", Qt::CaseInsensitive))
                keep(registrarId, jsonText(id.toObject().value(u"identifier")));
        }
        for (const QString &url : contact.urls)
            keep(registrarUrl, webAddress(url));
        for (const QJsonValue &link : registrarEntity.value(u"links").toArray()) {
            if (link.toObject().value(u"rel").toString() == u"about")
                keep(registrarUrl, webAddress(link.toObject().value(u"href").toString()));
        }
    }

    // The holder: the registrant's name, else its organisation; withheld where the record says so or puts a
    // placeholder in its place.
    const QList<Redaction> redacted = redactions(record);
    QStringList reasons; // the items by their reason, in the record's order: "Registrant Name, ... (Server policy)"
    for (const Redaction &item : redacted) {
        if (!reasons.contains(item.reason))
            reasons.append(item.reason);
    }
    for (const QString &reason : std::as_const(reasons)) {
        QStringList names;
        for (const Redaction &item : redacted) {
            if (item.reason == reason && !names.contains(item.name))
                names.append(item.name);
        }
        const QString items = names.join(QStringLiteral(", "));
        withheldItems.append(reason.isEmpty() ? items : QStringLiteral("%1 (%2)").arg(items, reason));
    }
    const QJsonObject registrant = registrantOf(record);
    const RdapContact holderContact = RdapContact::of(registrant);
    // An entity's own record names who it is (or the organisation it belongs to); its registrants are the
    // maintainers of its object.
    if (record.value(u"objectClassName").toString() == u"entity") {
        keep(holder, RdapContact::of(entityWithRole(record, QStringLiteral("organisation"))).who());
        keep(holder, RdapContact::of(record).who());
    }
    keep(holder, holderContact.who());
    if (holder.isEmpty()) {
        const auto about = std::find_if(redacted.cbegin(), redacted.cend(), [](const Redaction &item) {
            return item.name.contains(u"Registrant", Qt::CaseInsensitive)
                && (item.name.contains(u"Name", Qt::CaseInsensitive)
                    || item.name.contains(u"Organi", Qt::CaseInsensitive));
        });
        // A registrant given by its handle alone ("CZ-NIC") is named by it, unless the record says the rest is
        // withheld, or a network's or AS number's own description names who holds it.
        if (about != redacted.cend())
            withheld.insert(QStringLiteral("holder"), about->reason);
        else if (holderContact.placeholder)
            withheld.insert(QStringLiteral("holder"), QString());
        else if (const QString described = description(record), kind = record.value(u"objectClassName").toString();
                 !described.isEmpty()
                 && (kind == u"ip network" || kind == u"autnum" || record.contains(u"startAddress")
                     || record.contains(u"startAutnum")))
            keep(holder, described); // a network's or AS number's own description ("Fortum"), as whois's descr:
        else
            keep(holder, registrant.value(u"handle").toString());
    }

    // The abuse contact: who, e-mail and telephone; the entity's handle only where nothing else says who.
    const QJsonObject abuseEntity = entityWithRole(record, QStringLiteral("abuse"));
    if (!abuseEntity.isEmpty()) {
        const RdapContact contact = RdapContact::of(abuseEntity);
        QStringList parts { contact.who() };
        parts += contact.emails;
        parts += contact.phones;
        parts.removeAll(QString());
        parts.removeDuplicates();
        if (parts.isEmpty())
            parts.append(abuseEntity.value(u"handle").toString());
        keep(abuse, parts.join(QStringLiteral(", ")));
    }

    if (statuses.isEmpty()) {
        for (const QJsonValue &status : record.value(u"status").toArray())
            statuses.append(status.toString());
    }
    QString registrarExpires;
    for (const QJsonValue &value : record.value(u"events").toArray()) {
        const QJsonObject event = value.toObject();
        const QString action = event.value(u"eventAction").toString();
        const QString date = RdapFields::date(event.value(u"eventDate").toString());
        if (action == u"registration")
            keep(registered, date);
        else if (action == u"expiration")
            keep(expires, date);
        else if (action == u"last changed")
            keep(lastChanged, date);
        else if (action == u"registrar expiration") // a registrar's record of the profile's 2024 version
            registrarExpires = date;
    }
    keep(expires, registrarExpires);
    if (nameServers.isEmpty()) {
        for (const QJsonValue &value : record.value(u"nameservers").toArray()) {
            QString host = value.toObject().value(u"ldhName").toString().toLower();
            if (host.endsWith(u'.')) // "ddns0.bbc.co.uk.", as some registries write it
                host.chop(1);
            if (!host.isEmpty() && nameServers.size() < 32)
                nameServers.append(host);
        }
    }
    const QJsonValue signedDelegation = record.value(u"secureDNS").toObject().value(u"delegationSigned");
    if (signedDelegation.isBool())
        keep(dnssec, signedDelegation.toBool() ? QStringLiteral("signed") : QStringLiteral("unsigned"));
    keep(whoisServer, record.value(u"port43").toString());
}

namespace {

// The fields by their names: the texts, then the lists.
struct TextField
{
    const char *name;
    QString RdapFields::*member;
};
constexpr TextField kTextFields[] = {
    { "name", &RdapFields::name },
    { "holder", &RdapFields::holder },
    { "registrar", &RdapFields::registrar },
    { "registrarIanaId", &RdapFields::registrarId },
    { "registrarUrl", &RdapFields::registrarUrl },
    { "abuseContact", &RdapFields::abuse },
    { "registered", &RdapFields::registered },
    { "expires", &RdapFields::expires },
    { "lastChanged", &RdapFields::lastChanged },
    { "dnssec", &RdapFields::dnssec },
    { "range", &RdapFields::range },
    { "type", &RdapFields::type },
    { "country", &RdapFields::country },
    { "whoisServer", &RdapFields::whoisServer },
    { "rdapService", &RdapFields::rdapService },
};
struct ListField
{
    const char *name;
    QStringList RdapFields::*member;
};
constexpr ListField kListFields[]
    = { { "statuses", &RdapFields::statuses }, { "nameServers", &RdapFields::nameServers } };

// The contacts: a registrar holds them, a registry's record (where it has them at all) only copies them.
bool isContact(QStringView field)
{
    return field == u"holder" || field == u"abuseContact";
}

} // namespace

void RdapFields::merge(const RdapFields &record, const QString &source, bool registrarRecord)
{
    for (const TextField &field : kTextFields) {
        const QString name = QLatin1StringView(field.name);
        const QString &theirs = record.*field.member;
        QString &ours = this->*field.member;
        const bool authoritative = registrarRecord && isContact(name);
        if (!theirs.isEmpty() && (ours.isEmpty() || authoritative)) {
            ours = theirs;
            sources.insert(name, source);
            withheld.remove(name);
        } else if (record.withheld.contains(name) && (ours.isEmpty() || authoritative)) {
            ours.clear();
            withheld.insert(name, record.withheld.value(name));
            sources.insert(name, source);
        }
    }
    for (const ListField &field : kListFields) {
        if ((this->*field.member).isEmpty() && !(record.*field.member).isEmpty()) {
            this->*field.member = record.*field.member;
            sources.insert(QLatin1StringView(field.name), source);
        }
    }
    for (const QString &item : record.withheldItems) {
        if (!withheldItems.contains(item))
            withheldItems.append(item);
    }
}
