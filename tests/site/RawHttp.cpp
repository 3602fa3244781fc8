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

RedisServer::RedisServer(quint16 port)
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
    m_process.start(QStringLiteral("redis-server"),
                    { "--port", QString::number(m_port), "--bind", "127.0.0.1", "--save", "", "--appendonly", "no" });
    m_process.waitForStarted(5000);
    for (int i = 0; i < 50; ++i) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(100))
            return;
        QTest::qWait(100);
    }
}

void RedisServer::stop()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}
