#include "Lookup.h"

#include "WhoisText.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <cmath>

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

QString serverName(const QString &host, quint16 port)
{
    return port == 43 ? host : QStringLiteral("%1:%2").arg(host).arg(port);
}

void notRegistered(LookupResult &result)
{
    result.outcome = Outcome::NotRegistered;
    result.message = result.kind == Query::Kind::Domain ? Message(MessageId::NotRegistered, result.query)
        : result.kind == Query::Kind::TopLevelDomain    ? Message(MessageId::NoTopLevelDomain, result.query)
                                                        : Message(MessageId::NoRecord, result.query);
}

void rateLimited(LookupResult &result, qint64 retryAfterSeconds)
{
    result.outcome = Outcome::RateLimited;
    result.retryAfterSeconds = retryAfterSeconds;
    result.message = retryAfterSeconds >= 0 ? Message(MessageId::RegistryLimited, retryAfterSeconds)
                                            : Message(MessageId::RegistryLimitedLater);
}

// A record whose statuses say that the name is kept from registration.
bool isReserved(const QStringList &statuses)
{
    return std::any_of(statuses.cbegin(), statuses.cend(),
                       [](const QString &status) { return status.compare(u"reserved", Qt::CaseInsensitive) == 0; });
}

} // namespace

// One lookup under way: the steps of RDAP or of the whois chain, each started when the one before has its
// answer. Deletes itself when done.
class LookupJob : public QObject
{
    friend class Lookup;

public:
    LookupJob(const Lookup &lookup, Query query, Lookup::Done done, QObject *context)
        : QObject(context)
        , m_bootstrap(lookup.m_bootstrap)
        , m_settings(lookup.m_settings)
        , m_query(std::move(query))
        , m_done(std::move(done))
    {
        m_result.kind = m_query.kind;
        m_result.query = m_query.text;
    }

    void start()
    {
        // However each step is bounded, the whole lookup is too (names resolved for whois included).
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] {
            m_result.outcome = Outcome::Failed;
            m_result.message = Message(MessageId::TookTooLong, kLongestLookup);
            finish();
        });
        m_deadline.start(kLongestLookup * 1000);
        m_bootstrap.serviceFor(m_query, m_network, m_settings.policy, m_settings.limits, this,
                               [this](const RdapBootstrap::Service &service) {
                                   if (m_query.kind == Query::Kind::TopLevelDomain) {
                                       // The registry's service, as the bootstrap file names it; the record
                                       // itself is IANA's.
                                       if (service.base.isValid())
                                           m_result.rdapService = service.base.toString();
                                       return rdap(m_settings.ianaRdap);
                                   }
                                   if (!service.error.isNull())
                                       m_result.notes.append(Message(MessageId::WhoisInstead, service.error));
                                   if (service.base.isValid())
                                       rdap(service.base);
                                   else
                                       whois(m_settings.whoisRoot, m_settings.whoisRootPort);
                               });
    }

    void finish()
    {
        if (std::exchange(m_finished, true))
            return;
        m_deadline.stop();
        deleteLater();
        m_done(m_result);
    }

