#include "FakeDns.h"

#include <QNetworkDatagram>

bool FakeDns::listen()
{
    if (!m_socket.bind(QHostAddress::LocalHost, 0))
        return false;
    connect(&m_socket, &QUdpSocket::readyRead, this, [this] {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_socket.receiveDatagram();
            QByteArray question = datagram.data();
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
            if (silent.contains(name))
                continue;
            QByteArray answer = question.left(at + 5); // the header and the question
            answer[2] = char(0x81); // an answer, recursion desired
            answer[3] = char(delegated.contains(name) ? 0x80 : 0x83); // recursion available; no such name
            if (delegated.contains(name)) {
                answer[7] = 1; // one answer: name NS ns1.example.net
                const QByteArray target("\x03ns1\x07"
                                        "example\x03net\x00",
                                        17);
                answer += QByteArray("\xc0\x0c\x00\x02\x00\x01\x00\x00\x0e\x10", 10);
                answer += char(0) + QByteArray(1, char(target.size())) + target;
            }
            m_socket.writeDatagram(answer, datagram.senderAddress(), quint16(datagram.senderPort()));
        }
    });
    return true;
}
