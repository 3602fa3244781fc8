#include "RdapRecord.h"

#include "RegistryData.h"

#include <QDateTime>
#include <QJsonArray>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

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
    if (!registrarEntity.isEmpty()) {
        keep(registrar, vcardName(registrarEntity));
        for (const QJsonValue &id : registrarEntity.value(u"publicIds").toArray()) {
            if (id.toObject().value(u"type").toString().contains(u"IANA", Qt::CaseInsensitive))
                keep(registrarId, jsonText(id.toObject().value(u"identifier")));
        }
        for (const QString &url : vcardValues(registrarEntity, u"url"))
            keep(registrarUrl, webAddress(url));
        for (const QJsonValue &link : registrarEntity.value(u"links").toArray()) {
            if (link.toObject().value(u"rel").toString() == u"about")
                keep(registrarUrl, webAddress(link.toObject().value(u"href").toString()));
        }
    }
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
        const QString date = RdapFields::date(event.value(u"eventDate").toString());
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
    const QJsonValue signedDelegation = record.value(u"secureDNS").toObject().value(u"delegationSigned");
    if (signedDelegation.isBool())
        keep(dnssec, signedDelegation.toBool() ? QStringLiteral("signed") : QStringLiteral("unsigned"));
    keep(whoisServer, record.value(u"port43").toString());
}

namespace {

// registries/date-forms.tsv: each form, with where its year, month and day stand.
struct DateForm
{
    QRegularExpression pattern;
    int year, month, day;
};
struct DateForms
{
    QList<DateForm> forms;
    QStringList errors;
};

const DateForms &dateForms()
{
    static const DateForms loaded = [] {
        DateForms read;
        for (const RegistryData::Row &row : RegistryData::rows("date-forms.tsv", 5, &read.errors)) {
            const DateForm form { QRegularExpression(row.fields[0]), row.fields[1].toInt(), row.fields[2].toInt(),
                                  row.fields[3].toInt() };
            const int groups = form.pattern.captureCount();
            if (form.pattern.isValid() && std::min({ form.year, form.month, form.day }) >= 1
                && std::max({ form.year, form.month, form.day }) <= groups)
                read.forms.append(form);
            else
                read.errors.append(
                    QStringLiteral("date-forms.tsv, line %1: not a form with three groups").arg(row.line));
        }
        return read;
    }();
    return loaded;
}

// The date at the start of a text, in one of the forms that registries write, whatever time or zone follows.
QDate leadingDate(const QString &text)
{
    for (const DateForm &form : dateForms().forms) {
        const QRegularExpressionMatch match = form.pattern.match(text);
        if (!match.hasMatch())
            continue;
        const QString month = match.captured(form.month);
        int year = match.captured(form.year).toInt();
        if (match.capturedLength(form.year) == 2)
            year += year < 70 ? 2000 : 1900;
        return QDate(year,
                     month.front().isLetter() ? QLocale::c().toDate(month.left(3), QStringLiteral("MMM")).month()
                                              : month.toInt(),
                     match.captured(form.day).toInt());
    }
    return QDate();
}

} // namespace

QStringList RdapFields::dateFormErrors()
{
    return dateForms().errors;
}

QString RdapFields::date(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QDateTime when = trimmed.contains(u'T') ? QDateTime::fromString(trimmed, Qt::ISODateWithMs) : QDateTime();
    if (when.isValid())
        return when.toUTC().toString(QStringLiteral("yyyy-MM-dd"));
    QDate date = leadingDate(trimmed);
    // "registrar AT ns.il 19960111 (Assigned)": the first word that is a date
    for (qsizetype from = 0; !date.isValid() && from >= 0 && from < trimmed.size();) {
        from = trimmed.indexOf(u' ', from);
        if (from >= 0)
            date = leadingDate(trimmed.mid(++from));
    }
    return date.isValid() ? date.toString(Qt::ISODate) : trimmed;
}

QString RdapFields::webAddress(const QString &text)
{
    QString trimmed = text.trimmed();
    if (!trimmed.contains(u"://"))
        trimmed.prepend(u"http://"_qs);
    const QUrl url(trimmed, QUrl::StrictMode);
    const bool web = url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") && !url.host().isEmpty()
        && url.userInfo().isEmpty();
    return web ? url.toString(QUrl::FullyEncoded) : QString();
}
