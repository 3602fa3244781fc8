#include "RdapRecord.h"

#include <QDateTime>
#include <QJsonArray>

namespace {

QString displayDate(const QString &iso)
{
    const QDateTime when = QDateTime::fromString(iso, Qt::ISODate);
    return when.isValid() ? when.toUTC().toString(QStringLiteral("yyyy-MM-dd")) : iso;
}

// The values of a vCard property ("fn", "email", "tel"), in order.
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

QString vcardName(const QJsonObject &entity)
{
    const QStringList names = vcardValues(entity, u"fn");
    return names.isEmpty() ? entity.value(u"handle").toString() : names.first();
}

bool hasRole(const QJsonObject &entity, const QString &role)
{
    return entity.value(u"roles").toArray().contains(QJsonValue(role));
}

// The first entity with the role, searching entities of entities too (an abuse contact is often the
// registrant's); at most a few levels deep.
QJsonObject entityWithRole(const QJsonObject &record, const QString &role, int depth = 0)
{
    const QJsonArray entities = record.value(u"entities").toArray();
    for (const QJsonValue &value : entities) {
        if (hasRole(value.toObject(), role))
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
        keep(name, record.value(u"ldhName").toString().toLower());
    }
    keep(type, record.value(u"type").toString());
    keep(country, record.value(u"country").toString());

    const QJsonObject registrarEntity = entityWithRole(record, QStringLiteral("registrar"));
    if (!registrarEntity.isEmpty())
        keep(registrar, vcardName(registrarEntity));
    const QJsonObject registrant = entityWithRole(record, QStringLiteral("registrant"));
    if (!registrant.isEmpty())
        keep(holder, vcardName(registrant));
    const QJsonObject abuseEntity = entityWithRole(record, QStringLiteral("abuse"));
    if (!abuseEntity.isEmpty()) {
        QStringList parts { vcardName(abuseEntity) };
        parts += vcardValues(abuseEntity, u"email");
        parts += vcardValues(abuseEntity, u"tel");
        parts.removeAll(QString());
        parts.removeDuplicates();
        keep(abuse, parts.join(QStringLiteral(", ")));
    }

    if (statuses.isEmpty()) {
        for (const QJsonValue &status : record.value(u"status").toArray())
            statuses.append(status.toString());
    }
    for (const QJsonValue &value : record.value(u"events").toArray()) {
        const QJsonObject event = value.toObject();
        const QString action = event.value(u"eventAction").toString();
        const QString date = displayDate(event.value(u"eventDate").toString());
        if (action == u"registration")
            keep(registered, date);
        else if (action == u"expiration")
            keep(expires, date);
        else if (action == u"last changed")
            keep(lastChanged, date);
    }
    if (nameServers.isEmpty()) {
        for (const QJsonValue &value : record.value(u"nameservers").toArray())
            nameServers.append(value.toObject().value(u"ldhName").toString().toLower());
    }
}
