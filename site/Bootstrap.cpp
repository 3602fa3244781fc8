#include "Bootstrap.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMutexLocker>

RdapBootstrap::Service RdapBootstrap::serviceFor(const QString &aceName, QNetworkAccessManager &network,
                                                 const AddressPolicy &policy, const Limits &limits)
{
    QMutexLocker lock(&m_mutex);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (m_file.isNull() || m_fetchedAt.secsTo(now) >= m_ttlSeconds) {
        const Answer answer = Upstream::httpGet(network, m_source, "application/json", policy, limits);
        QJsonParseError parseError;
        const QJsonDocument file = QJsonDocument::fromJson(answer.body, &parseError);
        if (!answer.ok() || answer.status != 200 || answer.cut || !file.isObject()) {
            const QString why = !answer.ok() ? answer.error
                : answer.status != 200       ? QStringLiteral("status %1").arg(answer.status)
                : answer.cut                 ? QStringLiteral("the file is too long")
                                             : QStringLiteral("the file is not a bootstrap file");
            // A stale file is better than none.
            if (m_file.isNull())
                return Service { QUrl(), QStringLiteral("The RDAP bootstrap file could not be read: %1").arg(why) };
        } else {
            m_file = file;
            m_fetchedAt = now;
        }
    }
    return Service { findService(m_file, aceName), QString() };
}

QUrl RdapBootstrap::findService(const QJsonDocument &file, const QString &aceName)
{
    const QString name = aceName.toLower();
    qsizetype bestLength = -1;
    QUrl best;
    for (const QJsonValue &service : file.object().value(u"services").toArray()) {
        const QJsonArray pair = service.toArray();
        const QJsonArray suffixes = pair.at(0).toArray();
        const QJsonArray urls = pair.at(1).toArray();
        for (const QJsonValue &suffixValue : suffixes) {
            const QString suffix = suffixValue.toString().toLower();
            if (suffix.isEmpty() || suffix.size() <= bestLength)
                continue;
            if (name != suffix && !name.endsWith(u'.' + suffix))
                continue;
            QUrl chosen;
            for (const QJsonValue &urlValue : urls) {
                const QUrl url(urlValue.toString());
                if (!url.isValid() || (url.scheme() != u"https" && url.scheme() != u"http"))
                    continue;
                if (chosen.isEmpty() || (chosen.scheme() != u"https" && url.scheme() == u"https"))
                    chosen = url;
            }
            if (chosen.isEmpty())
                continue;
            if (!chosen.path().endsWith(u'/'))
                chosen.setPath(chosen.path() + u'/');
            bestLength = suffix.size();
            best = chosen;
        }
    }
    return best;
}
