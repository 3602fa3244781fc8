#pragma once

#include <QString>
#include <QStringList>

// A file list that nobody sees: the ordinary files of a folder that match a pattern, in alphabetical order.
class FileList
{
public:
    explicit FileList(QString pattern);

    void setPath(const QString &path) { m_path = path; }
    QString path() const { return m_path; }
    QString pattern() const { return m_pattern; }
    QStringList files() const;
    // Selects the first file: false, and an empty file name, when there is none.
    bool selectFirst();
    QString FileName() const { return m_fileName; }

private:
    QString m_pattern;
    QString m_path;
    QString m_fileName;
};
