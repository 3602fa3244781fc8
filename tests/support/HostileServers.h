#pragma once

#include "LocalHttpServer.h"
#include "TestFiles.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

// Servers that misbehave, for both version checks. Each row: the reply at the version file's path, and
// whether the check still reaches its normal end ("not newer") or takes the failure path ("failed").
// "{other}" in a body stands for another server on 127.0.0.2 that publishes a newer version.
inline void addHostileServerRows(const QByteArray &path)
{
    using Reply = LocalHttpServer::Reply;
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<QString>("outcome");

    const QByteArray file = TestFiles::versionFile("1.0.2004");
    QTest::newRow("trickles a byte a second, never ends")
        << Reply { 200, "", "text/plain", Reply::Mode::Trickle, 1000 } << "failed";
    QTest::newRow("50 MB, announced") << Reply { 200, file + QByteArray(50 << 20, ' ') } << "failed";
    QTest::newRow("50 MB, not announced")
        << Reply { 200, file + QByteArray(50 << 20, ' '), "text/plain", Reply::Mode::NoLength } << "failed";
    QTest::newRow("connection reset mid-body")
        << Reply { 200, file + QByteArray(4096, ' '), "text/plain", Reply::Mode::Reset } << "failed";
    QTest::newRow("redirects in a loop") << Reply { 302, path, "text/plain", Reply::Mode::Redirect } << "failed";
    QTest::newRow("redirects to another host")
        << Reply { 302, "{other}" + path, "text/plain", Reply::Mode::Redirect } << "failed";
    QTest::newRow("a version file with status 500") << Reply { 500, file } << "failed";
    QTest::newRow("garbage at the version positions")
        << Reply { 200, QByteArray(31, 'x') + QByteArray("\x01\xff.\x7f.\xfe\x80\x02", 8) + ";" } << "failed";
    QTest::newRow("NULs at the version positions")
        << Reply { 200, QByteArray(31, 'x') + QByteArray(8, '\0') } << "failed";
    QTest::newRow("a correct file after all") << Reply { 200, file } << "not newer";
}

// One check against a hostile server: routes the row's reply, points "{other}" at a second server, and
// watches the wait: it must end before the deadline and leave the thread handling timers (and so repaints).
class HostileServerRun
{
public:
    static constexpr int kDeadlineMs = 1500;

    // False, with the reason, when the row cannot run here.
    bool prepare(LocalHttpServer &server, const QByteArray &path, LocalHttpServer::Reply reply, QString *why)
    {
        if (reply.body.startsWith("{other}")) {
            if (!m_other.listen(0, QHostAddress(QStringLiteral("127.0.0.2")))) {
                *why = QStringLiteral("no second loopback address to listen on");
                return false;
            }
            reply.body.replace("{other}", m_other.base().toLatin1());
            m_other.route(path, { 200, TestFiles::versionFile("9.9.9999") });
        }
        server.route(path, reply);
        return true;
    }

    void start()
    {
        QObject::connect(&m_pulse, &QTimer::timeout, [this] { ++m_pulses; });
        m_pulse.start(50);
        m_clock.start();
    }

    // Empty when the wait was as it should be, else what was wrong.
    QString verdict() const
    {
        const qint64 waited = m_clock.elapsed();
        if (waited >= kDeadlineMs + 1000)
            return QStringLiteral("waited %1 ms, past the deadline").arg(waited);
        if (waited > 600 && m_pulses < waited / 150)
            return QStringLiteral("only %1 timer ticks in %2 ms of waiting").arg(m_pulses).arg(waited);
        if (!m_other.log().isEmpty())
            return QStringLiteral("the other host was asked");
        return {};
    }

private:
    LocalHttpServer m_other;
    QTimer m_pulse;
    int m_pulses = 0;
    QElapsedTimer m_clock;
};
