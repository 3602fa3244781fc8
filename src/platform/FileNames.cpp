#include "FileNames.h"

namespace FileNames {

QString resolve(const QDir &dir, const QString &name)
{
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    // QDir name filters match without regard to case unless QDir::CaseSensitive is given; a literal
    // name carries no wildcard, except in the rare name that holds one, so escape those.
    QString literal = name;
    literal.replace(QLatin1Char('['), QLatin1String("[[]"))
        .replace(QLatin1Char('*'), QLatin1String("[*]"))
        .replace(QLatin1Char('?'), QLatin1String("[?]"));
    const QStringList found
        = dir.entryList({ literal }, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDir::Name | QDir::IgnoreCase);
    return dir.filePath(found.isEmpty() ? name : found.first());
}

bool exists(const QDir &dir, const QString &name)
{
    return QFileInfo::exists(resolve(dir, name));
}

QStringList files(const QDir &dir, const QString &pattern)
{
    return dir.entryList({ pattern }, QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

} // namespace FileNames
