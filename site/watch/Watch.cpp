#include "Watch.h"

#include "pages/Verdict.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

constexpr int kGraceDays = 45, kRedemptionDays = 30, kPendingDeleteDays = 5;
// What one sighting keeps of a registry's text, whatever the registry sends.
constexpr qsizetype kMostRegistrar = 200, kMostStatuses = 16, kMostStatus = 100, kMostNameServers = 32,
                    kMostNameServer = 255;

// The text, cut to at most `most` UTF-16 units (never inside a character), with "…" where it was cut.
QString bounded(const QString &text, qsizetype most)
{
    if (text.size() <= most)
        return text;
    qsizetype end = most - 1;
    if (end > 0 && text[end - 1].isHighSurrogate())
        --end;
    return text.left(end) + u'\u2026';
}

QStringList bounded(const QStringList &list, qsizetype most, qsizetype mostEach)
{
    QStringList kept;
    for (qsizetype i = 0; i < qMin(list.size(), most); ++i)
        kept.append(bounded(list[i], mostEach));
    return kept;
}

QStringList sorted(QStringList list)
{
    list.sort();
    list.removeDuplicates();
    return list;
}

QJsonArray arrayOf(const QStringList &list)
{
    return QJsonArray::fromStringList(list);
}

QStringList listOf(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        list.append(item.toString());
    return list;
}

} // namespace

std::optional<Sighting> Sighting::of(const LookupResult &result, const QDateTime &now)
{
    if (result.kind != Query::Kind::Domain)
        return std::nullopt;
    const Verdict verdict = Verdict::of(result, now.date());
    Sighting sighting;
    sighting.seen = now.toUTC();
    switch (verdict.kind) {
    case Verdict::Kind::Available:
        sighting.phase = Phase::Available;
        return sighting; // nothing else of a name nobody holds
    case Verdict::Kind::Reserved:
        sighting.phase = Phase::Reserved;
        return sighting;
    case Verdict::Kind::Registered:
        sighting.phase = verdict.pendingDelete ? Phase::PendingDelete
            : verdict.redemption               ? Phase::Redemption
            : verdict.expired                  ? Phase::Grace
                                               : Phase::Registered;
        break;
    default:
        return std::nullopt;
    }
    sighting.registrar = bounded(result.registrar, kMostRegistrar);
    for (const QString &server : result.nameServers)
        sighting.nameServers.append(server.toLower());
    sighting.nameServers = bounded(sorted(sighting.nameServers), kMostNameServers, kMostNameServer);
    sighting.statuses = bounded(sorted(result.statuses), kMostStatuses, kMostStatus);
    const QDate expires = RdapFields::dateOf(result.expires), changed = RdapFields::dateOf(result.lastChanged);
    sighting.expires = expires.isValid() ? expires.toString(Qt::ISODate) : QString();
    sighting.lastChanged = changed.isValid() ? changed.toString(Qt::ISODate) : QString();
    return sighting;
}

bool Sighting::sameAs(const Sighting &other) const
{
    return phase == other.phase && registrar == other.registrar && nameServers == other.nameServers
        && statuses == other.statuses && expires == other.expires;
}

QString Sighting::phaseName(Phase phase)
{
    switch (phase) {
    case Phase::Registered:
        return u"registered"_qs;
    case Phase::Grace:
        return u"grace"_qs;
    case Phase::Redemption:
        return u"redemption"_qs;
    case Phase::PendingDelete:
        return u"pending-delete"_qs;
    case Phase::Available:
        return u"available"_qs;
    case Phase::Reserved:
        return u"reserved"_qs;
    }
    return QString();
}

std::optional<Sighting::Phase> Sighting::phaseNamed(const QString &name)
{
    for (Phase phase : { Phase::Registered, Phase::Grace, Phase::Redemption, Phase::PendingDelete, Phase::Available,
                         Phase::Reserved }) {
        if (phaseName(phase) == name)
            return phase;
    }
    return std::nullopt;
}

QJsonObject Sighting::toJson() const
{
    QJsonObject object { { u"seen"_qs, seen.toString(Qt::ISODate) }, { u"phase"_qs, phaseName(phase) } };
    if (!registrar.isEmpty())
        object.insert(u"registrar"_qs, registrar);
    if (!nameServers.isEmpty())
        object.insert(u"nameServers"_qs, arrayOf(nameServers));
    if (!statuses.isEmpty())
        object.insert(u"statuses"_qs, arrayOf(statuses));
    if (!expires.isEmpty())
        object.insert(u"expires"_qs, expires);
    if (!lastChanged.isEmpty())
        object.insert(u"lastChanged"_qs, lastChanged);
    return object;
}

