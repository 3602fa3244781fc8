#pragma once

#include "LookupOptions.h"
#include "Output.h"
#include "lookup/Bootstrap.h"
#include "lookup/Lookup.h"
#include "query/Question.h"

#include <QStringList>

#include <functional>

// quelcor-lookup's lookups: the questions of a file, many looked up a few at once, a name in many extensions, and
// every top-level domain's route.
namespace Cli {

// The questions of a file, one a line (- for standard input), after those given; false with the reason in *error.
bool readQuestions(const QString &name, QStringList &questions, QString *error);

// The lookups, a few at once; each answer handed on in the order of the questions (with a counter on a terminal's
// standard error for many). A question whose registry asks to wait (or rests after failures) waits that long and
// is asked again, while its waits add up to no more than waitAtMost seconds, saying so on standard error. Returns
// when all are answered.
void lookUpEach(const Lookup &lookup, const QStringList &questions, int waitAtMost,
                const std::function<void(const QString &question, const LookupResult &result)> &answered);

// The lookups, their answers printed in the order of the questions. Exit status 1 when one was not answered.
int lookUp(const Lookup &lookup, const QStringList &questions, const Output &output);

// A name checked in many extensions: a row an extension as its answer comes. Exit status 1 when an extension had
// no answer.
int checkAvailability(const Lookup &lookup, const LookupOptions &options, const ManyExtensions &question,
                      const Output &output);

// Every top-level domain's route (RDAP, whois, both, neither), with the counts. Exit status 1 when there is none.
int printCoverage(RdapBootstrap &bootstrap, const LookupSettings &settings);

} // namespace Cli
