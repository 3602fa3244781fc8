#include "VersionText.h"

#include <tuple>

namespace VersionText {

namespace {
// A piece of the text: decimal digits with blanks before and after them.
std::optional<qint16> pieceAt(const QString &text, qsizetype from, qsizetype length)
{
    QStringView piece = QStringView(text).mid(from, length);
    while (!piece.isEmpty() && piece.front() == QLatin1Char(' '))
        piece = piece.sliced(1);
    while (!piece.isEmpty() && piece.back() == QLatin1Char(' '))
        piece.chop(1);
    if (piece.isEmpty())
        return std::nullopt;
    int value = 0;
    for (QChar c : piece) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0'); // at most four digits: no overflow
    }
    return qint16(value);
}
} // namespace

QString extract(const QString &fileText)
{
    return fileText.size() < 32 ? QString() : fileText.mid(31, 8);
}

std::optional<Version> parse(const QString &text)
{
    const auto major = pieceAt(text, 0, 1);
    const auto minor = pieceAt(text, 2, 1);
    const auto revision = pieceAt(text, 4, 4);
    if (!major || !minor || !revision)
        return std::nullopt;
    return Version { *major, *minor, *revision };
}

bool isNewer(const Version &published, const Version &installed)
{
    return std::tie(published.major, published.minor, published.revision)
        > std::tie(installed.major, installed.minor, installed.revision);
}

Comparison compare(const QString &published, const QString &installed)
{
    const auto publishedVersion = parse(published);
    const auto installedVersion = parse(installed);
    if (!publishedVersion || !installedVersion)
        return Comparison::NotAVersion;
    return isNewer(*publishedVersion, *installedVersion) ? Comparison::Newer : Comparison::NotNewer;
}

} // namespace VersionText
