#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslServer>
#include <QStringList>
#include <QTcpServer>

#include <memory>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 inside the test process, with a log of the requests it received; HTTPS when
// given a certificate.
class LocalHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Reply
    {
        enum class Mode {
            Normal, // status, headers and body at once
            Silent, // accepts the request and never answers (until closeSilent())
            Trickle, // headers, then one byte of body every trickleMs, never ending
            NoLength, // body without Content-Length, connection closed after it
            Reset, // headers and half the body, then the connection is reset
            Redirect, // status (a 3xx) with the body as the Location
        };
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/plain";
        Mode mode = Mode::Normal;
        int trickleMs = 100;
        QByteArray headers = {}; // more header lines, each ending in CR LF
    };

    explicit LocalHttpServer(QObject *parent = nullptr);

    // Speaks TLS with this certificate and key (before listen()).
    void useTls(const QSslConfiguration &configuration);
    // Listens on the port given, or on a free one for 0. False when the port is taken.
    bool listen(quint16 port = 0, const QHostAddress &address = QHostAddress::LocalHost);
    quint16 port() const { return server().serverPort(); }
    QString base() const; // http://127.0.0.1:port (https with TLS)
    // Closes the connections that Silent routes hold, without an answer.
    void closeSilent();

    void route(const QByteArray &path, Reply reply) { m_routes.insert(path, std::move(reply)); }
    QStringList log() const { return m_log; } // "GET /path" for each request
    QList<QByteArray> heads() const { return m_heads; } // each request's head, as it came

private:
    void serve(QTcpSocket *socket);
    const QTcpServer &server() const { return m_tls ? *m_tls : m_server; }

    QTcpServer m_server;
    std::unique_ptr<QSslServer> m_tls;
    QList<QPointer<QTcpSocket>> m_silent;
    QHash<QByteArray, Reply> m_routes;
    QStringList m_log;
    QList<QByteArray> m_heads;
};
