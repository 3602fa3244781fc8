#pragma once

#include "lookup/Availability.h"
#include "lookup/LookupResult.h"
#include "pages/PageLanguage.h"
#include "pages/Verdict.h"

#include <QString>
#include <QStringList>

// How quelcor-lookup prints its answers: as text in the user's language, JSON, CSV or the records alone.
namespace Cli {

enum class Format { Text, Json, Csv, Records };

// How the answers are printed.
struct Output
{
    Format format;
    bool raw; // the records after the fields, in text
    const PageLanguage &words;
    int waitAtMost = 0; // seconds a question of a list may wait for its registry in all
    QString evidence; // where each lookup's evidence is written; none when empty
};

// The user's language, as the page would pick it for a browser of that system.
const PageLanguage &userLanguage();

// Whether the question got an answer: a verdict about the name, not a refusal, a failure or an unknown.
bool answered(const Verdict &verdict);

// A lookup's answer as text: the verdict line, the fields, the notes, and with raw the records; everything from
// elsewhere shown as text.
QString textOf(const QString &question, const LookupResult &result, const PageLanguage &words, bool raw);

// A field for a CSV row (RFC 4180): quoted when it holds a comma, a quote or a line break. A text that a spreadsheet
// would run as a formula (one that begins with =, +, -, @, a tab or a carriage return, and is not a plain number)
// comes after an apostrophe, so that it is shown as the text it is.
QString csvField(QString text);
// Fields as a CSV row, each shown as text.
QString csvRow(const QStringList &fields);
// A lookup's row, and a check's row for one extension.
QString csvOf(const QString &question, const LookupResult &result, const PageLanguage &words);
QString csvOf(const Availability::Row &row, const PageLanguage &words);

} // namespace Cli