private:
    void rdap(const QUrl &base)
    {
        QUrl url = base;
        url.setPath(base.path() + m_query.rdapPath());
        m_result.asked.append(url.toString());
        paced(url.host(), [this, url] {
            Upstream::httpGet(m_network, url, "application/rdap+json", m_settings.policy, m_settings.limits, this,
                              [this, url](const Answer &answer) { rdapAnswered(url, answer); });
        });
    }

    void rdapAnswered(const QUrl &url, const Answer &answer)
    {
        LookupResult &result = m_result;
        const bool topLevel = m_query.kind == Query::Kind::TopLevelDomain;
        if (topLevel && (!answer.ok() || answer.status >= 500)) {
            // IANA's whois holds the same root zone records.
            result.notes.append(Message(MessageId::IanaWhoisInstead,
                                        answer.ok()
                                            ? Message(MessageId::RegistryStatus, answer.status)
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

    void relatedAnswered(const QUrl &related, const Answer &registrar)
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

    // At most three servers: the root, the registry it refers to, and the server the registry refers to (a
    // domain's registrar, or for addresses and AS numbers the registry that holds the record).
    void whois(const QString &host, quint16 port)
    {
        const QString server = serverName(host, port);
        m_asked.insert(host.toLower());
        m_result.asked.append(server);
        m_settings.policy.resolve(host, this,
                                  [this, host, port, server](std::optional<QHostAddress> address, const Message &why) {
                                      if (!address) {
                                          Answer refused;
                                          refused.error = Message(MessageId::RefusedToAsk, why);
                                          return whoisAnswered(host, server, refused);
                                      }
                                      paced(host, [this, host, port, server, address = *address] {
                                          Upstream::whois(address, port, m_query.whoisQuery(), m_settings.limits, this,
                                                          [this, host, server](const Answer &answer) {
                                                              whoisAnswered(host, server, answer);
                                                          });
                                      });
                                  });
    }

    void whoisAnswered(const QString &host, const QString &server, const Answer &answer)
    {
        using Verdict = WhoisText::Reading::Verdict;
        LookupResult &result = m_result;
        const int hop = m_hop++;
        Answer checked = answer;
        if (checked.ok() && checked.body.trimmed().isEmpty())
            checked.error = Message(MessageId::ClosedWithoutAnswer);
        if (!checked.ok()) {
            if (hop == 2) {
                // The registry's record is there; the next one is extra.
                result.notes.append(Message(m_query.kind == Query::Kind::Domain ? MessageId::RegistrarWhoisUnreachable
                                                                                : MessageId::ReferredWhoisUnreachable,
                                            server, checked.error));
                return finish();
            }
            result.outcome = Outcome::Failed;
            result.message = Message(MessageId::WhoisUnreachable, server, checked.error);
            return finish();
        }
        const QString text = Upstream::decodeText(answer.body);
        const WhoisText::Reading reading = WhoisText::read(text, host, m_query.text);
        if (reading.verdict == Verdict::RateLimited) {
            if (hop < 2)
                return rateLimited(result, reading.retryAfterSeconds), finish();
            result.notes.append(Message(MessageId::ReferredWhoisLimited, server));
            return finish();
        }

        QString next;
        if (hop == 0 && m_query.kind == Query::Kind::TopLevelDomain) {
            // The root's own record of the top-level domain.
            if (WhoisText::rootHoldsNothing(text))
                return notRegistered(result), finish();
            result.records.append(SourceRecord { server, text, answer.cut });
            result.outcome = Outcome::Found;
            WhoisText::readFields(text, result, true);
            return finish();
        }
        if (hop == 0) {
            next = WhoisText::referral(text, WhoisText::referralKeys(WhoisText::Onward::Root));
            if (next.isEmpty() || m_asked.contains(next.toLower())) {
                result.outcome = Outcome::NoService;
                result.message = m_query.kind == Query::Kind::Domain
                    ? Message(MessageId::NoServiceExtension, m_query.text.section(u'.', -1))
                    : Message(MessageId::NoService, m_query.text);
                return finish();
            }
        } else {
            result.records.append(SourceRecord { server, text, answer.cut });
            if (reading.verdict != Verdict::NotRegistered)
                WhoisText::readFields(text, result);
            if (hop == 1) {
                if (reading.verdict == Verdict::NotRegistered)
                    return notRegistered(result), finish();
                if (reading.verdict == Verdict::Reserved) {
                    result.outcome = Outcome::Reserved;
                    result.message = Message(MessageId::Reserved, result.query);
                    return finish();
                }
                result.outcome = Outcome::Found;
                next = WhoisText::referral(text,
                                           WhoisText::referralKeys(m_query.kind == Query::Kind::Domain
                                                                       ? WhoisText::Onward::Domain
                                                                       : WhoisText::Onward::Number));
            }
        }
        if (hop >= 2 || next.isEmpty() || m_asked.contains(next.toLower()))
            return finish();
        whois(next, m_settings.whoisPort);
    }

    // Asks now, or when the site's pace for that server allows. A pace that would keep the user waiting long is
    // said as a limit; once the registry's record is there, as a note on the registrar's record left out.
    void paced(const QString &host, std::function<void()> ask)
    {
        const double wait = m_settings.pacing
            ? m_settings.pacing->reserve(host.toLower().toStdString(), TokenBuckets::Clock::now(), kLongestPace)
            : 0;
        if (wait <= 0)
            return ask();
        if (wait > kLongestPace) {
            const qint64 seconds = qint64(std::ceil(wait));
            if (m_result.outcome == Outcome::Found) {
                m_result.notes.append(Message(MessageId::PacedRecordLeftOut, host, seconds));
                return finish();
            }
            m_result.outcome = Outcome::RateLimited;
            m_result.retryAfterSeconds = seconds;
            m_result.message = Message(MessageId::Paced, host, seconds);
            return finish();
        }
        QTimer::singleShot(int(wait * 1000), this, std::move(ask));
    }

    static constexpr double kLongestPace = 10; // seconds
    static constexpr int kLongestLookup = 100; // seconds: within a load balancer's 120 s

    RdapBootstrap &m_bootstrap;
    const LookupSettings &m_settings;
    const Query m_query;
    const Lookup::Done m_done;
    QNetworkAccessManager m_network { this };
    LookupResult m_result;
    QSet<QString> m_asked;
    QTimer m_deadline;
    int m_hop = 0;
    bool m_finished = false;
};

void Lookup::start(const Query &query, QObject *context, Done done) const
{
    auto *job = new LookupJob(*this, query, std::move(done), context);
    LookupResult &result = job->m_result;
    if (!query.ok()) {
        result.outcome = Outcome::Refused;
        result.message = query.error;
        return job->finish();
    }
    if (const std::optional<SpecialAddresses::Kind> special = query.special()) {
        result.outcome = Outcome::Special;
        result.message = query.specialSentence(*special);
        return job->finish();
    }
    job->start();
}

LookupResult Lookup::run(const QString &input) const
{
    LookupResult result;
    QEventLoop loop;
    bool done = false;
    start(Query::fromInput(input), &loop, [&](const LookupResult &finished) {
        result = finished;
        done = true;
        loop.quit();
    });
    if (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return result;
}
