#pragma once

#include <QDate>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

// A contact as people read it from an RDAP entity, from its vCard (jCard) or its JSContact card, whichever it has;
// placeholders count as nothing.
struct RdapContact
{
    QString name, organisation;
    QStringList emails, phones, urls;
    bool placeholder = false; // a placeholder stood where a name was, or a remark says the contact is redacted

    static RdapContact of(const QJsonObject &entity);
    // Whether the entity has the role ("registrar", "abuse"), in any case.
    static bool hasRole(const QJsonObject &entity, QStringView role);
    // Who it is: the name, else the organisation.
    QString who() const { return name.isEmpty() ? organisation : name; }
};

// The readable fields of a record: of an RDAP record (RFC 9083), a domain, an IP network or an AS number range, or of
// a whois answer (WhoisText::readFields). Dates are "yyyy-MM-dd" where the record's could be read, else as written.
struct RdapFields
{
    QString name; // the domain's name, or the network's or AS range's name
    QString registrar;
    QString registrarId; // the registrar's IANA id
    QString registrarUrl; // its web address, http or https only
    QStringList statuses;
    QString registered;
    QString expires;
    QString lastChanged;
    QString dnssec; // "signed", "unsigned", or empty when the record does not say
    QString whoisServer; // the whois server the record names for itself (a top-level domain's registry)
    QString rdapService; // a top-level domain's RDAP service
    QStringList nameServers;
    QString range; // "8.8.8.0 - 8.8.8.255", "AS15169 - AS15169"
    QString type; // "DIRECT ALLOCATION"
    QString country;
    QString holder; // the registrant's name, else its organisation
    QString abuse; // the abuse contact: name or organisation, e-mail and telephone
    // Fields the record withholds (RFC 9537, or a placeholder such as "REDACTED FOR PRIVACY" in its place), by
    // their names in the API ("holder"), with the reason the record gives (empty when it gives none).
    QMap<QString, QString> withheld;
    // Everything the record says it withholds, as it names it ("Registrant Name", "Tech Email").
    QStringList withheldItems;
    // The server or URL each field came from, by its name in the API, once records are merged.
    QMap<QString, QString> sources;

    // Reads the fields a record has; fields already known are kept (the registry's record is read first).
    void read(const QJsonObject &record);
    // Takes the fields another record read (from `source`): those this one lacks, and, from a registrar's record,
    // the contacts, which the registrar holds and the registry only copies.
    void merge(const RdapFields &record, const QString &source, bool registrarRecord);

    // Whether anything of a registration was read: a date, the registrar, the holder, a status, a name server, or
    // a field said to be withheld. An answer of which none is read is no evidence that a name is registered.
    bool readAny() const
    {
        return !registrar.isEmpty() || !statuses.isEmpty() || !registered.isEmpty() || !expires.isEmpty()
            || !lastChanged.isEmpty() || !nameServers.isEmpty() || !holder.isEmpty() || !withheld.isEmpty();
    }

    // A text that stands where a withheld value was ("REDACTED FOR PRIVACY", "XXXX"); registries/withheld.tsv.
    static bool isPlaceholder(const QString &text);

    // A date as the fields hold it: "yyyy-MM-dd" for a date that can be read (ISO 8601, "31.12.2024",
    // "31/12/2024", "31-Dec-2024", "2024/12/31", "20241231", each perhaps followed by a time; "Mon Apr 26
    // 07:50:40 GMT 2010"), else the text.
    static QString date(const QString &text);
    // The date a field holds: valid only for a date that date() read ("yyyy-MM-dd"), never for a text that merely
    // starts like one.
    static QDate dateOf(const QString &field);
    // The rows of registries/date-forms.tsv and registries/withheld.tsv that do not load.
    static QStringList dateFormErrors();
    // A web address fit for a link: http or https with a host; empty otherwise.
    static QString webAddress(const QString &text);
};
