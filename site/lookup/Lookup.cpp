#include "Lookup.h"

#include "LookupJob.h"

#include <QEventLoop>
#include <QRegularExpression>

#include <cmath>

using Outcome = LookupResult::Outcome;

void LookupJob::notRegistered(LookupResult &result)
{
    result.outcome = Outcome::NotRegistered;
    result.message = result.kind == Query::Kind::Domain ? Message(MessageId::NotRegistered, result.query)
        : result.kind == Query::Kind::TopLevelDomain    ? Message(MessageId::NoTopLevelDomain, result.query)
                                                        : Message(MessageId::NoRecord, result.query);
}

void LookupJob::heard(const QString &server, const Answer &answer, qint64 limitedFor)
{
    if (!m_settings.health)
        return;
    const std::string name = server.toLower().toStdString();
    const auto now = RegistryHealth::Clock::now();
    if (limitedFor >= 0)
        m_settings.health->limited(name, limitedFor, now);
    else if (!answer.ok() && answer.error.id() != MessageId::RefusedToAsk)
        m_settings.health->failed(name, now);
    else if (answer.ok())
        m_settings.health->answered(name);
}

void LookupJob::received(const QString &server, const Answer &answer, const QByteArray &question)
{
    if (answer.body.isEmpty() && answer.status == 0)
        return;
    m_result.hops.append(Hop { server, question,
                               answer.received.isValid() ? answer.received : QDateTime::currentDateTimeUtc(),
                               answer.status, answer.headers, answer.body, answer.cut });
}

void LookupJob::rateLimited(LookupResult &result, qint64 retryAfterSeconds)
{
    result.outcome = Outcome::RateLimited;
    result.retryAfterSeconds = retryAfterSeconds;
    result.message = retryAfterSeconds >= 0 ? Message(MessageId::RegistryLimited, Message::duration(retryAfterSeconds))
                                            : Message(MessageId::RegistryLimitedLater);
}

void LookupJob::start()
{
    // However each step is bounded, the whole lookup is too (names resolved for whois included).
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_result.outcome = Outcome::Failed;
        m_result.message = Message(MessageId::TookTooLong, kLongestLookup);
        finish();
    });
    m_deadline.start(kLongestLookup * 1000);
    if (const LookupSettings::Server *named = m_settings.namedFor(m_query)) {
        if (named->rdap.isValid())
            return rdap(named->rdap);
        m_hop = 1; // asked as the registry's server
        return whois(named->whois, named->whoisPort);
    }
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

void LookupJob::finish()
{
    if (std::exchange(m_finished, true))
        return;
    m_deadline.stop();
    deleteLater();
    m_done(m_result);
}

// Asks now, or when the site's pace for that server allows. A pace that would keep the user waiting long is
// said as a limit; once the registry's record is there, as a note on the registrar's record left out.
void LookupJob::paced(const QString &host, std::function<void()> ask, const QString &server)
{
    // What the other instances heard of the server first, from Redis, without waiting on this thread.
    if (m_settings.health && m_settings.health->shared()) {
        m_settings.health->hear((server.isEmpty() ? host : server).toLower().toStdString(),
                                SharedState::deliveredTo<>(
                                    this, [this, host, ask = std::move(ask), server] { pacedNow(host, ask, server); }));
        return;
    }
    pacedNow(host, std::move(ask), server);
}

