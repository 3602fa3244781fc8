#pragma once

#include "PageLanguage.h"
#include "Verdict.h"
#include "lookup/Lookup.h"

#include <QList>
#include <QString>

// What a lookup's answer says, in the words of a language: the verdict line and the fields read from the record,
// as the lookup page shows them and as quelcor-lookup prints them. Values stay as the registry wrote them (the
// page and the terminal each show them as text); dates are in the language, with the time left.
namespace Findings {

// The mark of a busy registry, wherever one shows: a circle a quarter full (DejaVu and Liberation have it).
inline constexpr const char *kBusyMark = "\u25D4";

enum class Markup {
    Html, // the verdict's detail as markup: the catalog's words escaped, each value isolated (bdi)
    Text, // plain text
};

struct VerdictLine
{
    const char *kind = ""; // "ok", "info", "warn", "error": how the page colours it
    const char *mark = ""; // a symbol beside the label
    QString label; // empty: no verdict (a question refused)
    QString detail; // what stands behind it, in the markup asked for
};
VerdictLine verdictLine(const PageLanguage &words, const LookupResult &result, const Verdict &verdict, Markup markup);

struct Status
{
    QString value; // as the registry wrote it
    QString words; // its phrase in the language; empty for a value that has none
};
struct Field
{
    QString label;
    QString value; // as written; dates in the language
    QString link; // an http or https address to link the value to, or empty
    QList<Status> statuses; // the status row's values, in place of a value
    QString source; // the server the value came from, where records were merged; else empty
    bool withheld = false; // the record withholds the value; the value says so, with the reason
};
QList<Field> fields(const PageLanguage &words, const LookupResult &result, const Verdict &verdict);

// The line under the verdict: what it rests on ("Evidence: whois.denic.de, line 3: “Status: free”"), with the
// server's words made visible; empty when there is no evidence (nothing was asked).
QString evidenceLine(const PageLanguage &words, const LookupResult &result);

// What stands for a withheld value: "withheld", or "withheld: Server policy" with the record's reason.
QString withheldText(const PageLanguage &words, const QString &reason);

// A domain name (A-labels) in the form it was typed, the other form beside: "cat.みんな (cat.xn--q9jyb4c)"; the name
// alone when both forms are one.
QString nameAsTyped(const QString &ace, const QString &typed);

// A sentence of the catalog (marked QT_TRANSLATE_NOOP("Page", ...)) with its values in place: as text, each value
// shown as the pages show text (control and bidirectional characters as symbols and codes); as markup, the
// sentence escaped and each value escaped and isolated (bdi), so that right-to-left text cannot reorder the rest.
QString sentence(const PageLanguage &words, const char *english, const QStringList &values, Markup markup);
// The same with parts that are already in the form asked for (sentences made by sentence()), put in as they are.
QString joined(const PageLanguage &words, const char *english, const QStringList &parts, Markup markup);

// A date of the fields ("yyyy-MM-dd") in the language, with its month's name; one that could not be read as the
// record wrote it.
QString longDate(const PageLanguage &words, const QString &iso);

} // namespace Findings
