#include "PublicSuffixes.h"

#include <QFile>
#include <QMutex>
#include <QUrl>

#include <optional>

namespace {

QMutex chosenLock;
std::optional<PublicSuffixes> chosen; // the list loaded, or the default once read

QString ace(const QString &name)
{
    bool ascii = true;
    for (const QChar c : name)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        return name.toLower();
    const QByteArray converted = QUrl::toAce(name);
    return converted.isEmpty() ? name.toLower() : QString::fromLatin1(converted).toLower();
}

} // namespace

bool PublicSuffixes::load(const QString &path)
{
    PublicSuffixes list = read(path);
    if (list.size() == 0)
        return false;
    const QMutexLocker locker(&chosenLock);
    chosen = std::move(list);
    return true;
}

const PublicSuffixes &PublicSuffixes::instance()
{
    const QMutexLocker locker(&chosenLock);
    if (!chosen)
        chosen = read(QString::fromLatin1(kDefaultFile));
    return *chosen;
}

PublicSuffixes PublicSuffixes::read(const QString &path)
{
    PublicSuffixes list;
    list.m_file = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return list;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096).trimmed();
        if (line.startsWith("// ===END ICANN DOMAINS==="))
            break;
        if (line.isEmpty() || line.startsWith("//"))
            continue;
        // The rule is the line's first word; the rest may be a comment.
        const QString rule = QString::fromUtf8(line.left(line.indexOf(' ') < 0 ? line.size() : line.indexOf(' ')));
        if (rule.startsWith(u"*."))
            list.m_wildcards.insert(ace(rule.mid(2)));
        else if (rule.startsWith(u'!'))
            list.m_exceptions.insert(ace(rule.mid(1)));
        else
            list.m_rules.insert(ace(rule));
    }
    return list;
}

QString PublicSuffixes::registeredDomain(const QString &name) const
{
    // Without a list, where names end is unknown ("bbc.co.uk" is no name under "co.uk"): each is its own.
    if (size() == 0)
        return name;
    const QStringList labels = name.split(u'.');
    // The longest rule that matches wins; an exception's suffix is the exception less its first label.
    std::optional<qsizetype> suffixLabels;
    for (qsizetype count = labels.size(); count >= 1 && !suffixLabels; --count) {
        const QString tail = labels.mid(labels.size() - count).join(u'.');
        if (m_exceptions.contains(tail))
            suffixLabels = count - 1;
        else if (count < labels.size() && m_wildcards.contains(tail))
            suffixLabels = count + 1;
        else if (m_rules.contains(tail) || m_wildcards.contains(tail))
            suffixLabels = count;
    }
    const qsizetype suffix = suffixLabels.value_or(1); // the default rule: the extension alone
    if (labels.size() <= suffix)
        return QString();
    return labels.mid(labels.size() - suffix - 1).join(u'.');
}
