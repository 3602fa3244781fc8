// quelcor-site: the maker's web server for Quelcor.

#include "Bootstrap.h"
#include "Lookup.h"
#include "Pages.h"
#include "SiteOptions.h"

#include <QCoreApplication>
#include <QUrlQuery>

#include <httplib.h>

#include <cstdio>

#include <sys/socket.h>

namespace {

// A request's target as one safe log line: no control characters.
std::string loggable(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text)
        out += (c < 0x20 || c == 0x7f) ? '?' : char(c);
    return out.size() > 300 ? out.substr(0, 300) + "..." : out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString error;
    const std::optional<SiteOptions> options
        = SiteOptions::parse(app.arguments(), QStringLiteral(QUELCOR_SITE_VERSION), &error);
    if (!options) {
        const bool help = app.arguments().contains(u"--help") || app.arguments().contains(u"-h");
        std::fprintf(help ? stdout : stderr, help ? "%s" : "quelcor-site: %s\n", qPrintable(error));
        return help ? 0 : 2;
    }

    RdapBootstrap bootstrap(options->bootstrap, options->bootstrapTtlSeconds);
    const Lookup lookup(bootstrap, options->lookup);
    const Site site(options->versions, lookup);

    httplib::Server server;
    // Lookups wait on other servers for up to half a minute a hop: each request has a worker of its own,
    // so a slow registry holds up nobody else.
    server.new_task_queue = [] { return new httplib::ThreadPool(16); };
    server.set_read_timeout(10, 0);
    server.set_write_timeout(30, 0);
    server.set_keep_alive_timeout(5);
    server.set_payload_max_length(64 * 1024);
    // SO_REUSEADDR, so that a restarted site can listen while connections of the last one linger in TIME_WAIT
    // (the library's default, SO_REUSEPORT alone, cannot); and no SO_REUSEPORT, so that a second site started on
    // the same port fails instead of silently sharing it.
    server.set_socket_options([](socket_t socket) {
        const int yes = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    server.Get(".*", [&site](const httplib::Request &request, httplib::Response &response) {
        const std::string::size_type mark = request.target.find('?');
        QString rawQuery = mark == std::string::npos ? QString() : QString::fromUtf8(request.target.substr(mark + 1));
        rawQuery.replace(u'+', QStringLiteral("%20")); // a form's blanks
        const Response answer = site.respond(QString::fromUtf8(request.path), QUrlQuery(rawQuery));
        response.status = answer.status;
        for (const auto &[name, value] : Site::securityHeaders())
            response.set_header(name.toStdString(), value.toStdString());
        response.set_content(answer.body.toStdString(), answer.contentType.toStdString());
    });
    server.set_logger([](const httplib::Request &request, const httplib::Response &response) {
        std::printf("%s %s %s %d %zu\n", loggable(request.remote_addr).c_str(), loggable(request.method).c_str(),
                    loggable(request.target).c_str(), response.status, response.body.size());
        std::fflush(stdout);
    });

    const std::string host = options->listen.toString().toStdString();
    if (!server.bind_to_port(host, options->port)) {
        std::fprintf(stderr, "quelcor-site: cannot listen on %s port %u\n", host.c_str(), unsigned(options->port));
        return 1;
    }
    std::printf("quelcor-site: listening on %s port %u\n", host.c_str(), unsigned(options->port));
    std::fflush(stdout);
    return server.listen_after_bind() ? 0 : 1;
}
