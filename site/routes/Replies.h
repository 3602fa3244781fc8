#pragma once

#include "http/Application.h"
#include "pages/PageLanguage.h"
#include "pages/Pages.h"

#include <QString>

#include <memory>
#include <string>
#include <string_view>

// The site's answers as HTTP replies: a page or a file, an answer of the API, a text of the server's own.
namespace Replies {

// A page's answer; a page in words of the site's own also says its language, and that it depends on the
// language asked for (so that no cache between serves one visitor's language to another).
Http::Reply fromResponse(const Response &response, unsigned version,
                         const PageLanguage &words = PageLanguage::english());

// An answer of the API: read-only, for any page's script.
Http::Reply api(const Response &response, unsigned version);

// An answer with its validator and freshness: ETag, Cache-Control (max-age while the answer stays true, no-store
// when it may not be kept), Vary: Accept-Language; a 304 without a body when If-None-Match names the tag (a weak
// comparison, "*" too).
Http::Reply validated(Http::Reply reply, std::string_view ifNoneMatch, const QByteArray &tag, int maxAgeSeconds);

// A text answer of the server's own (not a page): a refused method, the health check, the metrics.
Http::Reply plain(boost::beast::http::status status, const std::string &text, unsigned version);

// A reply (or a head alone) as the bytes sent, for an answer made once and sent many times.
template<typename Message> std::shared_ptr<const std::string> bytes(const Message &message);

// The path of a request's target, decoded, without its query.
QString pathOf(std::string_view target);

} // namespace Replies
