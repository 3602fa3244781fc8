#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's artwork from its resources, at one and two times its size.
// The build stores each picture as its pixels, ready to use: a 16-byte header ("QPIX", width, height and the
// QImage format, as 32-bit numbers of this machine) and the rows, 4 bytes a pixel. Decoding PNG was the
// largest single cost of building the splash window, and asking Qt to guess a file's format loads every
// picture-format plugin on the machine.
namespace Art {

// The picture of such a file; a null image if the file is not one.
QImage decode(const QByteArray &file);

QPixmap pixmap(const QString &name, qreal devicePixelRatio);
QIcon icon(const QString &name);

} // namespace Art
