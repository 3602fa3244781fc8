#include "HttpTextFetcher.h"

#include "CodePage.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScopeGuard>
#include <QTimer>

HttpTextFetcher::HttpTextFetcher(int deadlineMs, qint64 bodyCap)
    : m_deadlineMs(deadlineMs)
    , m_bodyCap(bodyCap)
{
}

HttpTextFetcher::~HttpTextFetcher() = default;

FetchResult HttpTextFetcher::fetch(const QUrl &url)
{
    // A repaint during the wait could reach code that fetches again; one fetch at a time.
    if (m_busy)
        return { false, {}, QStringLiteral("a fetch is already running") };
    m_busy = true;
    auto release = qScopeGuard([this] { m_busy = false; });

    if (!m_network) {
        m_network = std::make_unique<QNetworkAccessManager>();
        m_network->setProxy(QNetworkProxy::NoProxy);
    }

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setMaximumRedirectsAllowed(5);
    // The text must come from the server asked: a redirect to another host is a failed fetch.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(m_deadlineMs);

    QNetworkReply *reply = m_network->get(request);
    auto dispose = qScopeGuard([reply] { reply->deleteLater(); });

    QByteArray body;
    QString failure;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);

    auto give_up = [&](const QString &why) {
        if (failure.isEmpty())
            failure = why;
        reply->abort();
    };
    auto take = [&] {
        body += reply->read(m_bodyCap + 1 - body.size());
        if (body.size() > m_bodyCap)
            give_up(QStringLiteral("the reply is larger than %1 bytes").arg(m_bodyCap));
    };

    // setTransferTimeout only limits inactivity; a server trickling one byte a second would pass it forever.
    QObject::connect(&deadline, &QTimer::timeout, &loop,
                     [&] { give_up(QStringLiteral("no complete reply within %1 ms").arg(m_deadlineMs)); });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_bodyCap
            && !reply->attribute(QNetworkRequest::RedirectionTargetAttribute).isValid())
            give_up(QStringLiteral("the reply announces %1 bytes").arg(length.toLongLong()));
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    deadline.start(m_deadlineMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (failure.isEmpty() && reply->bytesAvailable() > 0)
        take();

    if (!failure.isEmpty())
        return { false, {}, failure };
    if (reply->error() != QNetworkReply::NoError)
        return { false, {}, reply->errorString() };
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        return { false, {}, QStringLiteral("HTTP status %1").arg(status) };
    return { true, decodeWindows1252(body), {} };
}
