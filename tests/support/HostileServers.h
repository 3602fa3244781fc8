#pragma once

#include "LocalHttpServer.h"
#include "TestFiles.h"

#include <QTest>

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
