// A lookup's RDAP steps: the registry's record, and the registrar's where the record links to it.

#include "LookupJob.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

using Outcome = LookupResult::Outcome;

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

// A record whose statuses say that the name is kept from registration.
bool isReserved(const QStringList &statuses)
{
    return std::any_of(statuses.cbegin(), statuses.cend(),
                       [](const QString &status) { return status.compare(u"reserved", Qt::CaseInsensitive) == 0; });
}

} // namespace

void LookupJob::rdap(const QUrl &base)
{
    QUrl url = base;
    url.setPath(base.path() + m_query.rdapPath());
    m_result.asked.append(url.toString());
    paced(url.host(), [this, url] {
        Upstream::httpGet(m_network, url, "application/rdap+json", m_settings.policy, m_settings.limits, this,
                          [this, url](const Answer &answer) { rdapAnswered(url, answer); });
    });
}

void LookupJob::rdapAnswered(const QUrl &url, const Answer &answer)
{
    LookupResult &result = m_result;
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
    if (answer.status == 404) {
        result.maxAgeSeconds = maxAge(answer.cacheControl);
        return notRegistered(result), finish();
    }
    if (answer.status == 429) {
        rateLimited(result, Upstream::retryAfterSeconds(answer.retryAfter, QDateTime::currentDateTimeUtc()));
        return finish();
    }
    const QJsonDocument document = QJsonDocument::fromJson(answer.body);
    result.records.append(rdapRecord(url, document, answer));
    if (answer.status != 200) {
        result.outcome = Outcome::Failed;
        result.message = Message(MessageId::RegistryStatus, answer.status);
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
    result.read(record);
    if (isReserved(result.statuses)) {
        result.outcome = Outcome::Reserved;
        result.message = Message(MessageId::Reserved, result.query);
    }

    // The registrar's record, followed once; only a domain has a registrar (an AS number's or a network's
    // related link leads elsewhere).
    const QUrl related = m_query.kind == Query::Kind::Domain ? relatedLink(record, url) : QUrl();
    if (related.isEmpty())
        return finish();
    result.asked.append(related.toString());
    paced(related.host(), [this, related] {
        Upstream::httpGet(m_network, related, "application/rdap+json", m_settings.policy, m_settings.limits, this,
                          [this, related](const Answer &registrar) { relatedAnswered(related, registrar); });
    });
}

void LookupJob::relatedAnswered(const QUrl &related, const Answer &registrar)
{
    const QJsonDocument registrarDocument = QJsonDocument::fromJson(registrar.body);
    if (!registrar.ok() || registrar.status != 200 || !registrarDocument.isObject()) {
        const Message why = !registrar.ok() ? registrar.error
            : registrar.status != 200       ? Message(MessageId::Status, registrar.status)
                                            : Message(MessageId::NotARecordReason);
        m_result.notes.append(Message(MessageId::RegistrarUnreadable, related.host(), why));
        return finish();
    }
    m_result.read(registrarDocument.object());
    m_result.records.append(rdapRecord(related, registrarDocument, registrar));
    finish();
}
