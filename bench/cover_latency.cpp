// The lookup page's cover: time from DownloadComplete to the cover gone, on the real main window and its
// real one-second timer, with the download ending at a different moment of the timer's second each time.
// Prints the median and the largest time in milliseconds, and the smallest (which must not be below 0).
#include "app/Program.h"
#include "app/WindowRegistry.h"
#include "main_window/Main.h"
#include "platform/Browser.h"
#include "platform/ConnectionState.h"
#include "platform/LinkOpener.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnd.h"
#include "platform/TextFetcher.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {
struct Page : Browser
{
    explicit Page(QWidget *parent, BrowserEvents e)
        : events(std::move(e))
        , view(new QWidget(parent))
    {
    }
    QWidget *widget() override { return view; }
    void setSilent(bool) override { }
    void navigate(const QUrl &) override { events.downloadBegin(); }
    void goBack() override { }
    void goForward() override { }
    void print() override { }
    void setLanguage(const QString &) override { }
    BrowserEvents events;
    QWidget *view;
};
struct Pages : BrowserFactory
{
    Page *last = nullptr;
    std::unique_ptr<Browser> create(QWidget *parent, BrowserEvents events, QString *) override
    {
        auto page = std::make_unique<Page>(parent, std::move(events));
        last = page.get();
        return page;
    }
};
struct Online : ConnectionState
{
    int InternetGetConnectedState() override { return 1; }
};
struct NoFetch : TextFetcher
{
    FetchResult fetch(const QUrl &) override { return {}; }
};
struct NoMessages : MessageBoxes
{
    void show(QWidget *, const QString &, Icon) override { }
};
struct NoEnd : ProgramEnd
{
    void endProgram() override { }
};
struct NoLinks : LinkOpener
{
    void open(const QUrl &) override { }
};
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Online online;
    NoFetch fetcher;
    Pages pages;
    NoMessages messages;
    NoEnd end;
    NoLinks links;
    WindowRegistry windows(Platform { online, fetcher, pages, messages, end, links, {}, QUrl("http://127.0.0.1:9") });
    Main &main = windows.main();
    main.show();

    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        main.Frame1->setVisible(true);
        main.Command2_Click();
        // The download ends somewhere within the timer's second.
        QEventLoop wait;
        QTimer::singleShot(int(QRandomGenerator::global()->bounded(1000)), &wait, &QEventLoop::quit);
        wait.exec();
        QElapsedTimer clock;
        clock.start();
        pages.last->events.downloadComplete();
        while (main.Frame1->isVisible() && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        times.append(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f %.1f %.1f\n", times.at(times.size() / 2), times.last(), times.first());
    return 0;
}
