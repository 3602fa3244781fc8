#pragma once

#include <QString>

// The program's own version information.
struct VersionInfo
{
    qint16 major = 0;
    qint16 minor = 0;
    qint16 revision = 0;
    QString copyright;
    // The maker's particulars, fixed by the build with the version.
    QString author;
    QString email;

    // major "." minor "." revision in plain decimal: 1.0.2004
    QString text() const { return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision); }
};
