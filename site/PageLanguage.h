#pragma once

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <string_view>

// Marks a text that a visitor reads (a page's words, a lookup's message, the reason inside one): the site's
// code writes it in English, and each language's table (lang/<tag>.tsv in the resources) gives its translation.
// The tables' check reads these marks in the sources.
#define PAGE_TEXT(text) QStringLiteral(text)
// The same mark on a word kept as a C string in a table (the kind of a special address); translated where a
// message that carries it is.
#define PAGE_WORD(text) text

// The site's words in one of its languages.
// A table is UTF-8, one text a line: the English text as the code writes it, a tab, the translation. Lines
// that are empty or start with "#" are skipped. A text with %1 to %9 is a template: a message made from it with
// .arg() is translated as the translated template with the same arguments, each of them translated in turn.
class PageLanguage
{
public:
    // English: every text as the code writes it.
    static const PageLanguage &english();

    // The language a browser asks for in its Accept-Language header, the one of highest preference that the
    // site speaks (matched on the language, "de-CH" is served Deutsch); English when none is.
    static const PageLanguage &forAcceptLanguage(std::string_view header);

    // Every language the site speaks, English first.
    static const QList<const PageLanguage *> &all();

    // The language's tag ("de"), for the page's lang attribute and the Content-Language header.
    const QString &tag() const { return m_tag; }

    // A text of the site in this language; the text itself where the table has none.
    QString text(const QString &english) const;

    // A message made by the site's code, from one of the texts or templates, in this language; a message
    // that no text or template makes (an error that another library wrote) stays as it is.
    QString message(const QString &english) const;

    // The table's lines that could not be read ("line 4: no tab"); empty for a sound table.
    const QStringList &errors() const { return m_errors; }

    // The table: English text to translation.
    const QHash<QString, QString> &texts() const { return m_texts; }

    // Reads a table (for the shipped languages, from the resources).
    PageLanguage(QString tag, const QByteArray &table);

private:
    struct Template
    {
        QRegularExpression pattern; // the English template, its arguments captured in the order they appear
        QList<int> numbers; // the argument number of each capture
        QString translation;
        qsizetype fixedLength; // characters that are not arguments: the longer is tried first
    };

    QString message(const QString &english, int depth) const;

    QString m_tag;
    QHash<QString, QString> m_texts;
    QList<Template> m_templates;
    QStringList m_errors;
};
