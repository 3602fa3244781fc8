#pragma once

#include "Watch.h"
#include "pages/Findings.h"
#include "pages/PageLanguage.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A watched set's histories as the open formats that calendars and feed readers read, in a page's language.
namespace Subscriptions {

struct Named
{
    QString name; // its A-label
    History history;
};

// An iCalendar (RFC 5545) of the names' dates ahead (lifeDates of each latest sighting): an all-day event a date,
// each with an alarm the given days before. The same histories give the same bytes (for the calendar's ETag).
QByteArray calendar(const QList<Named> &names, const QList<int> &alarmDays, const PageLanguage &words);

// An Atom feed (RFC 4287) of what the site saw change: an entry for each name's first sighting and for each
// sighting after it, newest first, as many as fit in about a megabyte; a drop-catch phase (redemption, pending
// delete, available) told as such.
// lookupBase: the lookup page's absolute address, for each entry's link ("https://site/hosting/quelcor.php").
QByteArray feed(const QList<Named> &names, const QString &lookupBase, const PageLanguage &words);

// A sighting's phase, a change and a date in words: as text, a registry's values shown as the pages show text; as
// markup (the history page), escaped and each value isolated, as the lookup page shows them.
using Markup = Findings::Markup;
QString phaseWords(Sighting::Phase phase, const PageLanguage &words);
QString changeWords(const QString &name, const Change &change, const PageLanguage &words, Markup markup = Markup::Text);
QString sightingWords(const QString &name, const Sighting &sighting, const PageLanguage &words,
                      Markup markup = Markup::Text);
QString dateWords(const QString &name, const LifeDate &date, const PageLanguage &words);
// What the history's sighting at index tells: the first in words of its own, each later one by its changes.
QString toldAt(const QString &name, const History &history, qsizetype index, const PageLanguage &words,
               Markup markup = Markup::Text);

} // namespace Subscriptions
