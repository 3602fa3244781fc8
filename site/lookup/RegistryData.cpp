#include "RegistryData.h"

#include <QFile>

namespace RegistryData {

QList<Row> rows(const char *file, int fields, QStringList *errors)
{
    QList<Row> read;
    QFile data(QStringLiteral(":/site/") + QLatin1StringView(file));
    if (!data.open(QIODevice::ReadOnly)) {
        errors->append(QStringLiteral("%1 is missing").arg(QLatin1StringView(file)));
        return read;
    }
    const QStringList lines = QString::fromUtf8(data.readAll()).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        Row row { int(i + 1), lines[i].split(u'\t', Qt::SkipEmptyParts) };
        for (QString &field : row.fields)
            field = field.trimmed();
        if (row.fields.size() == fields)
            read.append(row);
        else
            errors->append(QStringLiteral("%1, line %2: %3 fields, not %4")
                               .arg(QLatin1StringView(file))
                               .arg(row.line)
                               .arg(row.fields.size())
                               .arg(fields));
    }
    return read;
}

} // namespace RegistryData
