#include "WhoToTell.h"

#include "lookup/LookupPool.h"
#include "state/SharedState.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

#include <deque>

namespace Abuse {

namespace {

using Outcome = LookupResult::Outcome;

// One question of the search: what to ask, and what its contacts stand for.
struct Step
{
    Query query;
    Role role = Role::Network;
    QString address; // a hosting or DNS network's: "www.example.com 192.0.2.1"
    QString moreSpecific; // the network, naming none, that this one contains
    int depth = 0; // steps up from the network first asked
    bool registry = false; // IANA's record of the domain's top-level domain
};

class Search : public QObject
{
public:
    Search(const Lookup &lookup, const Settings &settings, const Query &query, std::string client, QObject *context,
           std::function<void(const Report &)> done)
        : QObject(context)
        , m_lookup(lookup)
        , m_settings(settings)
        , m_client(std::move(client))
        , m_done(std::move(done))
    {
        m_report.query = query.asked();
        // However many lookups it takes, the search ends in time (within a load balancer's 120 s).
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] {
            m_report.notes.append(Message(MessageId::TookTooLong, kLongestSearch));
            finish();
        });
        m_deadline.start(kLongestSearch * 1000);
        m_steps.push_back(Step { query, query.kind == Query::Kind::Domain ? Role::Registrar : Role::Network, QString(),
                                 QString(), 0, false });
    }

    void next()
    {
        if (m_finished)
            return;
        if (m_steps.empty())
            return finish();
        const Step step = m_steps.front();
        m_steps.pop_front();
        const QString key = LookupPool::keyOf(step.query);
        if (m_settings.cache && !key.isEmpty()) {
            if (std::optional<LookupResult> kept
                = LookupResult::kept(*m_settings.cache, key, QDateTime::currentDateTimeUtc()))
                return answered(step, *kept);
        }
        if (!m_settings.clientLookups || key.isEmpty())
            return ask(step);
        // Each question to a registry is charged as a lookup is; one past the budget ends the search.
        const auto budgeted = [this, step](double wait) {
            if (wait > 0) {
                if (!m_begun) // the question itself: refused as a lookup is
                    m_report.refusedFor = wait;
                else
                    m_report.notes.append(
                        Message(MessageId::AbuseBudgetSpent, Message::duration(qint64(std::ceil(wait)))));
                return finish();
            }
            ask(step);
        };
        // (Counted with every instance's where the budget is shared, without waiting here.)
        m_settings.clientLookups->reserve(m_client, step.query.registry(), 0,
                                          SharedState::deliveredTo<double>(this, budgeted));
    }

private:
    void ask(const Step &step)
    {
        ++m_report.asked;
        m_lookup.start(step.query, this, [this, step](const LookupResult &result) {
            if (m_settings.cache && !LookupPool::keyOf(step.query).isEmpty())
                result.keep(*m_settings.cache, LookupPool::keyOf(step.query), QDateTime::currentDateTimeUtc());
            answered(step, result);
        });
    }

    void answered(const Step &step, const LookupResult &result)
    {
        const bool first = !std::exchange(m_begun, true);
        if (first)
            m_report.result = result;
        const bool record = result.outcome == Outcome::Found || result.outcome == Outcome::Reserved;
        if (!record) {
            if (!first)
                m_report.notes.append(Message(MessageId::AbuseNotLookedUp,
                                              !step.address.isEmpty() ? step.address
                                                  : step.query.kind == Query::Kind::TopLevelDomain
                                                  ? u'.' + step.query.text
                                                  : step.query.asked(),
                                              result.message));
            return next();
        }
        QList<Contact> found = step.registry ? registryOf(result) : fromResult(result, step.role);
        for (Contact &contact : found) {
            contact.address = step.address;
            contact.moreSpecific = step.moreSpecific;
            if (std::none_of(m_report.contacts.cbegin(), m_report.contacts.cend(),
                             [&](const Contact &kept) { return kept.role == contact.role && kept.sameAs(contact); }))
                m_report.contacts.append(contact);
        }
        const bool number = result.kind == Query::Kind::Address || result.kind == Query::Kind::Network;
        if (found.isEmpty() && number && step.depth < 3) {
            if (const std::optional<Query> parent = parentOf(result)) {
                Step up = step;
                up.query = *parent;
                up.depth = step.depth + 1;
                up.moreSpecific = step.moreSpecific.isEmpty() ? (result.range.isEmpty() ? result.query : result.range)
                                                              : step.moreSpecific;
                m_steps.push_front(up);
            }
        }
        if (first && result.kind == Query::Kind::Domain) {
            const bool registryNamed = std::any_of(
                found.cbegin(), found.cend(), [](const Contact &contact) { return contact.role == Role::Registry; });
            if (!registryNamed) {
                const Query topLevel = Query::fromInput(result.query.section(u'.', -1));
                if (topLevel.ok())
                    m_steps.push_back(Step { topLevel, Role::Registry, QString(), QString(), 0, true });
            }
            if (m_settings.hosting)
                return resolve(result);
        }
        next();
    }

    // The domain's addresses and its name servers', then each address's network.
    void resolve(const LookupResult &domain)
    {
        if (!m_settings.resolver) {
            m_report.notes.append(Message(MessageId::AbuseNoResolver, domain.query));
            return next();
        }
        // The name asked (a host below the domain: "www.example.com") and the domain itself.
        if (!domain.host.isEmpty())
            m_names.append({ domain.host, Role::HostingNetwork });
        m_names.append({ domain.query, Role::HostingNetwork });
        for (const QString &server : domain.nameServers.mid(0, kMostNameServers))
            m_names.append({ server, Role::DnsNetwork });
        m_domain = domain.query;
        resolveNext();
    }

