#include "Upstream.h"

#include "platform/CodePage.h"

#include <QDateTime>
#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

QString seconds(int ms)
{
    return QString::number((ms + 999) / 1000);
}

// Appends what fits under the cap; true when something had to be dropped.
bool appendCapped(QByteArray &body, const QByteArray &chunk, qint64 maxBytes)
{
    const qint64 room = maxBytes - body.size();
    if (chunk.size() <= room) {
        body += chunk;
        return false;
    }
    body += chunk.left(qMax<qint64>(room, 0));
    return true;
}

} // namespace

namespace Upstream {

Answer httpGet(QNetworkAccessManager &network, const QUrl &url, const QByteArray &accept, const AddressPolicy &policy,
               const Limits &limits)
{
    Answer answer;
    if (!policy.permitsUrl(url, &answer.error))
        return answer;

    QNetworkRequest request(url);
    request.setRawHeader("Accept", accept);
    request.setRawHeader("User-Agent", "quelcor-site");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(3);
    std::unique_ptr<QNetworkReply> reply(network.get(request));

    QEventLoop loop;
    bool sent = false;
    QString stopped; // why the site stopped waiting
    const auto stop = [&](const QString &why) {
        if (stopped.isEmpty())
            stopped = why;
        reply->abort();
    };
    QObject::connect(reply.get(), &QNetworkReply::requestSent, &loop, [&] { sent = true; });
    QObject::connect(reply.get(), &QNetworkReply::redirected, &loop, [&](const QUrl &target) {
        QString why;
        if (policy.permitsUrl(target, &why))
            emit reply->redirectAllowed();
        else
            stop(QStringLiteral("a redirect was refused: %1").arg(why));
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        if (appendCapped(answer.body, reply->readAll(), limits.maxBytes)) {
            answer.cut = true;
            reply->abort();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(limits.connectMs, &loop, [&] {
        if (!sent)
            stop(QStringLiteral("no connection within %1 s").arg(seconds(limits.connectMs)));
    });
    QTimer::singleShot(limits.answerMs, &loop,
                       [&] { stop(QStringLiteral("no complete answer within %1 s").arg(seconds(limits.answerMs))); });
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!answer.cut && reply->isReadable())
        answer.cut = appendCapped(answer.body, reply->readAll(), limits.maxBytes);
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.retryAfter = reply->rawHeader("Retry-After");
    // Errors 1 to 199 are the network's and the proxy's, 300 to 399 the protocol's: the answer is incomplete.
    // The others stand for an HTTP status, which the caller judges.
    const int error = reply->error();
    const bool broken = (error > 0 && error < 200) || (error >= 300 && error < 400);
    if (!stopped.isEmpty())
        answer.error = stopped;
    else if (!answer.cut && broken)
        answer.error = reply->errorString();
    else if (!answer.cut && answer.status == 0)
        answer.error = QStringLiteral("no answer");
    return answer;
}

Answer whois(const QHostAddress &address, quint16 port, const QByteArray &query, const Limits &limits)
{
    Answer answer;
    QTcpSocket socket;
    QEventLoop loop;
    const auto stop = [&](const QString &why) {
        if (answer.error.isEmpty())
            answer.error = why;
        loop.quit();
    };
    QObject::connect(&socket, &QTcpSocket::connected, &loop, [&] { socket.write(query + "\r\n"); });
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, [&] {
        if (appendCapped(answer.body, socket.readAll(), limits.maxBytes)) {
            answer.cut = true;
            loop.quit();
        }
    });
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            loop.quit(); // the normal end of a whois answer
        else
            stop(socket.errorString());
    });
    QTimer connectTimer;
    connectTimer.setSingleShot(true);
    QObject::connect(&connectTimer, &QTimer::timeout, &loop, [&] {
        if (socket.state() != QAbstractSocket::ConnectedState)
            stop(QStringLiteral("no connection within %1 s").arg(seconds(limits.connectMs)));
    });
    QTimer answerTimer;
    answerTimer.setSingleShot(true);
    QObject::connect(&answerTimer, &QTimer::timeout, &loop,
                     [&] { stop(QStringLiteral("no complete answer within %1 s").arg(seconds(limits.answerMs))); });
    connectTimer.start(limits.connectMs);
    answerTimer.start(limits.answerMs);
    socket.connectToHost(address, port);
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!answer.cut && answer.error.isEmpty())
        answer.cut = appendCapped(answer.body, socket.readAll(), limits.maxBytes);
    socket.abort();
    return answer;
}

QString decodeText(const QByteArray &bytes)
{
    // An answer cut at the size limit may end inside a character: up to three bytes at the end may be
    // left out of the judgement.
    for (int dropped = 0; dropped <= 3 && dropped <= bytes.size(); ++dropped) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(QByteArrayView(bytes).chopped(dropped));
        if (!utf8.hasError())
            return text;
    }
    return decodeWindows1252(bytes);
}

qint64 retryAfterSeconds(const QByteArray &value, const QDateTime &now)
{
    const QByteArray trimmed = value.trimmed();
    bool isNumber = false;
    const qint64 delta = trimmed.toLongLong(&isNumber);
    if (isNumber)
        return delta >= 0 ? delta : -1;
    // An HTTP date: "Wed, 21 Oct 2015 07:28:00 GMT".
    QDateTime when
        = QLocale::c().toDateTime(QString::fromLatin1(trimmed), QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'"));
    if (!when.isValid())
        return -1;
    when.setTimeSpec(Qt::UTC);
    return qMax<qint64>(now.secsTo(when), 0);
}

} // namespace Upstream
