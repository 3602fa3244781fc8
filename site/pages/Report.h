#pragma once

#include "Verdict.h"
#include "lookup/Availability.h"
#include "lookup/Lookup.h"

#include <QDate>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

// What a lookup's result says, read once, as the names and values that the page, the API and the command line
// give alike (the words of a language for them are Findings'): the verdict, the kind of question, the flags, and
// the record's dates where they could be read.
struct Report
{
    Verdict verdict;
    QLatin1StringView kind; // "domain", "address", "network", "as-number", "top-level-domain"
    QLatin1StringView verdictName; // "available", "registered", "reserved", "busy", ..., "no-answer"
    QStringList flags; // "expired", "redemption-period", "pending-delete"
    QString registered, expires, lastChanged; // "yyyy-MM-dd"; empty where the record gives none that reads

    static Report of(const LookupResult &result, QDate today);

    // A row of a name's check in many extensions: its state and where its answer came from, by name.
    static QLatin1StringView stateName(Availability::Row::State state);
    static QLatin1StringView sourceName(Availability::Row::Source source);
};
