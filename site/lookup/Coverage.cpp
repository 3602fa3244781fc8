#include "Coverage.h"

#include <QFile>

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
        routes.append(route);
    }
    return routes;
}
