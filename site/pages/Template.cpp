#include "Template.h"

#include <QFile>

#include <cstdio>
#include <map>

namespace {

// What QString::toHtmlEscaped escapes: the pages read as they did when they were written by hand. Runs of
// ordinary characters are copied whole.
std::string escaped(const std::string &text)
{
    std::string out;
    out.reserve(text.size() + 16);
    const auto special = [](char c) { return c == '&' || c == '<' || c == '>' || c == '"'; };
    std::size_t start = 0;
    for (;;) {
        std::size_t at = start;
        while (at < text.size() && !special(text[at]))
            ++at;
        out.append(text, start, at - start);
        if (at == text.size())
            return out;
        switch (text[at]) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += "&quot;";
        }
        start = at + 1;
    }
}

kainjow::mustache::mustache compiled(const char *name)
{
    kainjow::mustache::mustache made(Template::file((std::string(name) + ".mustache").c_str()).toStdString());
    if (!made.is_valid())
        std::fprintf(stderr, "quelcor-site: the template %s cannot be read: %s\n", name, made.error_message().c_str());
    made.set_custom_escape(escaped);
    return made;
}

} // namespace

namespace Template {

QByteArray file(const char *name)
{
    QFile file(QStringLiteral(":/site/templates/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string render(const char *name, const Data &data, const Data *base)
{
    // A compiled template keeps state while it renders: one set per thread.
    thread_local std::map<std::string, kainjow::mustache::mustache, std::less<>> templates;
    auto found = templates.find(std::string_view(name));
    if (found == templates.end())
        found = templates.emplace(name, compiled(name)).first;
    // Appended to directly: the engine's own render(data) goes through a string stream.
    struct Appender
    {
        std::string text;
        Appender &operator<<(const std::string &more)
        {
            text += more;
            return *this;
        }
    } out;
    kainjow::mustache::context<std::string> context;
    if (base)
        context.push(base);
    context.push(&data); // looked in first
    found->second.render(context, out);
    return std::move(out.text);
}

} // namespace Template
