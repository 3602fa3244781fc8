#pragma once

#include <QProcess>
#include <QStringList>

#include <utility>

// The real quelcor-site program, started on a loopback port with the options given.
class SiteProcess
{
public:
    // port 0: a free one.
    explicit SiteProcess(const QStringList &options, quint16 port = 0);
    ~SiteProcess();

    bool started() const { return m_port != 0; }
    bool running() const { return m_process.state() == QProcess::Running; }
    quint16 port() const { return m_port; }
    QString base() const;
    QStringList log(); // the lines it wrote to standard output so far
    // Sends SIGTERM and waits for the end, serving this thread's events meanwhile: the exit code, or -1 when it
    // did not end normally within the time.
    int terminate(int waitMs);
    void kill(); // SIGKILL: nothing is finished

private:
    QProcess m_process;
    quint16 m_port = 0;
    QByteArray m_output;
};

// An answer of the site (or of any HTTP server) as its tests read it.
struct Page
{
    int status = 0;
    QByteArray body;
    QByteArray csp;
    QByteArray disposition;
    QByteArray contentType;
    QByteArray retryAfter;
    QByteArray allowOrigin;
    QByteArray etag;
    QByteArray cacheControl;
    QByteArray rateLimit;
};

// A GET of the URL, waited for (20 s at most); forwardedFor: an X-Forwarded-For to send.
Page get(const QString &url, const QByteArray &ifNoneMatch = {}, const QByteArray &forwardedFor = {});
// The same, from a thread of its own, while this one serves the test's fake servers.
Page served(const QString &url, const QByteArray &ifNoneMatch = {}, const QByteArray &forwardedFor = {});
// quelcor-lookup run to its end with the arguments, in a C locale, while this thread serves the test's fake
// servers: its exit code (-1 when it did not end normally within 30 s) and its output.
std::pair<int, QString> runLookup(const QStringList &arguments);
