#include "Coverage.h"

#include "RegistryData.h"

#include <QFile>
#include <QHash>

QString TldRoute::kind() const
{
    const bool byRdap = rdap.isValid(), byWhois = !whois.isEmpty();
    return byRdap && byWhois ? u"both"_qs : byRdap ? u"rdap"_qs : byWhois ? u"whois"_qs : u"none"_qs;
}

QList<TldRoute> coverage(RdapBootstrap &bootstrap, const LookupSettings &settings)
{
    QList<TldRoute> routes;
    QFile rootZone(u":/site/iana/root-zone.tsv"_qs);
    if (!rootZone.open(QIODevice::ReadOnly | QIODevice::Text))
        return routes;
    // The atlas: a row a thing proved of a TLD's answers (tld, form or field, its wording or key, the proof).
    QHash<QString, QStringList> verified, keys;
    QStringList errors;
    for (const RegistryData::Row &row : RegistryData::rows("atlas.tsv", 4, &errors)) {
        const QString &tld = row.fields[0], &item = row.fields[1], &how = row.fields[2];
        static const QStringList forms { u"found"_qs, u"not-registered"_qs, u"reserved"_qs, u"refused"_qs,
                                         u"rate-limited"_qs };
        if (forms.contains(item))
            verified[tld].append(item);
        else
            keys[tld].append(item + u": "_qs + how);
    }
    const QJsonDocument domainFile = bootstrap.domainFile();
    while (!rootZone.atEnd()) {
        const QString line = QString::fromUtf8(rootZone.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        TldRoute route { fields.value(0), RdapBootstrap::findService(domainFile, fields.value(0)),
                         fields.value(1) == u"-" ? QString() : fields.value(1) };
        if (const auto named = settings.routes.constFind(route.tld); named != settings.routes.cend()) {
            route.rdap = named->rdap;
            route.whois = named->whois;
            route.operators = true;
        }
        route.verified = verified.value(route.tld);
        route.keys = keys.value(route.tld);
        routes.append(route);
    }
    return routes;
}
