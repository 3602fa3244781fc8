#include "Upstream.h"

#include "CodePage.h"
#include "state/Metrics.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSslError>
#include <QStringDecoder>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace {

qint64 seconds(int ms)
{
    return (ms + 999) / 1000;
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

// One question to an HTTP server, its redirects followed; deletes itself when done.
class HttpFetch : public QObject
{
public:
    HttpFetch(QNetworkAccessManager &network, const QByteArray &accept, const AddressPolicy &policy,
              const Limits &limits, Upstream::Done done, QObject *context, Upstream::Fields fields = {})
        : QObject(context)
        , m_network(&network)
        , m_accept(accept)
        , m_fields(std::move(fields))
        , m_policy(policy)
        , m_limits(limits)
        , m_done(std::move(done))
    {
        m_clock.start();
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this,
                [this] { stop(Message(MessageId::NoCompleteAnswer, seconds(m_limits.answerMs))); });
        m_deadline.start(m_limits.answerMs);
        m_connectTimer.setSingleShot(true);
        connect(&m_connectTimer, &QTimer::timeout, this, [this] {
            if (!m_sent)
                stop(Message(MessageId::NoConnection, seconds(m_limits.connectMs)));
        });
    }

    // Checks the URL's host against the policy without waiting, then sends the request.
    void ask(const QUrl &url)
    {
        Answer refused;
        if (!AddressPolicy::isWebUrl(url, &refused.error))
            return finish(redirected(refused));
        m_policy.resolve(url.host(), this, [this, url](std::optional<QHostAddress> address, const Message &why) {
            if (!address) {
                Answer refused;
                refused.error = why;
                return finish(redirected(refused));
            }
            send(url, *address);
        });
    }

private:
    Answer redirected(Answer answer) const
    {
        if (m_redirects > 0)
            answer.error = Message(MessageId::RedirectRefused, answer.error);
        return answer;
    }

    // Sends the request to the address judged, not to the name: nothing resolves the name again, so a name that
    // changes its address meanwhile (DNS rebinding) cannot lead the question elsewhere. The Host field, the TLS
    // server name and the certificate's check stay on the name.
    void send(const QUrl &url, const QHostAddress &address)
    {
        if (!m_network) {
            Answer gone;
            gone.error = Message(MessageId::NoAnswer);
            return finish(gone);
        }
        QUrl target = url;
        target.setHost(address.toString());
        QNetworkRequest request(target);
        const QByteArray host = QUrl::toAce(url.host());
        request.setRawHeader("Host", url.port() < 0 ? host : host + ':' + QByteArray::number(url.port()));
        request.setPeerVerifyName(QString::fromLatin1(host));
        // HTTP/2 names the server by the request's address (:authority), not by the Host field.
        request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
        request.setRawHeader("Accept", m_accept);
        request.setRawHeader("User-Agent", "quelcor-site");
        for (const auto &[name, value] : m_fields)
            request.setRawHeader(name, value);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        m_answer = Answer();
        m_sent = false;
        m_url = url;
        m_untrusted.clear();
        m_reply = m_network->get(request);
        QNetworkReply *reply = m_reply;
        connect(reply, &QNetworkReply::requestSent, this, [this] { m_sent = true; });
        connect(reply, &QNetworkReply::readyRead, this, [this] {
            if (appendCapped(m_answer.body, m_reply->readAll(), m_limits.maxBytes)) {
                m_answer.cut = true;
                m_reply->abort();
            }
        });
        connect(reply, &QNetworkReply::sslErrors, this,
                [this](const QList<QSslError> &errors) { m_untrusted = errors; }); // never ignored
        connect(reply, &QNetworkReply::finished, this, &HttpFetch::received);
        // The network it came from gone with it (its owner ended first): nothing more will come. Said later, not
        // from inside the destruction, and not at all when this goes with that owner.
        connect(reply, &QObject::destroyed, this, [this] {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    Answer gone;
                    gone.error = m_stopped.isNull() ? Message(MessageId::NoAnswer) : m_stopped;
                    finish(gone);
                },
                Qt::QueuedConnection);
        });
        m_connectTimer.start(qMin(m_limits.connectMs, m_limits.answerMs));
    }

    // Why a server's certificate was refused, in words a visitor understands.
    Message untrusted(const QString &otherwise) const
    {
        MessageId reason = MessageId::None;
        for (const QSslError &error : m_untrusted) {
            switch (error.error()) {
            case QSslError::HostNameMismatch:
                reason = MessageId::CertificateForAnotherName;
                break;
            case QSslError::SelfSignedCertificate:
            case QSslError::SelfSignedCertificateInChain:
                reason = MessageId::CertificateSelfSigned;
                break;
            case QSslError::CertificateExpired:
            case QSslError::CertificateNotYetValid:
                reason = MessageId::CertificateOutOfDate;
                break;
            case QSslError::UnableToGetLocalIssuerCertificate:
            case QSslError::UnableToGetIssuerCertificate:
            case QSslError::UnableToVerifyFirstCertificate:
            case QSslError::CertificateUntrusted:
                reason = MessageId::CertificateUnknownAuthority;
                break;
            default:
                continue;
            }
            break;
        }
        const Message why = reason == MessageId::None
            ? Message::verbatim(m_untrusted.isEmpty() ? otherwise : m_untrusted.first().errorString())
            : Message(reason);
        return Message(MessageId::NotTrusted, m_url.host(), why);
    }

    void stop(const Message &why)
    {
        if (m_stopped.isNull())
            m_stopped = why;
        if (m_reply) {
            m_reply->abort(); // finished comes at once
        } else {
            Answer stopped;
            stopped.error = why;
            finish(stopped);
        }
    }

    void received()
    {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->deleteLater();
        m_connectTimer.stop();
        Answer &answer = m_answer;
        if (!answer.cut && reply->isReadable())
            answer.cut = appendCapped(answer.body, reply->readAll(), m_limits.maxBytes);
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.retryAfter = reply->rawHeader("Retry-After");
        answer.cacheControl = reply->rawHeader("Cache-Control");
        answer.etag = reply->rawHeader("ETag");
        answer.lastModified = reply->rawHeader("Last-Modified");
        answer.headers.clear();
        for (const auto &[name, value] : reply->rawHeaderPairs()) {
            static const QByteArrayList kept { "date",          "content-type", "content-length",
                                               "cache-control", "expires",      "last-modified",
                                               "etag",          "age",          "retry-after" };
            if (kept.contains(name.toLower()))
                answer.headers.append({ name, value });
        }
        const bool redirect = answer.status == 301 || answer.status == 302 || answer.status == 303
            || answer.status == 307 || answer.status == 308;
        const QByteArray location = reply->rawHeader("Location").trimmed();
        answer.url = m_url;
        // Errors 1 to 199 are the network's and the proxy's, 300 to 399 the protocol's: the answer is
        // incomplete. The others stand for an HTTP status, which the caller judges; so does the protocol's
        // "invalid operation", which is how the transfer library names a 400 that came whole.
        const int error = reply->error();
        const bool statusCame = error == QNetworkReply::ProtocolInvalidOperationError && answer.status == 400;
        const bool broken = (error > 0 && error < 200) || (error >= 300 && error < 400 && !statusCame);
        if (!m_stopped.isNull())
            answer.error = m_stopped;
        else if (error == QNetworkReply::SslHandshakeFailedError)
            answer.error = untrusted(reply->errorString());
        else if (!answer.cut && broken && !redirect)
            answer.error = Message::verbatim(reply->errorString());
        else if (!answer.cut && (answer.status < 200 || answer.status > 599))
            answer.error
                = answer.status == 0 ? Message(MessageId::NoAnswer) : Message(MessageId::NoAnswerStatus, answer.status);
        if (!answer.ok() || !redirect || location.isEmpty())
            return finish(answer);
        if (m_redirects == kMaxRedirects) {
            answer.error = Message(MessageId::RedirectedTooOften);
            return finish(answer);
        }
        ++m_redirects;
        const QUrl next = m_url.resolved(QUrl::fromEncoded(location));
        if (m_url.scheme() == u"https" && next.scheme() != u"https") {
            // What was asked over https is not answered in plain text.
            Answer refused = answer;
            refused.error
                = Message(MessageId::RedirectRefused, Message(MessageId::LeavesHttps, next.toDisplayString()));
            return finish(refused);
        }
        ask(next);
    }

    void finish(const Answer &answer)
    {
        if (m_finished)
            return;
        m_finished = true;
        m_deadline.stop();
        m_connectTimer.stop();
        Metrics::instance().observeUpstream("http", double(m_clock.nsecsElapsed()) / 1e9);
        deleteLater();
        Answer done = answer;
        done.received = QDateTime::currentDateTimeUtc();
        m_done(done);
    }

    static constexpr int kMaxRedirects = 3;
    const QPointer<QNetworkAccessManager> m_network;
    const QByteArray m_accept;
    const Upstream::Fields m_fields;
    const AddressPolicy m_policy;
    const Limits m_limits;
    const Upstream::Done m_done;
    QElapsedTimer m_clock;
    QTimer m_deadline;
    QTimer m_connectTimer;
    QPointer<QNetworkReply> m_reply;
    QList<QSslError> m_untrusted; // why the server's certificate was refused
    QUrl m_url;
    Answer m_answer;
    Message m_stopped; // why the site stopped waiting
    int m_redirects = 0;
    bool m_sent = false;
    bool m_finished = false;
};

