#pragma once

#include <QByteArrayView>
#include <QString>

// The program's texts (language drivers, version files) are in the Windows ANSI code page 1252:
// one byte is one character, so character positions equal byte positions.
QString decodeWindows1252(QByteArrayView bytes);