std::optional<Sighting> Sighting::fromJson(const QJsonObject &object)
{
    Sighting sighting;
    sighting.seen = QDateTime::fromString(object.value(u"seen").toString(), Qt::ISODate);
    const std::optional<Phase> phase = phaseNamed(object.value(u"phase").toString());
    if (!phase || !sighting.seen.isValid())
        return std::nullopt;
    sighting.phase = *phase;
    sighting.registrar = object.value(u"registrar").toString();
    sighting.nameServers = listOf(object.value(u"nameServers"));
    sighting.statuses = listOf(object.value(u"statuses"));
    sighting.expires = object.value(u"expires").toString();
    sighting.lastChanged = object.value(u"lastChanged").toString();
    return sighting;
}

QList<Change> changes(const Sighting &before, const Sighting &after)
{
    QList<Change> found;
    const auto compare = [&found](const QString &field, const QString &was, const QString &is) {
        if (was != is)
            found.append(Change { field, was, is });
    };
    compare(u"phase"_qs, Sighting::phaseName(before.phase), Sighting::phaseName(after.phase));
    compare(u"registrar"_qs, before.registrar, after.registrar);
    compare(u"name servers"_qs, before.nameServers.join(u", "), after.nameServers.join(u", "));
    compare(u"statuses"_qs, before.statuses.join(u", "), after.statuses.join(u", "));
    compare(u"expires"_qs, before.expires, after.expires);
    return found;
}

QList<LifeDate> lifeDates(const Sighting &sighting)
{
    QList<LifeDate> dates;
    const QDate expires = QDate::fromString(sighting.expires, Qt::ISODate);
    const QDate changed = QDate::fromString(sighting.lastChanged, Qt::ISODate);
    // When the phase began: the record's last change, where that is not older than the phase can be.
    const QDate began = changed.isValid() && changed >= expires ? changed : sighting.seen.date();
    switch (sighting.phase) {
    case Sighting::Phase::Registered:
        if (expires.isValid())
            dates.append({ LifeDate::Kind::Expires, expires, false });
        break;
    case Sighting::Phase::Grace: {
        const QDate graceEnds = (expires.isValid() ? expires : began).addDays(kGraceDays);
        if (expires.isValid())
            dates.append({ LifeDate::Kind::Expires, expires, false });
        dates.append({ LifeDate::Kind::GraceEnds, graceEnds, true });
        dates.append({ LifeDate::Kind::RedemptionEnds, graceEnds.addDays(kRedemptionDays), true });
        dates.append({ LifeDate::Kind::MayBeFree, graceEnds.addDays(kRedemptionDays + kPendingDeleteDays), true });
        break;
    }
    case Sighting::Phase::Redemption:
        dates.append({ LifeDate::Kind::RedemptionEnds, began.addDays(kRedemptionDays), true });
        dates.append({ LifeDate::Kind::MayBeFree, began.addDays(kRedemptionDays + kPendingDeleteDays), true });
        break;
    case Sighting::Phase::PendingDelete:
        dates.append({ LifeDate::Kind::MayBeFree, began.addDays(kPendingDeleteDays), true });
        break;
    case Sighting::Phase::Available:
    case Sighting::Phase::Reserved:
        break;
    }
    return dates;
}

bool History::add(const Sighting &sighting)
{
    if (!sightings.isEmpty() && sightings.last().sameAs(sighting))
        return false;
    sightings.append(sighting);
    bound();
    return true;
}

QJsonArray History::toJson() const
{
    QJsonArray array;
    for (const Sighting &sighting : sightings)
        array.append(sighting.toJson());
    return array;
}

History History::fromJson(const QJsonArray &array)
{
    History history;
    for (const QJsonValue &value : array) {
        if (const std::optional<Sighting> sighting = Sighting::fromJson(value.toObject()))
            history.sightings.append(*sighting);
    }
    history.bound();
    return history;
}

void History::bound()
{
    if (sightings.size() > kMost)
        sightings.remove(0, sightings.size() - kMost);
    while (sightings.size() > 1 && toBytes().size() > kMostBytes)
        sightings.removeFirst();
}

QByteArray History::toBytes() const
{
    return QJsonDocument(toJson()).toJson(QJsonDocument::Compact);
}

History History::fromBytes(const QByteArray &bytes)
{
    return fromJson(QJsonDocument::fromJson(bytes).array());
}
