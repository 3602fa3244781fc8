#pragma once

#include <QHash>
#include <QHostAddress>
#include <QSet>
#include <QUdpSocket>

// A recursive resolver on a loopback port, as far as the site asks one: NS questions, answered with a name server
// for the names delegated, "no such name" for the others, and not at all for the names silenced; A and AAAA
// questions for the names given addresses, with a time to live of 0, and a name that changes its address (DNS
// rebinding): from its second A question on, the addresses it is rebound to.
class FakeDns : public QObject
{
public:
    bool listen(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    quint16 port() const { return m_socket.localPort(); }

    QSet<QString> delegated;
    QSet<QString> silent;
    QHash<QString, QList<QHostAddress>> addresses;
    QHash<QString, QList<QHostAddress>> rebound;
    QStringList asked; // every name asked, in order

private:
    QByteArray answer(const QByteArray &question, qsizetype end, const QString &name);

    QUdpSocket m_socket;
    QHash<QString, int> m_addressQuestions; // A questions so far, by name
};
