#include "PageLanguage.h"

#include "SiteResources.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <vector>

namespace {

const QRegularExpression &argumentMark()
{
    static const QRegularExpression mark(QStringLiteral("%([1-9])"));
    return mark;
}

// A translated template with its arguments in place.
QString filled(const QString &translation, const QHash<int, QString> &arguments)
{
    QString out;
    for (qsizetype i = 0; i < translation.size(); ++i) {
        const int number = i + 1 < translation.size() ? translation[i + 1].digitValue() : -1;
        if (translation[i] == u'%' && arguments.contains(number)) {
            out += arguments.value(number);
            ++i;
        } else {
            out += translation[i];
        }
    }
    return out;
}

// A template is tried before those with less fixed text: "The whois server %1 that the registry refers to
// could not be asked: %2." before "The whois server %1 could not be asked: %2.", which would match it too.
qsizetype fixedCharacters(const QString &english)
{
    return english.size() - 2 * english.count(argumentMark());
}

} // namespace

PageLanguage::PageLanguage(QString tag, const QByteArray &table)
    : m_tag(std::move(tag))
{
    const QStringList lines = QString::fromUtf8(table).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0 || tab == line.size() - 1 || line.indexOf(u'\t', tab + 1) >= 0) {
            m_errors.append(QStringLiteral("line %1: not an English text, a tab and its translation").arg(i + 1));
            continue;
        }
        const QString english = line.left(tab);
        if (m_texts.contains(english)) {
            m_errors.append(QStringLiteral("line %1: a second translation of \"%2\"").arg(i + 1).arg(english));
            continue;
        }
        m_texts.insert(english, line.mid(tab + 1));
        if (!english.contains(argumentMark()))
            continue;
        Template made { {}, {}, line.mid(tab + 1), fixedCharacters(english) };
        QString pattern;
        qsizetype at = 0;
        for (const QRegularExpressionMatch &mark : argumentMark().globalMatch(english)) {
            pattern += QRegularExpression::escape(english.mid(at, mark.capturedStart() - at)) + QStringLiteral("(.*?)");
            made.numbers.append(mark.captured(1).toInt());
            at = mark.capturedEnd();
        }
        pattern += QRegularExpression::escape(english.mid(at));
        made.pattern = QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                                          QRegularExpression::DotMatchesEverythingOption);
        m_templates.append(std::move(made));
    }
    std::stable_sort(m_templates.begin(), m_templates.end(),
                     [](const Template &a, const Template &b) { return a.fixedLength > b.fixedLength; });
}

const QList<const PageLanguage *> &PageLanguage::all()
{
    static const std::vector<PageLanguage> tables = [] {
        loadSiteResources();
        std::vector<PageLanguage> found;
        found.emplace_back(QStringLiteral("en"), QByteArray());
        const QDir folder(QStringLiteral(":/site/lang"));
        for (const QString &name : folder.entryList({ QStringLiteral("*.tsv") }, QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                found.emplace_back(name.chopped(4), file.readAll());
        }
        return found;
    }();
    static const QList<const PageLanguage *> languages = [] {
        QList<const PageLanguage *> each;
        for (const PageLanguage &table : tables)
            each.append(&table);
        return each;
    }();
    return languages;
}

const PageLanguage &PageLanguage::english()
{
    return *all().front();
}

const PageLanguage &PageLanguage::forAcceptLanguage(std::string_view header)
{
    // "de-CH, fr;q=0.8, en;q=0.5": the first of the highest weight that the site speaks; weight 0 is "not
    // this one". Only the first 1024 bytes and 32 entries are read, whatever a client sends.
    const QList<const PageLanguage *> &languages = all();
    const PageLanguage *best = languages.front();
    double bestWeight = 0;
    const QStringList entries = QString::fromLatin1(header.substr(0, 1024)).split(u',');
    for (qsizetype i = 0; i < entries.size() && i < 32; ++i) {
        const QStringList parts = entries[i].split(u';');
        double weight = 1;
        for (qsizetype p = 1; p < parts.size(); ++p) {
            const QString parameter = parts[p].trimmed();
            if (!parameter.startsWith(QLatin1String("q="), Qt::CaseInsensitive))
                continue;
            bool ok = false;
            weight = parameter.mid(2).toDouble(&ok);
            if (!ok || weight < 0 || weight > 1)
                weight = 0;
        }
        if (weight <= bestWeight)
            continue;
        const QString language = parts.front().trimmed().section(u'-', 0, 0).toLower();
        const auto spoken = std::find_if(languages.begin(), languages.end(),
                                         [&](const PageLanguage *candidate) { return candidate->tag() == language; });
        if (spoken != languages.end()) {
            best = *spoken;
            bestWeight = weight;
        }
    }
    return *best;
}

QString PageLanguage::text(const QString &english) const
{
    return m_texts.value(english, english);
}

QString PageLanguage::message(const QString &english) const
{
    return message(english, 0);
}

QString PageLanguage::message(const QString &english, int depth) const
{
    if (const auto known = m_texts.constFind(english); known != m_texts.constEnd())
        return *known;
    // A reason inside a reason inside a message is as deep as the site's messages go, and none is longer than
    // a few hundred characters: longer text is no message of the site's, and is not matched against templates.
    if (depth > 3 || english.size() > 2000)
        return english;
    for (const Template &candidate : m_templates) {
        const QRegularExpressionMatch match = candidate.pattern.match(english);
        if (!match.hasMatch())
            continue;
        QHash<int, QString> arguments;
        for (qsizetype k = 0; k < candidate.numbers.size(); ++k)
            arguments.insert(candidate.numbers[k], message(match.captured(int(k + 1)), depth + 1));
        return filled(candidate.translation, arguments);
    }
    return english;
}
