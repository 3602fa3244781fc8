// A lookup's RDAP steps: the registry's record, and the registrar's where the record links to it.

#include "LookupJob.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

using Outcome = LookupResult::Outcome;

// The registrar's own record, where the registry's record links to it; over https when the record came over https,
// so that a plain http link does not take the lookup out of https.
QUrl relatedLink(const QJsonObject &record, const QUrl &self)
{
    for (const QJsonValue &value : record.value(u"links").toArray()) {
        const QJsonObject link = value.toObject();
        if (link.value(u"rel").toString() != u"related")
            continue;
        if (!link.value(u"type").toString().contains(u"rdap+json"))
            continue;
        QUrl href = self.resolved(QUrl(link.value(u"href").toString()));
        if (self.scheme() == u"https" && href.scheme() == u"http") {
            href.setScheme(QStringLiteral("https"));
            if (href.port() == 80)
                href.setPort(-1);
        }
        if (href.isValid() && href.adjusted(QUrl::StripTrailingSlash) != self.adjusted(QUrl::StripTrailingSlash))
            return href;
    }
    return QUrl();
}

// An RDAP answer as it came, and indented for reading when it is JSON.
SourceRecord rdapRecord(const QUrl &url, const QJsonDocument &document, const Answer &answer)
{
    SourceRecord record { url.toString(), Upstream::decodeText(answer.body), answer.cut };
    if (!document.isNull()) {
        QString indented = QString::fromUtf8(document.toJson(QJsonDocument::Indented));
        if (indented != record.text)
            record.shown = std::move(indented);
    }
    return record;
}

// Cache-Control's max-age (no-store and no-cache as 0); -1 when it says nothing of it.
int maxAge(const QByteArray &cacheControl)
{
    int seconds = -1;
    for (QByteArray directive : cacheControl.toLower().split(',')) {
        directive = directive.trimmed();
        if (directive == "no-store" || directive == "no-cache")
            return 0;
        if (directive.startsWith("max-age=")) {
            bool ok = false;
            const int value = directive.mid(8).toInt(&ok);
            if (ok && value >= 0)
                seconds = value;
        }
    }
    return seconds;
}

// What an RDAP error object (RFC 9083, section 6) says, in the registry's own words: its title and description;
// empty when the body is none.
QString errorWords(const QByteArray &body)
{
    const QJsonObject error = QJsonDocument::fromJson(body).object();
    QStringList parts { error.value(u"title").toString().trimmed() };
    for (const QJsonValue &line : error.value(u"description").toArray())
        parts.append(line.toString().trimmed());
    if (error.value(u"description").isString())
        parts.append(error.value(u"description").toString().trimmed());
    parts.removeAll(QString());
    parts.removeDuplicates();
    for (QString &part : parts) {
        while (part.endsWith(u'.'))
            part.chop(1);
    }
    return parts.join(QStringLiteral(". ")).left(500);
}

// A record whose statuses say that the name is kept from registration.
bool isReserved(const QStringList &statuses)
{
    return std::any_of(statuses.cbegin(), statuses.cend(),
                       [](const QString &status) { return status.compare(u"reserved", Qt::CaseInsensitive) == 0; });
}

} // namespace

void LookupJob::rdap(const QUrl &base)
{
    m_base = base;
    QUrl url = base;
    url.setPath(base.path() + m_query.rdapPath());
    m_result.asked.append(url.toString());
    paced(
        url.host(),
        [this, url] {
            Upstream::httpGet(m_network, url, "application/rdap+json", m_settings.policy, m_settings.limits, this,
                              [this, url](const Answer &answer) { rdapAnswered(url, answer); });
        },
        url.authority());
}

namespace {

// What an RDAP server's answer asks of the site: to wait this many seconds (a 429, with Retry-After or not, or a
// 503 with Retry-After); -1 when it asks nothing.
qint64 askedToWait(const Answer &answer)
{
    const qint64 retry = Upstream::retryAfterSeconds(answer.retryAfter, QDateTime::currentDateTimeUtc());
    if (answer.status == 429)
        return retry >= 0 ? retry : 30;
    return answer.status == 503 ? retry : -1;
}

} // namespace

