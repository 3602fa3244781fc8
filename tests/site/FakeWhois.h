#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>

#include <memory>
#include <vector>

// A whois server (RFC 3912) inside the test process: reads one line, answers, closes.
class FakeWhois : public QObject
{
    Q_OBJECT
public:
    enum class Mode {
        Normal, // the answer, then the connection is closed
        Trickle, // one byte every 200 ms, never ending
        Huge, // 50 MB, then the connection is closed
        Late, // the answer after 1.5 s, then the connection is closed
    };

    bool listen(const QHostAddress &address, quint16 port);
    quint16 port() const { return m_server.serverPort(); }

    QByteArray answer;
    Mode mode = Mode::Normal;
    QList<QByteArray> queries; // each line received, without CR LF

private:
    void serve(class QTcpSocket *socket);

    QTcpServer m_server;
};

// Whois servers on 127.0.0.1, 127.0.0.2, ... sharing one port, as referrals name hosts without ports.
class FakeWhoisNetwork
{
public:
    explicit FakeWhoisNetwork(int count);
    FakeWhois &server(int index) { return *m_servers.at(index - 1); } // server(1) is on 127.0.0.1
    quint16 port() const { return m_port; }

private:
    std::vector<std::unique_ptr<FakeWhois>> m_servers;
    quint16 m_port = 0;
};
