#pragma once

#include <QListWidget>

// A folder list as the platform's own: the folders above its path and the folders inside it. A single
// click only highlights an entry; a double click or Enter opens it, which changes the path. Screen readers hear
// each folder with its level and whether it is open.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    FolderList(QWidget *parent, const char *name);

    // What screen readers are told besides the names: the list's description, and each folder's, as a pattern
    // with %1 for its level, for the folders of the path (open) and those inside the open one. The folders take
    // theirs when the list is next read (a new path, a refresh).
    struct Hints
    {
        QString list = QStringLiteral("Return opens the highlighted folder.");
        QString open = QStringLiteral("open folder, level %1");
        QString inside = QStringLiteral("folder, level %1, Return opens it");
    };
    void setHints(const Hints &hints);

    QString path() const { return m_path; }
    // Opens a folder; false, and nothing changed, when it does not exist.
    bool setPath(const QString &path);
    // Reads the folders on disk again; the path stays and no change is reported.
    void refresh();
    // Opens the highlighted entry, as a double click does.
    void openCurrent();

signals:
    void pathChanged();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_path;
    Hints m_hints;
};
