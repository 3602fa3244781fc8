#include "Bootstrap.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMutexLocker>

#include <functional>

namespace {

enum FileIndex { Dns, Ipv4, Ipv6, Asn };

// The preferred URL of a service entry: the first https one, else the first http one; ending in "/".
QUrl chosenUrl(const QJsonArray &urls)
{
    QUrl chosen;
    for (const QJsonValue &urlValue : urls) {
        const QUrl url(urlValue.toString());
        if (!url.isValid() || (url.scheme() != u"https" && url.scheme() != u"http"))
            continue;
        if (chosen.isEmpty() || (chosen.scheme() != u"https" && url.scheme() == u"https"))
            chosen = url;
    }
    if (!chosen.isEmpty() && !chosen.path().endsWith(u'/'))
        chosen.setPath(chosen.path() + u'/');
    return chosen;
}

// The URL of the entry whose key scores highest; a score below zero does not match.
QUrl bestService(const QJsonDocument &file, const std::function<int(const QString &)> &score)
{
    int bestScore = -1;
    QUrl best;
    for (const QJsonValue &service : file.object().value(u"services").toArray()) {
        const QJsonArray pair = service.toArray();
        const QUrl url = chosenUrl(pair.at(1).toArray());
        if (url.isEmpty())
            continue;
        for (const QJsonValue &key : pair.at(0).toArray()) {
            const int keyScore = score(key.toString());
            if (keyScore > bestScore) {
                bestScore = keyScore;
                best = url;
            }
        }
    }
    return best;
}

} // namespace

RdapBootstrap::RdapBootstrap(const QUrl &domainFile, int ttlSeconds)
    : m_ttlSeconds(ttlSeconds)
{
    m_files[Dns].source = domainFile;
    m_files[Ipv4].source = domainFile.resolved(QUrl(QStringLiteral("ipv4.json")));
    m_files[Ipv6].source = domainFile.resolved(QUrl(QStringLiteral("ipv6.json")));
    m_files[Asn].source = domainFile.resolved(QUrl(QStringLiteral("asn.json")));
}

QJsonDocument RdapBootstrap::current(File &file, QNetworkAccessManager &network, const AddressPolicy &policy,
                                     const Limits &limits, QString *error)
{
    QMutexLocker lock(&file.mutex);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!file.document.isNull() && file.fetchedAt.secsTo(now) < m_ttlSeconds)
        return file.document;
    const Answer answer = Upstream::httpGet(network, file.source, "application/json", policy, limits);
    const QJsonDocument fetched = QJsonDocument::fromJson(answer.body);
    if (answer.ok() && answer.status == 200 && !answer.cut && fetched.isObject()) {
        file.document = fetched;
        file.fetchedAt = now;
    } else if (file.document.isNull()) { // a stale file is better than none
        const QString why = !answer.ok() ? answer.error
            : answer.status != 200       ? QStringLiteral("status %1").arg(answer.status)
            : answer.cut                 ? QStringLiteral("the file is too long")
                                         : QStringLiteral("the file is not a bootstrap file");
        *error = QStringLiteral("The RDAP bootstrap file could not be read: %1").arg(why);
    }
    return file.document;
}

RdapBootstrap::Service RdapBootstrap::serviceFor(const Query &query, QNetworkAccessManager &network,
                                                 const AddressPolicy &policy, const Limits &limits)
{
    const bool v4 = query.address.protocol() == QAbstractSocket::IPv4Protocol;
    const FileIndex index = query.kind == Query::Kind::Domain ? Dns
        : query.kind == Query::Kind::AsNumber                 ? Asn
        : v4                                                  ? Ipv4
                                                              : Ipv6;
    Service service;
    const QJsonDocument file = current(m_files[index], network, policy, limits, &service.error);
    if (file.isNull())
        return service;
    switch (query.kind) {
    case Query::Kind::Domain:
        service.base = findService(file, query.text);
        break;
    case Query::Kind::Address:
        service.base = findAddressService(file, query.address, v4 ? 32 : 128);
        break;
    case Query::Kind::Network:
        service.base = findAddressService(file, query.address, query.prefixLength);
        break;
    case Query::Kind::AsNumber:
        service.base = findAsService(file, query.asNumber);
        break;
    }
    return service;
}

QUrl RdapBootstrap::findService(const QJsonDocument &file, const QString &aceName)
{
    const QString name = aceName.toLower();
    return bestService(file, [&name](const QString &key) {
        const QString suffix = key.toLower();
        const bool matches = !suffix.isEmpty() && (name == suffix || name.endsWith(u'.' + suffix));
        return matches ? int(suffix.size()) : -1;
    });
}

QUrl RdapBootstrap::findAddressService(const QJsonDocument &file, const QHostAddress &network, int prefixLength)
{
    return bestService(file, [&](const QString &key) {
        const QPair<QHostAddress, int> block = QHostAddress::parseSubnet(key);
        const bool holds = block.second >= 0 && block.second <= prefixLength
            && block.first.protocol() == network.protocol() && network.isInSubnet(block);
        return holds ? block.second : -1;
    });
}

QUrl RdapBootstrap::findAsService(const QJsonDocument &file, quint32 number)
{
    return bestService(file, [number](const QString &key) {
        const QStringList ends = key.split(u'-');
        bool firstOk = false, lastOk = false;
        const qulonglong first = ends.value(0).trimmed().toULongLong(&firstOk);
        const qulonglong last = ends.size() == 2 ? ends.value(1).trimmed().toULongLong(&lastOk) : first;
        if (!firstOk || (ends.size() == 2 && !lastOk) || ends.size() > 2 || number < first || number > last)
            return -1;
        return int(0x7fffffff - qMin<qulonglong>(last - first, 0x7ffffffe)); // the narrowest range wins
    });
}
