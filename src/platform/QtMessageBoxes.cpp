#include "QtMessageBoxes.h"

#include <QMessageBox>

void QtMessageBoxes::show(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Warning, QStringLiteral("Quelcor"),
                    text, QMessageBox::Ok, parent);
    box.exec();
}
