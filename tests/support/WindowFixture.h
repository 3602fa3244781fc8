#pragma once

#include "Doubles.h"
#include "TestFiles.h"
#include "app/WindowRegistry.h"

#include <QTemporaryDir>

#include <memory>

// One window test's program directory: a temporary folder that is the current directory while the fixture
// lives, the platform's doubles, and the windows over them once the test has laid out its files.
class WindowFixture
{
public:
    WindowFixture()
        : m_here(m_dir.path())
    {
    }
    ~WindowFixture() { m_windows.reset(); } // the windows go before the doubles they use

    // A path inside the program directory.
    QString path(const QString &relative = {}) const { return QDir(m_dir.path()).filePath(relative); }
    void writeDriver(const QByteArray &driver) { TestFiles::write(path(QStringLiteral("LANGUAGE.DRV")), driver); }

    // Makes the windows anew over the doubles, or over another fetcher than the double.
    WindowRegistry &load(TextFetcher *fetcher = nullptr)
    {
        m_windows.reset();
        const Platform doubled = doubles.platform();
        m_windows = std::make_unique<WindowRegistry>(
            Platform { doubled.connection, fetcher ? *fetcher : doubled.fetcher, doubled.browsers, doubled.messages,
                       doubled.end, doubled.links, doubled.version, doubled.server });
        return *m_windows;
    }
    // The windows that load made last (made over the doubles when there are none yet).
    WindowRegistry &windows() { return m_windows ? *m_windows : load(); }

    TestPlatform doubles;

private:
    QTemporaryDir m_dir;
    TestFiles::CurrentDir m_here;
    std::unique_ptr<WindowRegistry> m_windows;
};
