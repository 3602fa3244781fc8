#include "FolderList.h"

#include <QDir>
#include <QKeyEvent>

FolderList::FolderList(QWidget *parent, const char *name)
    : QListWidget(parent)
    , m_path(QDir::currentPath())
{
    setObjectName(QLatin1String(name));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { openCurrent(); });
    refresh();
}

bool FolderList::setPath(const QString &path)
{
    const QFileInfo folder(path);
    if (!folder.isDir())
        return false;
    m_path = folder.absoluteFilePath();
    refresh();
    emit pathChanged();
    return true;
}

void FolderList::refresh()
{
    clear();
    // The folders above, from the root down to the open one, then the ones inside it.
    QStringList above;
    for (QDir dir(m_path);; ) {
        above.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &folder : above) {
        const QString name = QDir(folder).isRoot() ? folder : QDir(folder).dirName();
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(Qt::UserRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    const QStringList inside = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : inside) {
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(Qt::UserRole, QDir(m_path).filePath(name));
    }
}

void FolderList::openCurrent()
{
    if (QListWidgetItem *item = currentItem())
        setPath(item->data(Qt::UserRole).toString());
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openCurrent();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}
