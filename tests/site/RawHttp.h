#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// Talking to the real quelcor-site over raw sockets, and a real redis-server beside it.

struct Exchange
{
    QByteArray answer;
    bool closed = false; // the site closed the connection
};

// Writes the bytes and reads until the site closes or nothing more comes for quietMs. Blocking, so it may
// run on a thread of its own.
Exchange exchange(quint16 port, const QByteArray &request, int quietMs = 1500);

// The same on a thread of its own, while this one serves its fake servers.
Exchange served(quint16 port, const QByteArray &request);

// A lookup request that closes its connection.
QByteArray lookupOf(const QByteArray &name);

// A redis-server on a loopback port (a free one for 0), with nothing kept on disk; more: further options
// ("--replicaof" ...). With program "redis-sentinel", more is the whole command line (its configuration file).
class RedisServer
{
public:
    explicit RedisServer(quint16 port = 0, const QStringList &more = {},
                         const QString &program = QStringLiteral("redis-server"));
    ~RedisServer() { stop(); }
    void start();
    void stop();
    QString url() const { return QStringLiteral("redis://127.0.0.1:%1").arg(m_port); }
    quint16 port() const { return m_port; }
    // A command in Redis's inline form, and the raw answer (as much as comes within a second).
    QByteArray ask(const QByteArray &command) const;

private:
    QProcess m_process;
    quint16 m_port = 0;
    QStringList m_more;
    QString m_program;
};
