#pragma once

#include "LookupOptions.h"
#include "Output.h"
#include "lookup/Lookup.h"

#include <QString>
#include <QStringList>

// quelcor-lookup's reports beside the lookups: whom to tell of abuse, and each lookup's evidence written to files.
namespace Cli {

// Who to tell of abuse about each question (with the networks that host a domain when hosting), printed in the
// order to write to them. Exit status 1 when a question got no contact.
int tellAbuse(const Lookup &lookup, const LookupOptions &options, const QStringList &questions, bool hosting,
              const Output &output);

// A lookup's evidence written to the folder (made if need be): the files of the site's evidence ZIP, each answer as
// received with manifest.json and SHA256SUMS. Within it, each question of several has a folder of its own. False with
// the reason in *error.
bool writeEvidence(const QString &folder, const QString &question, const LookupResult &result, bool several,
                   QString *error);

} // namespace Cli
