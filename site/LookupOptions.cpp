#include "LookupOptions.h"

#include "query/DomainName.h"
#include "query/PublicSuffixes.h"

#include <QFile>
#include <QRegularExpression>

std::optional<quint16> portNumber(const QString &text)
{
    bool ok = false;
    const uint port = text.toUInt(&ok);
    if (!ok || port == 0 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

namespace {

std::optional<QUrl> webUrl(const QString &text)
{
    const QUrl url(text);
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https"))
        return std::nullopt;
    return url;
}

} // namespace

QList<QCommandLineOption> LookupOptions::commandLine() const
{
    const QString root = QStringLiteral("%1:%2").arg(lookup.whoisRoot).arg(lookup.whoisRootPort);
    return {
        { QStringLiteral("rdap-bootstrap"), QStringLiteral("URL of the RDAP bootstrap file for domain names."),
          QStringLiteral("url"), bootstrap.toString() },
        { QStringLiteral("bootstrap-ttl"),
          QStringLiteral("Seconds the bootstrap file is kept (%1).").arg(bootstrapTtlSeconds),
          QStringLiteral("seconds"), QString::number(bootstrapTtlSeconds) },
        { QStringLiteral("whois-root"), QStringLiteral("The first whois server asked (%1).").arg(root),
          QStringLiteral("host[:port]"), root },
        { QStringLiteral("iana-rdap"),
          QStringLiteral("Base URL of IANA's RDAP service, for top-level domains (%1).")
              .arg(lookup.ianaRdap.toString()),
          QStringLiteral("url"), lookup.ianaRdap.toString() },
        { QStringLiteral("whois-port"),
          QStringLiteral("Port of the whois servers that answers refer to (%1).").arg(lookup.whoisPort),
          QStringLiteral("port"), QString::number(lookup.whoisPort) },
        { QStringLiteral("timeout"),
          QStringLiteral("Seconds each server has for its whole answer, connecting included (%1).")
              .arg(lookup.limits.answerMs / 1000),
          QStringLiteral("seconds"), QString::number(lookup.limits.answerMs / 1000) },
        { QStringLiteral("allow-address"),
          QStringLiteral("An address that may be asked although it is not public (loopback, private); may be given "
                         "more than once."),
          QStringLiteral("address") },
        { QStringLiteral("dns-server"),
          QStringLiteral("The DNS resolver that availability checks ask for a name's name servers: an address and "
                         "an optional port, system (the first of /etc/resolv.conf) or none (system)."),
          QStringLiteral("address[:port]|system|none"), QStringLiteral("system") },
        { QStringLiteral("availability-extensions"),
          QStringLiteral("A file of the extensions a name without one is checked in, one a line (%1 built in).")
              .arg(availabilityExtensions.size()),
          QStringLiteral("file") },
        { QStringLiteral("public-suffixes"),
          QStringLiteral("The Public Suffix List, in its text form, that tells a host name from the registered "
                         "domain it lies in (%1).")
              .arg(QLatin1StringView(PublicSuffixes::kDefaultFile)),
          QStringLiteral("file"), QLatin1StringView(PublicSuffixes::kDefaultFile) },
        { QStringLiteral("routes"),
          QStringLiteral("A file of the operator's routes, over the bootstrap files and the whois root: a line an "
                         "extension, then a tab, then an RDAP service's URL or a whois server (host[:port])."),
          QStringLiteral("file") },
        { QStringLiteral("registry-questions-per-second"),
          QStringLiteral("Questions a second to one registry server (%1).").arg(registryQuestionsPerSecond),
          QStringLiteral("n"), QString::number(registryQuestionsPerSecond) },
    };
}

bool LookupOptions::read(const QCommandLineParser &parser, QString *error)
{
    const auto fail = [error](const QString &why) {
        *error = why;
        return false;
    };
    const std::optional<QUrl> file = webUrl(parser.value(u"rdap-bootstrap"_qs));
    if (!file)
        return fail(QStringLiteral("--rdap-bootstrap takes an http or https URL"));
    bootstrap = *file;
    const std::optional<QUrl> iana = webUrl(parser.value(u"iana-rdap"_qs));
    if (!iana)
        return fail(QStringLiteral("--iana-rdap takes an http or https URL"));
    lookup.ianaRdap = *iana;
    if (!lookup.ianaRdap.path().endsWith(u'/'))
        lookup.ianaRdap.setPath(lookup.ianaRdap.path() + u'/');

    // Read once, now: a list that cannot be read is said at start, not at the first lookup.
    const QString suffixes = parser.value(u"public-suffixes"_qs);
    if (!PublicSuffixes::load(suffixes))
        return fail(QStringLiteral("--public-suffixes: %1 is no Public Suffix List that can be read").arg(suffixes));

    bool ok = false;
    bootstrapTtlSeconds = parser.value(u"bootstrap-ttl"_qs).toInt(&ok);
    if (!ok || bootstrapTtlSeconds < 0)
        return fail(QStringLiteral("--bootstrap-ttl takes a number of seconds"));
    registryQuestionsPerSecond = parser.value(u"registry-questions-per-second"_qs).toInt(&ok);
    if (!ok || registryQuestionsPerSecond < 1)
        return fail(QStringLiteral("--registry-questions-per-second takes a whole number from 1"));

    const std::optional<quint16> referralPort = portNumber(parser.value(u"whois-port"_qs));
    if (!referralPort)
        return fail(QStringLiteral("a port is a number from 1 to 65535"));
    lookup.whoisPort = *referralPort;
    const LookupSettings::Server root = LookupSettings::Server::fromText(parser.value(u"whois-root"_qs));
    if (root.whois.isEmpty())
        return fail(QStringLiteral("--whois-root takes a host and an optional port"));
    lookup.whoisRoot = root.whois;
    lookup.whoisRootPort = root.whoisPort;

    if (parser.isSet(u"routes"_qs)) {
        QFile file(parser.value(u"routes"_qs));
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("--routes: cannot read %1").arg(file.fileName()));
        int number = 0;
        for (const QByteArray &raw : file.readAll().split('\n')) {
            ++number;
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const QStringList fields = line.split(QRegularExpression(QStringLiteral("\\s+")));
            QString named = fields.value(0);
            if (named.startsWith(u'.'))
                named.remove(0, 1);
            const DomainName extension = DomainName::fromInput(u"x."_qs + named);
            const LookupSettings::Server server = LookupSettings::Server::fromText(fields.value(1));
            if (fields.size() != 2 || !extension.ok() || server.isNull())
                return fail(QStringLiteral("--routes: %1, line %2: not an extension and a server")
                                .arg(file.fileName())
                                .arg(number));
            lookup.routes.insert(extension.ace.mid(2), server);
        }
    }

    const int seconds = parser.value(u"timeout"_qs).toInt(&ok);
    if (!ok || seconds < 1 || seconds > 600)
        return fail(QStringLiteral("--timeout takes a number of seconds from 1 to 600"));
    lookup.limits.answerMs = seconds * 1000;
    lookup.limits.connectMs = qMin(Limits().connectMs, seconds * 1000);

    QList<QHostAddress> allowed;
    for (const QString &text : parser.values(u"allow-address"_qs)) {
        QHostAddress address;
        if (!address.setAddress(text))
            return fail(QStringLiteral("--allow-address takes an address, not %1").arg(text));
        allowed.append(address);
    }
    lookup.policy = AddressPolicy(allowed);

    const QString dns = parser.value(u"dns-server"_qs);
    if (dns == u"none") {
        resolver.reset();
    } else if (dns == u"system") {
        resolver = Dns::systemResolver();
    } else {
        // "192.0.2.53", "192.0.2.53:5353", "[2001:db8::53]:53", "2001:db8::53"
        const qsizetype colon = dns.lastIndexOf(u':');
        const bool bracketed = dns.startsWith(u'[');
        const bool hasPort = colon > 0 && (bracketed || dns.count(u':') == 1);
        QString host = hasPort ? dns.left(colon) : dns;
        host.remove(u'[').remove(u']');
        QHostAddress address;
        const std::optional<quint16> port = hasPort ? portNumber(dns.mid(colon + 1)) : std::optional<quint16>(53);
        if (!address.setAddress(host) || !port)
            return fail(QStringLiteral("--dns-server takes an address and an optional port, or none"));
        resolver = Dns::Resolver { address, *port };
    }
    if (parser.isSet(u"availability-extensions"_qs)) {
        QFile file(parser.value(u"availability-extensions"_qs));
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("--availability-extensions: cannot read %1").arg(file.fileName()));
        const QStringList read = Question::linesOf(file.readAll());
        if (!Question::manyFromParts(u"x"_qs, read.join(u','), {}))
            return fail(QStringLiteral("--availability-extensions: from 1 to 50 extensions, one a line"));
        availabilityExtensions = read;
    }
    return true;
}
