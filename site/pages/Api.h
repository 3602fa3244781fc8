#pragma once

#include "PageLanguage.h"
#include "Pages.h"
#include "abuse/WhoToTell.h"
#include "lookup/Availability.h"
#include "lookup/Lookup.h"

#include <QDateTime>
#include <QJsonObject>

// The site's answers as data, for programs: a lookup's result as the JSON of the API (/api/v1/lookup), a
// request the API refuses as an RFC 9457 problem, and the API's description (OpenAPI 3.1, templates/openapi.json in
// the resources). The same answer as the page gives, with dates in ISO 8601 and each record as the server sent it.
namespace Api {

// The result as the API's JSON; now: when it is served (a cached result says when it was looked up).
QJsonObject lookup(const LookupResult &result, const PageLanguage &words, const QDateTime &now);
// What a verdict rests on, as data: the sentence in the visitor's language, and its parts (server, line and quote,
// status, DNS delegation) where it has them. `name`: the name asked.
QJsonObject evidence(const Evidence &evidence, const QString &name, const PageLanguage &words);
// A validator of a lookup's answer: the same for every answer that says the same (whether it came from the cache,
// when it was looked up and how the question was spelled aside), in the same language.
QByteArray entityTag(const QJsonObject &lookup);

// An availability check's rows as the API's JSON (/api/v1/availability), in the order of the extensions asked.
QJsonObject availability(const ManyExtensions &question, const std::vector<Availability::Row> &rows,
                         const PageLanguage &words);
Response availabilityResponse(const ManyExtensions &question, const std::vector<Availability::Row> &rows,
                              const PageLanguage &words);

// Who to tell of abuse, as the API's JSON (/api/v1/abuse).
QJsonObject abuse(const Abuse::Report &report, const PageLanguage &words);

// A problem: "application/problem+json" with its HTTP status, a short title and what went wrong.
Response problem(int status, const QString &title, const QString &detail);

Response description();

} // namespace Api
