#include "LanguageTags.h"

#include <QHash>

namespace LanguageTags {

QString forDriver(const QString &folder)
{
    static const QHash<QString, QString> tags {
        { QStringLiteral("English"), QStringLiteral("en") },
        { QStringLiteral("Italiano"), QStringLiteral("it") },
        { QStringLiteral("Deutsch"), QStringLiteral("de") },
        { QString::fromUtf8("Français"), QStringLiteral("fr") },
        { QString::fromUtf8("Español"), QStringLiteral("es") },
        { QString::fromUtf8("Português"), QStringLiteral("pt") },
        { QStringLiteral("Nederlands"), QStringLiteral("nl") },
    };
    // Folder names are matched without regard to case, as the program's file names are.
    for (auto it = tags.cbegin(); it != tags.cend(); ++it) {
        if (it.key().compare(folder.trimmed(), Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return QString();
}

} // namespace LanguageTags
