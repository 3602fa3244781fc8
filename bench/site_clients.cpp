// Clients and a registry for loading quelcor-site, run by bench/site_load:
//   bench_site_clients registry PORT DELAY_MS|trickle|mixed|limited
//                                                          a whois server that answers after DELAY_MS, or trickles,
//                                                          or (mixed) answers at once, but a name slow* after 2 s
//                                                          and a name fail* not at all (it closes), or (limited)
//                                                          asks to be left alone for a minute
//   bench_site_clients hold SITE_PORT IDLE SLOW SECONDS [ADDRESSES]
//                                                          IDLE idle and SLOW slow-head connections held open
//                                                          (from 127.0.2.1 on, or from ADDRESSES addresses; each
//                                                          closed one opened again at once), while the version
//                                                          file is probed
//   bench_site_clients lookups SITE_PORT COUNT             COUNT lookups at once, while the version file is probed
//   bench_site_clients idle SITE_PORT COUNT SECONDS        COUNT idle connections held for SECONDS
//   bench_site_clients latency SITE_PORT NAME COUNT        NAME looked up COUNT times, one after the other: the
//                                                          first asks the registry, the others find it kept
//   bench_site_clients soak SITE_PORT MINUTES SITE_PID     mixed load for MINUTES: the version file probed, ten
//                                                          lookups a second (kept, fresh, slow and failing names,
//                                                          each from a client of its own), 200 slow-head
//                                                          connections; a line of figures each minute
// Each prints one line of figures.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include <sys/resource.h>

namespace {

quint16 g_port = 0;
int g_addresses = 0; // the source addresses the held connections share; 0: one for each 200

// A connection from a loopback address of its own (the site caps connections per address).
void connectAgain(QTcpSocket *socket, int index)
{
    if (g_addresses > 0)
        index = index % g_addresses * 200;
    socket->bind(QHostAddress(QStringLiteral("127.0.%1.%2").arg(2 + index / 200).arg(1 + index % 200)));
    socket->connectToHost(QHostAddress::LocalHost, g_port);
}

QTcpSocket *connectFrom(int index, QObject *parent)
{
    auto *socket = new QTcpSocket(parent);
    connectAgain(socket, index);
    return socket;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// The version file, asked every 50 ms on a fresh connection from 127.0.0.1: latencies and failures.
struct Prober
{
    std::vector<double> latencies;
    int failures = 0;

    void start(QObject *parent)
    {
        auto *timer = new QTimer(parent);
        QObject::connect(timer, &QTimer::timeout, parent, [this, parent] { probe(parent); });
        timer->start(50);
    }

    void probe(QObject *parent)
    {
        auto *socket = new QTcpSocket(parent);
        auto *clock = new QElapsedTimer;
        clock->start();
        auto *answer = new QByteArray;
        QObject::connect(socket, &QTcpSocket::connected, socket, [socket] {
            socket->write("GET /quelcor_version_number.js HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
        });
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, answer] { *answer += socket->readAll(); });
        const auto done = [this, socket, clock, answer] {
            if (answer->startsWith("HTTP/1.1 200") && answer->contains("quelcor_version_number"))
                latencies.push_back(double(clock->nsecsElapsed()) / 1e6);
            else
                ++failures;
            delete clock;
            delete answer;
            socket->deleteLater();
        };
        QObject::connect(socket, &QTcpSocket::disconnected, socket, done);
        QObject::connect(socket, &QTcpSocket::errorOccurred, socket, [socket, done](QAbstractSocket::SocketError e) {
            if (e != QAbstractSocket::RemoteHostClosedError) {
                socket->disconnect();
                done();
            }
        });
        QTimer::singleShot(5000, socket, [socket, done] {
            socket->disconnect();
            done();
        });
        socket->connectToHost(QHostAddress::LocalHost, g_port);
    }

    void print() const
    {
        std::printf("probes %zu p50 %.1f ms p99 %.1f ms failed %d", latencies.size(), percentile(latencies, 0.5),
                    percentile(latencies, 0.99), failures);
    }
};

// A prober on a thread of its own, so that the load's traffic on this thread does not delay its probes.
struct ProbingThread
{
    Prober prober;
    QThread thread;
    QObject context;

