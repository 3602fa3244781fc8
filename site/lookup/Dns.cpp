#include "Dns.h"

#include <QFile>
#include <QNetworkDatagram>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QUdpSocket>
#include <QtEndian>

#include <memory>
#include <utility>

namespace {

constexpr quint16 kTypeA = 1;
constexpr quint16 kTypeNs = 2;
constexpr quint16 kTypeAaaa = 28;
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

// Where an answer's records begin: after its header and the question as it was asked (the case of its letters
// aside); -1 for an answer to another question, or one that is not an answer.
qsizetype recordsStart(const QByteArray &answer, quint16 id, const QString &aceName, quint16 type)
{
    const QByteArray asked = Dns::question(id, aceName, type);
    if (answer.size() < asked.size() || word(answer, 0) != id || !(quint8(answer[2]) & 0x80) || word(answer, 4) != 1
        || answer.mid(12, asked.size() - 12).toLower() != asked.mid(12).toLower())
        return -1;
    return asked.size();
}

// The answer section's records from `at`, each its type and data (as much of it as came); *complete is false when
// one runs past the end.
QList<std::pair<quint16, QByteArray>> records(const QByteArray &answer, qsizetype at, bool *complete)
{
    QList<std::pair<quint16, QByteArray>> found;
    *complete = false;
    for (int i = 0, count = word(answer, 6); i < count && found.size() < 64; ++i) {
        at = skipName(answer, at);
        if (at < 0 || at + 10 > answer.size())
            return found;
        const quint16 length = word(answer, at + 8);
        found.append({ word(answer, at), answer.mid(at + 10, length) });
        at += 10 + length;
    }
    *complete = true;
    return found;
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

QByteArray question(quint16 id, const QString &aceName, quint16 type)
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
    appendWord(bytes, type);
    appendWord(bytes, kClassIn);
    return bytes;
}

Delegation read(const QByteArray &answer, quint16 id, const QString &aceName)
{
    const qsizetype start = recordsStart(answer, id, aceName, kTypeNs);
    if (start < 0)
        return Delegation::Unknown;
    if (quint8(answer[2]) & 0x02) // cut short
        return Delegation::Unknown;
    const int code = quint8(answer[3]) & 0x0f;
    if (code == 3) // no such name
        return Delegation::NotDelegated;
    if (code != 0)
        return Delegation::Unknown;
    bool complete = false;
    for (const auto &[type, data] : records(answer, start, &complete)) {
        if (type == kTypeNs)
            return Delegation::Delegated;
    }
    return complete ? Delegation::NotDelegated : Delegation::Unknown;
}

namespace {

// One question, asked once more when it has no answer in time (UDP may lose it); done with the answer to it, or
// with no bytes when none came.
void ask(const Resolver &resolver, const QString &aceName, quint16 type, QObject *context,
         std::function<void(const QByteArray &answer, quint16 id)> done)
{
    auto *socket = new QUdpSocket(context);
    auto *timer = new QTimer(socket);
    const quint16 id = quint16(QRandomGenerator::system()->generate());
    const QByteArray asked = question(id, aceName, type);
    auto finished = std::make_shared<bool>(false);
    const auto finish = [socket, done, finished, id](const QByteArray &answer) {
        if (std::exchange(*finished, true))
            return;
        socket->deleteLater();
        done(answer, id);
    };
    QObject::connect(socket, &QUdpSocket::readyRead, socket, [socket, id, finish] {
        while (socket->hasPendingDatagrams()) {
            const QByteArray answer = socket->receiveDatagram(4096).data();
            if (answer.size() >= 12 && word(answer, 0) == id)
                return finish(answer);
        }
    });
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, resolver, asked, tries, finish] {
        if (++*tries > 1)
            return finish(QByteArray());
        socket->writeDatagram(asked, resolver.address, resolver.port);
    });
    timer->start(resolver.timeoutMs);
    if (socket->writeDatagram(asked, resolver.address, resolver.port) != asked.size())
        QTimer::singleShot(0, socket, [finish] { finish(QByteArray()); });
}

} // namespace

void delegation(const Resolver &resolver, const QString &aceName, QObject *context,
                std::function<void(Delegation)> done)
{
    ask(resolver, aceName, kTypeNs, context, [aceName, done](const QByteArray &answer, quint16 id) {
        done(answer.isEmpty() ? Delegation::Unknown : read(answer, id, aceName));
    });
}

static QList<QHostAddress> readAddresses(const QByteArray &answer, quint16 id, const QString &aceName, quint16 type)
{
    QList<QHostAddress> addresses;
    const qsizetype start = recordsStart(answer, id, aceName, type);
    if (start < 0 || (quint8(answer[3]) & 0x0f) != 0)
        return addresses;
    bool complete = false;
    for (const auto &[recordType, data] : records(answer, start, &complete)) {
        if (recordType == kTypeA && type == kTypeA && data.size() == 4)
            addresses.append(QHostAddress(qFromBigEndian<quint32>(data.constData())));
        else if (recordType == kTypeAaaa && type == kTypeAaaa && data.size() == 16)
            addresses.append(QHostAddress(reinterpret_cast<const quint8 *>(data.constData())));
    }
    return addresses.mid(0, 16);
}

void addresses(const Resolver &resolver, const QString &aceName, QObject *context,
               std::function<void(QList<QHostAddress>)> done)
{
    ask(resolver, aceName, kTypeA, context, [=](const QByteArray &v4, quint16 id4) {
        const QList<QHostAddress> first = readAddresses(v4, id4, aceName, kTypeA);
        ask(resolver, aceName, kTypeAaaa, context,
            [=](const QByteArray &v6, quint16 id6) { done(first + readAddresses(v6, id6, aceName, kTypeAaaa)); });
    });
}

} // namespace Dns
