#pragma once

#include <QHash>
#include <QWidget>

class QLabel;

// The strip at the foot of a window that shows its state. It draws nothing itself: the labels placed in it do.
// Screen readers find it as the window's status bar, with its labels as its items, and hear each change that
// announce() is told of once, without the focus moving: a notice inside the bar that is shown at no size (a
// sighted user sees nothing of it), the way a desktop's status bar tells of a change.
class StatusBar : public QWidget
{
    Q_OBJECT
public:
    StatusBar(QWidget *window, const char *name, QRect geometry);

    // A new state of one of the bar's labels to tell; the text that label last told, an empty text, or a text
    // while the window is hidden is not told.
    void announce(const QWidget *label, const QString &text);

private:
    QLabel *m_notice;
    QHash<const QWidget *, QString> m_told;
};
