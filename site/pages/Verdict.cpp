#include "Verdict.h"

#include "Statuses.h"

Verdict Verdict::of(const LookupResult &result, QDate today)
{
    using Outcome = LookupResult::Outcome;
    const bool domain = result.kind == Query::Kind::Domain;
    Verdict verdict;
    switch (result.outcome) {
    case Outcome::Refused:
        verdict.kind = Kind::Refused;
        return verdict;
    case Outcome::Special:
        verdict.kind = Kind::Special;
        return verdict;
    case Outcome::NotRegistered:
        verdict.kind = domain ? Kind::Available : Kind::NoRecord;
        return verdict;
    case Outcome::Reserved:
        verdict.kind = Kind::Reserved;
        return verdict;
    case Outcome::RateLimited:
        verdict.kind = Kind::Busy;
        return verdict;
    case Outcome::Unknown:
        verdict.kind = Kind::Unknown;
        return verdict;
    case Outcome::NoService:
    case Outcome::Failed:
        verdict.kind = Kind::NoAnswer;
        return verdict;
    case Outcome::Found:
        break;
    }
    verdict.kind = result.kind == Query::Kind::TopLevelDomain ? Kind::TopLevelDomain
        : domain                                              ? Kind::Registered
                                                              : Kind::Allocated;
    if (!domain)
        return verdict;
    const QDate expires = RdapFields::dateOf(result.expires);
    if (expires.isValid() && today.isValid()) {
        verdict.daysLeft = today.daysTo(expires);
        verdict.expired = *verdict.daysLeft < 0;
    }
    for (const QString &status : result.statuses) {
        const QString key = Statuses::key(status);
        verdict.redemption = verdict.redemption || key == u"redemptionperiod" || key == u"pendingrestore";
        verdict.pendingDelete = verdict.pendingDelete || key == u"pendingdelete";
        verdict.expired = verdict.expired || key == u"expired";
    }
    return verdict;
}
