#pragma once

#include "Zip.h"
#include "lookup/LookupResult.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A lookup's evidence: every answer the site received for it, as received, with a manifest that says for each
// where it came from, when, with which status and header fields, and its SHA-256; and a SHA256SUMS file that
// sha256sum -c verifies. Made from the result alone, so that the same result gives the same bytes on any instance;
// nothing in it is about who asked.
namespace EvidenceFile {

// The files: "01-whois.iana.org.txt", "02-rdap.example.json", ..., then manifest.json and SHA256SUMS.
QList<Zip::File> files(const LookupResult &result);
// The files in a ZIP archive, inside a folder named as the file is without ".zip".
QByteArray zip(const LookupResult &result);
// "example.com-evidence.zip"
QString zipName(const QString &query);
// A text as a file name takes it: letters, digits, dots and hyphens, the rest as "_"; "record" for none.
QString safeName(QStringView text);

} // namespace EvidenceFile
