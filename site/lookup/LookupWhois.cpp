// A lookup's whois chain: the root, the registry it refers to, and the server the registry refers to.

#include "LookupJob.h"

#include "WhoisText.h"

namespace {

Evidence quoted(const QString &server, const WhoisText::Quote &quote)
{
    Evidence evidence;
    evidence.server = server;
    evidence.line = quote.line;
    evidence.quote = quote.text;
    return evidence;
}

QString serverName(const QString &host, quint16 port)
{
    return port == 43 ? host : QStringLiteral("%1:%2").arg(host).arg(port);
}

} // namespace

// At most three servers: the root, the registry it refers to, and the server the registry refers to (a
// domain's registrar, or for addresses and AS numbers the registry that holds the record).
void LookupJob::whois(const QString &host, quint16 port)
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
                                  paced(
                                      host,
                                      [this, host, port, server, address = *address] {
                                          Upstream::whois(address, port, m_query.whoisQuery(), m_settings.limits, this,
                                                          [this, host, server](const Answer &answer) {
                                                              whoisAnswered(host, server, answer);
                                                          });
                                      },
                                      server);
                              });
}

void LookupJob::whoisAnswered(const QString &host, const QString &server, const Answer &answer)
{
    using Verdict = WhoisText::Reading::Verdict;
    LookupResult &result = m_result;
    const int hop = m_hop++;
    received(server, answer, m_query.whoisQuery());
    Answer checked = answer;
    if (checked.ok() && checked.body.trimmed().isEmpty())
        checked.error = Message(MessageId::ClosedWithoutAnswer);
    if (!checked.ok()) {
        heard(server, checked);
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
    // A server that says it is limiting questions is left alone for the time it names, or a minute.
    heard(server, checked,
          reading.verdict == Verdict::RateLimited ? (reading.retryAfterSeconds >= 0 ? reading.retryAfterSeconds : 60)
                                                  : -1);
    if (reading.verdict == Verdict::RateLimited) {
        if (hop < 2) {
            result.evidence = quoted(server, reading.quote);
            return rateLimited(result, reading.retryAfterSeconds), finish();
        }
        result.notes.append(Message(MessageId::ReferredWhoisLimited, server));
        return finish();
    }

    QString next;
    if (hop == 0 && m_query.kind == Query::Kind::TopLevelDomain) {
        // The root's own record of the top-level domain.
        if (const WhoisText::Quote nothing = WhoisText::rootHoldsNothing(text); !nothing.isNull()) {
            result.evidence = quoted(server, nothing);
            return notRegistered(result), finish();
        }
        result.records.append(SourceRecord { server, text, answer.cut });
        result.outcome = Outcome::Found;
        RdapFields fields;
        WhoisText::FieldLines lines;
        WhoisText::readFields(text, fields, true, &lines);
        result.merge(fields, server, false);
        result.evidence = quoted(server, lines.first);
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
        WhoisText::FieldLines lines;
        if (reading.verdict != Verdict::NotRegistered) {
            RdapFields fields;
            WhoisText::readFields(text, fields, false, &lines);
            result.merge(fields, server, hop >= 2);
        }
        if (hop == 1) {
            result.evidence = quoted(server, reading.quote);
            if (reading.verdict == Verdict::NotRegistered)
                return notRegistered(result), finish();
            if (reading.verdict == Verdict::Reserved) {
                result.outcome = Outcome::Reserved;
                result.message = Message(MessageId::Reserved, result.query);
                return finish();
            }
            if (reading.verdict == Verdict::Refused) {
                result.outcome = Outcome::Unknown;
                result.message = Message(MessageId::RegistryRefused, result.query);
                return finish();
            }
            result.outcome = Outcome::Found;
            WhoisText::Quote referred;
            next = WhoisText::referral(text,
                                       WhoisText::referralKeys(m_query.kind == Query::Kind::Domain
                                                                   ? WhoisText::Onward::Domain
                                                                   : WhoisText::Onward::Number),
                                       &referred);
            // "Registered" needs evidence: a record of the name asked, a field read, or a registrar's server named.
            // Without any, the verdict is no more certain than the answer: unknown, the answer shown whole.
            const WhoisText::Quote named = WhoisText::namesName(text, m_query.text);
            result.evidence = quoted(server, !named.isNull() ? named : !lines.first.isNull() ? lines.first : referred);
            if (m_query.kind == Query::Kind::Domain && next.isEmpty() && !result.readAny() && named.isNull()) {
                result.outcome = Outcome::Unknown;
                result.message = Message(MessageId::UnknownAnswer, result.query);
                return finish();
            }
        }
    }
    if (hop >= 2 || next.isEmpty() || m_asked.contains(next.toLower()))
        return finish();
    whois(next, m_settings.whoisPort);
}