    ProbingThread()
    {
        context.moveToThread(&thread);
        thread.start();
    }
    ~ProbingThread()
    {
        call([this] {
            for (QObject *child : context.children())
                delete child;
        });
        thread.quit();
        thread.wait();
    }
    void start()
    {
        QMetaObject::invokeMethod(&context, [this] { prober.start(&context); });
    }
    // Runs f on the prober's thread and returns when it is done.
    template<typename F> void call(F f) { QMetaObject::invokeMethod(&context, f, Qt::BlockingQueuedConnection); }
};

int registry(quint16 port, const QString &mode)
{
    auto *server = new QTcpServer(qApp);
    if (!server->listen(QHostAddress::LocalHost, port))
        return 1;
    const int delay = mode.toInt();
    QObject::connect(server, &QTcpServer::newConnection, server, [=] {
        while (QTcpSocket *socket = server->nextPendingConnection()) {
            std::printf("question\n"); // counted by bench/site_load
            std::fflush(stdout);
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            auto *timer = new QTimer(socket);
            if (mode == u"mixed") {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, timer] {
                    const QByteArray name = socket->readAll().trimmed();
                    if (name.startsWith("fail")) {
                        socket->disconnectFromHost();
                        return;
                    }
                    timer->setSingleShot(true);
                    QObject::connect(timer, &QTimer::timeout, socket, [socket] {
                        socket->write("% This query returned 0 objects.\r\n");
                        socket->disconnectFromHost();
                    });
                    timer->start(name.startsWith("slow") ? 2000 : 0);
                });
            } else if (mode == u"trickle") {
                QObject::connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x"); });
                timer->start(2000);
            } else {
                timer->setSingleShot(true);
                QObject::connect(timer, &QTimer::timeout, socket, [socket, mode] {
                    socket->write(mode == u"limited"
                                      ? "% Query rate limit exceeded. Please try again in 60 seconds.\r\n"
                                      : "% This query returned 0 objects.\r\n");
                    socket->disconnectFromHost();
                });
                timer->start(delay);
            }
        }
    });
    std::printf("registry listening on %u\n", unsigned(port));
    std::fflush(stdout);
    return qApp->exec();
}

int hold(int idle, int slow, int seconds, bool probe)
{
    std::vector<QTcpSocket *> sockets;
    int closedBySite = 0;
    for (int i = 0; i < idle + slow; ++i) {
        QTcpSocket *socket = connectFrom(i, qApp);
        // Closed by the site at its deadline: back at once, as an attacker would be.
        QObject::connect(socket, &QTcpSocket::disconnected, qApp, [&closedBySite, socket, i] {
            ++closedBySite;
            QTimer::singleShot(100, socket, [socket, i] { connectAgain(socket, i); });
        });
        if (i >= idle) { // a byte of a head that never ends, every 3 s
            auto *timer = new QTimer(socket);
            QObject::connect(socket, &QTcpSocket::connected, socket, [timer] { timer->setProperty("sent", 0); });
            QObject::connect(timer, &QTimer::timeout, socket, [socket, timer] {
                static const QByteArray head = "GET / HTTP/1.1\r\nHost: x\r\nX-Slow: ";
                const int sent = timer->property("sent").toInt();
                socket->write(sent < head.size() ? head.mid(sent, 1) : QByteArray("a"));
                timer->setProperty("sent", sent + 1);
            });
            timer->start(3000);
        }
        sockets.push_back(socket);
    }
    auto probing = std::make_unique<ProbingThread>();
    if (probe)
        probing->start();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    qApp->exec();
    Prober prober;
    probing->call([&] { prober = std::move(probing->prober); });
    probing.reset();
    int open = 0;
    for (QTcpSocket *socket : sockets)
        open += socket->state() == QAbstractSocket::ConnectedState;
    std::printf("connections %d still open %d closed by the site %d; ", idle + slow, open, closedBySite);
    prober.print();
    std::printf("\n");
    return 0;
}

// A process's resident memory in MiB and its open descriptors.
std::pair<long, long> footprint(const QString &pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    long rss = -1;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                rss = line.mid(6).trimmed().split(' ').first().toLong() / 1024;
        }
    }
    return { rss, long(QDir(QStringLiteral("/proc/%1/fd").arg(pid)).count()) - 2 };
}

