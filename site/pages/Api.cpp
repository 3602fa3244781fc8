#include "Api.h"

#include "Report.h"
#include "Statuses.h"
#include "Template.h"

#include <QCryptographicHash>
#include <QDate>

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace {

// The fields the record has, by name; a date only where it could be read.
QJsonObject fields(const LookupResult &result, const Report &report)
{
    QJsonObject object;
    const auto text = [&object](const char *name, const QString &value) {
        if (!value.isEmpty())
            object.insert(QLatin1StringView(name), value);
    };
    text("name", result.name);
    text("holder", result.holder);
    text("registrar", result.registrar);
    text("registrarIanaId", result.registrarId);
    text("registrarUrl", result.registrarUrl);
    text("abuseContact", result.abuse);
    text("registered", report.registered);
    text("expires", report.expires);
    text("lastChanged", report.lastChanged);
    if (!result.nameServers.isEmpty())
        object.insert(u"nameServers"_qs, QJsonArray::fromStringList(result.nameServers));
    text("dnssec", result.dnssec);
    text("range", result.range);
    text("type", result.type);
    text("country", result.country);
    text("whoisServer", result.whoisServer);
    text("rdapService", result.rdapService);
    // A field the record withholds: what it is, and why, in place of a value.
    for (auto it = result.withheld.cbegin(); it != result.withheld.cend(); ++it) {
        if (!object.contains(it.key())) {
            QJsonObject withheld { { u"redacted"_qs, true } };
            if (!it.value().isEmpty())
                withheld.insert(u"reason"_qs, it.value());
            object.insert(it.key(), withheld);
        }
    }
    return object;
}

} // namespace

namespace Api {

QJsonObject evidence(const Evidence &evidence, const QString &name, const PageLanguage &words)
{
    QJsonObject object { { u"text"_qs, words.render(evidence.message(name)) } };
    if (!evidence.server.isEmpty())
        object.insert(u"server"_qs, evidence.server);
    if (evidence.line > 0) {
        object.insert(u"line"_qs, evidence.line);
        object.insert(u"quote"_qs, evidence.quote);
    }
    if (evidence.status > 0)
        object.insert(u"status"_qs, evidence.status);
    if (evidence.delegated)
        object.insert(u"delegated"_qs, true);
    return object;
}

QJsonObject lookup(const LookupResult &result, const PageLanguage &words, const QDateTime &now)
{
    const Report report = Report::of(result, now.date());
    QJsonObject object { { u"query"_qs, result.query },
                         { u"asked"_qs, result.host.isEmpty() ? result.query : result.host },
                         { u"kind"_qs, report.kind },
                         { u"verdict"_qs, report.verdictName },
                         { u"flags"_qs, QJsonArray::fromStringList(report.flags) } };
    if (report.verdict.daysLeft)
        object.insert(u"daysLeft"_qs, *report.verdict.daysLeft);
    if (!result.message.isNull())
        object.insert(u"message"_qs, words.render(result.message));
    if (result.retryAfterSeconds >= 0)
        object.insert(u"retryAfter"_qs, result.retryAfterSeconds);
    if (!result.evidence.isNull())
        object.insert(u"evidence"_qs, evidence(result.evidence, result.query, words));
    object.insert(u"fields"_qs, fields(result, report));
    // The server each field came from, where the registry's and the registrar's records were merged.
    QJsonObject fieldSources;
    for (auto it = result.sources.cbegin(); it != result.sources.cend(); ++it)
        fieldSources.insert(it.key(), it.value());
    object.insert(u"fieldSources"_qs, fieldSources);
    if (!result.withheldItems.isEmpty())
        object.insert(u"withheld"_qs, QJsonArray::fromStringList(result.withheldItems));
    if (!result.host.isEmpty()) {
        QJsonObject host { { u"name"_qs, result.host } };
        if (!result.hostAddresses.isEmpty())
            host.insert(u"addresses"_qs, QJsonArray::fromStringList(result.hostAddresses));
        if (!result.hostStatuses.isEmpty())
            host.insert(u"statuses"_qs, QJsonArray::fromStringList(result.hostStatuses));
        object.insert(u"host"_qs, host);
    }
    QJsonArray statuses;
    for (const QString &status : result.statuses) {
        QJsonObject item { { u"value"_qs, status } };
        if (const char *phrase = Statuses::phrase(status))
            item.insert(u"words"_qs, words.text(phrase, "Status"));
        statuses.append(item);
    }
    object.insert(u"statuses"_qs, statuses);
    QJsonArray notes;
    for (const Message &note : result.notes)
        notes.append(words.render(note));
    object.insert(u"notes"_qs, notes);
    object.insert(u"sources"_qs, QJsonArray::fromStringList(result.asked));
    const bool cached = result.cachedAgeSeconds >= 0;
    object.insert(u"cached"_qs, cached);
    object.insert(u"lookedUp"_qs, now.addSecs(cached ? -result.cachedAgeSeconds : 0).toUTC().toString(Qt::ISODate));
    QJsonArray records;
    for (const SourceRecord &record : result.records) {
        records.append(QJsonObject { { u"source"_qs, record.source },
                                     { u"format"_qs, record.rdap() ? u"rdap"_qs : u"whois"_qs },
                                     { u"text"_qs, record.text },
                                     { u"cut"_qs, record.cut } });
    }
    object.insert(u"records"_qs, records);
    return object;
}

QByteArray entityTag(const QJsonObject &lookup)
{
    QJsonObject same = lookup;
    same.remove(u"cached"_qs);
    same.remove(u"lookedUp"_qs);
    same.remove(u"question"_qs); // as it was typed: another spelling of the same question has the same answer
    const QByteArray hash
        = QCryptographicHash::hash(QJsonDocument(same).toJson(QJsonDocument::Compact), QCryptographicHash::Sha256);
    return "W/\"" + hash.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals).left(22) + '"';
}

