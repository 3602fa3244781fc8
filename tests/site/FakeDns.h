#pragma once

#include <QSet>
#include <QUdpSocket>

// A recursive resolver on a loopback port, as far as availability checks ask one: NS questions, answered with a
// name server for the names delegated, "no such name" for the others, and not at all for the names silenced.
class FakeDns : public QObject
{
public:
    bool listen();
    quint16 port() const { return m_socket.localPort(); }

    QSet<QString> delegated;
    QSet<QString> silent;
    QStringList asked; // every name asked, in order

private:
    QUdpSocket m_socket;
};
