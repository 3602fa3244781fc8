#include "PageLanguage.h"

#include <QDir>

#include <algorithm>
#include <vector>

PageLanguage::PageLanguage(QString tag, const QString &compiledCatalog)
    : m_tag(std::move(tag))
{
    if (compiledCatalog.isEmpty())
        return;
    m_catalog = std::make_unique<QTranslator>();
    if (!m_catalog->load(compiledCatalog))
        m_catalog.reset();
}

const QList<const PageLanguage *> &PageLanguage::all()
{
    static const std::vector<PageLanguage> tables = [] {
        std::vector<PageLanguage> found;
        found.emplace_back(QStringLiteral("en"), QString());
        const QDir folder(QStringLiteral(":/site/lang"));
        for (const QString &name : folder.entryList({ QStringLiteral("*.qm") }, QDir::Files, QDir::Name))
            found.emplace_back(name.chopped(3), folder.filePath(name));
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

QString PageLanguage::translated(const char *context, const char *english) const
{
    return m_catalog ? m_catalog->translate(context, english) : QString();
}

QString PageLanguage::text(const char *english, const char *context) const
{
    const QString translation = translated(context, english);
    return translation.isEmpty() ? QString::fromUtf8(english) : translation;
}

QString PageLanguage::text(const char *english, int count, const char *context) const
{
    QString text = m_catalog ? m_catalog->translate(context, english, nullptr, count) : QString();
    if (text.isEmpty())
        text = QString::fromUtf8(english).replace(u"(s)"_qs, count == 1 ? QString() : u"s"_qs);
    return text.replace(u"%n"_qs, QString::number(count));
}

QString PageLanguage::render(const Message &message) const
{
    return message.rendered(
        [](const void *language, const char *context, const char *english) {
            return static_cast<const PageLanguage *>(language)->translated(context, english);
        },
        this);
}
