#include "RawHttp.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <future>

Exchange exchange(quint16 port, const QByteArray &request, int quietMs)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    Exchange result;
    if (!socket.waitForConnected(5000))
        return result;
    socket.write(request);
    socket.waitForBytesWritten(5000);
    while (socket.waitForReadyRead(quietMs))
        result.answer += socket.readAll();
    result.answer += socket.readAll();
    result.closed = socket.state() != QAbstractSocket::ConnectedState;
    return result;
}

Exchange served(quint16 port, const QByteArray &request)
{
    auto pending = std::async(std::launch::async, exchange, port, request, 3000);
    while (pending.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return pending.get();
}

QByteArray lookupOf(const QByteArray &name)
{
    return "GET /hosting/quelcor.php?domain=" + name + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n";
}

RedisServer::RedisServer(quint16 port, const QStringList &more, const QString &program)
    : m_more(more)
    , m_program(program)
{
    if (port == 0) {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
    }
    m_port = port;
    start();
}

void RedisServer::start()
{
    if (m_program == u"redis-server")
        m_process.start(
            m_program,
            QStringList { "--port", QString::number(m_port), "--bind", "127.0.0.1", "--save", "", "--appendonly", "no" }
                + m_more);
    else
        m_process.start(m_program, m_more);
    m_process.waitForStarted(5000);
    for (int i = 0; i < 50; ++i) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(100))
            return;
        QTest::qWait(100);
    }
}

QByteArray RedisServer::ask(const QByteArray &command) const
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_port);
    if (!socket.waitForConnected(1000))
        return {};
    socket.write(command + "\r\n");
    QByteArray answer;
    while (socket.waitForReadyRead(answer.isEmpty() ? 1000 : 100))
        answer += socket.readAll();
    return answer;
}

void RedisServer::stop()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}
