#include "Desktop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

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
    m_windowManager.setStandardOutputFile(QProcess::nullDevice());
    m_windowManager.setStandardErrorFile(QProcess::nullDevice());
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
    while (!p.waitForFinished(10) && !deadline.hasExpired())
        QCoreApplication::processEvents();
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

QStringList Desktop::windows(const QString &title)
{
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    return run(QStringLiteral("xdotool"),
               { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern })
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList Desktop::waitForWindows(const QString &title, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const QStringList found = windows(title);
        if (!found.isEmpty() || deadline.hasExpired())
            return found;
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
