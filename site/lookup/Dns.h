#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QObject;

// Whether a domain name is delegated in the DNS: one question for its NS records to a recursive resolver, over
// UDP (RFC 1035). A name with name servers is registered; one without may still be (a registered name can lack
// name servers), so only the first answer spares a registry its question.
namespace Dns {

enum class Delegation {
    Delegated, // the name has NS records
    NotDelegated, // it has none, or does not exist in the DNS
    Unknown, // no answer, or one that cannot be read
};

struct Resolver
{
    QHostAddress address;
    quint16 port = 53;
    int timeoutMs = 1500; // for an answer; the question is asked twice at most
};

// The machine's resolver: the first "nameserver" line of /etc/resolv.conf (or the file given).
std::optional<Resolver> systemResolver(const QString &resolvConf = QStringLiteral("/etc/resolv.conf"));

// Asks; done is called once on this thread, not at all once the context is gone.
void delegation(const Resolver &resolver, const QString &aceName, QObject *context,
                std::function<void(Delegation)> done);

// The name's addresses (its A records, then its AAAA records); none when it has none or no answer came. Done is
// called once on this thread, not at all once the context is gone.
void addresses(const Resolver &resolver, const QString &aceName, QObject *context,
               std::function<void(QList<QHostAddress>)> done);

// The question's bytes (an NS question unless another type is given), and what an answer to it says (an answer to
// another question is Unknown).
QByteArray question(quint16 id, const QString &aceName, quint16 type = 2);
Delegation read(const QByteArray &answer, quint16 id, const QString &aceName);

} // namespace Dns
