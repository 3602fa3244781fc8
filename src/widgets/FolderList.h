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
};
