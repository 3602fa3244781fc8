#include "LookupResult.h"

#include <QDataStream>
#include <QJsonArray>

void LookupResult::readHost(const QJsonObject &nameserver)
{
    const QJsonObject addresses = nameserver.value(u"ipAddresses").toObject();
    for (const QString family : { u"v4"_qs, u"v6"_qs }) {
        for (const QJsonValue &address : addresses.value(family).toArray()) {
            if (hostAddresses.size() < 32 && !address.toString().trimmed().isEmpty())
                hostAddresses.append(address.toString().trimmed());
        }
    }
    for (const QJsonValue &status : nameserver.value(u"status").toArray()) {
        if (hostStatuses.size() < 32)
            hostStatuses.append(status.toString());
    }
}

int LookupResult::lifetime(const ResultCache::Settings &settings) const
{
    int seconds = 0;
    switch (outcome) {
    case Outcome::Found:
    case Outcome::Reserved:
        seconds = settings.foundSeconds;
        break;
    case Outcome::NotRegistered:
    case Outcome::Unknown:
        seconds = settings.notRegisteredSeconds;
        break;
    case Outcome::NoService:
        seconds = settings.noServiceSeconds;
        break;
    default: // refused and special ones ask nobody; failures and rate limits are never kept
        return 0;
    }
    if (maxAgeSeconds >= 0)
        seconds = qMin(seconds, maxAgeSeconds);
    // A record cut short or with a part missing is kept for less.
    if (!notes.isEmpty())
        seconds = qMin(seconds, settings.notRegisteredSeconds);
    return qMax(seconds, 0);
}

Message Evidence::message(const QString &name) const
{
    if (delegated)
        return Message(MessageId::EvidenceDelegated, name);
    if (server.isEmpty())
        return Message();
    if (line > 0)
        return Message(MessageId::EvidenceLine, server, QString::number(line), quote);
    if (status > 0)
        return Message(MessageId::EvidenceStatus, server, QString::number(status));
    return Message(MessageId::EvidenceSilent, server, name);
}

namespace {
// 2: messages as identifiers and arguments; 3: records as sent, more fields; 4: the host, withheld fields, sources;
// 5: the evidence, and outcomes that a registry's answer leaves unknown; 6: every answer as received
constexpr quint32 kFormat = 6;
} // namespace

QByteArray LookupResult::serialised(const QDateTime &stored) const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kFormat << stored.toMSecsSinceEpoch() << int(outcome) << int(kind) << query << message << retryAfterSeconds
        << maxAgeSeconds << name << registrar << registrarId << registrarUrl << statuses << registered << expires
        << lastChanged << dnssec << whoisServer << rdapService << nameServers << range << type << country << holder
        << abuse << notes << asked << host << hostAddresses << hostStatuses << withheld << withheldItems << sources
        << evidence.server << evidence.line << evidence.quote << evidence.status << evidence.delegated
        << qint32(records.size());
    for (const SourceRecord &record : records)
        out << record.source << record.text << record.cut << record.shown;
    out << qint32(hops.size());
    for (const Hop &hop : hops) {
        out << hop.server << hop.question << hop.received << hop.status << qint32(hop.headers.size());
        for (const auto &[name, value] : hop.headers)
            out << name << value;
        out << hop.body << hop.cut;
    }
    return bytes;
}

std::optional<LookupResult> LookupResult::deserialised(const QByteArray &bytes, const QDateTime &now)
{
    QDataStream in(bytes);
    quint32 format = 0;
    qint64 stored = 0;
    int outcome = 0, kind = 0;
    qint32 records = 0;
    LookupResult r;
    in >> format;
    if (format != kFormat)
        return std::nullopt;
    in >> stored >> outcome >> kind >> r.query >> r.message >> r.retryAfterSeconds >> r.maxAgeSeconds >> r.name
        >> r.registrar >> r.registrarId >> r.registrarUrl >> r.statuses >> r.registered >> r.expires >> r.lastChanged
        >> r.dnssec >> r.whoisServer >> r.rdapService >> r.nameServers >> r.range >> r.type >> r.country >> r.holder
        >> r.abuse >> r.notes >> r.asked >> r.host >> r.hostAddresses >> r.hostStatuses >> r.withheld >> r.withheldItems
        >> r.sources >> r.evidence.server >> r.evidence.line >> r.evidence.quote >> r.evidence.status
        >> r.evidence.delegated >> records;
    for (qint32 i = 0; i < records && in.status() == QDataStream::Ok; ++i) {
        SourceRecord record;
        in >> record.source >> record.text >> record.cut >> record.shown;
        r.records.append(record);
    }
    qint32 hops = 0;
    in >> hops;
    for (qint32 i = 0; i < hops && in.status() == QDataStream::Ok; ++i) {
        Hop hop;
        qint32 headers = 0;
        in >> hop.server >> hop.question >> hop.received >> hop.status >> headers;
        for (qint32 h = 0; h < headers && h < 64 && in.status() == QDataStream::Ok; ++h) {
            QByteArray name, value;
            in >> name >> value;
            hop.headers.append({ name, value });
        }
        in >> hop.body >> hop.cut;
        r.hops.append(hop);
    }
    if (in.status() != QDataStream::Ok || outcome < 0 || outcome > int(Outcome::Failed) || kind < 0
        || kind > int(Query::Kind::TopLevelDomain))
        return std::nullopt;
    r.outcome = Outcome(outcome);
    r.kind = Query::Kind(kind);
    r.cachedAgeSeconds = qMax<qint64>(QDateTime::fromMSecsSinceEpoch(stored, Qt::UTC).secsTo(now), 0);
    return r;
}

std::optional<LookupResult> LookupResult::kept(ResultCache &cache, const QString &key, const QDateTime &now)
{
    const std::optional<ResultCache::Kept> found = cache.find(key, now);
    if (!found)
        return std::nullopt;
    if (!found->decoded)
        return deserialised(found->bytes, now);
    LookupResult result = *std::static_pointer_cast<const LookupResult>(found->decoded);
    result.cachedAgeSeconds = found->ageSeconds;
    return result;
}

void LookupResult::keep(ResultCache &cache, const QString &key, const QDateTime &now) const
{
    const int seconds = lifetime(cache.settings());
    if (seconds > 0)
        cache.store(key, serialised(now), seconds, now, std::make_shared<const LookupResult>(*this));
}