    void resolveNext()
    {
        if (m_names.isEmpty()) {
            if (m_addresses.isEmpty())
                m_report.notes.append(Message(MessageId::AbuseNoAddresses, m_domain));
            return next();
        }
        const std::pair<QString, Role> named = m_names.takeFirst();
        const QString name = named.first;
        const Role role = named.second;
        Dns::addresses(*m_settings.resolver, name, this, [this, name, role](const QList<QHostAddress> &addresses) {
            for (const QHostAddress &address : addresses) {
                const QString text = address.toString();
                if (m_addresses.contains(text) || m_addresses.size() >= kMostAddresses)
                    continue;
                m_addresses.insert(text);
                const Query query = Query::fromInput(text);
                if (!query.ok() || query.special())
                    continue;
                m_steps.push_back(Step { query, role, name + u' ' + text, QString(), 0, false });
            }
            resolveNext();
        });
    }

    void finish()
    {
        if (std::exchange(m_finished, true))
            return;
        m_deadline.stop();
        // The registrar first, then the networks that host the name and its name servers, the registry last; for
        // an address, the most specific network first.
        std::stable_sort(m_report.contacts.begin(), m_report.contacts.end(),
                         [](const Contact &a, const Contact &b) { return int(a.role) < int(b.role); });
        const LookupResult &result = m_report.result;
        if (m_report.contacts.isEmpty() && (result.outcome == Outcome::Found || result.outcome == Outcome::Reserved))
            m_report.notes.prepend(Message(MessageId::AbuseNoneNamed, m_report.query));
        deleteLater();
        m_done(m_report);
    }

    static constexpr int kLongestSearch = 100; // seconds

    const Lookup &m_lookup;
    const Settings m_settings;
    const std::string m_client;
    QTimer m_deadline;
    const std::function<void(const Report &)> m_done;
    std::deque<Step> m_steps;
    QList<std::pair<QString, Role>> m_names; // still to resolve
    QSet<QString> m_addresses;
    QString m_domain;
    Report m_report;
    bool m_begun = false; // the first answer (the question's own) came
    bool m_finished = false;
};

// The prefix length that spans the range from first to last.
int spanning(const QHostAddress &first, const QHostAddress &last)
{
    const Q_IPV6ADDR a = first.toIPv6Address(), b = last.toIPv6Address();
    int bits = 0;
    for (int i = 0; i < 16; ++i) {
        const quint8 differ = a[i] ^ b[i];
        if (differ == 0) {
            bits += 8;
            continue;
        }
        for (int bit = 7; bit >= 0 && !(differ & (1 << bit)); --bit)
            ++bits;
        break;
    }
    return first.protocol() == QAbstractSocket::IPv4Protocol ? bits - 96 : bits;
}

} // namespace

std::optional<Query> parentOf(const LookupResult &result)
{
    // The registry's own word: its record's "up" link (".../ip/210.0.0.0/8").
    for (const SourceRecord &record : result.records) {
        if (!record.rdap())
            continue;
        for (const QJsonValue &value :
             QJsonDocument::fromJson(record.text.toUtf8()).object().value(u"links").toArray()) {
            const QJsonObject link = value.toObject();
            const QString href = link.value(u"href").toString();
            const qsizetype at = href.lastIndexOf(u"/ip/");
            if (link.value(u"rel").toString() == u"up" && at >= 0) {
                const Query up = Query::fromInput(QUrl::fromPercentEncoding(href.mid(at + 4).toUtf8()));
                if (up.ok() && up.text != result.query)
                    return up;
            }
        }
    }
    QString range = result.range.simplified();
    // LACNIC writes a prefix without its zero octets ("200.57.128/19", "190.46/15").
    static const QRegularExpression shortened(QStringLiteral("^(\\d{1,3}(?:\\.\\d{1,3}){0,2})/(\\d{1,2})$"));
    if (const QRegularExpressionMatch match = shortened.match(range); match.hasMatch()) {
        QString address = match.captured(1);
        while (address.count(u'.') < 3)
            address += u".0"_qs;
        range = address + u'/' + match.captured(2);
    }
    QHostAddress first, last;
    if (const QStringList ends = range.split(u" - "_qs); ends.size() == 2) {
        // (RIPE's RDAP once wrote each end with a prefix length: "194.85.61.0/32".)
        first.setAddress(ends[0].section(u'/', 0, 0));
        last.setAddress(ends[1].section(u'/', 0, 0));
    } else if (const Query network = Query::fromInput(range); network.ok() && network.kind == Query::Kind::Network) {
        const std::pair<QHostAddress, int> subnet = QHostAddress::parseSubnet(network.text);
        first = subnet.first;
        const int bits = subnet.second;
        if (bits <= 0)
            return std::nullopt;
        return Query::fromInput(QStringLiteral("%1/%2").arg(first.toString()).arg(bits - 1));
    }
    if (first.isNull() || last.isNull() || first.protocol() != last.protocol())
        return std::nullopt;
    const int bits = spanning(first, last);
    if (bits <= 0)
        return std::nullopt;
    return Query::fromInput(QStringLiteral("%1/%2").arg(first.toString()).arg(bits - 1));
}

void search(const Lookup &lookup, const Settings &settings, const Query &query, const std::string &client,
            QObject *context, std::function<void(const Report &)> done)
{
    (new Search(lookup, settings, query, client, context, std::move(done)))->next();
}

} // namespace Abuse
