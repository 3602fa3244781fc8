// Names watched over time: a set's calendar and feed, a name's history as a page and as JSON.

#include "Replies.h"
#include "Routes.h"
#include "pages/Api.h"
#include "watch/HistoryPage.h"
#include "watch/Subscriptions.h"
#include "watch/Watchlist.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonDocument>

#include <algorithm>
#include <cmath>

namespace asio = boost::asio;
namespace http = boost::beast::http;
using Reply = Routes::Reply;

namespace {

constexpr int kFreshSeconds = 3600; // how long a calendar or feed may be kept by its reader
constexpr int kUnderWaySeconds = 60; // the same while a name in it has not been seen yet
constexpr std::chrono::milliseconds kFirstLookupsWait { 4000 }; // for the first lookups of names new to the watch

} // namespace

Reply Routes::refused(const Exchange &exchange, const QString &why, http::status status, int retryAfter)
{
    Reply reply = Replies::plain(status, (why + u'\n').toStdString(), exchange.request.version());
    if (retryAfter > 0)
        reply.set(http::field::retry_after, std::to_string(retryAfter));
    return reply;
}

asio::awaitable<std::optional<QList<Subscriptions::Named>>> Routes::watchedSet(const Exchange &exchange,
                                                                               const QString &parameter, Reply *refusal)
{
    if (!m_watchlist) {
        *refusal = Replies::fromResponse(Pages::notFound(exchange.words), exchange.request.version(), exchange.words);
        co_return std::nullopt;
    }
    const QStringList given = exchange.query.allQueryItemValues(parameter, QUrl::FullyDecoded);
    QStringList names;
    for (const QString &part : given.join(u',').split(u',', Qt::SkipEmptyParts)) {
        const Query query = Query::fromInput(part.trimmed());
        if (!query.ok() || query.kind != Query::Kind::Domain || query.special()) {
            //: A name asked to be watched that is not one; %1 is what was given.
            *refusal
                = refused(exchange,
                          exchange.words.text(QT_TRANSLATE_NOOP("Page", "%1 is not a domain name that can be watched."))
                              .arg(Pages::visible(part.trimmed().left(100))));
            co_return std::nullopt;
        }
        if (!names.contains(query.text))
            names.append(query.text);
    }
    if (names.isEmpty()) {
        //: "names=" is the parameter of the address and stays as it is.
        *refusal = refused(exchange,
                           exchange.words
                               .text(QT_TRANSLATE_NOOP(
                                   "Page", "Name the domain names to watch, such as names=example.com,example.org."))
                               .replace(u"names="_qs, parameter + u'='));
        co_return std::nullopt;
    }
    const int most = m_watchlist->settings().mostPerSet;
    if (names.size() > most) {
        *refusal = refused(
            exchange,
            exchange.words.text(QT_TRANSLATE_NOOP("Page", "At most %1 names can be watched together.")).arg(most));
        co_return std::nullopt;
    }
    if (const double wait = m_watchlist->request(exchange.client); wait > 0) {
        const int seconds = int(std::ceil(wait));
        //: %1: a number of seconds.
        *refusal = refused(exchange,
                           exchange.words
                               .text(QT_TRANSLATE_NOOP("Page",
                                                       "This address has asked for many calendars, feeds and "
                                                       "histories lately. Try again in %1 seconds."))
                               .arg(seconds),
                           http::status::too_many_requests, seconds);
        co_return std::nullopt;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto refuseFull = [&](Watchlist::Refusal full) {
        //: The answer to a calendar, feed or history of a name new to the site when it watches as many names as it
        //: may (the operator's bound); sent with Retry-After: 3600.
        if (full == Watchlist::Refusal::Full)
            return refused(exchange,
                           exchange.words.text(QT_TRANSLATE_NOOP(
                               "Page", "The site watches as many names as it can. Try again in an hour.")),
                           http::status::service_unavailable, 3600);
        //: %1: the most names one address may bring; %2: the days a name stays watched after it was last asked for.
        return refused(exchange,
                       exchange.words
                           .text(QT_TRANSLATE_NOOP("Page",
                                                   "This address has brought %1 names to watch, as many as one may. A "
                                                   "name nobody asks for is let go after %2 days."))
                           .arg(m_watchlist->settings().mostPerClient)
                           .arg(m_watchlist->settings().keepDays),
                       http::status::too_many_requests);
    };
    // A name new to the watch is looked up first, and that is the asker's lookup, charged as any is; a name the
    // site keeps an answer for costs nothing. Those the budget does not pay for now are left out.
    const QStringList added = m_watchlist->unwatched(names);
    if (const Watchlist::Refusal full = m_watchlist->room(exchange.client, added.size());
        full != Watchlist::Refusal::None) {
        *refusal = refuseFull(full);
        co_return std::nullopt;
    }
    QStringList paid, left;
    QList<LookupResult> kept;
    int limitedFor = 0;
    for (const QString &name : added) {
        if (limitedFor) {
            left.append(name);
            continue;
        }
        if (m_pool.settings().cache)
            if (std::optional<LookupResult> result
                = LookupResult::kept(*m_pool.settings().cache, LookupPool::keyOf(Query::fromInput(name)), now)) {
                kept.append(std::move(*result));
                continue;
            }
        const double wait = co_await m_admission.charge(exchange.client, Query::fromInput(name).registry());
        if (wait > 0) {
            limitedFor = int(std::ceil(wait));
            left.append(name);
        } else {
            paid.append(name);
        }
    }
    QStringList watched = names;
    for (const QString &name : std::as_const(left))
        watched.removeOne(name);
    if (const Watchlist::Refusal full = m_watchlist->watch(watched, exchange.client, now, paid);
        full != Watchlist::Refusal::None) {
        *refusal = refuseFull(full);
        co_return std::nullopt;
    }
    for (const LookupResult &result : std::as_const(kept))
        m_watchlist->saw(result, now.addSecs(-qMax<qint64>(result.cachedAgeSeconds, 0)));
    if (m_watcher)
        m_watcher->wake();
    // The first lookups, waited for a moment so that a new calendar or feed is not empty.
    co_await m_admission.lookups(paid, exchange.client, kFirstLookupsWait,
                                 [this, now](const QString &name) { m_watchlist->notTaken(name, now); });
    if (limitedFor) {
        //: %1: a number of seconds.
        *refusal = refused(exchange,
                           exchange.words
                               .text(QT_TRANSLATE_NOOP("Page",
                                                       "A name new to the site is looked up first, and that counts as "
                                                       "a lookup of yours: this address has asked for many lately. "
                                                       "Try again in %1 seconds; the names looked up so far stay "
                                                       "watched."))
                               .arg(limitedFor),
                           http::status::too_many_requests, limitedFor);
        co_return std::nullopt;
    }
    QList<Subscriptions::Named> set;
    for (const QString &name : std::as_const(names))
        set.append({ name, m_watchlist->history(name) });
    co_return set;
}

Reply Routes::subscription(const Exchange &exchange, const QByteArray &body, const char *contentType,
                           const QList<Subscriptions::Named> &set)
{
    Response response { 200, contentType, body, {} };
    Reply reply = Replies::fromResponse(response, exchange.request.version(), exchange.words);
    reply.set(http::field::access_control_allow_origin, "*");
    const QByteArray tag = '"' + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex().left(32) + '"';
    // A name not seen yet: asked again soon, rather than kept without it for an hour.
    const bool whole
        = std::all_of(set.begin(), set.end(), [](const auto &named) { return !named.history.sightings.isEmpty(); });
    return Replies::validated(reply, exchange.request[http::field::if_none_match], tag,
                              whole ? kFreshSeconds : kUnderWaySeconds);
}

asio::awaitable<Reply> Routes::watchCalendar(const Exchange &exchange)
{
    // The alarms, in days before each date: 30 and 7 unless the address names others (at most five, each up to a
    // year).
    QList<int> alarms;
    const QString asked = exchange.query.queryItemValue(u"alarms"_qs);
    for (const QString &part : (asked.isEmpty() ? u"30,7"_qs : asked).split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int days = part.trimmed().toInt(&ok);
        //: "alarms" is the parameter of the address and stays as it is.
        if (!ok || days < 0 || days > 366 || alarms.size() == 5)
            co_return refused(exchange,
                              exchange.words.text(QT_TRANSLATE_NOOP(
                                  "Page",
                                  "alarms takes up to five numbers of days before a date, each from 0 to 366 "
                                  "(such as alarms=30,7).")));
        alarms.append(days);
    }
    Reply refusal;
    const std::optional<QList<Subscriptions::Named>> set = co_await watchedSet(exchange, u"names"_qs, &refusal);
    if (!set)
        co_return refusal;
    co_return subscription(exchange, Subscriptions::calendar(*set, alarms, exchange.words),
                           "text/calendar; charset=utf-8", *set);
}

asio::awaitable<Reply> Routes::watchFeed(const Exchange &exchange)
{
    Reply refusal;
    const std::optional<QList<Subscriptions::Named>> set = co_await watchedSet(exchange, u"names"_qs, &refusal);
    if (!set)
        co_return refusal;
    co_return subscription(exchange, Subscriptions::feed(*set, u"/hosting/quelcor.php"_qs, exchange.words),
                           "application/atom+xml; charset=utf-8", *set);
}

asio::awaitable<Reply> Routes::watchHistory(const Exchange &exchange)
{
    Reply refusal;
    const std::optional<QList<Subscriptions::Named>> set = co_await watchedSet(exchange, u"name"_qs, &refusal);
    if (!set || set->size() != 1)
        co_return set ? refused(exchange, u"name"_qs) : refusal;
    co_return Replies::fromResponse(historyPage(set->first().name, set->first().history, exchange.words),
                                    exchange.request.version(), exchange.words);
}

asio::awaitable<Reply> Routes::apiHistory(const Exchange &exchange)
{
    Reply refusal;
    const std::optional<QList<Subscriptions::Named>> set = co_await watchedSet(exchange, u"name"_qs, &refusal);
    if (!set || set->size() != 1) {
        const int status = set ? 400 : int(refusal.result_int());
        Reply problem = Replies::api(
            Api::problem(status, status == 400 ? u"Not a name that can be watched"_qs : u"Not watched now"_qs,
                         QString::fromStdString(set ? std::string("Name one domain name.") : refusal.body()).trimmed()),
            exchange.request.version());
        if (!set && refusal.find(http::field::retry_after) != refusal.end())
            problem.set(http::field::retry_after, refusal[http::field::retry_after]);
        co_return problem;
    }
    const QJsonObject answer { { u"name"_qs, set->first().name }, { u"history"_qs, set->first().history.toJson() } };
    co_return subscription(exchange, QJsonDocument(answer).toJson(QJsonDocument::Compact), "application/json", *set);
}
