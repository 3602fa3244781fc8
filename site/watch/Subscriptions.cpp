#include "Subscriptions.h"

#include "pages/Findings.h"
#include "pages/Pages.h"
#include "pages/Statuses.h"

#include <QCryptographicHash>
#include <QUuid>

#include <algorithm>

namespace Subscriptions {

namespace {

// The namespace of the site's UUIDs (version 5): feeds and entries keep their ids from one answer to the next.
const QUuid kNamespace(u"6f1b2f5e-3c1a-5b7e-9a43-0c2d8e7f4a61"_qs);

constexpr qsizetype kMostFeed = 512 * 1024; // UTF-16 units of entries in one feed, about a megabyte at most

QString uuid(const QString &name)
{
    return QUuid::createUuidV5(kNamespace, name).toString(QUuid::WithoutBraces);
}

// A TEXT value of iCalendar: backslashes, semicolons, commas and line breaks escaped.
QString icalText(QString text)
{
    text.replace(u'\\', u"\\\\"_qs).replace(u';', u"\\;"_qs).replace(u',', u"\\,"_qs);
    text.replace(u"\r\n"_qs, u"\\n"_qs).replace(u'\n', u"\\n"_qs).remove(u'\r');
    return text;
}

// A content line, folded at 75 octets (a UTF-8 sequence never split), ended by CRLF.
void line(QByteArray &out, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    qsizetype start = 0, width = 75;
    while (bytes.size() - start > width) {
        qsizetype end = start + width;
        while (end > start && (uchar(bytes[end]) & 0xC0) == 0x80) // inside a character: fold before it
            --end;
        out += bytes.mid(start, end - start) + "\r\n ";
        start = end;
        width = 74; // the blank that starts a folded line counts
    }
    out += bytes.mid(start) + "\r\n";
}

// Text in the feed: escaped, shown as the pages show it (control and bidirectional characters as symbols and codes),
// and with only characters that XML allows: U+FFFE, U+FFFF and a surrogate out of its pair as codes too, so that a
// registry's text never makes the feed one that readers drop.
QString xml(const QString &text)
{
    const QString shown = Pages::visible(text);
    QString out;
    out.reserve(shown.size() + 16);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const char16_t c = shown[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < shown.size() && shown[i + 1].isLowSurrogate()) {
            out += shown[i];
            out += shown[++i];
        } else if (QChar::isSurrogate(c) || c >= 0xfffe) {
            out += QStringLiteral("[U+%1]").arg(QString::number(uint(c), 16).toUpper());
        } else if (c == u'&') {
            out += u"&amp;"_qs;
        } else if (c == u'<') {
            out += u"&lt;"_qs;
        } else if (c == u'>') {
            out += u"&gt;"_qs;
        } else if (c == u'"') {
            out += u"&quot;"_qs;
        } else {
            out += QChar(c);
        }
    }
    return out;
}

// A field's value in a change, as the lookup page shows it: statuses in words, a date with its month's name.
QString valueWords(const QString &field, const QString &value, const PageLanguage &words)
{
    //: A field's value in a watched name's history when the record gave none: a registrar, name servers, statuses
    //: or an expiry date.
    if (value.isEmpty())
        return words.text(QT_TRANSLATE_NOOP("Page", "(none)"));
    if (field == u"expires")
        return Findings::longDate(words, value);
    if (field != u"statuses")
        return value;
    QStringList shown;
    for (const QString &status : value.split(u", "_qs)) {
        const char *english = Statuses::phrase(status);
        shown.append(english ? words.text(english, "Status") : status);
    }
    return shown.join(u", ");
}

} // namespace

QString phaseWords(Sighting::Phase phase, const PageLanguage &words)
{
    switch (phase) {
    case Sighting::Phase::Registered:
        return words.text(QT_TRANSLATE_NOOP("Page", "registered"));
    case Sighting::Phase::Grace:
        return words.text(QT_TRANSLATE_NOOP("Page", "expired, in its grace period"));
    case Sighting::Phase::Redemption:
        return words.text(QT_TRANSLATE_NOOP("Page", "in its redemption period"));
    case Sighting::Phase::PendingDelete:
        //: A watched name's phase, after "%1 is now" or "%1 is": the registry deletes it within days (the
        //: lookup page's status "about to be deleted" in the Status context says the same).
        return words.text(QT_TRANSLATE_NOOP("Page", "about to be deleted"));
    case Sighting::Phase::Available:
        return words.text(QT_TRANSLATE_NOOP("Page", "available"));
    case Sighting::Phase::Reserved:
        return words.text(QT_TRANSLATE_NOOP("Page", "reserved by its registry"));
    }
    return QString();
}

