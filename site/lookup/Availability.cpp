#include "Availability.h"

#include "query/DomainName.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <deque>

namespace Availability {

Row::State stateOf(const LookupResult &result)
{
    switch (result.outcome) {
    case LookupResult::Outcome::Found:
        return Row::State::Registered;
    case LookupResult::Outcome::NotRegistered:
        return Row::State::Available;
    case LookupResult::Outcome::Reserved:
        return Row::State::Reserved;
    default:
        return Row::State::Unknown;
    }
}

namespace {

// One check under way: the extensions waiting for the registry, a few asked at once.
class Check : public QObject
{
public:
    Check(const Lookup &lookup, const Settings &settings, ManyExtensions question, std::string client, QObject *context,
          std::function<void(const Row &)> row, std::function<void()> done)
        : QObject(context)
        , m_lookup(lookup)
        , m_settings(settings)
        , m_question(std::move(question))
        , m_client(std::move(client))
        , m_row(std::move(row))
        , m_done(std::move(done))
    {
    }

    void start()
    {
        m_open = m_question.extensions.size();
        m_clock.start();
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] {
            for (const QString &extension : std::as_const(m_question.extensions)) {
                if (!m_answered.contains(extension))
                    answer(unknown(extension, Message(MessageId::TookTooLong, m_settings.deadlineSeconds)));
            }
        });
        m_deadline.start(m_settings.deadlineSeconds * 1000);
        for (const QString &extension : std::as_const(m_question.extensions)) {
            const QString domain = m_question.name + u'.' + extension;
            // A kept answer first: it costs nothing. This instance's own at once; another's, from Redis, without
            // waiting on this thread.
            if (m_settings.cache) {
                const QDateTime now = QDateTime::currentDateTimeUtc();
                if (const std::optional<LookupResult> kept = LookupResult::kept(*m_settings.cache, domain, now)) {
                    answer(fromResult(extension, *kept, Row::Source::Cache));
                    continue;
                }
                if (m_settings.cache->shared()) {
                    m_settings.cache->askShared(domain,
                                                SharedState::deliveredTo<std::optional<QByteArray>>(
                                                    this, [this, extension](std::optional<QByteArray> bytes) {
                                                        const std::optional<LookupResult> kept = bytes
                                                            ? LookupResult::deserialised(
                                                                *bytes, QDateTime::currentDateTimeUtc())
                                                            : std::nullopt;
                                                        if (kept)
                                                            answer(fromResult(extension, *kept, Row::Source::Cache));
                                                        else
                                                            notKept(extension);
                                                        askNext();
                                                    }));
                    continue;
                }
            }
            notKept(extension);
        }
        askNext();
    }

private:
    // An extension with no kept answer: the DNS first, where there is a resolver, then the registry.
    void notKept(const QString &extension)
    {
        if (!m_settings.resolver) {
            m_waiting.push_back(extension);
            return;
        }
        // A name with name servers is registered; any other answer goes to the registry.
        const QString domain = m_question.name + u'.' + extension;
        Dns::delegation(*m_settings.resolver, domain, this, [this, extension, domain](Dns::Delegation delegation) {
            if (delegation == Dns::Delegation::Delegated) {
                Row row { extension, domain, Row::State::Registered, Row::Source::Dns, {}, {} };
                row.evidence.delegated = true;
                return answer(row);
            }
            m_waiting.push_back(extension);
            askNext();
        });
    }

    Row unknown(const QString &extension, const Message &why) const
    {
        return Row {
            extension, m_question.name + u'.' + extension, Row::State::Unknown, Row::Source::Registry, {}, why
        };
    }

    Row fromResult(const QString &extension, const LookupResult &result, Row::Source source) const
    {
        Row row { extension, m_question.name + u'.' + extension, stateOf(result), source, result.expires, {} };
        if (row.state == Row::State::Unknown)
            row.why = result.message;
        row.evidence = result.evidence;
        row.busy = result.outcome == LookupResult::Outcome::RateLimited;
        return row;
    }

    void askNext()
    {
        while (m_asking < m_settings.atOnce && !m_waiting.empty()) {
            const QString extension = m_waiting.front();
            m_waiting.pop_front();
            if (m_answered.contains(extension))
                continue;
            ++m_asking;
            // Only a question to a registry counts against the client's budget; one past it waits for the
            // budget while the check has time for it, and is not asked otherwise.
            if (!m_settings.clientLookups) {
                ask(extension);
                continue;
            }
            const double left = qMax(0.0, m_settings.deadlineSeconds - m_clock.elapsed() / 1000.0 - kLongestQuestion);
            const auto budgeted = [this, extension, left](double wait) {
                if (wait > left) {
                    --m_asking;
                    answer(unknown(extension, Message(MessageId::ClientLimitedCheck)));
                    return askNext();
                }
                QTimer::singleShot(int(wait * 1000), this, [this, extension] { ask(extension); });
            };
            const std::string registry = extension.section(u'.', -1).toStdString();
            if (m_settings.clientLookups->shared()) // counted with every instance's, without waiting here
                m_settings.clientLookups->reserve(m_client, registry, left,
                                                  SharedState::deliveredTo<double>(this, budgeted));
            else
                budgeted(m_settings.clientLookups->reserve(m_client, registry, TokenBuckets::Clock::now(), left));
        }
    }

    void ask(const QString &extension)
    {
        const QString domain = m_question.name + u'.' + extension;
        m_lookup.start(Query::fromInput(domain), this, [this, extension, domain](const LookupResult &result) {
            --m_asking;
            if (m_settings.cache)
                result.keep(*m_settings.cache, domain, QDateTime::currentDateTimeUtc());
            answer(fromResult(extension, result, Row::Source::Registry));
            askNext();
        });
    }

    static constexpr double kLongestQuestion = 30; // seconds a registry question may take, after its wait

    void answer(const Row &row)
    {
        if (m_answered.contains(row.extension))
            return;
        m_answered.insert(row.extension);
        m_row(row);
        if (--m_open == 0) {
            m_deadline.stop();
            deleteLater();
            m_done();
        }
    }

    const Lookup &m_lookup;
    const Settings m_settings;
    const ManyExtensions m_question;
    const std::string m_client;
    const std::function<void(const Row &)> m_row;
    const std::function<void()> m_done;
    std::deque<QString> m_waiting;
    QSet<QString> m_answered;
    qsizetype m_open = 0;
    int m_asking = 0;
    QTimer m_deadline;
    QElapsedTimer m_clock;
};

} // namespace

void check(const Lookup &lookup, const Settings &settings, const ManyExtensions &question, const std::string &client,
           QObject *context, std::function<void(const Row &)> row, std::function<void()> done)
{
    (new Check(lookup, settings, question, client, context, std::move(row), std::move(done)))->start();
}

} // namespace Availability
