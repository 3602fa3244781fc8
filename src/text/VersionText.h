#pragma once

#include <QString>

#include <optional>

// Version files and version texts, as both version checks read them.
// A version text is major "." minor "." revision: one digit, one digit, four characters (1.0.2004).
namespace VersionText {

struct Version
{
    qint16 major = 0;
    qint16 minor = 0;
    qint16 revision = 0;
};

// Characters 32 to 39 (counted from 1) of a version file's text: fewer when the text ends before 39,
// empty when it has fewer than 32.
QString extract(const QString &fileText);

// Cuts a version text at fixed places: character 1, character 3, characters 5 to 8; characters 2 and 4
// are never looked at. Each piece must be decimal digits, blanks allowed around them; anything else,
// an empty or a blank piece included, is a conversion error (no value).
std::optional<Version> parse(const QString &text);

// Whether the published version is newer than the installed one: greater in (major, minor, revision)
// order. An equal version is not newer.
bool isNewer(const Version &published, const Version &installed);

enum class Comparison { Newer, NotNewer, NotAVersion };
// Both version checks' comparison of two version texts: NotAVersion when either does not parse.
Comparison compare(const QString &published, const QString &installed);

} // namespace VersionText
