#include "FakeDns.h"

#include <QNetworkDatagram>
#include <QtEndian>

bool FakeDns::listen(const QHostAddress &address, quint16 port)
{
    if (!m_socket.bind(address, port))
        return false;
    connect(&m_socket, &QUdpSocket::readyRead, this, [this] {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_socket.receiveDatagram();
            const QByteArray question = datagram.data();
            // The name: its labels after the 12 bytes of the header.
            QStringList labels;
            qsizetype at = 12;
            while (at < question.size() && question[at] != 0) {
                const int length = quint8(question[at]);
                labels.append(QString::fromLatin1(question.mid(at + 1, length)).toLower());
                at += 1 + length;
            }
            const QString name = labels.join(u'.');
            asked.append(name);
            if (silent.contains(name) || at + 5 > question.size())
                continue;
            m_socket.writeDatagram(answer(question, at + 5, name), datagram.senderAddress(),
                                   quint16(datagram.senderPort()));
        }
    });
    return true;
}

QByteArray FakeDns::answer(const QByteArray &question, qsizetype end, const QString &name)
{
    const quint16 type = qFromBigEndian<quint16>(question.constData() + end - 4);
    QByteArray answer = question.left(end); // the header and the question
    answer[2] = char(0x81); // an answer, recursion desired
    QList<QByteArray> records; // each: type, class, time to live, data
    if (type == 2 && delegated.contains(name)) { // NS ns1.example.net
        const QByteArray target("\x03ns1\x07"
                                "example\x03net\x00",
                                17);
        records.append(QByteArray("\x00\x02\x00\x01\x00\x00\x0e\x10", 8) + char(0) + char(target.size()) + target);
    } else if ((type == 1 || type == 28) && addresses.contains(name)) {
        const bool later = type == 1 ? m_addressQuestions[name]++ > 0 : m_addressQuestions.value(name) > 1;
        for (const QHostAddress &address : later &&rebound.contains(name) ? rebound[name] : addresses[name]) {
            const bool v4 = address.protocol() == QAbstractSocket::IPv4Protocol;
            if (v4 != (type == 1))
                continue;
            QByteArray data(v4 ? 4 : 16, Qt::Uninitialized);
            if (v4) {
                qToBigEndian(address.toIPv4Address(), data.data());
            } else {
                const Q_IPV6ADDR six = address.toIPv6Address();
                std::copy(six.c, six.c + 16, data.data());
            }
            records.append(QByteArray("\x00", 1) + char(type) + QByteArray("\x00\x01\x00\x00\x00\x00", 6) + char(0)
                           + char(data.size()) + data);
        }
    }
    const bool known = delegated.contains(name) || addresses.contains(name);
    answer[3] = char(known ? 0x80 : 0x83); // recursion available; no such name
    answer[6] = 0;
    answer[7] = char(records.size());
    for (const QByteArray &record : records)
        answer += QByteArray("\xc0\x0c", 2) + record; // the name: the question's
    return answer;
}
