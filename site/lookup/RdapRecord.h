#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The readable fields of an RDAP record (RFC 9083): a domain, an IP network or an AS number range.
struct RdapFields
{
    QString name; // the domain's name, or the network's or AS range's name
    QString registrar;
    QStringList statuses;
    QString registered;
    QString expires;
    QString lastChanged;
    QStringList nameServers;
    QString range; // "8.8.8.0 - 8.8.8.255", "AS15169 - AS15169"
    QString type; // "DIRECT ALLOCATION"
    QString country;
    QString holder; // the registrant's name
    QString abuse; // the abuse contact: name, e-mail and telephone as the vCard gives them

    // Reads the fields a record has; fields already known are kept (the registry's record is read first).
    void read(const QJsonObject &record);
};
