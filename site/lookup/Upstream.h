#pragma once

#include "messages/Message.h"
#include "query/AddressPolicy.h"

#include <QByteArray>
#include <QDateTime>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QUrl>

#include <functional>
#include <utility>

class QNetworkAccessManager;

// Bounds on every question the site asks another server.
struct Limits
{
    int connectMs = 10'000; // connected within
    int answerMs = 30'000; // whole answer within
    qint64 maxBytes = 1 << 20; // the rest is cut
};

// What another server answered.
struct Answer
{
    QByteArray body; // at most Limits::maxBytes
    bool cut = false; // the answer was longer and the rest was dropped
    int status = 0; // HTTP status; 0 for whois or when no answer came
    QByteArray retryAfter; // HTTP Retry-After, as sent
    QByteArray cacheControl; // HTTP Cache-Control, as sent
    QUrl url; // HTTP: where the answer came from, after any redirects
    QByteArray etag, lastModified; // HTTP validators, as sent
    // The HTTP header fields that tell what an answer is and how long it holds (dates, content type, caching), as
    // sent and in the order sent; none for whois.
    QList<std::pair<QByteArray, QByteArray>> headers;
    QDateTime received; // when the answer was complete (UTC)
    Message error; // why no complete answer came; none on success

    bool ok() const { return error.isNull(); }
};

// The questions the site asks other servers. Neither waits: each calls done once, on the calling thread's
// event loop, when the answer is complete or the limits are reached; not at all once the context is gone.
namespace Upstream {

using Done = std::function<void(const Answer &)>;

// GET with the given Accept header. Redirects (at most 3) are followed only to permitted addresses, within
// the one answer time.
void httpGet(QNetworkAccessManager &network, const QUrl &url, const QByteArray &accept, const AddressPolicy &policy,
             const Limits &limits, QObject *context, Done done);
// The same, with more request header fields (If-None-Match, If-Modified-Since).
using Fields = QList<std::pair<QByteArray, QByteArray>>;
void httpGet(QNetworkAccessManager &network, const QUrl &url, const QByteArray &accept, const AddressPolicy &policy,
             const Limits &limits, QObject *context, Done done, const Fields &fields);

// One whois question (RFC 3912): the query and CR LF, then everything until the server closes.
void whois(const QHostAddress &address, quint16 port, const QByteArray &query, const Limits &limits, QObject *context,
           Done done);

// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
QString decodeText(const QByteArray &bytes);

// Seconds from a Retry-After value (delta seconds or an HTTP date); -1 when it cannot be read.
qint64 retryAfterSeconds(const QByteArray &value, const QDateTime &now);

} // namespace Upstream
