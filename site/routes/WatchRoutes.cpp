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

namespace asio = boost::asio;
namespace http = boost::beast::http;
using Reply = Routes::Reply;

namespace {

constexpr int kFreshSeconds = 3600; // how long a calendar or feed may be kept by its reader

} // namespace

Reply Routes::refused(const Exchange &exchange, const QString &why)
{
    return Replies::plain(http::status::bad_request, (why + u'\n').toStdString(), exchange.request.version());
}

std::optional<QList<Subscriptions::Named>> Routes::watchedSet(const Exchange &exchange, const QString &parameter,
                                                              Reply *refusal)
{
    if (!m_watchlist) {
        *refusal = Replies::fromResponse(Pages::notFound(exchange.words), exchange.request.version(), exchange.words);
        return std::nullopt;
    }
    const QStringList given = exchange.query.allQueryItemValues(parameter, QUrl::FullyDecoded);
    QStringList names;
    for (const QString &part : given.join(u',').split(u',', Qt::SkipEmptyParts)) {
        const Query query = Query::fromInput(part.trimmed());
        if (!query.ok() || query.kind != Query::Kind::Domain || query.special()) {
            *refusal
                = refused(exchange,
                          exchange.words.text(QT_TRANSLATE_NOOP("Page", "%1 is not a domain name that can be watched."))
                              .arg(Pages::visible(part.trimmed().left(100))));
            return std::nullopt;
        }
        if (!names.contains(query.text))
            names.append(query.text);
    }
    if (names.isEmpty()) {
        *refusal = refused(exchange,
                           exchange.words
                               .text(QT_TRANSLATE_NOOP(
                                   "Page", "Name the domain names to watch, such as names=example.com,example.org."))
                               .replace(u"names="_qs, parameter + u'='));
        return std::nullopt;
    }
    const int most = m_watchlist->settings().mostPerSet;
    if (names.size() > most) {
        *refusal = refused(
            exchange,
            exchange.words.text(QT_TRANSLATE_NOOP("Page", "At most %1 names can be watched together.")).arg(most));
        return std::nullopt;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    m_watchlist->watch(names, now);
    if (m_watcher)
        m_watcher->wake();
    QList<Subscriptions::Named> set;
    for (const QString &name : std::as_const(names)) {
        History history = m_watchlist->history(name);
        // Not seen by the watch yet: what the site keeps of its last lookup, until the first re-check.
        if (history.sightings.isEmpty() && m_pool.settings().cache) {
            if (const std::optional<LookupResult> kept = LookupResult::kept(*m_pool.settings().cache, name, now))
                if (const std::optional<Sighting> sighting
                    = Sighting::of(*kept, now.addSecs(-qMax<qint64>(kept->cachedAgeSeconds, 0))))
                    history.add(*sighting);
        }
        set.append({ name, history });
    }
    return set;
}

Reply Routes::subscription(const Exchange &exchange, const QByteArray &body, const char *contentType)
{
    Response response { 200, contentType, body, {} };
    Reply reply = Replies::fromResponse(response, exchange.request.version(), exchange.words);
    reply.set(http::field::access_control_allow_origin, "*");
    const QByteArray tag = '"' + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex().left(32) + '"';
    return Replies::validated(reply, exchange.request[http::field::if_none_match], tag, kFreshSeconds);
}

asio::awaitable<Reply> Routes::watchCalendar(const Exchange &exchange)
{
    Reply refusal;
    const std::optional<QList<Subscriptions::Named>> set = watchedSet(exchange, u"names"_qs, &refusal);
    if (!set)
        co_return refusal;
    // The alarms, in days before each date: 30 and 7 unless the address names others (at most five, each up to a
    // year).
    QList<int> alarms;
    const QString asked = exchange.query.queryItemValue(u"alarms"_qs);
    for (const QString &part : (asked.isEmpty() ? u"30,7"_qs : asked).split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int days = part.trimmed().toInt(&ok);
        if (!ok || days < 0 || days > 366 || alarms.size() == 5)
            co_return refused(exchange,
                              exchange.words.text(QT_TRANSLATE_NOOP(
                                  "Page", "alarms takes up to five numbers of days, from 0 to 366.")));
        alarms.append(days);
    }
    co_return subscription(exchange, Subscriptions::calendar(*set, alarms, exchange.words),
                           "text/calendar; charset=utf-8");
}

asio::awaitable<Reply> Routes::watchFeed(const Exchange &exchange)
{
    Reply refusal;
    const std::optional<QList<Subscriptions::Named>> set = watchedSet(exchange, u"names"_qs, &refusal);
    if (!set)
        co_return refusal;
    co_return subscription(exchange, Subscriptions::feed(*set, u"/hosting/quelcor.php"_qs, exchange.words),
                           "application/atom+xml; charset=utf-8");
}

asio::awaitable<Reply> Routes::watchHistory(const Exchange &exchange)
{
    Reply refusal;
    const std::optional<QList<Subscriptions::Named>> set = watchedSet(exchange, u"name"_qs, &refusal);
    if (!set || set->size() != 1)
        co_return set ? refused(exchange, u"name"_qs) : refusal;
    co_return Replies::fromResponse(historyPage(set->first().name, set->first().history, exchange.words),
                                    exchange.request.version(), exchange.words);
}

asio::awaitable<Reply> Routes::apiHistory(const Exchange &exchange)
{
    Reply refusal;
    const std::optional<QList<Subscriptions::Named>> set = watchedSet(exchange, u"name"_qs, &refusal);
    if (!set || set->size() != 1)
        co_return Replies::api(
            Api::problem(400, u"Not a name that can be watched"_qs,
                         QString::fromStdString(set ? std::string("Name one domain name.") : refusal.body()).trimmed()),
            exchange.request.version());
    const QJsonObject answer { { u"name"_qs, set->first().name }, { u"history"_qs, set->first().history.toJson() } };
    co_return subscription(exchange, QJsonDocument(answer).toJson(QJsonDocument::Compact), "application/json");
}
