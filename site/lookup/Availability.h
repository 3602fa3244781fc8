#pragma once

#include "Dns.h"
#include "Lookup.h"
#include "query/Question.h"
#include "state/RateLimits.h"
#include "state/ResultCache.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// A name asked in many extensions at once: in which it is still free. Each extension's answer comes from the
// site's kept answers, from the DNS (a name with name servers is registered), or from its registry, in that order
// of cost; only the registry's questions count against the client's budget.
namespace Availability {

struct Row
{
    enum class State { Available, Registered, Reserved, Unknown };
    enum class Source { Cache, Dns, Registry };
    QString extension;
    QString domain; // the name under the extension, A-labels
    State state = State::Unknown;
    Source source = Source::Registry;
    QString expires; // "yyyy-MM-dd" where the record says
    Message why; // Unknown: why there is no answer
    bool busy = false; // Unknown because the registry, or the pace towards it, limits questions
    Evidence evidence; // what the state rests on
};

// A registry's answer as a row's state.
Row::State stateOf(const LookupResult &result);

struct Settings
{
    std::optional<Dns::Resolver> resolver; // none: every extension goes to its registry
    ResultCache *cache = nullptr; // kept answers, read and written; none when null
    ClientBudget *clientLookups = nullptr; // the client's budget; none: no bound
    int atOnce = 20; // registry lookups under way at once for one check (each extension's registry its own)
    int deadlineSeconds = 100; // the whole check; extensions without an answer by then are Unknown
};

// Runs a check on the calling thread's event loop; row is called for each extension as its answer comes, then
// done once. Deletes itself when done; not at all called once the context is gone.
void check(const Lookup &lookup, const Settings &settings, const ManyExtensions &question, const std::string &client,
           QObject *context, std::function<void(const Row &)> row, std::function<void()> done);

} // namespace Availability