int soak(int minutes, const QString &sitePid)
{
    // 200 slow heads, from addresses of their own, opened again when the site closes them at their deadline.
    for (int i = 0; i < 200; ++i) {
        QTcpSocket *socket = connectFrom(i, qApp);
        QObject::connect(socket, &QTcpSocket::disconnected, socket,
                         [socket, i] { QTimer::singleShot(100, socket, [socket, i] { connectAgain(socket, i); }); });
        auto *timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [socket] { socket->write("X"); });
        timer->start(3000);
    }
    // Ten lookups a second: kept names most, fresh ones, names the registry is slow on or fails.
    int asked = 0, answered = 0, refused = 0;
    auto *lookupTimer = new QTimer(qApp);
    QObject::connect(lookupTimer, &QTimer::timeout, qApp, [&] {
        const int n = asked++;
        const char *kind = n % 20 == 0 ? "slow" : n % 20 == 1 ? "fail" : n % 10 < 4 ? "fresh" : "kept";
        const QByteArray name = kind + QByteArray::number(std::strcmp(kind, "kept") == 0 ? n % 20 : n) + ".zz";
        auto *socket = new QTcpSocket(qApp);
        auto *answer = new QByteArray;
        QObject::connect(socket, &QTcpSocket::connected, socket, [socket, name, n] {
            socket->write("GET /hosting/quelcor.php?domain=" + name + " HTTP/1.1\r\nHost: x\r\nX-Forwarded-For: 10."
                          + QByteArray::number(n / 65536 % 256) + "." + QByteArray::number(n / 256 % 256) + "."
                          + QByteArray::number(n % 256) + "\r\nConnection: close\r\n\r\n");
        });
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, answer] { *answer += socket->readAll(); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [&, socket, answer] {
            (answer->startsWith("HTTP/1.1 200") ? answered : refused)++;
            delete answer;
            socket->deleteLater();
        });
        socket->connectToHost(QHostAddress::LocalHost, g_port);
    });
    lookupTimer->start(100);

    ProbingThread probing;
    probing.start();
    std::printf("| minute | resident MiB | open files | version file probes | p99 ms | failed | lookups answered | "
                "other |\n|---|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);
    int minute = 0;
    auto *report = new QTimer(qApp);
    QObject::connect(report, &QTimer::timeout, qApp, [&] {
        Prober last;
        probing.call([&] {
            std::swap(last.latencies, probing.prober.latencies), std::swap(last.failures, probing.prober.failures);
        });
        const auto [rss, files] = footprint(sitePid);
        std::printf("| %d | %ld | %ld | %zu | %.1f | %d | %d | %d |\n", ++minute, rss, files, last.latencies.size(),
                    percentile(last.latencies, 0.99), last.failures, std::exchange(answered, 0),
                    std::exchange(refused, 0));
        std::fflush(stdout);
        if (minute >= minutes)
            qApp->quit();
    });
    report->start(60'000);
    qApp->exec();
    return 0;
}

int lookups(int count)
{
    std::vector<double> finished;
    int failures = 0, busy = 0;
    QElapsedTimer clock;
    clock.start();
    int pending = count;
    for (int i = 0; i < count; ++i) {
        QTcpSocket *socket = connectFrom(i, qApp);
        auto *answer = new QByteArray;
        QObject::connect(socket, &QTcpSocket::connected, socket, [socket, i] {
            socket->write(QStringLiteral("GET /hosting/quelcor.php?domain=n%1.zz HTTP/1.1\r\nHost: x\r\nConnection: "
                                         "close\r\n\r\n")
                              .arg(i)
                              .toUtf8());
        });
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, answer] { *answer += socket->readAll(); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [&, answer] {
            if (answer->startsWith("HTTP/1.1 200"))
                finished.push_back(double(clock.elapsed()) / 1000);
            else if (answer->startsWith("HTTP/1.1 503"))
                ++busy;
            else
                ++failures;
            delete answer;
            if (--pending == 0)
                qApp->quit();
        });
    }
    Prober prober;
    prober.start(qApp);
    QTimer::singleShot(400'000, qApp, &QCoreApplication::quit);
    qApp->exec();
    std::printf("lookups %d answered %zu (median %.1f s, last %.1f s) busy %d failed %d; ", count, finished.size(),
                percentile(finished, 0.5),
                finished.empty() ? -1.0 : *std::max_element(finished.begin(), finished.end()), busy, failures);
    prober.print();
    std::printf("\n");
    return 0;
}

int latency(const QString &name, int count)
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        QTcpSocket socket;
        socket.bind(QHostAddress(QStringLiteral("127.0.1.%1").arg(1 + i % 250)));
        QElapsedTimer clock;
        clock.start();
        socket.connectToHost(QHostAddress::LocalHost, g_port);
        if (!socket.waitForConnected(5000))
            return 1;
        socket.write(
            QStringLiteral("GET /hosting/quelcor.php?domain=%1 HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
                .arg(name)
                .toUtf8());
        QByteArray answer;
        while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(5000))
            answer += socket.readAll();
        if (!answer.startsWith("HTTP/1.1 200"))
            return 1;
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    const double first = times.front();
    times.erase(times.begin());
    std::printf("not kept %.2f ms; kept: median %.2f ms, p99 %.2f ms over %zu\n", first, percentile(times, 0.5),
                percentile(times, 0.99), times.size());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    rlimit limit {};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: see the head of bench/site_clients.cpp\n");
        return 2;
    }
    g_port = quint16(args[2].toUInt());
    if (args[1] == u"registry")
        return registry(g_port, args[3]);
    if (args[1] == u"hold" && args.size() >= 6) {
        g_addresses = args.value(6).toInt();
        return hold(args[3].toInt(), args[4].toInt(), args[5].toInt(), true);
    }
    if (args[1] == u"idle" && args.size() >= 5)
        return hold(args[3].toInt(), 0, args[4].toInt(), false);
    if (args[1] == u"soak" && args.size() >= 5)
        return soak(args[3].toInt(), args[4]);
    if (args[1] == u"lookups")
        return lookups(args[3].toInt());
    if (args[1] == u"latency" && args.size() >= 5)
        return latency(args[3], args[4].toInt());
    return 2;
}