QString sightingWords(const QString &name, const Sighting &sighting, const PageLanguage &words, Markup markup)
{
    if (!sighting.expires.isEmpty() && sighting.phase == Sighting::Phase::Registered)
        //: What the site saw of a watched name first. %1: the domain name; %2: its expiry date in words.
        return Findings::sentence(words, QT_TRANSLATE_NOOP("Page", "%1 is registered and expires on %2"),
                                  { name, Findings::longDate(words, sighting.expires) }, markup);
    //: What the site saw of a watched name first. %1: the domain name; %2: its phase, one of "registered", "expired,
    //: in its grace period", "in its redemption period", "about to be deleted", "available", "reserved by its
    //: registry".
    return Findings::sentence(words, QT_TRANSLATE_NOOP("Page", "%1 is %2"), { name, phaseWords(sighting.phase, words) },
                              markup);
}

QString changeWords(const QString &name, const Change &change, const PageLanguage &words, Markup markup)
{
    const std::optional<Sighting::Phase> phase = Sighting::phaseNamed(change.after);
    if (change.field == u"phase" && phase)
        //: A watched name's phase changed. %1: the domain name; %2: its phase, one of "registered", "expired, in its
        //: grace period", "in its redemption period", "about to be deleted", "available", "reserved by its registry".
        return Findings::sentence(words, QT_TRANSLATE_NOOP("Page", "%1 is now %2"), { name, phaseWords(*phase, words) },
                                  markup);
    const char *sentence = nullptr;
    //: A watched name's record changed. %1: the domain name; %2 and %3: the values before and after, or "(none)".
    if (change.field == u"registrar")
        sentence = QT_TRANSLATE_NOOP("Page", "%1: the registrar was %2 and is now %3");
    //: As above; %2 and %3: lists of name servers, or "(none)".
    else if (change.field == u"name servers")
        sentence = QT_TRANSLATE_NOOP("Page", "%1: the name servers were %2 and are now %3");
    //: As above; %2 and %3: lists of statuses in words, or "(none)".
    else if (change.field == u"statuses")
        sentence = QT_TRANSLATE_NOOP("Page", "%1: the statuses were %2 and are now %3");
    //: As above; %2 and %3: dates in words, or "(none)".
    else
        sentence = QT_TRANSLATE_NOOP("Page", "%1: the expiry date was %2 and is now %3");
    return Findings::sentence(
        words, sentence,
        { name, valueWords(change.field, change.before, words), valueWords(change.field, change.after, words) },
        markup);
}

QString dateWords(const QString &name, const LifeDate &date, const PageLanguage &words)
{
    QString text;
    //: Titles of a calendar's events, on the day they name. %1: the domain name.
    switch (date.kind) {
    case LifeDate::Kind::Expires:
        text = words.text(QT_TRANSLATE_NOOP("Page", "%1 expires")).arg(name);
        break;
    case LifeDate::Kind::GraceEnds:
        text = words.text(QT_TRANSLATE_NOOP("Page", "%1: its grace period ends")).arg(name);
        break;
    case LifeDate::Kind::RedemptionEnds:
        text = words.text(QT_TRANSLATE_NOOP("Page", "%1: its redemption period ends")).arg(name);
        break;
    case LifeDate::Kind::MayBeFree:
        //: A calendar event's title on the estimated day a leaving name may be registered again. %1: the name.
        text = words.text(QT_TRANSLATE_NOOP("Page", "%1 may become available")).arg(name);
        break;
    }
    //: In parentheses after a calendar event's title whose date is an estimate.
    return date.estimated ? text + u" ("_qs + words.text(QT_TRANSLATE_NOOP("Page", "estimate")) + u')' : text;
}

QString toldAt(const QString &name, const History &history, qsizetype index, const PageLanguage &words, Markup markup)
{
    const QList<Sighting> &sightings = history.sightings;
    if (index == 0)
        return sightingWords(name, sightings[0], words, markup);
    QString said;
    for (const Change &change : changes(sightings[index - 1], sightings[index])) {
        const QString told = changeWords(name, change, words, markup);
        //: Two changes of a watched name seen at once, one after the other.
        said = said.isEmpty() ? told
                              : Findings::joined(words, QT_TRANSLATE_NOOP("Page", "%1; %2"), { said, told }, markup);
    }
    return said;
}

