#pragma once

#include <QString>

// The status values of registration records in words: RDAP's (RFC 9083, with the EPP statuses as RFC 8056 maps
// them, "client transfer prohibited") and EPP's own (RFC 5731 and 3915, "clientTransferProhibited"), registries' and
// regional internet registries' own values ("connect", "ASSIGNED PA"), however a record writes them (case, blanks,
// a link or a remark after the value).
namespace Statuses {

// The phrase for a status value, in English as marked QT_TRANSLATE_NOOP("Status", ...) for the catalogs; null for a
// value that is none of the registered ones.
const char *phrase(const QString &status);

// A value as the table compares it: its letters alone, in lower case, without a link after it ("redemptionperiod").
QString key(const QString &status);

} // namespace Statuses
