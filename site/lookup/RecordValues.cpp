// What registries write in place of values: the placeholders of withheld values, dates in their many forms, web
// addresses; each read as the fields hold them.

#include "RdapRecord.h"

#include "RegistryData.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

// registries/withheld.tsv: the texts that stand where a value was withheld.
struct Placeholders
{
    QList<QRegularExpression> patterns;
    QStringList errors;
};

const Placeholders &placeholders()
{
    static const Placeholders loaded = [] {
        Placeholders read;
        for (const RegistryData::Row &row : RegistryData::rows("withheld.tsv", 2, &read.errors)) {
            const QRegularExpression pattern(row.fields[0], QRegularExpression::CaseInsensitiveOption);
            if (pattern.isValid())
                read.patterns.append(pattern);
            else
                read.errors.append(QStringLiteral("withheld.tsv, line %1: not a regular expression").arg(row.line));
        }
        return read;
    }();
    return loaded;
}

} // namespace

bool RdapFields::isPlaceholder(const QString &text)
{
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty()
        && std::any_of(placeholders().patterns.cbegin(), placeholders().patterns.cend(),
                       [&](const QRegularExpression &pattern) { return pattern.match(trimmed).hasMatch(); });
}

namespace {

// registries/date-forms.tsv: each form, with where its year, month and day stand.
struct DateForm
{
    QRegularExpression pattern;
    int year, month, day;
};
struct DateForms
{
    QList<DateForm> forms;
    QStringList errors;
};

const DateForms &dateForms()
{
    static const DateForms loaded = [] {
        DateForms read;
        for (const RegistryData::Row &row : RegistryData::rows("date-forms.tsv", 5, &read.errors)) {
            const DateForm form { QRegularExpression(row.fields[0]), row.fields[1].toInt(), row.fields[2].toInt(),
                                  row.fields[3].toInt() };
            const int groups = form.pattern.captureCount();
            if (form.pattern.isValid() && std::min({ form.year, form.month, form.day }) >= 1
                && std::max({ form.year, form.month, form.day }) <= groups)
                read.forms.append(form);
            else
                read.errors.append(
                    QStringLiteral("date-forms.tsv, line %1: not a form with three groups").arg(row.line));
        }
        return read;
    }();
    return loaded;
}

// A month written in letters, in the languages of month-names.tsv: the row with the longest letters that begin it;
// 0 when none does.
int monthNamed(const QString &written)
{
    static const QList<std::pair<QString, int>> names = [] {
        QList<std::pair<QString, int>> read;
        QStringList errors;
        for (const RegistryData::Row &row : RegistryData::rows("month-names.tsv", 2, &errors))
            read.append({ row.fields[0], row.fields[1].toInt() });
        std::sort(read.begin(), read.end(),
                  [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
        return read;
    }();
    const QString lower = written.toLower();
    for (const auto &[letters, month] : names) {
        if (lower.startsWith(letters))
            return month;
    }
    return 0;
}

// The date at the start of a text, in one of the forms that registries write, whatever time or zone follows.
QDate leadingDate(const QString &text)
{
    for (const DateForm &form : dateForms().forms) {
        const QRegularExpressionMatch match = form.pattern.match(text);
        if (!match.hasMatch())
            continue;
        const QString month = match.captured(form.month);
        int year = match.captured(form.year).toInt();
        if (match.capturedLength(form.year) == 2)
            year += year < 70 ? 2000 : 1900;
        return QDate(year, month.front().isLetter() ? monthNamed(month) : month.toInt(),
                     match.captured(form.day).toInt());
    }
    return QDate();
}

} // namespace

QStringList RdapFields::dateFormErrors()
{
    return dateForms().errors + placeholders().errors;
}

QString RdapFields::date(const QString &text)
{
    QString trimmed = text.trimmed();
    if (trimmed.size() > 1 && trimmed.startsWith(u'"') && trimmed.endsWith(u'"'))
        trimmed = trimmed.mid(1, trimmed.size() - 2); // "2011-01-13T15:45:18+01:00", quoted as in YAML
    // No date at all: "0000-00-00"
    if (std::none_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.isDigit() && c != u'0'; }))
        return QString();
    // A registry means a year of the internet's: another (294247) is the text, not a date.
    const auto plausible
        = [](const QDate &date) { return date.isValid() && date.year() >= 1970 && date.year() < 2300; };
    const QDateTime when = trimmed.contains(u'T') ? QDateTime::fromString(trimmed, Qt::ISODateWithMs) : QDateTime();
    if (when.isValid())
        return plausible(when.toUTC().date()) ? when.toUTC().toString(QStringLiteral("yyyy-MM-dd")) : trimmed;
    QDate date = leadingDate(trimmed);
    // "registrar AT ns.il 19960111 (Assigned)": the first word that is a date
    for (qsizetype from = 0; !date.isValid() && from >= 0 && from < trimmed.size();) {
        from = trimmed.indexOf(u' ', from);
        if (from >= 0)
            date = leadingDate(trimmed.mid(++from));
    }
    return plausible(date) ? date.toString(Qt::ISODate) : trimmed;
}

QDate RdapFields::dateOf(const QString &field)
{
    return field.size() == 10 ? QDate::fromString(field, Qt::ISODate) : QDate();
}

QString RdapFields::webAddress(const QString &text)
{
    QString trimmed = text.trimmed();
    if (!trimmed.contains(u"://"))
        trimmed.prepend(u"http://"_qs);
    const QUrl url(trimmed, QUrl::StrictMode);
    const bool web = url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") && !url.host().isEmpty()
        && url.userInfo().isEmpty();
    return web ? url.toString(QUrl::FullyEncoded) : QString();
}
