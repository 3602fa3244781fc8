#include "Upstream.h"

#include "Metrics.h"

#include "platform/CodePage.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScopeGuard>
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

namespace {

// One GET, redirects not followed: a redirect's target comes back in *location.
Answer getOnce(QNetworkAccessManager &network, const QUrl &url, const QByteArray &accept, const Limits &limits,
               int answerMs, QUrl *location)
{
    Answer answer;
    QNetworkRequest request(url);
    request.setRawHeader("Accept", accept);
    request.setRawHeader("User-Agent", "quelcor-site");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
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
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        if (appendCapped(answer.body, reply->readAll(), limits.maxBytes)) {
            answer.cut = true;
            reply->abort();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(qMin(limits.connectMs, answerMs), &loop, [&] {
        if (!sent)
            stop(QStringLiteral("no connection within %1 s").arg(seconds(limits.connectMs)));
    });
    QTimer::singleShot(answerMs, &loop,
                       [&] { stop(QStringLiteral("no complete answer within %1 s").arg(seconds(limits.answerMs))); });
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!answer.cut && reply->isReadable())
        answer.cut = appendCapped(answer.body, reply->readAll(), limits.maxBytes);
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.retryAfter = reply->rawHeader("Retry-After");
    const bool redirect = answer.status == 301 || answer.status == 302 || answer.status == 303 || answer.status == 307
        || answer.status == 308;
    if (redirect && stopped.isEmpty() && !reply->rawHeader("Location").trimmed().isEmpty())
        *location = url.resolved(QUrl::fromEncoded(reply->rawHeader("Location").trimmed()));
    // Errors 1 to 199 are the network's and the proxy's, 300 to 399 the protocol's: the answer is incomplete.
    // The others stand for an HTTP status, which the caller judges.
    const int error = reply->error();
    const bool broken = (error > 0 && error < 200) || (error >= 300 && error < 400);
    if (!stopped.isEmpty())
        answer.error = stopped;
    else if (!answer.cut && broken && !redirect)
        answer.error = reply->errorString();
    else if (!answer.cut && (answer.status < 200 || answer.status > 599))
        answer.error = answer.status == 0 ? QStringLiteral("no answer")
                                          : QStringLiteral("an HTTP status that is no answer (%1)").arg(answer.status);
    return answer;
}

} // namespace

namespace Upstream {

Answer httpGet(QNetworkAccessManager &network, const QUrl &url, const QByteArray &accept, const AddressPolicy &policy,
               const Limits &limits)
{
    // Redirects are followed here, not by the network manager, so that each target is checked against the
    // policy before it is asked and the count is exact; the answer time covers the whole chain.
    constexpr int kMaxRedirects = 3;
    QElapsedTimer clock;
    clock.start();
    const auto observe = qScopeGuard([&] { Metrics::instance().observeUpstream("http", clock.nsecsElapsed() / 1e9); });
    QUrl current = url;
    for (int redirects = 0;; ++redirects) {
        Answer answer;
        if (!policy.permitsUrl(current, &answer.error)) {
            if (redirects > 0)
                answer.error = QStringLiteral("a redirect was refused: %1").arg(answer.error);
            return answer;
        }
        const int answerMs = int(qMax<qint64>(limits.answerMs - clock.elapsed(), 1));
        QUrl location;
        answer = getOnce(network, current, accept, limits, answerMs, &location);
        if (!answer.ok() || location.isEmpty())
            return answer;
        if (redirects == kMaxRedirects) {
            answer.error = QStringLiteral("the lookup service redirected too often");
            return answer;
        }
        current = location;
    }
}

Answer whois(const QHostAddress &address, quint16 port, const QByteArray &query, const Limits &limits)
{
    QElapsedTimer clock;
    clock.start();
    const auto observe = qScopeGuard([&] { Metrics::instance().observeUpstream("whois", clock.nsecsElapsed() / 1e9); });
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