QByteArray calendar(const QList<Named> &names, const QList<int> &alarmDays, const PageLanguage &words)
{
    QByteArray out;
    line(out, u"BEGIN:VCALENDAR"_qs);
    line(out, u"VERSION:2.0"_qs);
    line(out, u"PRODID:-//Quelcor//Quelcor site//EN"_qs);
    line(out, u"CALSCALE:GREGORIAN"_qs);
    line(out, u"METHOD:PUBLISH"_qs);
    QStringList all;
    for (const Named &named : names)
        all.append(named.name);
    line(out, u"X-WR-CALNAME:"_qs + icalText(u"Quelcor: "_qs + all.join(u", ")));
    for (const Named &named : names) {
        if (named.history.sightings.isEmpty())
            continue;
        const Sighting &latest = named.history.sightings.last();
        for (const LifeDate &date : lifeDates(latest)) {
            const QString summary = dateWords(named.name, date, words);
            line(out, u"BEGIN:VEVENT"_qs);
            line(out, u"UID:"_qs + uuid(named.name + u' ' + QString::number(int(date.kind))) + u"@quelcor"_qs);
            line(out, u"DTSTAMP:"_qs + latest.seen.toUTC().toString(u"yyyyMMdd'T'HHmmss'Z'"_qs));
            line(out, u"DTSTART;VALUE=DATE:"_qs + date.date.toString(u"yyyyMMdd"_qs));
            line(out, u"DTEND;VALUE=DATE:"_qs + date.date.addDays(1).toString(u"yyyyMMdd"_qs));
            line(out, u"SUMMARY:"_qs + icalText(summary));
            line(out, u"DESCRIPTION:"_qs + icalText(sightingWords(named.name, latest, words)));
            line(out, u"TRANSP:TRANSPARENT"_qs);
            for (const int days : alarmDays) {
                line(out, u"BEGIN:VALARM"_qs);
                line(out, u"ACTION:DISPLAY"_qs);
                line(out, u"DESCRIPTION:"_qs + icalText(summary));
                line(out, u"TRIGGER:-P%1D"_qs.arg(days));
                line(out, u"END:VALARM"_qs);
            }
            line(out, u"END:VEVENT"_qs);
        }
    }
    line(out, u"END:VCALENDAR"_qs);
    return out;
}

QByteArray feed(const QList<Named> &names, const QString &lookupBase, const PageLanguage &words)
{
    struct Entry
    {
        QString name, title;
        QDateTime at;
    };
    QList<Entry> entries;
    QStringList all;
    for (const Named &named : names) {
        all.append(named.name);
        for (qsizetype i = 0; i < named.history.sightings.size(); ++i)
            entries.append(
                { named.name, toldAt(named.name, named.history, i, words), named.history.sightings[i].seen.toUTC() });
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.at > b.at; });
    const auto stamp = [](const QDateTime &at) { return at.toString(u"yyyy-MM-dd'T'HH:mm:ss'Z'"_qs); };
    QString out = u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\" "
                  "xml:lang=\""_qs
        + words.tag() + u"\">\n"_qs;
    out += u"  <title>"_qs + xml(u"Quelcor: "_qs + all.join(u", ")) + u"</title>\n"_qs;
    out += u"  <id>urn:uuid:"_qs + uuid(all.join(u',')) + u"</id>\n"_qs;
    out += u"  <updated>"_qs + stamp(entries.isEmpty() ? QDateTime::fromSecsSinceEpoch(0, Qt::UTC) : entries.first().at)
        + u"</updated>\n  <author><name>Quelcor</name></author>\n"_qs;
    for (const Entry &entry : std::as_const(entries)) {
        if (out.size() > kMostFeed) // the newest entries only: a feed stays one a reader takes
            break;
        out += u"  <entry>\n    <title>"_qs + xml(entry.title) + u"</title>\n"_qs;
        out += u"    <id>urn:uuid:"_qs + uuid(entry.name + u' ' + stamp(entry.at)) + u"</id>\n"_qs;
        out += u"    <updated>"_qs + stamp(entry.at) + u"</updated>\n"_qs;
        out += u"    <link href=\""_qs + xml(lookupBase + u"?domain="_qs + entry.name) + u"\"/>\n"_qs;
        out += u"    <content type=\"text\">"_qs + xml(entry.title) + u"</content>\n  </entry>\n"_qs;
    }
    out += u"</feed>\n"_qs;
    return out.toUtf8();
}

} // namespace Subscriptions
