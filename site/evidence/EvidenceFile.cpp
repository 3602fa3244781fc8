#include "EvidenceFile.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace {

QString extensionOf(const Hop &hop)
{
    if (!hop.http())
        return QStringLiteral("txt");
    for (const auto &[name, value] : hop.headers) {
        if (name.compare("content-type", Qt::CaseInsensitive) != 0)
            continue;
        const QByteArray type = value.toLower();
        return type.contains("json") ? QStringLiteral("json")
            : type.contains("html")  ? QStringLiteral("html")
                                     : QStringLiteral("txt");
    }
    return QStringLiteral("txt");
}

QString fileOf(const Hop &hop, int number)
{
    const QString host = hop.http() ? QUrl(hop.server).host() : hop.server.section(u':', 0, 0);
    return QStringLiteral("%1-%2.%3")
        .arg(number, 2, 10, QLatin1Char('0'))
        .arg(EvidenceFile::safeName(host), extensionOf(hop));
}

QString sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

QString EvidenceFile::safeName(QStringView text)
{
    QString name;
    for (const QChar c : text.left(100)) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'.'
            || c == u'-';
        name += plain ? c : u'_';
    }
    while (name.startsWith(u'.') || name.startsWith(u'-'))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("record") : name;
}

QList<Zip::File> EvidenceFile::files(const LookupResult &result)
{
    QList<Zip::File> files;
    QJsonArray answers;
    QByteArray sums;
    QDateTime last;
    for (qsizetype i = 0; i < result.hops.size(); ++i) {
        const Hop &hop = result.hops[i];
        const QString file = fileOf(hop, int(i + 1));
        const QString hash = sha256(hop.body);
        files.append(Zip::File { file, hop.body, hop.received });
        sums += hash.toLatin1() + "  " + file.toUtf8() + '\n';
        QJsonObject answer { { u"file"_qs, file },
                             { u"received"_qs, hop.received.toUTC().toString(Qt::ISODateWithMs) },
                             { u"bytes"_qs, hop.body.size() },
                             { u"sha256"_qs, hash },
                             { u"cut"_qs, hop.cut } };
        if (hop.http()) {
            answer.insert(u"protocol"_qs, QUrl(hop.server).scheme());
            answer.insert(u"url"_qs, hop.server);
            answer.insert(u"status"_qs, hop.status);
            QJsonArray headers;
            for (const auto &[name, value] : hop.headers)
                headers.append(QJsonArray { QString::fromLatin1(name), QString::fromLatin1(value) });
            answer.insert(u"headers"_qs, headers);
        } else {
            answer.insert(u"protocol"_qs, u"whois"_qs);
            answer.insert(u"server"_qs, hop.server);
            answer.insert(u"question"_qs, QString::fromLatin1(hop.question));
        }
        answers.append(answer);
        last = hop.received;
    }
    const QJsonObject manifest {
        { u"query"_qs, result.host.isEmpty() ? result.query : result.host },
        { u"answers"_qs, answers },
        { u"about"_qs,
          u"Each file is an answer as the server sent it, byte for byte (cut where 'cut' is true), in the order the "
          "site received them. 'sha256sum -c SHA256SUMS' verifies every file, this manifest included."_qs },
    };
    const QByteArray manifestBytes = QJsonDocument(manifest).toJson(QJsonDocument::Indented);
    files.append(Zip::File { u"manifest.json"_qs, manifestBytes, last });
    sums += sha256(manifestBytes).toLatin1() + "  manifest.json\n";
    files.append(Zip::File { u"SHA256SUMS"_qs, sums, last });
    return files;
}

QByteArray EvidenceFile::zip(const LookupResult &result)
{
    QList<Zip::File> files = EvidenceFile::files(result);
    const QString folder = zipName(result.host.isEmpty() ? result.query : result.host).chopped(4) + u'/';
    for (Zip::File &file : files)
        file.name.prepend(folder);
    return Zip::archive(files);
}

QString EvidenceFile::zipName(const QString &query)
{
    return safeName(query) + u"-evidence.zip"_qs;
}