// One whois question; deletes itself when done.
class WhoisFetch : public QObject
{
public:
    WhoisFetch(const QByteArray &query, const Limits &limits, Upstream::Done done, QObject *context)
        : QObject(context)
        , m_query(query)
        , m_limits(limits)
        , m_done(std::move(done))
    {
        m_clock.start();
        connect(&m_socket, &QTcpSocket::connected, this, [this] { m_socket.write(m_query + "\r\n"); });
        connect(&m_socket, &QTcpSocket::readyRead, this, [this] {
            if (appendCapped(m_answer.body, m_socket.readAll(), m_limits.maxBytes)) {
                m_answer.cut = true;
                finish();
            }
        });
        connect(&m_socket, &QTcpSocket::disconnected, this, &WhoisFetch::finish);
        connect(&m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
            if (error == QAbstractSocket::RemoteHostClosedError)
                finish(); // the normal end of a whois answer
            else
                stop(Message::verbatim(m_socket.errorString()));
        });
        m_connectTimer.setSingleShot(true);
        connect(&m_connectTimer, &QTimer::timeout, this, [this] {
            if (m_socket.state() != QAbstractSocket::ConnectedState)
                stop(Message(MessageId::NoConnection, seconds(m_limits.connectMs)));
        });
        m_answerTimer.setSingleShot(true);
        connect(&m_answerTimer, &QTimer::timeout, this,
                [this] { stop(Message(MessageId::NoCompleteAnswer, seconds(m_limits.answerMs))); });
    }

    void ask(const QHostAddress &address, quint16 port)
    {
        m_connectTimer.start(m_limits.connectMs);
        m_answerTimer.start(m_limits.answerMs);
        m_socket.connectToHost(address, port);
    }

