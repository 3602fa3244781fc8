#pragma once

#include <QObject>

// Reports how long after the given start (nanoseconds of CLOCK_REALTIME) the first window was exposed,
// then, half a second later, the process's peak resident memory, and ends the process.
class FirstShow : public QObject
{
public:
    explicit FirstShow(qint64 startNs);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qint64 m_startNs;
    bool m_seen = false;
};