void LookupJob::pacedNow(const QString &host, std::function<void()> ask, const QString &server)
{
    // The registry's own word and health first: a server that asked to wait, or that rests after failures, is
    // not asked; once the registry's record is there, the record it would give is left out with a note.
    if (m_settings.health) {
        const RegistryHealth::Turn turn = m_settings.health->turn(
            (server.isEmpty() ? host : server).toLower().toStdString(), RegistryHealth::Clock::now());
        if (turn.kind != RegistryHealth::Turn::Ask) {
            const bool limited = turn.kind == RegistryHealth::Turn::Limited;
            if (m_result.outcome == Outcome::Found) {
                m_result.notes.append(
                    Message(limited ? MessageId::RecordLeftOutLimited : MessageId::RecordLeftOutResting, host,
                            Message::duration(turn.seconds)));
                return finish();
            }
            if (limited) {
                rateLimited(m_result, turn.seconds);
            } else {
                m_result.outcome = Outcome::Failed;
                m_result.message = Message(MessageId::RegistryResting, host, Message::duration(turn.seconds));
                m_result.retryAfterSeconds = turn.seconds; // a list may wait for it
            }
            return finish();
        }
    }
    // The site's own lookups take a token only while half the burst is left for visitors, and wait for none.
    const double longest = m_forSite ? 0 : kLongestPace;
    const double keep = m_forSite && m_settings.pacing ? m_settings.pacing->burst() / 2 : 0;
    const auto paced = [this, host, longest, ask = std::move(ask)](double wait) {
        if (wait <= 0)
            return ask();
        if (wait > longest) {
            const qint64 seconds = qint64(std::ceil(wait));
            if (m_result.outcome == Outcome::Found) {
                m_result.notes.append(Message(MessageId::PacedRecordLeftOut, host, Message::duration(seconds)));
                return finish();
            }
            m_result.outcome = Outcome::RateLimited;
            m_result.retryAfterSeconds = seconds;
            m_result.message = Message(MessageId::Paced, host, Message::duration(seconds));
            return finish();
        }
        QTimer::singleShot(int(wait * 1000), this, ask);
    };
    if (!m_settings.pacing)
        return paced(0);
    const std::string key = host.toLower().toStdString();
    if (m_settings.pacing->shared()) // counted with every instance's questions, without waiting on this thread
        return m_settings.pacing->reserve(key, longest, SharedState::deliveredTo<double>(this, paced), keep);
    paced(m_settings.pacing->reserve(key, TokenBuckets::Clock::now(), longest, nullptr, keep));
}

LookupSettings::Server LookupSettings::Server::fromText(const QString &text)
{
    Server server;
    const QString trimmed = text.trimmed();
    if (trimmed.contains(u"://")) {
        QUrl base(trimmed, QUrl::StrictMode);
        if (!base.isValid() || (base.scheme() != u"http" && base.scheme() != u"https") || base.host().isEmpty())
            return Server();
        if (!base.path().endsWith(u'/'))
            base.setPath(base.path() + u'/');
        server.rdap = base;
        return server;
    }
    const qsizetype colon = trimmed.lastIndexOf(u':');
    const bool hasPort = colon > 0 && trimmed.count(u':') == 1;
    bool ok = true;
    const uint port = hasPort ? trimmed.mid(colon + 1).toUInt(&ok) : 43;
    server.whois = hasPort ? trimmed.left(colon) : trimmed;
    static const QRegularExpression hostName(QStringLiteral("^[A-Za-z0-9.:-]+$")); // a name, IPv4 or IPv6
    if (!ok || port == 0 || port > 65535 || !hostName.match(server.whois).hasMatch())
        return Server();
    server.whoisPort = quint16(port);
    return server;
}

const LookupSettings::Server *LookupSettings::namedFor(const Query &query) const
{
    if (!server.isNull())
        return &server;
    if (query.kind != Query::Kind::Domain || routes.isEmpty())
        return nullptr;
    for (QString suffix = query.text; !suffix.isEmpty();) {
        if (const auto found = routes.constFind(suffix); found != routes.cend())
            return &*found;
        const qsizetype dot = suffix.indexOf(u'.');
        if (dot < 0)
            break;
        suffix = suffix.mid(dot + 1);
    }
    return nullptr;
}

void Lookup::start(const Query &query, QObject *context, Done done, For asker) const
{
    auto *job = new LookupJob(*this, query, std::move(done), context);
    job->m_forSite = asker == For::Site;
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
