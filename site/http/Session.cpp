// One connection's requests, each read whole, answered by the application and written, until either side closes.

#include "ServerPrivate.h"

namespace {

using Http::Answer;
using Http::Reply;
using Http::Request;

// What a request head may not be, beyond what the parser refuses itself (two different Content-Length
// fields, Content-Length beside Transfer-Encoding, bad chunks): 400 or 431, and the connection is closed.
std::optional<http::status> badHead(const Request &head, std::size_t fieldLimit)
{
    if (std::size_t(std::distance(head.begin(), head.end())) > fieldLimit)
        return http::status::request_header_fields_too_large;
    const auto encoding = head.find(http::field::transfer_encoding);
    if (encoding != head.end() && !beast::iequals(encoding->value(), "chunked"))
        return http::status::bad_request;
    if (head.count(http::field::host) != 1 && head.version() == 11)
        return http::status::bad_request;
    return std::nullopt;
}

// The server's own answer to a request it could not read.
Reply unreadable(http::status status)
{
    Reply reply { status, 11 };
    reply.set(http::field::content_type, "text/plain; charset=utf-8");
    reply.body() = "The request is not one this server reads.\n";
    reply.prepare_payload();
    reply.keep_alive(false);
    return reply;
}

// The head, then the beginning and each part as it is ready, chunked; a part waits as long as it takes (the
// application bounds that), its writing no longer than one write's deadline. The length of the body written, or
// no value when writing failed.
asio::awaitable<std::optional<std::size_t>> writeParts(beast::tcp_stream &stream, Answer &answer,
                                                       std::chrono::seconds writeDeadline)
{
    answer.reply.chunked(true);
    const std::string beginning = std::exchange(answer.reply.body(), std::string());
    http::response_serializer<http::string_body> head(answer.reply);
    stream.expires_after(writeDeadline);
    auto [headError, headBytes] = co_await http::async_write_header(stream, head, kTuple);
    bool failed = !!headError;
    std::size_t length = 0;
    std::optional<std::string> part = beginning;
    while (!failed && part) {
        length += part->size();
        if (!part->empty()) {
            stream.expires_after(writeDeadline);
            auto [chunkError, chunkBytes]
                = co_await asio::async_write(stream, http::make_chunk(asio::buffer(*part)), kTuple);
            failed = !!chunkError;
        }
        stream.expires_never();
        if (!failed)
            part = co_await answer.parts();
    }
    if (!failed) {
        stream.expires_after(writeDeadline);
        auto [lastError, lastBytes] = co_await asio::async_write(stream, http::make_chunk_last(), kTuple);
        failed = !!lastError;
    }
    if (answer.written)
        answer.written(length);
    co_return failed ? std::nullopt : std::optional(length);
}

} // namespace

asio::awaitable<void> HttpServer::Private::serve(std::shared_ptr<Connection> connection, std::string address,
                                                 std::string key)
{
    beast::tcp_stream &stream = connection->stream;
    Http::Application &application = *connection->worker.application;
    beast::flat_buffer buffer;
    for (bool first = true; !stopping; first = false) {
        http::request_parser<http::string_body> parser;
        parser.header_limit(std::uint32_t(settings.headerLimit));
        parser.body_limit(settings.bodyLimit);
        // One deadline for the whole head, however slowly it comes.
        stream.expires_after(first ? settings.headDeadline : settings.idleDeadline);
        startWaiting(connection);
        auto [readError, headBytes] = co_await http::async_read_header(stream, buffer, parser, kTuple);
        endWaiting(*connection);

        std::optional<http::status> refused;
        if (readError) {
            // A client that went away or let the deadline pass is closed without a word; a broken head
            // gets its status.
            if (readError.category() != http::make_error_code(http::error::bad_field).category()
                || readError == http::error::end_of_stream || readError == http::error::partial_message)
                break;
            refused = readError == http::error::header_limit ? http::status::request_header_fields_too_large
                                                             : http::status::bad_request;
        } else if (const std::optional<http::status> bad = badHead(parser.get(), settings.fieldLimit)) {
            refused = bad;
        } else if (!parser.is_done()) {
            stream.expires_after(settings.headDeadline);
            auto [bodyError, bodyBytes] = co_await http::async_read(stream, buffer, parser, kTuple);
            if (bodyError == beast::error::timeout || bodyError == http::error::end_of_stream)
                break;
            if (bodyError)
                refused = bodyError == http::error::body_limit ? http::status::payload_too_large
                                                               : http::status::bad_request;
        }

        Answer answer;
        if (refused) {
            answer.reply = unreadable(*refused);
            answer.close = true;
            application.unreadable(parser.get(), address, answer.reply);
        } else {
            stream.expires_never();
            answer = co_await application.respond(parser.get(), address);
        }
        stream.expires_after(settings.writeDeadline);
        bool failed = false;
        if (answer.bytes) {
            auto [writeError, written] = co_await asio::async_write(stream, asio::buffer(*answer.bytes), kTuple);
            failed = !!writeError;
        } else if (answer.parts) {
            answer.reply.keep_alive(!answer.close);
            failed = !(co_await writeParts(stream, answer, settings.writeDeadline));
        } else {
            answer.reply.keep_alive(!answer.close);
            auto [writeError, written] = co_await http::async_write(stream, answer.reply, kTuple);
            failed = !!writeError;
        }
        if (failed || answer.close)
            break;
    }
    beast::error_code ignored;
    stream.socket().shutdown(tcp::socket::shutdown_send, ignored);
    ended(connection->worker, key);
}
