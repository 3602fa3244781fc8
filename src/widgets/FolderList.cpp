#include "FolderList.h"

#include <QAccessible>
#include <QDir>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {
const int kDepth = Qt::UserRole + 1;

// Indents each folder by its depth, so the names themselves stay plain (and typing a name finds it).
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.adjust(12 * index.data(kDepth).toInt(), 0, 0, 0);
        QStyledItemDelegate::paint(painter, indented, index);
    }
};
} // namespace

FolderList::FolderList(QWidget *parent, const char *name)
    : QListWidget(parent)
    , m_path(QDir::currentPath())
{
    setObjectName(QLatin1String(name));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new IndentDelegate(this));
    setAccessibleDescription(m_hints.list);
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

void FolderList::setHints(const Hints &hints)
{
    m_hints = hints;
    setAccessibleDescription(hints.list);
}

void FolderList::refresh()
{
    clear();
    // The folders above, from the root down to the open one, then the ones inside it.
    QStringList above;
    for (QDir dir(m_path);;) {
        above.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    for (const QString &folder : above) {
        auto *item = new QListWidgetItem(open, QDir(folder).isRoot() ? folder : QDir(folder).dirName(), this);
        item->setData(Qt::UserRole, folder);
        item->setData(kDepth, depth++);
        item->setData(Qt::AccessibleDescriptionRole, m_hints.open.arg(depth));
    }
    setCurrentRow(count() - 1);
    const QStringList inside = QDir(m_path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : inside) {
        auto *item = new QListWidgetItem(closed, name, this);
        item->setData(Qt::UserRole, QDir(m_path).filePath(name));
        item->setData(kDepth, depth);
        item->setData(Qt::AccessibleDescriptionRole, m_hints.inside.arg(depth + 1));
    }
}

void FolderList::openCurrent()
{
    if (QListWidgetItem *item = currentItem())
        setPath(item->data(Qt::UserRole).toString());
}

// Screen readers hear the highlighted folder as the list takes the focus, after the list itself.
void FolderList::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    QTimer::singleShot(0, this, [this] {
        if (QAccessible::isActive() && hasFocus() && currentRow() >= 0) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(currentRow());
            QAccessible::updateAccessibility(&focus);
        }
    });
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
