#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

// Real files for the tests.
namespace TestFiles {

void write(const QString &path, const QByteArray &bytes);
QByteArray read(const QString &path);

// A driver of the given number of lines, CR LF ended: line k is "E<k>" unless texts gives it.
QByteArray driver(int lines, const QHash<int, QByteArray> &texts = {});

// A version file as the maker's server publishes it: 31 characters of script, the version text at
// characters 32 to 39, the rest of the line.
QByteArray versionFile(const QByteArray &version);

// Makes dir the current directory for the life of the object.
class CurrentDir
{
public:
    explicit CurrentDir(const QString &dir);
    ~CurrentDir();

private:
    QString m_before;
};

} // namespace TestFiles
