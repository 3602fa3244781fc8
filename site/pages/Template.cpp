#include "Template.h"

#include <QFile>

#include <cstdio>
#include <map>

namespace {

// What QString::toHtmlEscaped escapes: the pages read as they did when they were written by hand.
std::string escaped(const std::string &text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
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

std::string render(const char *name, const Data &data)
{
    // A compiled template keeps state while it renders: one set per thread.
    thread_local std::map<std::string, kainjow::mustache::mustache, std::less<>> templates;
    auto found = templates.find(std::string_view(name));
    if (found == templates.end())
        found = templates.emplace(name, compiled(name)).first;
    return found->second.is_valid() ? found->second.render(data) : std::string();
}

} // namespace Template
