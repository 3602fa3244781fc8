#pragma once

#include <QProcess>
#include <QStringList>

// The real quelcor-site program, started on a loopback port with the options given.
class SiteProcess
{
public:
    // port 0: a free one.
    explicit SiteProcess(const QStringList &options, quint16 port = 0);
    ~SiteProcess();

    bool started() const { return m_port != 0; }
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
