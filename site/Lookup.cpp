#include "Lookup.h"

#include "WhoisText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QSet>

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

QString prettyJson(const QJsonDocument &document, const QByteArray &raw)
{
    return document.isNull() ? Upstream::decodeText(raw) : QString::fromUtf8(document.toJson(QJsonDocument::Indented));
}

QString serverName(const QString &host, quint16 port)
{
    return port == 43 ? host : QStringLiteral("%1:%2").arg(host).arg(port);
}

void notRegistered(LookupResult &result)
{
    result.outcome = Outcome::NotRegistered;
    result.message = result.kind == Query::Kind::Domain
        ? QStringLiteral("%1 is not registered.").arg(result.query)
        : QStringLiteral("No registry holds a record for %1.").arg(result.query);
}

void rateLimited(LookupResult &result, qint64 retryAfterSeconds)
{
    result.outcome = Outcome::RateLimited;
    result.retryAfterSeconds = retryAfterSeconds;
    result.message = retryAfterSeconds >= 0
        ? QStringLiteral("The registry is limiting how often it is asked. Try again in %1 s.").arg(retryAfterSeconds)
        : QStringLiteral("The registry is limiting how often it is asked. Try again later.");
}

} // namespace

LookupResult Lookup::run(const QString &input) const
{
    LookupResult result;
    const Query query = Query::fromInput(input);
    if (!query.ok()) {
        result.outcome = Outcome::Refused;
        result.message = query.error;
        return result;
    }
    result.kind = query.kind;
    result.query = query.text;
    if (const std::optional<SpecialAddresses::Kind> special = query.special()) {
        result.outcome = Outcome::Special;
        result.message = SpecialAddresses::sentence(query.text, query.noun(), *special);
        return result;
    }

    QNetworkAccessManager network;
    const RdapBootstrap::Service service = m_bootstrap.serviceFor(query, network, m_settings.policy, m_settings.limits);
    if (!service.error.isEmpty())
        result.notes.append(service.error + QStringLiteral("; whois was asked instead."));
    if (service.base.isValid())
        rdap(network, service.base, query, result);
    else
        whois(query, result);
    return result;
}

void Lookup::rdap(QNetworkAccessManager &network, const QUrl &base, const Query &query, LookupResult &result) const
{
    QUrl url = base;
    url.setPath(base.path() + query.rdapPath());
    result.asked.append(url.toString());
    const Answer answer
        = Upstream::httpGet(network, url, "application/rdap+json", m_settings.policy, m_settings.limits);
    if (!answer.ok()) {
        result.outcome = Outcome::Failed;
        result.message = QStringLiteral("The registry's lookup service (%1) could not be asked: %2.")
                             .arg(url.host(), answer.error);
        return;
    }
    if (answer.status == 404)
        return notRegistered(result);
    if (answer.status == 429)
        return rateLimited(result, Upstream::retryAfterSeconds(answer.retryAfter, QDateTime::currentDateTimeUtc()));
    const QJsonDocument document = QJsonDocument::fromJson(answer.body);
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
    result.read(record);

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
    result.read(registrarDocument.object());
    result.records.append(
        SourceRecord { related.toString(), prettyJson(registrarDocument, registrar.body), registrar.cut });
}

void Lookup::whois(const Query &query, LookupResult &result) const
{
    using Verdict = WhoisText::Reading::Verdict;
    // At most three servers: the root, the registry it refers to, and the server the registry refers to (a
    // domain's registrar, or for addresses and AS numbers the registry that holds the record).
    const QString onwardKey = query.kind == Query::Kind::Domain ? QStringLiteral("Registrar WHOIS Server:")
                                                                : QStringLiteral("ReferralServer:");
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
            answer = Upstream::whois(*address, port, query.whoisQuery(), m_settings.limits);
        else
            answer.error = QStringLiteral("refused to ask it: %1").arg(why);
        if (!answer.ok()) {
            if (hop == 2) {
                // The registry's record is there; the next one is extra.
                result.notes.append((query.kind == Query::Kind::Domain
                                         ? QStringLiteral("The registrar's whois server %1 could not be asked: %2.")
                                         : QStringLiteral("The whois server %1 that the registry refers to could "
                                                          "not be asked: %2."))
                                        .arg(server, answer.error));
                return;
            }
            result.outcome = Outcome::Failed;
            result.message = QStringLiteral("The whois server %1 could not be asked: %2.").arg(server, answer.error);
            return;
        }
        const QString text = Upstream::decodeText(answer.body);
        const WhoisText::Reading reading = WhoisText::read(text, host, query.text);
        if (reading.verdict == Verdict::RateLimited) {
            if (hop < 2)
                return rateLimited(result, reading.retryAfterSeconds);
            result.notes.append(QStringLiteral("The whois server %1 that the registry refers to is limiting how "
                                               "often it is asked; its record is left out.")
                                    .arg(server));
            return;
        }

        QString next;
        if (hop == 0) {
            next = WhoisText::referral(text, { QStringLiteral("refer:"), QStringLiteral("whois:") });
            if (next.isEmpty() || asked.contains(next.toLower())) {
                result.outcome = Outcome::NoService;
                result.message = query.kind == Query::Kind::Domain
                    ? QStringLiteral("There is no lookup service for the extension .%1.")
                          .arg(query.text.section(u'.', -1))
                    : QStringLiteral("There is no lookup service for %1.").arg(query.text);
                return;
            }
        } else {
            result.records.append(SourceRecord { server, text, answer.cut });
            if (hop == 1) {
                if (reading.verdict == Verdict::NotRegistered)
                    return notRegistered(result);
                result.outcome = Outcome::Found;
                next = WhoisText::referral(text, { onwardKey });
            }
        }
        if (next.isEmpty() || asked.contains(next.toLower()))
            return;
        host = next;
        port = m_settings.whoisPort;
    }
}
