// The lookup page's path, in-process: the real main window pressing "Successivo  >" with the real browser
// module, or a bare program that shows a QWebEngineView of the same size at start, each on the same page of
// a local site. Prints, in milliseconds and kibibytes:
//   first  second  tree-PSS
// first: quelcor, the press to DownloadComplete (the engine cold: the first press of a fresh process);
//        bare, process start (argv[3], CLOCK_REALTIME in ns, taken just before exec) to loadFinished;
// second: a second lookup in the page (the form's GET) to its end, the same way for both;
// tree-PSS: the proportional set size of this process and its web engine processes, 5 s after the first page.
// Usage: bench_page_path quelcor|bare <site base URL> <start ns>
#include "ProcessTree.h"
#include "app/Program.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"
#include "platform/Browser.h"
#include "platform/DesktopLinkOpener.h"
#include "platform/HttpTextFetcher.h"
#include "platform/PluginBrowserFactory.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtProgramEnd.h"
#include "platform/RouteTableProbe.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QUrlQuery>
#include <QWebEngineView>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

double nowMs()
{
    using namespace std::chrono;
    return double(duration_cast<microseconds>(system_clock::now().time_since_epoch()).count()) / 1e3;
}

// Waits until done() or the deadline; false at the deadline.
bool waitFor(const std::function<bool()> &done, int ms)
{
    QEventLoop loop;
    QTimer poll;
    poll.start(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

void pause(int ms)
{
    waitFor([] { return false; }, ms);
}

// The real module, with the time of each DownloadComplete noted before the window hears of it.
class TimedBrowsers : public BrowserFactory
{
public:
    explicit TimedBrowsers(QString module)
        : m_real(std::move(module))
    {
    }
    std::unique_ptr<Browser> create(QWidget *parent, BrowserEvents events, QString *error) override
    {
        auto complete = events.downloadComplete;
        events.downloadComplete = [this, complete] {
            completed = nowMs();
            complete();
        };
        return m_real.create(parent, std::move(events), error);
    }
    double completed = -1;

private:
    PluginBrowserFactory m_real;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_page_path quelcor|bare <site base URL> <start ns>\n");
        return 2;
    }
    const double start = QByteArray(argv[3]).toDouble() / 1e6;
    const QByteArray mode = argv[1];
    const QUrl site(QString::fromLocal8Bit(argv[2]));
    QUrl page = site;
    page.setPath(QStringLiteral("/hosting/quelcor.php"));
    QUrl lookup = page;
    lookup.setQuery(QStringLiteral("domain=10.1.2.3")); // a private address: answered by the site itself

    QApplication app(argc, argv);
    double first = -1, second = -1;
    long pss = -1;
    if (mode == "bare") {
        QWebEngineView view;
        view.resize(705, 377);
        double finished = -1;
        QObject::connect(&view, &QWebEngineView::loadFinished, [&] { finished = nowMs(); });
        view.show();
        view.load(page);
        if (!waitFor([&] { return finished > 0; }, 60000))
            return 1;
        first = finished - start;
        pause(5000);
        pss = treePssKiB(QCoreApplication::applicationPid());
        finished = -1;
        const double asked = nowMs();
        view.load(lookup);
        if (!waitFor([&] { return finished > 0; }, 60000))
            return 1;
        second = finished - asked;
    } else {
        setUpApplication();
        RouteTableProbe connection;
        HttpTextFetcher fetcher;
        TimedBrowsers browsers(QStringLiteral(QUELCOR_BIN_DIR "/quelcor_browser.so"));
        QtMessageBoxes messages;
        QtProgramEnd end;
        DesktopLinkOpener links;
        WindowRegistry windows(Platform { connection, fetcher, browsers, messages, end, links,
                                          VersionInfo { 1, 0, 2004, {}, {}, {} }, site });
        Main &main = windows.main();
        main.show();
        pause(500); // the window shown and idle, as a user finds it before the press
        const double pressed = nowMs();
        main.Command2_Click();
        if (!waitFor([&] { return browsers.completed > 0; }, 60000))
            return 1;
        first = browsers.completed - pressed;
        pause(5000);
        pss = treePssKiB(QCoreApplication::applicationPid());
        browsers.completed = -1;
        const double asked = nowMs();
        main.browser()->navigate(lookup);
        if (!waitFor([&] { return browsers.completed > 0; }, 60000))
            return 1;
        second = browsers.completed - asked;
    }
    std::printf("%.1f %.1f %ld\n", first, second, pss);
    std::fflush(stdout);
    std::_Exit(0); // the web engine's processes go with this one
}
