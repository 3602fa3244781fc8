#include "Report.h"

namespace {

QLatin1StringView nameOf(Verdict::Kind kind)
{
    switch (kind) {
    case Verdict::Kind::Available:
        return QLatin1StringView("available");
    case Verdict::Kind::Registered:
        return QLatin1StringView("registered");
    case Verdict::Kind::Reserved:
        return QLatin1StringView("reserved");
    case Verdict::Kind::Busy:
        return QLatin1StringView("busy");
    case Verdict::Kind::NoAnswer:
        break;
    case Verdict::Kind::Unknown:
        return QLatin1StringView("unknown");
    case Verdict::Kind::Allocated:
        return QLatin1StringView("allocated");
    case Verdict::Kind::NoRecord:
        return QLatin1StringView("no-record");
    case Verdict::Kind::TopLevelDomain:
        return QLatin1StringView("top-level-domain");
    case Verdict::Kind::Special:
        return QLatin1StringView("special");
    case Verdict::Kind::Refused:
        return QLatin1StringView("refused");
    }
    return QLatin1StringView("no-answer");
}

QLatin1StringView kindName(Query::Kind kind)
{
    switch (kind) {
    case Query::Kind::Domain:
        break;
    case Query::Kind::Address:
        return QLatin1StringView("address");
    case Query::Kind::Network:
        return QLatin1StringView("network");
    case Query::Kind::AsNumber:
        return QLatin1StringView("as-number");
    case Query::Kind::TopLevelDomain:
        return QLatin1StringView("top-level-domain");
    }
    return QLatin1StringView("domain");
}

QString readable(const QString &date)
{
    return RdapFields::dateOf(date).isValid() ? date : QString();
}

} // namespace

Report Report::of(const LookupResult &result, QDate today)
{
    Report report;
    report.verdict = Verdict::of(result, today);
    report.kind = kindName(result.kind);
    report.verdictName = nameOf(report.verdict.kind);
    if (report.verdict.expired)
        report.flags.append(u"expired"_qs);
    if (report.verdict.redemption)
        report.flags.append(u"redemption-period"_qs);
    if (report.verdict.pendingDelete)
        report.flags.append(u"pending-delete"_qs);
    report.registered = readable(result.registered);
    report.expires = readable(result.expires);
    report.lastChanged = readable(result.lastChanged);
    return report;
}

QLatin1StringView Report::stateName(Availability::Row::State state)
{
    using State = Availability::Row::State;
    return state == State::Available ? QLatin1StringView("available")
        : state == State::Registered ? QLatin1StringView("registered")
        : state == State::Reserved   ? QLatin1StringView("reserved")
                                     : QLatin1StringView("unknown");
}

QLatin1StringView Report::sourceName(Availability::Row::Source source)
{
    using Source = Availability::Row::Source;
    return source == Source::Cache ? QLatin1StringView("cache")
        : source == Source::Dns    ? QLatin1StringView("dns")
                                   : QLatin1StringView("registry");
}
