#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's artwork from its resources, at one and two times its size.
// Read as PNG by name: asking Qt to guess a file's format, or to look for @2x files itself, loads every
// picture-format plugin on the machine, which alone would make start-up a third slower.
namespace Art {

QPixmap pixmap(const QString &name, qreal devicePixelRatio);
QIcon icon(const QString &name);

} // namespace Art
