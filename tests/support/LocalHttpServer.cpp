#include "LocalHttpServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

LocalHttpServer::LocalHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

void LocalHttpServer::useTls(const QSslConfiguration &configuration)
{
    m_tls = std::make_unique<QSslServer>();
    m_tls->setSslConfiguration(configuration);
    // A connection is pending once its handshake is done.
    connect(m_tls.get(), &QSslServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket *socket = m_tls->nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            serve(socket); // what came with the handshake
        }
    });
}

bool LocalHttpServer::listen(quint16 port, const QHostAddress &address)
{
    return m_tls ? m_tls->listen(address, port) : m_server.listen(address, port);
}

QString LocalHttpServer::base() const
{
    return QStringLiteral("%1://%2:%3")
        .arg(m_tls ? u"https" : u"http", server().serverAddress().toString())
        .arg(port());
}

void LocalHttpServer::closeSilent()
{
    for (const QPointer<QTcpSocket> &socket : std::exchange(m_silent, {})) {
        if (socket)
            socket->disconnectFromHost();
    }
}

void LocalHttpServer::serve(QTcpSocket *socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    const qsizetype end = request.indexOf("\r\n\r\n");
    if (end < 0 || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);

    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    const QByteArray method = words.value(0);
    QByteArray path = words.value(1);
    m_log.append(QString::fromLatin1(method + ' ' + path));
    m_heads.append(request.left(end));
    path = path.left(path.indexOf('?') < 0 ? path.size() : path.indexOf('?'));

    Reply reply;
    if (m_routes.contains(path))
        reply = m_routes.value(path);
    else
        reply = Reply { 404, "<html><body>Not Found</body></html>", "text/html", Reply::Mode::Normal, 100, {} };

    if (reply.mode == Reply::Mode::Silent) {
        m_silent.append(socket);
        return;
    }

    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " Status\r\nContent-Type: " + reply.contentType
        + "\r\n" + reply.headers;
    if (reply.mode == Reply::Mode::Normal || reply.mode == Reply::Mode::Reset)
        head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    if (reply.mode == Reply::Mode::Redirect)
        head += "Location: " + reply.body + "\r\nContent-Length: 0\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);

    if (reply.mode == Reply::Mode::Trickle) {
        auto *timer = new QTimer(socket);
        QPointer<QTcpSocket> guard(socket);
        connect(timer, &QTimer::timeout, socket, [guard] {
            if (guard && guard->state() == QAbstractSocket::ConnectedState)
                guard->write("x");
        });
        timer->start(reply.trickleMs);
        return;
    }
    if (reply.mode == Reply::Mode::Redirect) {
        socket->disconnectFromHost();
        return;
    }
    if (reply.mode == Reply::Mode::Reset) {
        socket->write(reply.body.left(reply.body.size() / 2));
        socket->flush();
        socket->waitForBytesWritten(1000);
        socket->abort(); // no orderly end: the peer sees the connection reset
        return;
    }
    socket->write(reply.body);
    socket->disconnectFromHost();
}
