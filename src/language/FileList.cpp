#include "FileList.h"

#include "platform/FileNames.h"

FileList::FileList(QString pattern)
    : m_pattern(std::move(pattern))
{
}

QStringList FileList::files() const
{
    return m_path.isEmpty() ? QStringList() : FileNames::files(QDir(m_path), m_pattern);
}

bool FileList::selectFirst()
{
    const QStringList all = files();
    m_fileName = all.value(0);
    return !all.isEmpty();
}
