#!/usr/bin/env python3
"""Reads a watched set's calendar and feed as calendar programs and feed readers do, with Debian's parsers, and
prints what they found, one line each, for the test to compare:

    read-watch.py CALENDAR.ics FEED.atom

    event <date> <summary> alarms <days,...>     (one line an event, in the calendar's order)
    entry <title>                                (one line an entry, in the feed's order)
    ok

Uses python3-icalendar (RFC 5545) and python3-feedparser (RFC 4287); exits 1, saying why, when either is not
well-formed."""
import sys

import feedparser
import icalendar


def main():
    calendar = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
    if calendar.get("VERSION") != "2.0" or not calendar.get("PRODID"):
        print("the calendar lacks VERSION 2.0 or PRODID")
        return 1
    for event in calendar.walk("VEVENT"):
        for needed in ("UID", "DTSTAMP", "DTSTART", "SUMMARY"):
            if needed not in event:
                print("an event without " + needed)
                return 1
        alarms = sorted(-alarm.decoded("TRIGGER").days for alarm in event.walk("VALARM"))
        print("event %s %s alarms %s" % (event.decoded("DTSTART").isoformat(), event.get("SUMMARY"),
                                         ",".join(str(days) for days in alarms)))
    feed = feedparser.parse(open(sys.argv[2], "rb").read())
    if feed.bozo or feed.version != "atom10":
        print("the feed is not well-formed Atom: %s" % (feed.get("bozo_exception") or feed.version))
        return 1
    for entry in feed.entries:
        if not entry.get("id") or not entry.get("updated"):
            print("an entry without id or updated")
            return 1
        print("entry " + entry.title)
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
