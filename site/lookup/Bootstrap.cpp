#include "Bootstrap.h"

#include "state/SharedState.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QSaveFile>

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

// IANA's own address of its files: https (or http) on its standard port, at data.iana.org.
bool isIanas(const QUrl &source)
{
    const bool https = source.scheme() == u"https" && source.port(443) == 443;
    const bool http = source.scheme() == u"http" && source.port(80) == 80;
    return (https || http) && source.host() == u"data.iana.org" && source.userInfo().isEmpty();
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

void RdapBootstrap::current(File &file, QNetworkAccessManager &network, const AddressPolicy &policy,
                            const Limits &limits, QObject *context, FileReady ready)
{
    QMutexLocker lock(&file.mutex);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    readAtHand(file);
    const bool fresh = !file.document.isNull() && file.fetchedAt.secsTo(now) < m_ttlSeconds;
    if (fresh || file.shipped) {
        // The shipped copy serves at once while a fresh one is fetched, for no lookup in particular.
        const bool refresh = !fresh && !file.fetching;
        file.fetching = file.fetching || refresh;
        const QJsonDocument document = file.document;
        lock.unlock();
        ready(document, Message());
        if (refresh) {
            // For no lookup in particular: on a network of its own, owned by the thread's object, which outlives
            // the lookup that happened to start it.
            auto *own = new QNetworkAccessManager(SharedState::homeOf(context));
            fetch(file, *own, policy, limits, own, {}, true);
        }
        return;
    }
    file.waiters.append(Waiter { context, std::move(ready) });
    if (file.fetching)
        return;
    file.fetching = true;
    // A file at hand is asked for only if it changed.
    Upstream::Fields validators;
    if (!file.document.isNull() && !file.etag.isEmpty())
        validators.append({ "If-None-Match", file.etag });
    if (!file.document.isNull() && !file.lastModified.isEmpty())
        validators.append({ "If-Modified-Since", file.lastModified });
    lock.unlock();
    fetch(file, network, policy, limits, context, validators);
}

void RdapBootstrap::fetch(File &file, QNetworkAccessManager &network, const AddressPolicy &policy, const Limits &limits,
                          QObject *context, const Upstream::Fields &validators, bool disposeContext)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // The waiters are answered when the fetch ends, or, should the lookup that fetches end first (the site
    // stopping), when it is gone.
    auto ended = std::make_shared<bool>(false);
    QObject::connect(context, &QObject::destroyed, [&file, ended] {
        if (!std::exchange(*ended, true))
            deliver(file, Message(MessageId::BootstrapAbandoned));
    });
    Upstream::httpGet(
        network, file.source, "application/json", policy, limits, context,
        [this, &file, now, ended, context, disposeContext](const Answer &answer) {
            if (disposeContext)
                context->deleteLater();
            if (std::exchange(*ended, true))
                return;
            const QJsonDocument fetched = QJsonDocument::fromJson(answer.body);
            Message error;
            {
                const QMutexLocker lock(&file.mutex);
                if (answer.ok() && answer.status == 200 && !answer.cut && fetched.isObject()) {
                    file.document = fetched;
                    file.shipped = false;
                    file.fetchedAt = now;
                    file.etag = answer.etag;
                    file.lastModified = answer.lastModified;
                    keep(file, answer.body);
                } else if (answer.ok() && answer.status == 304 && !file.document.isNull() && !file.shipped) {
                    file.fetchedAt = now; // unchanged: kept for another time to live
                    if (!answer.etag.isEmpty())
                        file.etag = answer.etag;
                    keep(file, QByteArray());
                } else if (!file.document.isNull()) {
                    // A stale (or the shipped) file is better than none; it is fetched again in five minutes,
                    // not by every lookup meanwhile.
                    file.fetchedAt = now.addSecs(qMin(300, m_ttlSeconds) - m_ttlSeconds);
                } else {
                    const Message why = !answer.ok() ? answer.error
                        : answer.status != 200       ? Message(MessageId::Status, answer.status)
                        : answer.cut                 ? Message(MessageId::FileTooLong)
                                                     : Message(MessageId::NotABootstrapFile);
                    error = Message(MessageId::BootstrapUnreadable, why);
                }
            }
            deliver(file, error);
        },
        validators);
}

