#pragma once

#include "Output.h"
#include "lookup/Lookup.h"

#include <QStringList>

namespace Cli {

// Watching from a cron job: each name looked up, compared with what the state file holds of it, what changed
// printed, and the state file written again, whole or not at all. Exit status 3 when something changed, else 1
// when a name could not be looked up, else 0 (2 for a state file that cannot be read or written, or is not one).
int watch(const Lookup &lookup, const QStringList &questions, const Output &output, const QString &stateFile);

} // namespace Cli