private:
    void stop(const Message &why)
    {
        if (m_answer.error.isNull())
            m_answer.error = why;
        finish();
    }

    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        m_connectTimer.stop();
        m_answerTimer.stop();
        if (!m_answer.cut && m_answer.error.isNull())
            m_answer.cut = appendCapped(m_answer.body, m_socket.readAll(), m_limits.maxBytes);
        m_socket.disconnect(this);
        m_socket.abort();
        Metrics::instance().observeUpstream("whois", double(m_clock.nsecsElapsed()) / 1e9);
        deleteLater();
        m_answer.received = QDateTime::currentDateTimeUtc();
        m_done(m_answer);
    }

    const QByteArray m_query;
    const Limits m_limits;
    const Upstream::Done m_done;
    QTcpSocket m_socket { this };
    QTimer m_connectTimer;
    QTimer m_answerTimer;
    QElapsedTimer m_clock;
    Answer m_answer;
    bool m_finished = false;
};

} // namespace

namespace Upstream {

void httpGet(QNetworkAccessManager &network, const QUrl &url, const QByteArray &accept, const AddressPolicy &policy,
             const Limits &limits, QObject *context, Done done)
{
    (new HttpFetch(network, accept, policy, limits, std::move(done), context))->ask(url);
}

void httpGet(QNetworkAccessManager &network, const QUrl &url, const QByteArray &accept, const AddressPolicy &policy,
             const Limits &limits, QObject *context, Done done, const Fields &fields)
{
    (new HttpFetch(network, accept, policy, limits, std::move(done), context, fields))->ask(url);
}

void whois(const QHostAddress &address, quint16 port, const QByteArray &query, const Limits &limits, QObject *context,
           Done done)
{
    (new WhoisFetch(query, limits, std::move(done), context))->ask(address, port);
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
