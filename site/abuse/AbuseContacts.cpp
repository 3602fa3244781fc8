#include "AbuseContacts.h"

#include "lookup/WhoisText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace Abuse {

namespace {

QString rolesOf(const QJsonObject &entity)
{
    QStringList roles;
    for (const QJsonValue &role : entity.value(u"roles").toArray())
        roles.append(role.toString());
    return roles.join(u',');
}

struct Found
{
    QJsonObject entity;
    QString path; // "entity ABUSE3-ARIN (abuse) in entity MCICS (registrant)"
    bool underRegistrar = false;
    int depth = 0;
};

// The entities with the abuse role, the shallowest first (a network's own before its holder's), a few levels deep.
QList<Found> abuseEntities(const QJsonObject &record)
{
    QList<Found> found, level;
    for (const QJsonValue &value : record.value(u"entities").toArray())
        level.append(Found { value.toObject(), QString(), false, 0 });
    for (int depth = 0; depth < 4 && !level.isEmpty(); ++depth) {
        QList<Found> next;
        for (Found &item : level) {
            const QString handle = item.entity.value(u"handle").toString();
            const QString here = handle.isEmpty() ? QStringLiteral("entity (%1)").arg(rolesOf(item.entity))
                                                  : QStringLiteral("entity %1 (%2)").arg(handle, rolesOf(item.entity));
            item.path = item.path.isEmpty() ? here : here + u" in "_qs + item.path;
            item.depth = depth;
            if (RdapContact::hasRole(item.entity, u"abuse"))
                found.append(item);
            for (const QJsonValue &value : item.entity.value(u"entities").toArray())
                next.append(Found { value.toObject(), item.path,
                                    item.underRegistrar || RdapContact::hasRole(item.entity, u"registrar"),
                                    depth + 1 });
        }
        level = next;
    }
    return found;
}

Contact fromEntity(const Found &found, const QString &source)
{
    const RdapContact card = RdapContact::of(found.entity);
    Contact contact;
    contact.who = card.who().isEmpty() ? found.entity.value(u"handle").toString() : card.who();
    contact.emails = card.emails;
    // An address the vCard marks as the abuse one (RIPE's "type": "abuse") before the entity's others.
    for (const QJsonValue &item : found.entity.value(u"vcardArray").toArray().at(1).toArray()) {
        const QJsonArray property = item.toArray();
        const QJsonValue type = property.at(1).toObject().value(u"type");
        const bool abuse = type.toString() == u"abuse" || type.toArray().contains(u"abuse"_qs);
        if (property.at(0).toString() == u"email" && abuse && contact.emails.contains(property.at(3).toString())) {
            contact.emails.removeAll(property.at(3).toString());
            contact.emails.prepend(property.at(3).toString());
        }
    }
    contact.phones = card.phones;
    for (const QString &url : card.urls) {
        if (const QString web = RdapFields::webAddress(url); !web.isEmpty())
            contact.forms.append(web);
    }
    contact.source = source;
    contact.field = found.path;
    return contact;
}

void add(QList<Contact> &contacts, Contact contact)
{
    contact.emails.removeDuplicates();
    if (contact.emails.isEmpty() && contact.phones.isEmpty() && contact.forms.isEmpty())
        return;
    for (const Contact &kept : contacts) {
        if (kept.role == contact.role && kept.sameAs(contact))
            return;
    }
    contacts.append(contact);
}

} // namespace

bool Contact::sameAs(const Contact &other) const
{
    if (emails.isEmpty() && other.emails.isEmpty())
        return phones == other.phones && forms == other.forms;
    return std::any_of(emails.cbegin(), emails.cend(),
                       [&](const QString &email) { return other.emails.contains(email, Qt::CaseInsensitive); });
}

