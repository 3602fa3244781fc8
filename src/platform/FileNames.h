#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// File and folder names match without regard to case, as on the system the program's data comes from.
// Every lookup of a fixed name or pattern goes through here.
namespace FileNames {

// The path of the entry of dir whose name equals name without regard to case. An exact match wins;
// otherwise the first in alphabetical order. When nothing matches, the path of name itself is returned.
QString resolve(const QDir &dir, const QString &name);

// Whether an entry of dir matches name without regard to case.
bool exists(const QDir &dir, const QString &name);

// The ordinary (not hidden) files of dir that match the wildcard pattern without regard to case,
// sorted by name without regard to case.
QStringList files(const QDir &dir, const QString &pattern);

} // namespace FileNames
