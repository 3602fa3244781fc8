#include "LanguageTags.h"

namespace LanguageTags {

QString forDriver(const QString &folder)
{
    struct Tag
    {
        const char *folder; // UTF-8
        const char *tag;
    };
    static const Tag kTags[]
        = { { "English", "en" }, { "Italiano", "it" },  { "Deutsch", "de" },   { "Français", "fr" },
            { "Español", "es" }, { "Português", "pt" }, { "Nederlands", "nl" } };
    // Folder names are matched without regard to case, as the program's file names are.
    const QString name = folder.trimmed();
    for (const Tag &entry : kTags) {
        if (name.compare(QString::fromUtf8(entry.folder), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(entry.tag);
    }
    return QString();
}

} // namespace LanguageTags
