#include "QtMessageBoxes.h"

#include <QLabel>
#include <QMessageBox>

void QtMessageBoxes::show(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Warning, QStringLiteral("Quelcor"),
                    text, QMessageBox::Ok, parent);
    // The icon is named by its kind for screen readers, which otherwise hear a blank image.
    if (auto *picture = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
        picture->setAccessibleName(icon == Icon::Critical ? QStringLiteral("Error") : QStringLiteral("Warning"));
    box.exec();
}
