#include "Desktop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTime>

Desktop::Desktop() = default;

Desktop::~Desktop()
{
    if (m_windowManager.state() != QProcess::NotRunning) {
        m_windowManager.kill();
        m_windowManager.waitForFinished(3000);
    }
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        if (!m_xvfb.waitForFinished(3000))
            m_xvfb.kill();
        m_xvfb.waitForFinished(3000);
    }
}

bool Desktop::start(QString *error, bool withWindowManager)
{
    if (!startServer(error))
        return false;
    if (!withWindowManager)
        return true;
    m_windowManager.setProcessEnvironment(environment());
    m_windowManager.setStandardOutputFile(QProcess::nullDevice()); // its standard error is kept for describe()
    m_windowManager.start(QStringLiteral("openbox"), { QStringLiteral("--sm-disable") });
    if (!m_windowManager.waitForStarted(5000)) {
        *error = QStringLiteral("openbox does not start: ") + m_windowManager.errorString();
        return false;
    }
    // It has taken over the display once it names its check window on the root window.
    QDeadlineTimer deadline(20000);
    while (!run(QStringLiteral("xprop"), { QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK") })
                .contains(u"window id")) {
        if (deadline.hasExpired() || m_windowManager.state() != QProcess::Running) {
            *error = QStringLiteral("openbox did not take over the display within 20 seconds");
            return false;
        }
        QTest::qWait(100);
    }
    return true;
}

bool Desktop::startServer(QString *error)
{
    // The project's helper finds a free display number and says it once the display serves. A display just
    // stopped may still answer on its old number for a moment, so this process never asks for one twice.
    static int next = 90 + QCoreApplication::applicationPid() % 100;
    m_xvfb.start(QStringLiteral(QUELCOR_SOURCE_DIR "/scripts/lib/virtual-display"), { QString::number(next) });
    QDeadlineTimer deadline(30000);
    while (!m_xvfb.canReadLine() && m_xvfb.state() != QProcess::NotRunning && !deadline.hasExpired())
        m_xvfb.waitForReadyRead(100);
    if (!m_xvfb.canReadLine()) {
        *error = QStringLiteral("the virtual display did not start: ")
            + QString::fromLocal8Bit(m_xvfb.readAllStandardError()).trimmed();
        return false;
    }
    m_display = QString::fromLocal8Bit(m_xvfb.readLine()).trimmed();
    next = m_display.mid(1).toInt() + 1;
    return true;
}

QProcessEnvironment Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("DISPLAY"), m_display);
    return env;
}

