#pragma once

#include "messages/Message.h"

#include <QList>
#include <QString>
#include <QTranslator>

#include <memory>
#include <string_view>

// The site's words in one of its languages: the catalog of a language is a Qt Linguist file (lang/<tag>.ts,
// updated by lupdate from the sources, compiled by lrelease into the resources) with five contexts: "Page" for
// the pages' own texts, "Message" for the messages (messages/Message.cpp), "Word" for the words inside them,
// "Status" for the status values of records in words (pages/Statuses.cpp), "Verdict" for the verdicts' labels.
// A text that a catalog lacks is shown in English, that text alone.
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

    // A text of the pages, marked QT_TRANSLATE_NOOP("Page", ...) where it is written (or of another context);
    // English where the catalog has none.
    QString text(const char *english, const char *context = "Page") const;

    // A text with a count, marked QT_TRANSLATE_N_NOOP("Page", "in %n day(s)"): the catalog's form for the count,
    // %n replaced by it; in English "(s)" is "s" for any count but 1.
    QString text(const char *english, int count, const char *context = "Page") const;

    // A message with its arguments in place, its words and nested reasons translated too; plain text.
    QString render(const Message &message) const;

    // The translation of a text of the given context; empty when the catalog has none.
    QString translated(const char *context, const char *english) const;

    // A language from a compiled catalog (for the shipped languages, the resources'); English without one.
    PageLanguage(QString tag, const QString &compiledCatalog);

private:
    QString m_tag;
    std::unique_ptr<QTranslator> m_catalog;
};
