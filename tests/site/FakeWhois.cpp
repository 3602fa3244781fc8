#include "FakeWhois.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

bool FakeWhois::listen(const QHostAddress &address, quint16 port)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
    return m_server.listen(address, port);
}

void FakeWhois::serve(QTcpSocket *socket)
{
    if (!socket->canReadLine())
        return;
    queries.append(socket->readLine().trimmed());
    switch (mode) {
    case Mode::Normal:
        socket->write(answer);
        socket->disconnectFromHost();
        break;
    case Mode::Huge:
        socket->write(QByteArray(50 * 1024 * 1024, 'w'));
        socket->disconnectFromHost();
        break;
    case Mode::Trickle: {
        auto *timer = new QTimer(socket);
        QPointer<QTcpSocket> guard(socket);
        connect(timer, &QTimer::timeout, socket, [guard] {
            if (guard && guard->state() == QAbstractSocket::ConnectedState)
                guard->write("x");
        });
        timer->start(200);
        break;
    }
    case Mode::Late: {
        QPointer<QTcpSocket> guard(socket);
        QTimer::singleShot(1500, socket, [this, guard] {
            if (guard) {
                guard->write(answer);
                guard->disconnectFromHost();
            }
        });
        break;
    }
    }
}

FakeWhoisNetwork::FakeWhoisNetwork(int count)
{
    for (int attempt = 0; attempt < 20 && int(m_servers.size()) < count; ++attempt) {
        m_servers.clear();
        auto first = std::make_unique<FakeWhois>();
        if (!first->listen(QHostAddress(QStringLiteral("127.0.0.1")), 0))
            continue;
        m_port = first->port();
        m_servers.push_back(std::move(first));
        for (int i = 2; i <= count; ++i) {
            auto next = std::make_unique<FakeWhois>();
            if (!next->listen(QHostAddress(QStringLiteral("127.0.0.%1").arg(i)), m_port))
                break;
            m_servers.push_back(std::move(next));
        }
    }
    if (int(m_servers.size()) < count)
        qFatal("no port free on %d loopback addresses", count);
}
