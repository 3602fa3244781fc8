#include "Lookup.h"

#include "PageLanguage.h"
#include "WhoisText.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QSet>
#include <QTimer>

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

QString prettyJson(const QJsonDocument &document, const QByteArray &raw)
{
    return document.isNull() ? Upstream::decodeText(raw) : QString::fromUtf8(document.toJson(QJsonDocument::Indented));
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
    result.message = result.kind == Query::Kind::Domain
        ? PAGE_TEXT("%1 is not registered.").arg(result.query)
        : PAGE_TEXT("No registry holds a record for %1.").arg(result.query);
}

void rateLimited(LookupResult &result, qint64 retryAfterSeconds)
{
    result.outcome = Outcome::RateLimited;
    result.retryAfterSeconds = retryAfterSeconds;
    result.message = retryAfterSeconds >= 0
        ? PAGE_TEXT("The registry is limiting how often it is asked. Try again in %1 s.").arg(retryAfterSeconds)
        : PAGE_TEXT("The registry is limiting how often it is asked. Try again later.");
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
            m_result.message = PAGE_TEXT("The lookup took longer than %1 s and was given up.").arg(kLongestLookup);
            finish();
        });
        m_deadline.start(kLongestLookup * 1000);
        m_bootstrap.serviceFor(m_query, m_network, m_settings.policy, m_settings.limits, this,
                               [this](const RdapBootstrap::Service &service) {
                                   if (!service.error.isEmpty())
                                       m_result.notes.append(
                                           PAGE_TEXT("%1; whois was asked instead.").arg(service.error));
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
        if (!answer.ok()) {
            result.outcome = Outcome::Failed;
            result.message
                = PAGE_TEXT("The registry's lookup service (%1) could not be asked: %2.").arg(url.host(), answer.error);
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
        result.records.append(SourceRecord { url.toString(), prettyJson(document, answer.body), answer.cut });
        if (answer.status != 200) {
            result.outcome = Outcome::Failed;
            result.message = PAGE_TEXT("The registry's lookup service answered with status %1.").arg(answer.status);
            return finish();
        }
        if (!document.isObject()) {
            result.outcome = Outcome::Failed;
            result.message = answer.cut
                ? PAGE_TEXT("The registry's record was longer than the site reads and could not be read.")
                : PAGE_TEXT("The registry's answer is not a record the site can read.");
            return finish();
        }
        result.outcome = Outcome::Found;
        result.maxAgeSeconds = maxAge(answer.cacheControl);
        const QJsonObject record = document.object();
        result.read(record);

        // The registrar's record, followed once.
        const QUrl related = relatedLink(record, url);
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
            const QString why = !registrar.ok() ? registrar.error
                : registrar.status != 200       ? PAGE_TEXT("status %1").arg(registrar.status)
                                                : PAGE_TEXT("not a record the site can read");
            m_result.notes.append(
                PAGE_TEXT("The registrar's record (%1) could not be read: %2.").arg(related.host(), why));
            return finish();
        }
        m_result.read(registrarDocument.object());
        m_result.records.append(
            SourceRecord { related.toString(), prettyJson(registrarDocument, registrar.body), registrar.cut });
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
                                  [this, host, port, server](std::optional<QHostAddress> address, const QString &why) {
                                      if (!address) {
                                          Answer refused;
                                          refused.error = PAGE_TEXT("refused to ask it: %1").arg(why);
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
            checked.error = PAGE_TEXT("it closed the connection without an answer");
        if (!checked.ok()) {
            if (hop == 2) {
                // The registry's record is there; the next one is extra.
                result.notes.append((m_query.kind == Query::Kind::Domain
                                         ? PAGE_TEXT("The registrar's whois server %1 could not be asked: %2.")
                                         : PAGE_TEXT("The whois server %1 that the registry refers to could "
                                                     "not be asked: %2."))
                                        .arg(server, checked.error));
                return finish();
            }
            result.outcome = Outcome::Failed;
            result.message = PAGE_TEXT("The whois server %1 could not be asked: %2.").arg(server, checked.error);
            return finish();
        }
        const QString text = Upstream::decodeText(answer.body);
        const WhoisText::Reading reading = WhoisText::read(text, host, m_query.text);
        if (reading.verdict == Verdict::RateLimited) {
            if (hop < 2)
                return rateLimited(result, reading.retryAfterSeconds), finish();
            result.notes.append(PAGE_TEXT("The whois server %1 that the registry refers to is limiting how "
                                          "often it is asked; its record is left out.")
                                    .arg(server));
            return finish();
        }

        QString next;
        if (hop == 0) {
            next = WhoisText::referral(text, { QStringLiteral("refer:"), QStringLiteral("whois:") });
            if (next.isEmpty() || m_asked.contains(next.toLower())) {
                result.outcome = Outcome::NoService;
                result.message = m_query.kind == Query::Kind::Domain
                    ? PAGE_TEXT("There is no lookup service for the extension .%1.").arg(m_query.text.section(u'.', -1))
                    : PAGE_TEXT("There is no lookup service for %1.").arg(m_query.text);
                return finish();
            }
        } else {
            result.records.append(SourceRecord { server, text, answer.cut });
            if (hop == 1) {
                if (reading.verdict == Verdict::NotRegistered)
                    return notRegistered(result), finish();
                result.outcome = Outcome::Found;
                const QString onwardKey = m_query.kind == Query::Kind::Domain
                    ? QStringLiteral("Registrar WHOIS Server:")
                    : QStringLiteral("ReferralServer:");
                next = WhoisText::referral(text, { onwardKey });
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
                m_result.notes.append(PAGE_TEXT("The site is pacing its questions to %1 so as not to be blocked "
                                                "there; its record is left out. Try again in %2 s.")
                                          .arg(host)
                                          .arg(seconds));
                return finish();
            }
            m_result.outcome = Outcome::RateLimited;
            m_result.retryAfterSeconds = seconds;
            m_result.message = PAGE_TEXT("The site is pacing its questions to %1 so as not to be blocked there. "
                                         "Try again in %2 s.")
                                   .arg(host)
                                   .arg(seconds);
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

void Lookup::start(const QString &input, QObject *context, Done done) const
{
    const Query query = Query::fromInput(input);
    auto *job = new LookupJob(*this, query, std::move(done), context);
    LookupResult &result = job->m_result;
    if (!query.ok()) {
        result.outcome = Outcome::Refused;
        result.message = query.error;
        return job->finish();
    }
    if (const std::optional<SpecialAddresses::Kind> special = query.special()) {
        result.outcome = Outcome::Special;
        result.message = SpecialAddresses::sentence(query.text, query.noun(), *special);
        return job->finish();
    }
    job->start();
}

LookupResult Lookup::run(const QString &input) const
{
    LookupResult result;
    QEventLoop loop;
    bool done = false;
    start(input, &loop, [&](const LookupResult &finished) {
        result = finished;
        done = true;
        loop.quit();
    });
    if (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return result;
}
