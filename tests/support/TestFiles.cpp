#include "TestFiles.h"

#include <QFile>
#include <QHash>

namespace TestFiles {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray driver(int lines, const QHash<int, QByteArray> &texts)
{
    QByteArray bytes;
    for (int k = 0; k < lines; ++k)
        bytes += texts.value(k, "E" + QByteArray::number(k)) + "\r\n";
    return bytes;
}

QByteArray versionFile(const QByteArray &version)
{
    return QByteArray("var quelcor_version_number = '").leftJustified(31, ' ', true) + version + "';\r\n";
}

CurrentDir::CurrentDir(const QString &dir)
    : m_before(QDir::currentPath())
{
    if (!QDir::setCurrent(dir))
        qFatal("cannot enter %s", qPrintable(dir));
}

CurrentDir::~CurrentDir()
{
    QDir::setCurrent(m_before);
}

} // namespace TestFiles