void RdapBootstrap::readShipped(File &file) const
{
    if (!isIanas(file.source))
        return; // a snapshot of IANA's files only stands in for IANA's own
    const QJsonDocument document = shipped(file.source.fileName());
    if (!document.isObject())
        return;
    file.document = document;
    file.shipped = true;
    file.fetchedAt = QDateTime::fromString(document.object().value(u"publication").toString(), Qt::ISODate).toUTC();
    if (!file.fetchedAt.isValid())
        file.fetchedAt = QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
}

QJsonDocument RdapBootstrap::shipped(const QString &fileName)
{
    QFile file(u":/site/iana/"_qs + fileName);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()) : QJsonDocument();
}

QJsonDocument RdapBootstrap::domainFile()
{
    File &file = m_files[Dns];
    const QMutexLocker lock(&file.mutex);
    readAtHand(file);
    return file.document;
}

void RdapBootstrap::readAtHand(File &file) const
{
    if (file.document.isNull() && !m_folder.isEmpty())
        readKept(file);
    if (file.document.isNull())
        readShipped(file);
}

namespace {

// A file's name in the folder: its own, after a digest of where it came from (another bootstrap address is another
// file).
QString keptName(const QUrl &source)
{
    const QByteArray digest = QCryptographicHash::hash(source.toEncoded(), QCryptographicHash::Sha256).toHex();
    return QString::fromLatin1(digest.left(16)) + u'-' + source.fileName();
}

} // namespace

void RdapBootstrap::readKept(File &file) const
{
    const QString name = QDir(m_folder).filePath(keptName(file.source));
    QFile stored(name);
    if (!stored.open(QIODevice::ReadOnly) || stored.size() > (8 << 20))
        return;
    const QJsonDocument document = QJsonDocument::fromJson(stored.readAll());
    if (!document.isObject())
        return;
    file.document = document;
    file.fetchedAt = stored.fileTime(QFileDevice::FileModificationTime).toUTC();
    QFile validators(name + u".validators"_qs);
    if (validators.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = validators.read(4096).split('\n');
        file.etag = lines.value(0).trimmed();
        file.lastModified = lines.value(1).trimmed();
    }
}

void RdapBootstrap::keep(const File &file, const QByteArray &bytes) const
{
    if (m_folder.isEmpty())
        return;
    const QString name = QDir(m_folder).filePath(keptName(file.source));
    // Written whole or not at all: another process may read it meanwhile.
    if (!bytes.isEmpty()) {
        QSaveFile stored(name);
        if (!stored.open(QIODevice::WriteOnly) || stored.write(bytes) != bytes.size() || !stored.commit())
            return;
    } else { // unchanged: its time is now
        QFile stored(name);
        if (!stored.open(QIODevice::ReadWrite)
            || !stored.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime))
            return;
    }
    QSaveFile validators(name + u".validators"_qs);
    const QByteArray lines = file.etag + '\n' + file.lastModified + '\n';
    if (validators.open(QIODevice::WriteOnly) && validators.write(lines) == lines.size())
        validators.commit();
}

void RdapBootstrap::deliver(File &file, const Message &error)
{
    QMutexLocker lock(&file.mutex);
    file.fetching = false;
    const QList<Waiter> waiters = std::exchange(file.waiters, {});
    const QJsonDocument document = file.document;
    lock.unlock();
    for (const Waiter &waiter : waiters) { // each on its own thread
        if (waiter.context)
            QMetaObject::invokeMethod(
                waiter.context,
                [waiter, document, error] { waiter.ready(document, document.isNull() ? error : Message()); },
                Qt::QueuedConnection);
    }
}

void RdapBootstrap::serviceFor(const Query &query, QNetworkAccessManager &network, const AddressPolicy &policy,
                               const Limits &limits, QObject *context, std::function<void(const Service &)> done)
{
    const bool v4 = query.address.protocol() == QAbstractSocket::IPv4Protocol;
    const FileIndex index = query.kind == Query::Kind::Domain || query.kind == Query::Kind::TopLevelDomain ? Dns
        : query.kind == Query::Kind::AsNumber                                                              ? Asn
        : v4                                                                                               ? Ipv4
                                                                                                           : Ipv6;
    current(m_files[index], network, policy, limits, context,
            [query, v4, done = std::move(done)](const QJsonDocument &file, const Message &error) {
                Service service { QUrl(), error };
                if (!file.isNull()) {
                    switch (query.kind) {
                    case Query::Kind::Domain:
                    case Query::Kind::TopLevelDomain: // the service of the registry that runs the extension
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
                }
                done(service);
            });
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
