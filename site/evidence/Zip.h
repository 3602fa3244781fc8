#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// A ZIP archive of files stored as they are (no compression), so that what is in it is what was put in, byte for
// byte, and the same files always give the same archive.
namespace Zip {

struct File
{
    QString name; // a path inside the archive, '/' between folders
    QByteArray bytes;
    QDateTime modified; // shown as the file's time (to the even second, as ZIP keeps it)
};

QByteArray archive(const QList<File> &files);

} // namespace Zip
