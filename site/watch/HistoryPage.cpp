#include "HistoryPage.h"

#include "Subscriptions.h"
#include "pages/Findings.h"
#include "pages/Frame.h"
#include "pages/Pages.h"
#include "pages/Template.h"

#include <QUrl>

using Template::Data;
using Template::value;

Response historyPage(const QString &name, const History &history, const PageLanguage &words)
{
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(name));
    Data data;
    data.set("name", value(name));
    const QString intro
        = words.text(QT_TRANSLATE_NOOP("Page", "What this site saw of %1, newest first: each time something changed."));
    data.set("intro", value(intro.arg(name)));
    Data rows { Data::type::list };
    const QList<Sighting> &sightings = history.sightings;
    for (qsizetype i = sightings.size() - 1; i >= 0; --i) {
        Data row;
        const QDateTime seen = sightings[i].seen.toUTC();
        //: When the site saw a change. %1: a date in words; %2: the time of day (UTC).
        row.set(
            "when",
            value(words.text(QT_TRANSLATE_NOOP("Page", "%1, %2 UTC"))
                      .arg(Findings::longDate(words, seen.date().toString(Qt::ISODate)), seen.toString(u"HH:mm"_qs))));
        row.set("what", value(Subscriptions::toldAt(name, history, i, words, Findings::Markup::Html)));
        rows.push_back(row);
    }
    if (sightings.isEmpty())
        data.set("empty",
                 value(words.text(QT_TRANSLATE_NOOP(
                     "Page",
                     "Nothing yet: the site looks the name up now, and again as its dates near. Come back later."))));
    else {
        data.set("rows", rows);
        data.set("hasRows", true);
    }
    //: The heading of a column of dates and times (UTC) at which the site saw a change.
    data.set("whenLabel", value(words.text(QT_TRANSLATE_NOOP("Page", "Seen"))));
    data.set("whatLabel", value(words.text(QT_TRANSLATE_NOOP("Page", "What changed"))));
    //: A heading, above the addresses of the name's calendar and feed.
    data.set("watchLabel", value(words.text(QT_TRANSLATE_NOOP("Page", "Watch"))));
    data.set("watchIntro",
             value(words.text(QT_TRANSLATE_NOOP("Page",
                                                "Subscribe without an account: give the calendar's address to a "
                                                "calendar program, and the feed's to a feed reader."))));
    data.set("calendarLabel", value(words.text(QT_TRANSLATE_NOOP("Page", "Calendar of its dates (iCalendar)"))));
    data.set("calendar", value(u"/watch/calendar.ics?names="_qs + encoded));
    data.set("feedLabel", value(words.text(QT_TRANSLATE_NOOP("Page", "Feed of its changes (Atom)"))));
    data.set("feed", value(u"/watch/feed.atom?names="_qs + encoded));
    data.set("jsonLabel", value(words.text(QT_TRANSLATE_NOOP("Page", "History as JSON"))));
    data.set("json", value(u"/api/v1/history?name="_qs + encoded));
    const QString title = words.text(QT_TRANSLATE_NOOP("Page", "History of %1")).arg(name);
    return Frame::html(Frame::page(words, title, name, Template::render("history", data)));
}