QString Desktop::run(const QString &program, const QStringList &args, int *exitCode)
{
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(program, args);
    // Keep this process's own servers answering meanwhile: the program under test may hold the display
    // until the page it asked this process for has arrived.
    QDeadlineTimer deadline(15000);
    while (p.state() != QProcess::NotRunning && !p.waitForFinished(10) && !deadline.hasExpired())
        QCoreApplication::processEvents();
    const bool finished = p.state() == QProcess::NotRunning;
    if (!finished) {
        p.kill();
        p.waitForFinished(1000);
    }
    const bool ok = finished && p.error() != QProcess::FailedToStart && p.exitStatus() == QProcess::NormalExit;
    if (exitCode)
        *exitCode = ok ? p.exitCode() : -1;
    // Kept for a failure's report: a helper that hung, crashed or complained (an X error, say) is the first
    // thing to know when a window was not found.
    QString complaint = QString::fromLocal8Bit(p.readAllStandardError()).simplified();
    if (p.error() == QProcess::FailedToStart)
        complaint = QStringLiteral("could not be started: ") + p.errorString();
    else if (!finished)
        complaint = QStringLiteral("did not finish within 15 seconds and was stopped ") + complaint;
    else if (p.exitStatus() != QProcess::NormalExit)
        complaint = QStringLiteral("crashed ") + complaint;
    m_lastComplaint = complaint;
    if (!complaint.isEmpty()) {
        complaint = QStringLiteral("%1 %2 %3: %4")
                        .arg(QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")), program, args.value(0),
                             complaint.left(300));
        m_complaints.append(complaint);
        if (m_complaints.size() > 20)
            m_complaints.removeFirst();
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QString Desktop::processState(const QProcess &process)
{
    if (process.state() != QProcess::NotRunning)
        return QStringLiteral("running");
    if (process.error() == QProcess::FailedToStart)
        return QStringLiteral("never started");
    return process.exitStatus() == QProcess::CrashExit ? QStringLiteral("crashed")
                                                       : QStringLiteral("ended with status %1").arg(process.exitCode());
}

QString Desktop::stacks(qint64 pid)
{
    if (QStandardPaths::findExecutable(QStringLiteral("gdb")).isEmpty())
        return QStringLiteral("(gdb is not installed)");
    QProcess gdb;
    gdb.start(QStringLiteral("gdb"),
              { QStringLiteral("-p"), QString::number(pid), QStringLiteral("-batch"), QStringLiteral("-ex"),
                QStringLiteral("thread apply all bt 15") });
    if (!gdb.waitForFinished(60000))
        return QStringLiteral("(gdb did not finish within a minute)");
    static const QRegularExpression stackLine(QStringLiteral("^(Thread |#)"));
    const QStringList stack = QString::fromLocal8Bit(gdb.readAll()).split(u'\n').filter(stackLine);
    return stack.isEmpty() ? QStringLiteral("(gdb could not attach: %1)")
                                 .arg(QString::fromLocal8Bit(gdb.readAllStandardError()).simplified().left(300))
                           : stack.join(u'\n');
}

QString Desktop::describe(const QString &shotPath)
{
    QStringList lines;
    lines << QStringLiteral("display %1: its server %2 %3")
                 .arg(m_display, processState(m_xvfb),
                      QString::fromLocal8Bit(m_xvfb.readAllStandardError()).simplified());
    if (m_windowManager.program().isEmpty())
        lines << QStringLiteral("no window manager");
    else
        lines << QStringLiteral("window manager %1: %2 %3")
                     .arg(m_windowManager.program(), processState(m_windowManager),
                          QString::fromLocal8Bit(m_windowManager.readAllStandardError()).simplified());
    // A window manager that no longer answers leaves every new window unmapped.
    if (m_windowManager.state() == QProcess::Running)
        lines << QStringLiteral("its threads:") << stacks(m_windowManager.processId());
    int code = -1;
    const QString tree = run(QStringLiteral("xwininfo"), { QStringLiteral("-root"), QStringLiteral("-tree") }, &code);
    if (code != 0) {
        lines << QStringLiteral("the display does not answer (xwininfo: %1)").arg(code);
    } else {
        lines << QStringLiteral("the window manager's view: ")
                + run(QStringLiteral("xprop"),
                      { QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK"),
                        QStringLiteral("_NET_ACTIVE_WINDOW"), QStringLiteral("_NET_CLIENT_LIST"),
                        QStringLiteral("_NET_CURRENT_DESKTOP"), QStringLiteral("_NET_SHOWING_DESKTOP") })
                      .simplified();
        // xwininfo indents each level of the tree by three more blanks, the root's children by five: those,
        // and the named windows in their frames.
        static const QRegularExpression windowLine(QStringLiteral("^( {5}| {8})(0x[0-9a-f]+) (.*)$"));
        for (const QString &line : tree.split(u'\n')) {
            const QRegularExpressionMatch m = windowLine.match(line);
            if (!m.hasMatch() || (m.capturedLength(1) == 8 && m.captured(3).startsWith(u"(has no name)")))
                continue;
            const QString id = m.captured(2);
            static const QRegularExpression mapState(QStringLiteral("Map State: (\\w+)"));
            const QString state
                = mapState.match(run(QStringLiteral("xwininfo"), { QStringLiteral("-id"), id })).captured(1);
            QString managed;
            if (!m.captured(3).startsWith(u"(has no name)"))
                managed = run(QStringLiteral("xprop"),
                              { QStringLiteral("-id"), id, QStringLiteral("WM_STATE"), QStringLiteral("_NET_WM_STATE"),
                                QStringLiteral("_NET_WM_DESKTOP") })
                              .simplified();
            lines << QStringLiteral("%1%2 %3 %4 %5")
                         .arg(m.capturedLength(1) == 5 ? QString() : QStringLiteral("  in it: "), id, state,
                              m.captured(3).simplified(), managed);
        }
    }
    QFile load(QStringLiteral("/proc/loadavg"));
    const QStringList busiest
        = run(QStringLiteral("ps"),
              { QStringLiteral("-eo"), QStringLiteral("pcpu,etime,args"), QStringLiteral("--sort=-pcpu") })
              .split(u'\n', Qt::SkipEmptyParts);
    lines << QStringLiteral("the machine's load: %1; the busiest processes (%CPU, running for, command):")
                 .arg(load.open(QIODevice::ReadOnly) ? QString::fromLatin1(load.readAll()).simplified() : QString())
          << busiest.mid(1, 6);
    lines << QStringLiteral("what the helper programs said lately:")
          << (m_complaints.isEmpty() ? QStringList { QStringLiteral("nothing") } : m_complaints);
    const bool shot = !screenshot(QString(), shotPath).isNull();
    lines << QStringLiteral("the whole screen: %1").arg(shot ? shotPath : QStringLiteral("no picture could be taken"));
    return lines.join(u'\n');
}

QStringList Desktop::windows(const QString &title)
{
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    // xdotool ends with status 1 both when no window matches and when some window went away while it looked (an X
    // error, which Debian 12's xdotool does not survive) or it was stopped: only the first means there is none.
    for (int attempt = 1;; ++attempt) {
        int code = -1;
        const QString found = run(
            QStringLiteral("xdotool"),
            { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern }, &code);
        if (code == 0 || (code == 1 && m_lastComplaint.isEmpty()) || attempt == 3)
            return found.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
}

QStringList Desktop::waitForWindows(const QString &title, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QElapsedTimer sinceLast;
    sinceLast.start();
    int searches = 0;
    qint64 longestGap = 0; // a search takes some 20 ms and the next follows 100 ms later
    for (;;) {
        const QStringList found = windows(title);
        ++searches;
        longestGap = qMax(longestGap, sinceLast.restart());
        if (!found.isEmpty())
            return found;
        if (deadline.hasExpired()) {
            // Told apart: a window that was not there, and a test that could not look (the machine stalled).
            qWarning("no window \"%s\" within %d ms: %d searches, the longest %lld ms from one to the next",
                     qPrintable(title), timeoutMs, searches, longestGap);
            return found;
        }
        QTest::qWait(100);
    }
}

QRect Desktop::windowGeometry(const QString &title)
{
    const QStringList ids = windows(title);
    if (ids.size() != 1)
        return {};
    // xwininfo gives the client area's place on the screen, also when a window manager has framed it.
    const QString info = run(QStringLiteral("xwininfo"), { QStringLiteral("-id"), ids.first() });
    auto value = [&](const char *key) {
        return QRegularExpression(QLatin1String(key) + QStringLiteral(":\\s*(-?\\d+)")).match(info).captured(1).toInt();
    };
    return QRect(value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height"));
}

QString Desktop::property(const QString &title, const QString &name)
{
    const QStringList ids = windows(title);
    return ids.size() == 1 ? run(QStringLiteral("xprop"), { QStringLiteral("-id"), ids.first(), name }) : QString();
}

bool Desktop::click(const QString &title, QPoint at)
{
    const QRect window = windowGeometry(title);
    if (window.isEmpty())
        return false;
    const QPoint p = window.topLeft() + at;
    int code = -1;
    run(QStringLiteral("xdotool"),
        { QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()), QStringLiteral("click"),
          QStringLiteral("1") },
        &code);
    return code == 0;
}

bool Desktop::type(const QString &title, const QString &text, const QStringList &keys)
{
    const QStringList ids = windows(title);
    if (ids.size() != 1)
        return false;
    int code = -1;
    // With a window manager the window is activated through it; without one, focus is simply set.
    if (m_windowManager.state() == QProcess::Running)
        run(QStringLiteral("xdotool"), { QStringLiteral("windowactivate"), QStringLiteral("--sync"), ids.first() },
            &code);
    if (code != 0)
        run(QStringLiteral("xdotool"), { QStringLiteral("windowfocus"), QStringLiteral("--sync"), ids.first() }, &code);
    if (code != 0)
        return false;
    if (!text.isEmpty())
        run(QStringLiteral("xdotool"),
            { QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), text }, &code);
    for (const QString &key : keys)
        run(QStringLiteral("xdotool"), { QStringLiteral("key"), key }, &code);
    return code == 0;
}

QString Desktop::clipboard()
{
    return run(QStringLiteral("xclip"),
               { QStringLiteral("-display"), m_display, QStringLiteral("-o"), QStringLiteral("-selection"),
                 QStringLiteral("clipboard") });
}

// The whole screen is taken and cut to the window, found afresh by its title: the program replaces its
// native window when the web engine first draws into it.
QImage Desktop::screenshot(const QString &title, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString screen = path + QStringLiteral(".screen.png");
    run(QStringLiteral("import"),
        { QStringLiteral("-display"), m_display, QStringLiteral("-window"), QStringLiteral("root"), screen });
    QImage image(screen);
    QFile::remove(screen);
    if (!title.isEmpty() && !image.isNull()) {
        const QRect window = windowGeometry(title);
        image = window.isEmpty() ? QImage() : image.copy(window);
    }
    image.save(path);
    return image;
}

QImage Desktop::settledScreenshot(const QString &title, const QString &path, int timeoutMs)
{
    run(QStringLiteral("xdotool"), { QStringLiteral("mousemove"), QStringLiteral("1279"), QStringLiteral("1023") });
    QDeadlineTimer deadline(timeoutMs);
    QImage previous = screenshot(title, path);
    int nulls = previous.isNull(), unlike = 0; // said when it gives up, so that a failure tells what it saw
    for (;;) {
        QTest::qWait(100);
        const QImage image = screenshot(title, path);
        if (!image.isNull() && image == previous)
            return image;
        ++(image.isNull() ? nulls : unlike);
        if (deadline.hasExpired()) {
            qWarning("no settled screenshot of \"%s\": %d without the window (none or several of that name, or no "
                     "picture of the screen), %d unlike the one before",
                     qPrintable(title), nulls, unlike);
            return {};
        }
        previous = image;
    }
}
