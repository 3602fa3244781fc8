#include "Replies.h"

#include <QUrl>

#include <sstream>

namespace http = boost::beast::http;

namespace Replies {

Http::Reply fromResponse(const Response &response, unsigned version, const PageLanguage &words)
{
    Http::Reply reply { http::status(response.status), version };
    reply.set(http::field::content_type, response.contentType.toStdString());
    if (response.contentType.startsWith("text/html")) {
        reply.set(http::field::content_language, words.tag().toStdString());
        reply.set(http::field::vary, "Accept-Language");
    }
    for (const auto &[name, value] : Pages::securityHeaders())
        reply.set(name.toStdString(), value.toStdString());
    if (!response.disposition.isEmpty())
        reply.set(http::field::content_disposition, response.disposition.toStdString());
    reply.body() = response.body.toStdString();
    return reply;
}

Http::Reply api(const Response &response, unsigned version)
{
    Http::Reply reply = fromResponse(response, version);
    reply.set(http::field::access_control_allow_origin, "*");
    return reply;
}

Http::Reply validated(Http::Reply reply, std::string_view ifNoneMatch, const QByteArray &tag, int maxAgeSeconds)
{
    reply.set(http::field::etag, tag.toStdString());
    reply.set(http::field::cache_control,
              maxAgeSeconds > 0 ? "max-age=" + std::to_string(maxAgeSeconds) : std::string("no-store"));
    reply.set(http::field::vary, "Accept-Language");
    const auto opaque = [](QByteArray text) { return text.startsWith("W/") ? text.mid(2) : text; };
    bool matches = false;
    for (const QByteArray &named : QByteArray(ifNoneMatch.data(), qsizetype(ifNoneMatch.size())).split(','))
        matches = matches || named.trimmed() == "*" || opaque(named.trimmed()) == opaque(tag);
    if (matches && reply.result() == http::status::ok) {
        reply.result(http::status::not_modified);
        reply.erase(http::field::content_type);
        reply.body().clear();
    }
    return reply;
}

Http::Reply plain(http::status status, const std::string &text, unsigned version)
{
    Http::Reply reply { status, version };
    reply.set(http::field::content_type, "text/plain; charset=utf-8");
    reply.body() = text;
    return reply;
}

template<typename Message> std::shared_ptr<const std::string> bytes(const Message &message)
{
    std::ostringstream out;
    out << message;
    return std::make_shared<const std::string>(out.str());
}
template std::shared_ptr<const std::string> bytes(const Http::Reply &);
template std::shared_ptr<const std::string> bytes(const Http::Reply::header_type &);

QString pathOf(std::string_view target)
{
    const std::string_view path = target.substr(0, target.find('?'));
    return QUrl::fromPercentEncoding(QByteArray(path.data(), qsizetype(path.size())));
}

} // namespace Replies
