#include "Dns.h"

#include <QFile>
#include <QNetworkDatagram>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QUdpSocket>

namespace {

constexpr quint16 kTypeNs = 2;
constexpr quint16 kClassIn = 1;

quint16 word(const QByteArray &bytes, qsizetype at)
{
    return quint16((quint8(bytes[at]) << 8) | quint8(bytes[at + 1]));
}

void appendWord(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value >> 8)).append(char(value & 0xff));
}

// The position after a name at `at` (labels, or a pointer that ends it); -1 when it runs past the end.
qsizetype skipName(const QByteArray &bytes, qsizetype at)
{
    for (int labels = 0; at < bytes.size() && labels < 128; ++labels) {
        const quint8 length = quint8(bytes[at]);
        if (length == 0)
            return at + 1;
        if ((length & 0xc0) == 0xc0)
            return at + 2 <= bytes.size() ? at + 2 : -1;
        at += 1 + length;
    }
    return -1;
}

} // namespace

namespace Dns {

std::optional<Resolver> systemResolver(const QString &resolvConf)
{
    QFile file(resolvConf);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        QHostAddress address;
        if (words.size() >= 2 && words[0] == "nameserver" && address.setAddress(QString::fromLatin1(words[1])))
            return Resolver { address };
    }
    return std::nullopt;
}

QByteArray question(quint16 id, const QString &aceName)
{
    QByteArray bytes;
    appendWord(bytes, id);
    appendWord(bytes, 0x0100); // a query, recursion desired
    appendWord(bytes, 1); // one question
    bytes.append(6, '\0'); // no answers, authorities or additions
    for (const QString &label : aceName.split(u'.', Qt::SkipEmptyParts)) {
        const QByteArray ascii = label.toLatin1().left(63);
        bytes.append(char(ascii.size())).append(ascii);
    }
    bytes.append('\0');
    appendWord(bytes, kTypeNs);
    appendWord(bytes, kClassIn);
    return bytes;
}

Delegation read(const QByteArray &answer, quint16 id, const QString &aceName)
{
    const QByteArray asked = question(id, aceName);
    // The header, then the question as it was asked (the case of its letters aside).
    if (answer.size() < asked.size() || word(answer, 0) != id || !(quint8(answer[2]) & 0x80) || word(answer, 4) != 1
        || answer.mid(12, asked.size() - 12).toLower() != asked.mid(12).toLower())
        return Delegation::Unknown;
    if (quint8(answer[2]) & 0x02) // cut short
        return Delegation::Unknown;
    const int code = quint8(answer[3]) & 0x0f;
    if (code == 3) // no such name
        return Delegation::NotDelegated;
    if (code != 0)
        return Delegation::Unknown;
    const int answers = word(answer, 6);
    qsizetype at = asked.size();
    for (int i = 0; i < answers; ++i) {
        at = skipName(answer, at);
        if (at < 0 || at + 10 > answer.size())
            return Delegation::Unknown;
        const quint16 type = word(answer, at);
        const quint16 length = word(answer, at + 8);
        if (type == kTypeNs)
            return Delegation::Delegated;
        at += 10 + length;
    }
    return Delegation::NotDelegated;
}

void delegation(const Resolver &resolver, const QString &aceName, QObject *context,
                std::function<void(Delegation)> done)
{
    auto *socket = new QUdpSocket(context);
    auto *timer = new QTimer(socket);
    const quint16 id = quint16(QRandomGenerator::system()->generate());
    const QByteArray asked = question(id, aceName);
    auto finished = std::make_shared<bool>(false);
    const auto finish = [socket, done, finished](Delegation delegation) {
        if (std::exchange(*finished, true))
            return;
        socket->deleteLater();
        done(delegation);
    };
    QObject::connect(socket, &QUdpSocket::readyRead, socket, [socket, id, aceName, finish] {
        while (socket->hasPendingDatagrams()) {
            const QByteArray answer = socket->receiveDatagram(4096).data();
            const Delegation delegation = read(answer, id, aceName);
            if (delegation != Delegation::Unknown || (answer.size() >= 2 && word(answer, 0) == id))
                return finish(delegation);
        }
    });
    // Asked once more when the first question has no answer in time (UDP may lose it), then given up.
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, resolver, asked, tries, finish] {
        if (++*tries > 1)
            return finish(Delegation::Unknown);
        socket->writeDatagram(asked, resolver.address, resolver.port);
    });
    timer->start(resolver.timeoutMs);
    if (socket->writeDatagram(asked, resolver.address, resolver.port) != asked.size())
        QTimer::singleShot(0, socket, [finish] { finish(Delegation::Unknown); });
}

} // namespace Dns