void LookupJob::rdapAnswered(const QUrl &url, const Answer &answer)
{
    LookupResult &result = m_result;
    heard(url.authority(), answer, answer.ok() ? askedToWait(answer) : -1);
    received((answer.url.isEmpty() ? url : answer.url).toString(), answer);
    const bool topLevel = m_query.kind == Query::Kind::TopLevelDomain;
    if (topLevel && (!answer.ok() || answer.status >= 500)) {
        // IANA's whois holds the same root zone records.
        result.notes.append(Message(MessageId::IanaWhoisInstead,
                                    answer.ok() ? Message(MessageId::RegistryStatus, answer.status)
                                                : Message(MessageId::RegistryUnreachable, url.host(), answer.error)));
        return whois(m_settings.whoisRoot, m_settings.whoisRootPort);
    }
    if (!answer.ok()) {
        result.outcome = Outcome::Failed;
        result.message = Message(MessageId::RegistryUnreachable, url.host(), answer.error);
        return finish();
    }
    // The answer's status decides, or the record it holds: either way the evidence is the status.
    const QUrl from = answer.url.isEmpty() ? url : answer.url;
    result.evidence = Evidence { from.toString(), 0, QString(), answer.status, false };
    if (answer.status == 404) {
        result.maxAgeSeconds = maxAge(answer.cacheControl);
        return notRegistered(result), finish();
    }
    if (answer.status == 429 || (answer.status == 503 && askedToWait(answer) >= 0)) {
        rateLimited(result, Upstream::retryAfterSeconds(answer.retryAfter, QDateTime::currentDateTimeUtc()));
        return finish();
    }
    // The server that answered, which a redirect may have made another (ARIN's RDAP sends RIPE's addresses on).
    if (from != url)
        result.asked.append(from.toString());
    const QJsonDocument document = QJsonDocument::fromJson(answer.body);
    result.records.append(rdapRecord(from, document, answer));
    if (answer.status != 200) {
        const QString words = errorWords(answer.body);
        result.outcome = Outcome::Failed;
        result.message = words.isEmpty() ? Message(MessageId::RegistryStatus, answer.status)
                                         : Message(MessageId::RegistryStatusSaid, answer.status, words);
        return finish();
    }
    if (!document.isObject()) {
        result.outcome = Outcome::Failed;
        result.message = Message(answer.cut ? MessageId::RecordTooLong : MessageId::NotARecord);
        return finish();
    }
    result.outcome = Outcome::Found;
    result.maxAgeSeconds = maxAge(answer.cacheControl);
    const QJsonObject record = document.object();
    RdapFields fields;
    fields.read(record);
    result.merge(fields, from.toString(), false);
    if (isReserved(result.statuses)) {
        result.outcome = Outcome::Reserved;
        result.message = Message(MessageId::Reserved, result.query);
    }

    // The registrar's record, followed once; only a domain has a registrar (an AS number's or a network's
    // related link leads elsewhere).
    const QUrl related = m_query.kind == Query::Kind::Domain ? relatedLink(record, from) : QUrl();
    if (related.isEmpty())
        return hostRecord();
    result.asked.append(related.toString());
    paced(
        related.host(),
        [this, related] {
            Upstream::httpGet(m_network, related, "application/rdap+json", m_settings.policy, m_settings.limits, this,
                              [this, related](const Answer &registrar) { relatedAnswered(related, registrar); });
        },
        related.authority());
}

void LookupJob::relatedAnswered(const QUrl &related, const Answer &registrar)
{
    heard(related.authority(), registrar, registrar.ok() ? askedToWait(registrar) : -1);
    received((registrar.url.isEmpty() ? related : registrar.url).toString(), registrar);
    const QJsonDocument registrarDocument = QJsonDocument::fromJson(registrar.body);
    const QUrl from = registrar.url.isEmpty() ? related : registrar.url;
    if (!registrar.ok() || registrar.status != 200 || !registrarDocument.isObject()) {
        const QString words = registrar.ok() ? errorWords(registrar.body) : QString();
        const Message why = !registrar.ok() ? registrar.error
            : registrar.status == 200       ? Message(MessageId::NotARecordReason)
            : words.isEmpty()               ? Message(MessageId::Status, registrar.status)
                                            : Message(MessageId::StatusSaid, registrar.status, words);
        m_result.notes.append(Message(MessageId::RegistrarUnreadable, from.host(), why));
        return hostRecord();
    }
    if (from != related)
        m_result.asked.append(from.toString());
    RdapFields fields;
    fields.read(registrarDocument.object());
    m_result.merge(fields, from.toString(), true);
    m_result.records.append(rdapRecord(from, registrarDocument, registrar));
    hostRecord();
}

// The registry's record of the host name that was asked (a name server's, where the registry keeps one): its
// addresses and statuses. A registry without one says 404, and the lookup ends as it was.
void LookupJob::hostRecord()
{
    if (m_query.host.isEmpty() || !m_base.isValid() || m_result.outcome != Outcome::Found)
        return finish();
    QUrl url = m_base;
    url.setPath(m_base.path() + QStringLiteral("nameserver/") + m_query.host);
    m_result.asked.append(url.toString());
    paced(
        url.host(),
        [this, url] {
            Upstream::httpGet(m_network, url, "application/rdap+json", m_settings.policy, m_settings.limits, this,
                              [this, url](const Answer &answer) {
                                  heard(url.authority(), answer, answer.ok() ? askedToWait(answer) : -1);
                                  received((answer.url.isEmpty() ? url : answer.url).toString(), answer);
                                  const QJsonDocument document = QJsonDocument::fromJson(answer.body);
                                  const QJsonObject host = document.object();
                                  if (answer.ok() && answer.status == 200
                                      && host.value(u"objectClassName").toString() == u"nameserver") {
                                      m_result.readHost(host);
                                      m_result.records.append(
                                          rdapRecord(answer.url.isEmpty() ? url : answer.url, document, answer));
                                  }
                                  finish();
                              });
        },
        url.authority());
}
