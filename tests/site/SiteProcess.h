#pragma once

#include <QProcess>
#include <QStringList>

// The real quelcor-site program, started on a free loopback port with the options given.
class SiteProcess
{
public:
    explicit SiteProcess(const QStringList &options);
    ~SiteProcess();

    bool started() const { return m_port != 0; }
    quint16 port() const { return m_port; }
    QString base() const;
    QStringList log(); // the lines it wrote to standard output so far

private:
    QProcess m_process;
    quint16 m_port = 0;
    QByteArray m_output;
};