QJsonObject availability(const ManyExtensions &question, const std::vector<Availability::Row> &rows,
                         const PageLanguage &words)
{
    QJsonArray list;
    for (const QString &extension : question.extensions) {
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const Availability::Row &candidate) {
            return candidate.extension == extension;
        });
        if (row == rows.end())
            continue;
        QJsonObject object { { u"extension"_qs, row->extension }, { u"domain"_qs, row->domain } };
        object.insert(u"state"_qs, Report::stateName(row->state));
        object.insert(u"source"_qs, Report::sourceName(row->source));
        if (RdapFields::dateOf(row->expires).isValid())
            object.insert(u"expires"_qs, row->expires);
        if (!row->why.isNull())
            object.insert(u"message"_qs, words.render(row->why));
        if (!row->evidence.isNull())
            object.insert(u"evidence"_qs, evidence(row->evidence, row->domain, words));
        list.append(object);
    }
    return QJsonObject { { u"name"_qs, question.name }, { u"rows"_qs, list } };
}

Response availabilityResponse(const ManyExtensions &question, const std::vector<Availability::Row> &rows,
                              const PageLanguage &words)
{
    return Response {
        200, "application/json", QJsonDocument(availability(question, rows, words)).toJson(QJsonDocument::Compact), {}
    };
}

Response problem(int status, const QString &title, const QString &detail)
{
    const QJsonObject object {
        { u"type"_qs, u"about:blank"_qs }, { u"title"_qs, title }, { u"status"_qs, status }, { u"detail"_qs, detail }
    };
    return Response { status, "application/problem+json", QJsonDocument(object).toJson(QJsonDocument::Compact), {} };
}

Response description()
{
    static const QByteArray text = Template::file("openapi.json");
    return Response { 200, "application/json", text, {} };
}

} // namespace Api

QJsonObject Api::abuse(const Abuse::Report &report, const PageLanguage &words)
{
    QJsonArray contacts, notes;
    for (const Abuse::Contact &contact : report.contacts) {
        QJsonObject made { { u"role"_qs, Abuse::roleName(contact.role) },
                           { u"emails"_qs, QJsonArray::fromStringList(contact.emails) },
                           { u"phones"_qs, QJsonArray::fromStringList(contact.phones) },
                           { u"forms"_qs, QJsonArray::fromStringList(contact.forms) },
                           { u"source"_qs, contact.source },
                           { u"field"_qs, contact.field } };
        const std::pair<const char *, const QString *> texts[] = { { "who", &contact.who },
                                                                   { "of", &contact.of },
                                                                   { "address", &contact.address },
                                                                   { "moreSpecific", &contact.moreSpecific } };
        for (const auto &[name, text] : texts) {
            if (!text->isEmpty())
                made.insert(QLatin1StringView(name), *text);
        }
        if (contact.line > 0)
            made.insert(u"line"_qs, contact.line);
        contacts.append(made);
    }
    for (const Message &note : report.notes)
        notes.append(words.render(note));
    return QJsonObject { { u"query"_qs, report.query },
                         { u"contacts"_qs, contacts },
                         { u"notes"_qs, notes },
                         { u"lookups"_qs, report.asked } };
}
