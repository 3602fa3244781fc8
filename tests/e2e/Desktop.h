#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

// A virtual X display for the end-to-end tests, with what a person would do on it: find windows by title,
// click, take screenshots.
class Desktop
{
public:
    Desktop();
    ~Desktop();

    // withWindowManager: runs openbox on the display, for title bars, closes and keyboard shortcuts.
    bool start(QString *error, bool withWindowManager = false);
    QString display() const { return m_display; }
    QProcessEnvironment environment() const; // for programs started on this display

    // The visible windows whose title is exactly title, waiting up to timeoutMs for one to appear.
    QStringList waitForWindows(const QString &title, int timeoutMs);
    QStringList windows(const QString &title);
    // Windows are named by their titles; there must be exactly one visible window of that title.
    QRect windowGeometry(const QString &title);
    bool click(const QString &title, QPoint at);
    // A property of a window as xprop prints it (the window manager's _NET_WM_ALLOWED_ACTIONS, say).
    QString property(const QString &title, const QString &name);
    // Gives the window the keyboard focus and types text, then presses the keys named (xdotool's names).
    bool type(const QString &title, const QString &text, const QStringList &keys = {});
    // What the display's clipboard holds as text (xclip).
    QString clipboard();
    // Saves a screenshot of a window (or the whole screen for an empty title) and returns it.
    QImage screenshot(const QString &title, const QString &path);
    // The same, once the window has settled: the pointer moved off every window (no control drawn hovered), then
    // screenshots until two in a row are the same. A null image when it does not settle within timeoutMs.
    QImage settledScreenshot(const QString &title, const QString &path, int timeoutMs = 20000);
    // What the display holds, for a failure's report: the display server and window manager (running or not,
    // what they said), the window manager's view (its check window, the active window, its clients, the
    // desktop), every top-level window and every window in a window manager's frame with its title, map state,
    // geometry and window manager state, and what the helper programs complained of. A screenshot of the whole
    // screen goes to shotPath.
    QString describe(const QString &shotPath);
    // Where a running process is: its threads' stacks as gdb prints them, or why they cannot be had.
    static QString stacks(qint64 pid);
    // "running", "never started", "crashed" or "ended with status N".
    static QString processState(const QProcess &process);

private:
    bool startServer(QString *error);
    QString run(const QString &program, const QStringList &args, int *exitCode = nullptr);

    QString m_lastComplaint; // what the last helper program said on standard error, or why it failed
    QStringList m_complaints; // the newest lines the helper programs wrote on standard error, for describe()

    QProcess m_xvfb;
    QProcess m_windowManager;
    QString m_display;
};
