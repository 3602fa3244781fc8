#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How registries answer, as data beside each other in registries/ (in the resources under :/site/): the whois
// wordings (whois-answers.tsv), the keys of whois answers (whois-keys.tsv) and the forms of dates
// (date-forms.tsv). Each file: one row a line, fields separated by tabs, blank lines and lines starting with #
// skipped.
namespace RegistryData {

struct Row
{
    int line = 0; // counted from 1
    QStringList fields; // trimmed
};

// The rows of a file that have that many fields; each other row, and a missing file, goes to *errors as
// "file, line N: why".
QList<Row> rows(const char *file, int fields, QStringList *errors);

} // namespace RegistryData
