#include "Lookup.h"

#include "DomainName.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QRegularExpression>
#include <QSet>

namespace {

using Outcome = LookupResult::Outcome;

QString displayDate(const QString &iso)
{
    const QDateTime when = QDateTime::fromString(iso, Qt::ISODate);
    return when.isValid() ? when.toUTC().toString(QStringLiteral("yyyy-MM-dd")) : iso;
}

QString vcardName(const QJsonObject &entity)
{
    for (const QJsonValue &property : entity.value(u"vcardArray").toArray().at(1).toArray()) {
        const QJsonArray fields = property.toArray();
        if (fields.at(0).toString() == u"fn")
            return fields.at(3).toString();
    }
    return entity.value(u"handle").toString();
}

// The readable fields of an RDAP domain record; fields already known are kept.
void readRdapFields(const QJsonObject &record, LookupResult &result)
{
    if (result.name.isEmpty()) {
        result.name = record.value(u"unicodeName").toString();
        if (result.name.isEmpty())
            result.name = record.value(u"ldhName").toString().toLower();
    }
    for (const QJsonValue &value : record.value(u"entities").toArray()) {
        const QJsonObject entity = value.toObject();
        if (result.registrar.isEmpty() && entity.value(u"roles").toArray().contains(QJsonValue(u"registrar"_qs)))
            result.registrar = vcardName(entity);
    }
    if (result.statuses.isEmpty()) {
        for (const QJsonValue &status : record.value(u"status").toArray())
            result.statuses.append(status.toString());
    }
    for (const QJsonValue &value : record.value(u"events").toArray()) {
        const QJsonObject event = value.toObject();
        const QString action = event.value(u"eventAction").toString();
        const QString date = displayDate(event.value(u"eventDate").toString());
        if (action == u"registration" && result.registered.isEmpty())
            result.registered = date;
        else if (action == u"expiration" && result.expires.isEmpty())
            result.expires = date;
    }
    if (result.nameServers.isEmpty()) {
        for (const QJsonValue &value : record.value(u"nameservers").toArray())
            result.nameServers.append(value.toObject().value(u"ldhName").toString().toLower());
    }
}

// The registrar's own record, where the registry's record links to it.
QUrl relatedLink(const QJsonObject &record, const QUrl &self)
{
    for (const QJsonValue &value : record.value(u"links").toArray()) {
        const QJsonObject link = value.toObject();
        if (link.value(u"rel").toString() != u"related")
            continue;
        if (!link.value(u"type").toString().contains(u"rdap+json"))
            continue;
        const QUrl href = self.resolved(QUrl(link.value(u"href").toString()));
        if (href.isValid() && href.adjusted(QUrl::StripTrailingSlash) != self.adjusted(QUrl::StripTrailingSlash))
            return href;
    }
    return QUrl();
}

QString prettyJson(const QJsonDocument &document, const QByteArray &raw)
{
    return document.isNull() ? Upstream::decodeText(raw) : QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

QString serverName(const QString &host, quint16 port)
{
    return port == 43 ? host : QStringLiteral("%1:%2").arg(host).arg(port);
}

} // namespace

LookupResult Lookup::run(const QString &input) const
{
    LookupResult result;
    const DomainName name = DomainName::fromInput(input);
    if (!name.ok()) {
        result.outcome = Outcome::Refused;
        result.message = name.error;
        return result;
    }
    result.domain = name.ace;

    QNetworkAccessManager network;
    const RdapBootstrap::Service service
        = m_bootstrap.serviceFor(name.ace, network, m_settings.policy, m_settings.limits);
    if (!service.error.isEmpty())
        result.notes.append(service.error + QStringLiteral("; whois was asked instead."));
    if (service.base.isValid())
        rdap(network, service.base, result);
    else
        whois(result);
    return result;
}

void Lookup::rdap(QNetworkAccessManager &network, const QUrl &base, LookupResult &result) const
{
    const QUrl url = base.resolved(QUrl(QStringLiteral("domain/") + result.domain));
    result.asked.append(url.toString());
    const Answer answer
        = Upstream::httpGet(network, url, "application/rdap+json", m_settings.policy, m_settings.limits);
    if (!answer.ok()) {
        result.outcome = Outcome::Failed;
        result.message = QStringLiteral("The registry's lookup service (%1) could not be asked: %2.")
                             .arg(url.host(), answer.error);
        return;
    }
    if (answer.status == 404) {
        result.outcome = Outcome::NotRegistered;
        result.message = QStringLiteral("%1 is not registered.").arg(result.domain);
        return;
    }
    if (answer.status == 429) {
        result.outcome = Outcome::RateLimited;
        result.retryAfterSeconds = Upstream::retryAfterSeconds(answer.retryAfter, QDateTime::currentDateTimeUtc());
        result.message = result.retryAfterSeconds >= 0
            ? QStringLiteral("The registry is limiting how often it is asked. Try again in %1 s.")
                  .arg(result.retryAfterSeconds)
            : QStringLiteral("The registry is limiting how often it is asked. Try again later.");
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(answer.body, &parseError);
    result.records.append(SourceRecord { url.toString(), prettyJson(document, answer.body), answer.cut });
    if (answer.status != 200) {
        result.outcome = Outcome::Failed;
        result.message = QStringLiteral("The registry's lookup service answered with status %1.").arg(answer.status);
        return;
    }
    if (!document.isObject()) {
        result.outcome = Outcome::Failed;
        result.message = answer.cut
            ? QStringLiteral("The registry's record was longer than the site reads and could not be read.")
            : QStringLiteral("The registry's answer is not a record the site can read.");
        return;
    }
    result.outcome = Outcome::Found;
    const QJsonObject record = document.object();
    readRdapFields(record, result);

    // The registrar's record, followed once.
    const QUrl related = relatedLink(record, url);
    if (related.isEmpty())
        return;
    result.asked.append(related.toString());
    const Answer registrar
        = Upstream::httpGet(network, related, "application/rdap+json", m_settings.policy, m_settings.limits);
    const QJsonDocument registrarDocument = QJsonDocument::fromJson(registrar.body);
    if (!registrar.ok() || registrar.status != 200 || !registrarDocument.isObject()) {
        const QString why = !registrar.ok() ? registrar.error
            : registrar.status != 200       ? QStringLiteral("status %1").arg(registrar.status)
                                            : QStringLiteral("not a record the site can read");
        result.notes.append(
            QStringLiteral("The registrar's record (%1) could not be read: %2.").arg(related.host(), why));
        return;
    }
    readRdapFields(registrarDocument.object(), result);
    result.records.append(
        SourceRecord { related.toString(), prettyJson(registrarDocument, registrar.body), registrar.cut });
}

void Lookup::whois(LookupResult &result) const
{
    // At most three servers: the root, the registry it refers to, the registrar the registry names.
    QString host = m_settings.whoisRoot;
    quint16 port = m_settings.whoisRootPort;
    QSet<QString> asked;
    for (int hop = 0; hop < 3; ++hop) {
        const QString server = serverName(host, port);
        asked.insert(host.toLower());
        result.asked.append(server);

        QString why;
        Answer answer;
        const std::optional<QHostAddress> address = m_settings.policy.resolve(host, &why);
        if (address)
            answer = Upstream::whois(*address, port, result.domain.toLatin1(), m_settings.limits);
        else
            answer.error = QStringLiteral("refused to ask it: %1").arg(why);
        if (!answer.ok()) {
            if (hop == 2) {
                // The registry's record is there; the registrar's is extra.
                result.notes.append(QStringLiteral("The registrar's whois server %1 could not be asked: %2.")
                                        .arg(server, answer.error));
                return;
            }
            result.outcome = Outcome::Failed;
            result.message = QStringLiteral("The whois server %1 could not be asked: %2.").arg(server, answer.error);
            return;
        }
        const QString text = Upstream::decodeText(answer.body);

        QString next;
        if (hop == 0) {
            next = WhoisText::referral(text, { QStringLiteral("refer:"), QStringLiteral("whois:") });
            if (next.isEmpty() || asked.contains(next.toLower())) {
                result.outcome = Outcome::NoService;
                const QString extension = result.domain.section(u'.', -1);
                result.message = QStringLiteral("There is no lookup service for the extension .%1.").arg(extension);
                return;
            }
        } else {
            result.records.append(SourceRecord { server, text, answer.cut });
            if (hop == 1) {
                if (WhoisText::saysNotRegistered(text)) {
                    result.outcome = Outcome::NotRegistered;
                    result.message = QStringLiteral("%1 is not registered.").arg(result.domain);
                    return;
                }
                result.outcome = Outcome::Found;
                next = WhoisText::referral(text, { QStringLiteral("Registrar WHOIS Server:") });
            }
        }
        if (next.isEmpty() || asked.contains(next.toLower()))
            return;
        host = next;
        port = m_settings.whoisPort;
    }
}

namespace WhoisText {

QString referral(const QString &answer, const QStringList &keys)
{
    for (QStringView line : QStringView(answer).split(u'\n')) {
        line = line.trimmed();
        for (const QString &key : keys) {
            if (!line.startsWith(key, Qt::CaseInsensitive))
                continue;
            QString value = line.mid(key.size()).trimmed().toString();
            if (value.contains(u"://"))
                value = QUrl(value).host();
            else
                value = value.section(u'/', 0, 0);
            // A host name or an address: nothing that could carry another request.
            static const QRegularExpression hostName(QStringLiteral("^[A-Za-z0-9.:-]{1,253}$"));
            return hostName.match(value).hasMatch() ? value.toLower() : QString();
        }
    }
    return QString();
}

bool saysNotRegistered(const QString &answer)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(no match|not found|no entries found|no data found|no object found|domain not found|"
                       "status:\\s*(free|available)|the queried object does not exist)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    return pattern.match(answer).hasMatch();
}

} // namespace WhoisText
