#pragma once

#include <QString>

// The language of a shipped driver as the web asks for it: its folder's name (entry 5) to a language tag.
namespace LanguageTags {

// "de" for "Deutsch" and so on; empty for a driver that is not one of the shipped ones.
QString forDriver(const QString &folder);

} // namespace LanguageTags
