#pragma once

#include <kainjow/mustache.hpp>

#include <QByteArray>
#include <QString>

#include <string>

// The site's page templates (templates/*.mustache in the resources), in Mustache: {{name}} is a value escaped
// for HTML, {{{name}}} is markup from the site's own catalog, never a value from elsewhere.
namespace Template {

using Data = kainjow::mustache::data;

// A value for a template.
inline std::string value(const QString &text)
{
    return text.toStdString();
}

// The template of that name rendered with the data, and for names the data lacks, with the base (values that stay
// the same from one page to the next). Each thread reads a template once; a template that cannot be read or parsed
// renders as an empty text, which the tests that render every template would see.
std::string render(const char *name, const Data &data, const Data *base = nullptr);

// The resources' file of that name under templates/ (the style sheet).
QByteArray file(const char *name);

} // namespace Template