QList<Contact> fromResult(const LookupResult &result, Role networkRole)
{
    QList<Contact> contacts;
    const bool domain = result.kind == Query::Kind::Domain;
    // What a network's or AS number's record is of: its name and its range ("RIPE-NCC, 193.0.0.0 - 193.0.7.255").
    const QString span = result.kind == Query::Kind::AsNumber ? result.query
        : result.range.isEmpty()                              ? result.query
                                                              : result.range;
    const QString of = domain ? QString() : result.name.isEmpty() ? span : result.name + u", "_qs + span;
    for (qsizetype i = 0; i < result.records.size(); ++i) {
        const SourceRecord &record = result.records[i];
        if (record.rdap()) {
            const QJsonObject object = QJsonDocument::fromJson(record.text.toUtf8()).object();
            // A nameserver's record is not the domain's.
            if (object.value(u"objectClassName").toString() == u"nameserver")
                continue;
            for (const Found &found : abuseEntities(object)) {
                Contact contact = fromEntity(found, record.source);
                // In a domain's record, the registrar's (nested in it, or in the registrar's own record) and the
                // registry's own (at the top of the registry's record).
                contact.role = !domain                                   ? networkRole
                    : (found.underRegistrar || i > 0 || found.depth > 0) ? Role::Registrar
                                                                         : Role::Registry;
                contact.of = contact.role == Role::Registrar ? result.registrar : of;
                add(contacts, contact);
            }
            continue;
        }
        for (const WhoisText::AbuseContact &said : WhoisText::abuseContacts(record.text)) {
            Contact contact;
            contact.role = domain ? Role::Registrar : networkRole;
            contact.who = said.who;
            contact.of = domain ? result.registrar : of;
            contact.emails = said.emails;
            contact.phones = said.phones;
            contact.source = record.source;
            contact.field = said.block.isEmpty() ? said.key : said.key + u" ("_qs + said.block + u')';
            contact.line = said.where.line;
            add(contacts, contact);
        }
    }
    // The registrar first, the registry after.
    std::stable_sort(contacts.begin(), contacts.end(),
                     [](const Contact &a, const Contact &b) { return int(a.role) < int(b.role); });
    return contacts;
}

QList<Contact> registryOf(const LookupResult &topLevelDomain)
{
    QList<Contact> contacts;
    if (topLevelDomain.records.isEmpty())
        return contacts;
    const SourceRecord &record = topLevelDomain.records.first();
    for (const QString &role : { u"administrative"_qs, u"technical"_qs }) {
        Contact contact;
        contact.role = Role::Registry;
        contact.of = topLevelDomain.holder;
        contact.source = record.source;
        if (record.rdap()) {
            const QJsonObject object = QJsonDocument::fromJson(record.text.toUtf8()).object();
            for (const QJsonValue &value : object.value(u"entities").toArray()) {
                if (!RdapContact::hasRole(value.toObject(), role))
                    continue;
                contact = fromEntity(
                    Found { value.toObject(),
                            QStringLiteral("entity %1 (%2)").arg(value.toObject().value(u"handle").toString(), role) },
                    record.source);
                contact.role = Role::Registry;
                contact.of = topLevelDomain.holder;
                break;
            }
        } else {
            const WhoisText::AbuseContact said = WhoisText::sectionContact(record.text, role);
            contact.who = said.who;
            contact.emails = said.emails;
            contact.phones = said.phones;
            contact.field = said.block + u", "_qs + said.key;
            contact.line = said.where.line;
        }
        add(contacts, contact);
        if (!contacts.isEmpty())
            break;
    }
    return contacts;
}

QString roleName(Role role)
{
    switch (role) {
    case Role::Registrar:
        return QStringLiteral("registrar");
    case Role::HostingNetwork:
        return QStringLiteral("hosting-network");
    case Role::DnsNetwork:
        return QStringLiteral("dns-network");
    case Role::Network:
        return QStringLiteral("network");
    case Role::Registry:
        break;
    }
    return QStringLiteral("registry");
}

} // namespace Abuse
