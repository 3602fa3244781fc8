#include "SiteProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>

SiteProcess::SiteProcess(const QStringList &options, quint16 fixedPort)
{
    for (int attempt = 0; attempt < (fixedPort ? 1 : 5) && m_port == 0; ++attempt) {
        quint16 port = fixedPort;
        if (port == 0) {
            QTcpServer probe;
            if (!probe.listen(QHostAddress::LocalHost, 0))
                continue;
            port = probe.serverPort();
        }
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel); // its complaints, in the test's output
        m_process.start(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-site"),
                        QStringList { QStringLiteral("--port"), QString::number(port) } + options);
        m_output.clear();
        const QDeadlineTimer deadline(10'000);
        while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning && !m_output.contains("listening")) {
            m_process.waitForReadyRead(100);
            m_output += m_process.readAllStandardOutput();
        }
        if (m_output.contains("listening"))
            m_port = port;
        else
            m_process.kill(), m_process.waitForFinished(5000);
    }
}

SiteProcess::~SiteProcess()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString SiteProcess::base() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QStringList SiteProcess::log()
{
    // What the site wrote and this side has not read from the pipe yet counts as written.
    while (m_process.state() == QProcess::Running && m_process.waitForReadyRead(0)) { }
    m_output += m_process.readAllStandardOutput();
    return QString::fromUtf8(m_output).split(u'\n', Qt::SkipEmptyParts);
}

int SiteProcess::terminate(int waitMs)
{
    // The test's own fake servers keep answering meanwhile: this thread's events are served while it waits.
    m_process.terminate();
    const QDeadlineTimer deadline(waitMs);
    while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        m_process.waitForFinished(20);
    }
    if (m_process.state() != QProcess::NotRunning || m_process.exitStatus() != QProcess::NormalExit)
        return -1;
    m_output += m_process.readAllStandardOutput();
    return m_process.exitCode();
}

void SiteProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

Page get(const QString &url, const QByteArray &ifNoneMatch, const QByteArray &forwardedFor)
{
    QNetworkAccessManager network;
    QNetworkRequest request { QUrl(url) };
    if (!ifNoneMatch.isEmpty())
        request.setRawHeader("If-None-Match", ifNoneMatch);
    if (!forwardedFor.isEmpty())
        request.setRawHeader("X-Forwarded-For", forwardedFor);
    request.setTransferTimeout(20'000);
    QNetworkReply *reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    Page page { reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                reply->readAll(),
                reply->rawHeader("Content-Security-Policy"),
                reply->rawHeader("Content-Disposition"),
                reply->rawHeader("Content-Type"),
                reply->rawHeader("Retry-After"),
                reply->rawHeader("Access-Control-Allow-Origin"),
                reply->rawHeader("ETag"),
                reply->rawHeader("Cache-Control"),
                reply->rawHeader("RateLimit") };
    delete reply;
    return page;
}

Page served(const QString &url, const QByteArray &ifNoneMatch, const QByteArray &forwardedFor)
{
    Page page;
    QEventLoop loop;
    std::unique_ptr<QThread> asker(QThread::create([&] { page = get(url, ifNoneMatch, forwardedFor); }));
    QObject::connect(asker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    asker->start();
    loop.exec();
    asker->wait();
    return page;
}

std::pair<int, QString> runLookup(const QStringList &arguments)
{
    QProcess lookup;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LANG"_qs, u"C.UTF-8"_qs);
    lookup.setProcessEnvironment(environment);
    lookup.start(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-lookup"), arguments);
    if (!lookup.waitForStarted())
        return { -1, QString() };
    QEventLoop loop; // serving this thread's stand-ins meanwhile
    QObject::connect(&lookup, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30'000, &loop, &QEventLoop::quit);
    if (lookup.state() != QProcess::NotRunning)
        loop.exec();
    const QString out = QString::fromUtf8(lookup.readAllStandardOutput() + lookup.readAllStandardError());
    return { lookup.exitStatus() == QProcess::NormalExit ? lookup.exitCode() : -1, out };
}
