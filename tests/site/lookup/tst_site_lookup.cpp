// Lookups: the bootstrap file, whois answers, and lookups against fake RDAP and whois servers on loopback
// addresses.

#include "FakeDns.h"
#include "FakeWhois.h"
#include "LocalHttpServer.h"
#include "SiteTesting.h"
#include "abuse/WhoToTell.h"
#include "evidence/EvidenceFile.h"
#include "lookup/Availability.h"
#include "lookup/Bootstrap.h"
#include "lookup/Coverage.h"
#include "lookup/Dns.h"
#include "lookup/Lookup.h"
#include "lookup/Upstream.h"
#include "lookup/WhoisText.h"
#include "pages/Pages.h"
#include "query/AddressPolicy.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Outcome = LookupResult::Outcome;

// Whom to tell, the search waited for.
Abuse::Report searched(const Lookup &lookup, const Abuse::Settings &settings, const QString &question)
{
    std::optional<Abuse::Report> report;
    QEventLoop loop;
    Abuse::search(lookup, settings, Query::fromInput(question), "client", &loop, [&](const Abuse::Report &made) {
        report = made;
        loop.quit();
    });
    if (!report)
        loop.exec();
    return *report;
}

QByteArray bootstrapFile(const QList<QPair<QStringList, QString>> &services)
{
    QByteArray json = R"({"version":"1.0","publication":"2026-12-01T00:00:00Z","services":[)";
    for (qsizetype i = 0; i < services.size(); ++i) {
        json += i ? "," : "";
        json += "[[\"" + services[i].first.join(QStringLiteral("\",\"")).toUtf8() + "\"],[\""
            + services[i].second.toUtf8() + "\"]]";
    }
    return json + "]}";
}

QByteArray domainRecord(const QString &relatedHref)
{
    return QStringLiteral(R"({"objectClassName":"domain","ldhName":"EXAMPLE.COM",
 "status":["client transfer prohibited","active"],
 "events":[{"eventAction":"registration","eventDate":"1995-08-14T04:00:00Z"},
           {"eventAction":"expiration","eventDate":"2027-08-13T04:00:00Z"}],
 "entities":[{"objectClassName":"entity","roles":["registrar"],
   "vcardArray":["vcard",[["version",{},"text","4.0"],["fn",{},"text","Registrar <script>alert(1)</script> Inc."]]]}],
 "nameservers":[{"ldhName":"A.IANA-SERVERS.NET"},{"ldhName":"B.IANA-SERVERS.NET"}],
 "links":[{"rel":"related","type":"application/rdap+json","href":"%1"}],
 "remarks":[{"description":["<script>document.title='owned'</script>"]}]})")
        .arg(relatedHref)
        .toUtf8();
}

// A port whose listen queue is full: the kernel drops further connection requests, so connecting hangs.
class FullListenQueue
{
public:
    FullListenQueue()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), length) != 0 || ::listen(m_listener, 0) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        for (int i = 0; i < 4; ++i) {
            auto *filler = new QTcpSocket;
            filler->connectToHost(QHostAddress::LocalHost, m_port);
            filler->waitForConnected(200);
            m_fillers.emplace_back(filler);
        }
    }
    ~FullListenQueue() { ::close(m_listener); }
    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    quint16 m_port = 0;
    std::vector<std::unique_ptr<QTcpSocket>> m_fillers;
};

} // namespace

class TestSiteLookup : public QObject
{
    Q_OBJECT
private slots:
    void whoToTell();
    void evidenceFile();
    void longestSuffixWins_data();
    void longestSuffixWins();
    void whoisReferrals_data();
    void whoisReferrals();
    void notRegisteredAnswers_data();
    void notRegisteredAnswers();
    void decoding_data();
    void decoding();
    void retryAfter_data();
    void retryAfter();
    void rdapRecordWithRegistrar();
    void bootstrapRefetchedAfterItsTimeToLive();
    void shippedRoutes_data();
    void shippedRoutes();
    void rdapOutcomes_data();
    void rdapOutcomes();
    void rdapHostileServers_data();
    void rdapHostileServers();
    void rdapLongerSuffixAskedOnTheWire();
    void internationalNameOnTheWire();
    void rdapLinksToPrivateAddressesRefused();
    void extensionMissingFromBootstrapFallsBackToWhois();
    void availabilityQuestions_data();
    void availabilityQuestions();
    void dnsAnswers_data();
    void dnsAnswers();
    void topLevelDomains_data();
    void topLevelDomains();
    void whoisTwoHops();
    void whoisRegistrarServerForms_data();
    void whoisRegistrarServerForms();
    void whoisLoopsStop_data();
    void whoisLoopsStop();
    void whoisReferralToPrivateAddressRefused();
    void whoisNoServiceForExtension();
    void whoisWindows1252();
    void whoisTrickleStopsAtDeadline();
    void whoisHugeAnswerCut();
    void connectionsThatNeverOpenStopAtTheConnectLimit();
    void refusedNamesReachNoServer_data();
    void refusedNamesReachNoServer();
};

void TestSiteLookup::longestSuffixWins_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("base");
    QTest::newRow("exact longer entry") << "example.com"
                                        << "https://long.example/rdap/";
    QTest::newRow("below the longer entry") << "www.example.com"
                                            << "https://long.example/rdap/";
    QTest::newRow("only the shorter matches") << "other.com"
                                              << "https://short.example/";
    QTest::newRow("a label is not a suffix") << "notexample.com"
                                             << "https://short.example/";
    QTest::newRow("https preferred") << "example.net"
                                     << "https://net.example/";
    QTest::newRow("no service") << "example.org"
                                << "";
}

void TestSiteLookup::longestSuffixWins()
{
    QFETCH(QString, name);
    QFETCH(QString, base);
    const QByteArray file = R"({"services":[
        [["com"],["https://short.example"]],
        [["Example.COM"],["https://long.example/rdap/"]],
        [["net"],["http://plain.example/","https://net.example/"]],
        [["broken"],[]]]})";
    QCOMPARE(RdapBootstrap::findService(QJsonDocument::fromJson(file), name).toString(), base);
}

void TestSiteLookup::whoisReferrals_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("server");
    QTest::newRow("refer") << "% IANA WHOIS server\nrefer:        whois.verisign-grs.com\n"
                           << "whois.verisign-grs.com";
    QTest::newRow("whois line") << "domain: IT\r\nwhois:   whois.nic.it\r\n"
                                << "whois.nic.it";
    QTest::newRow("registrar, bare host") << "   Registrar WHOIS Server: whois.markmonitor.com\r\n"
                                          << "whois.markmonitor.com";
    QTest::newRow("registrar, URL") << "Registrar WHOIS Server: https://Whois.Registrar.example/lookup\n"
                                    << "whois.registrar.example";
    QTest::newRow("registrar, host and path") << "Registrar WHOIS Server: whois.registrar.example/\n"
                                              << "whois.registrar.example";
    QTest::newRow("registrar, empty") << "Registrar WHOIS Server: \nRegistrar: X\n"
                                      << "";
    QTest::newRow("registrar, junk") << "Registrar WHOIS Server: evil host -h other\n"
                                     << "";
    QTest::newRow("key in other case") << "REGISTRAR whois server: whois.example.net\n"
                                       << "whois.example.net";
    QTest::newRow("none") << "Domain Name: EXAMPLE.COM\n"
                          << "";
}

void TestSiteLookup::whoisReferrals()
{
    QFETCH(QString, answer);
    QFETCH(QString, server);
    const QStringList keys { QStringLiteral("refer:"), QStringLiteral("whois:"),
                             QStringLiteral("Registrar WHOIS Server:") };
    QCOMPARE(WhoisText::referral(answer, keys), server);
}

void TestSiteLookup::notRegisteredAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("notRegistered");
    QTest::newRow("verisign") << "No match for \"NOPE.COM\".\r\n>>> Last update" << true;
    QTest::newRow("not found") << "NOT FOUND\n" << true;
    QTest::newRow("it") << "Domain:             nope.it\nStatus:             AVAILABLE\n" << true;
    QTest::newRow("free") << "Domain: nope.de\nStatus: free\n" << true;
    QTest::newRow("pt, the name, a dash, no match") << "nope.com - No Match\n" << true;
    QTest::newRow("registered") << "Domain Name: EXAMPLE.COM\nDomain Status: active\n" << false;
    QTest::newRow("words inside a line") << "Remarks: not found in the blacklist\n" << false;
}

void TestSiteLookup::notRegisteredAnswers()
{
    QFETCH(QString, answer);
    QFETCH(bool, notRegistered);
    const WhoisText::Reading reading = WhoisText::read(answer, QStringLiteral("127.0.0.2"), QStringLiteral("nope.com"));
    QCOMPARE(reading.verdict == WhoisText::Reading::Verdict::NotRegistered, notRegistered);
}

void TestSiteLookup::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("Domain: x\r\n") << "Domain: x\r\n";
    QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9 \xe2\x82\xac") << u"Café €"_qs;
    QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x80 \x96") << u"Café € –"_qs;
    QTest::newRow("UTF-8 cut inside a character") << QByteArray("Caf\xc3\xa9 \xe2\x82") << u"Café "_qs;
}

void TestSiteLookup::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Upstream::decodeText(bytes), text);
}

void TestSiteLookup::retryAfter_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<qint64>("seconds");
    QTest::newRow("seconds") << QByteArray("120") << qint64(120);
    QTest::newRow("blanks") << QByteArray(" 7 ") << qint64(7);
    QTest::newRow("date") << QByteArray("Mon, 07 Dec 2026 12:01:30 GMT") << qint64(90);
    QTest::newRow("past date") << QByteArray("Mon, 07 Dec 2026 11:00:00 GMT") << qint64(0);
    QTest::newRow("negative") << QByteArray("-5") << qint64(-1);
    QTest::newRow("none") << QByteArray() << qint64(-1);
    QTest::newRow("garbage") << QByteArray("soon") << qint64(-1);
}

void TestSiteLookup::retryAfter()
{
    QFETCH(QByteArray, value);
    QFETCH(qint64, seconds);
    const QDateTime now(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC);
    QCOMPARE(Upstream::retryAfterSeconds(value, now), seconds);
}

void TestSiteLookup::rdapRecordWithRegistrar()
{
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json", json(bootstrapFile({ { { "com" }, rdap.base() + "/rdap" } })));
    rdap.route("/rdap/domain/example.com", json(domainRecord(rdap.base() + "/registrar/domain/example.com")));
    rdap.route("/registrar/domain/example.com",
               json(R"({"objectClassName":"domain","ldhName":"example.com","port43":"whois.registrar.example",
                        "remarks":[{"description":["Registrar's own record"]}]})"));
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);
    const Lookup lookup(bootstrap, settingsFor(1));

    const LookupResult result = lookup.run(QStringLiteral("Example.com"));
    QCOMPARE(result.outcome, Outcome::Found);
    QCOMPARE(result.name, u"example.com"_qs);
    QCOMPARE(result.registrar, u"Registrar <script>alert(1)</script> Inc."_qs);
    QCOMPARE(result.statuses, QStringList({ "client transfer prohibited", "active" }));
    QCOMPARE(result.registered, u"1995-08-14"_qs);
    QCOMPARE(result.expires, u"2027-08-13"_qs);
    QCOMPARE(result.nameServers, QStringList({ "a.iana-servers.net", "b.iana-servers.net" }));
    QCOMPARE(result.records.size(), 2);
    QVERIFY(result.records[1].text.contains(u"Registrar's own record"));
    QCOMPARE(rdap.log(),
             QStringList({ "GET /dns.json", "GET /rdap/domain/example.com", "GET /registrar/domain/example.com" }));

    // Everything another server sent is shown as text.
    const QString page = QString::fromUtf8(Pages::lookupPage(QStringLiteral("Example.com"), &result));
    QCOMPARE(page.count(u"<script"), 1); // the page's own
    QVERIFY(page.contains(u"Registrar &lt;script&gt;alert(1)&lt;/script&gt; Inc."));
    QVERIFY(page.contains(u"&lt;script&gt;document.title="));
    QVERIFY(page.contains(u"13 August 2027"));

    // The bootstrap file is kept: a second lookup does not fetch it again.
    lookup.run(QStringLiteral("example.com"));
    QCOMPARE(rdap.log().count(u"GET /dns.json"_qs), 1);
}

void TestSiteLookup::bootstrapRefetchedAfterItsTimeToLive()
{
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    LocalHttpServer::Reply file = json(bootstrapFile({ { { "com" }, rdap.base() + "/" } }));
    file.headers = "ETag: \"v1\"\r\n";
    rdap.route("/dns.json", file);
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 0);
    const Lookup lookup(bootstrap, settingsFor(1));
    QCOMPARE(lookup.run(QStringLiteral("example.com")).outcome, Outcome::NotRegistered);
    // Asked again with its validator: unchanged, not downloaded again, still read.
    rdap.route("/dns.json", json("", 304));
    QCOMPARE(lookup.run(QStringLiteral("example.com")).outcome, Outcome::NotRegistered);
    QCOMPARE(rdap.log().count(u"GET /dns.json"_qs), 2);
    QList<QByteArray> asked = rdap.heads();
    asked.removeIf([](const QByteArray &head) { return !head.startsWith("GET /dns.json"); });
    QVERIFY(!asked.value(0).contains("If-None-Match") && asked.value(1).contains("\r\nIf-None-Match: \"v1\""));

    // A file that cannot be fetched again: the one already read still serves.
    rdap.route("/dns.json", json("down", 503));
    const LookupResult stale = lookup.run(QStringLiteral("example.com"));
    QCOMPARE(stale.outcome, Outcome::NotRegistered);
    QVERIFY(stale.notes.isEmpty());
    QCOMPARE(rdap.log().count(u"GET /dns.json"_qs), 3);
}

void TestSiteLookup::shippedRoutes_data()
{
    QTest::addColumn<QString>("question"); // a top-level domain, an address or an AS number
    QTest::addColumn<QString>("kind"); // for a top-level domain, its route
    QTest::addColumn<QString>("rdap");
    QTest::newRow("com: both") << "com"
                               << "both"
                               << "https://rdap.verisign.com/com/v1/";
    QTest::newRow("de: whois alone") << "de"
                                     << "whois"
                                     << "";
    QTest::newRow("an IDN: by its A-label") << "xn--p1ai"
                                            << "whois"
                                            << "";
    QTest::newRow("io: the operator's route over both") << "io"
                                                        << "rdap"
                                                        << "https://rdap.example/io/";
    QTest::newRow("an IPv4 address") << "8.8.8.8"
                                     << ""
                                     << "https://rdap.arin.net/registry/";
    QTest::newRow("an IPv6 address") << "2001:4860::8888"
                                     << ""
                                     << "https://rdap.arin.net/registry/";
    QTest::newRow("an AS number") << "AS3333"
                                  << ""
                                  << "https://rdap.db.ripe.net/";
}

void TestSiteLookup::shippedRoutes()
{
    // The snapshot of IANA's files the programs carry: what a new site routes with before it has fetched them.
    QFETCH(QString, question);
    QFETCH(QString, kind);
    QFETCH(QString, rdap);
    const Query query = Query::fromInput(question);
    if (query.kind == Query::Kind::Address) {
        const bool v4 = query.address.protocol() == QAbstractSocket::IPv4Protocol;
        QCOMPARE(RdapBootstrap::findAddressService(RdapBootstrap::shipped(v4 ? u"ipv4.json"_qs : u"ipv6.json"_qs),
                                                   query.address, v4 ? 32 : 128)
                     .toString(),
                 rdap);
        return;
    }
    if (query.kind == Query::Kind::AsNumber) {
        QCOMPARE(RdapBootstrap::findAsService(RdapBootstrap::shipped(u"asn.json"_qs), query.asNumber).toString(), rdap);
        return;
    }
    LookupSettings settings;
    settings.routes.insert(u"io"_qs, LookupSettings::Server::fromText(u"https://rdap.example/io/"_qs));
    RdapBootstrap bootstrap(QUrl(u"https://data.iana.org/rdap/dns.json"_qs), 86400);
    const QList<TldRoute> routes = coverage(bootstrap, settings);
    QVERIFY(routes.size() > 1400);
    // The atlas's proofs: found and free answers read right for at least 150 of them.
    QVERIFY(std::count_if(routes.begin(), routes.end(),
                          [](const TldRoute &r) {
                              return r.verified.contains(u"found"_qs) && r.verified.contains(u"not-registered"_qs);
                          })
            >= 150);
    const auto route = std::find_if(routes.begin(), routes.end(), [&](const TldRoute &r) { return r.tld == question; });
    QVERIFY(route != routes.end());
    QCOMPARE(route->kind(), kind);
    QCOMPARE(route->rdap.toString(), rdap);
}

void TestSiteLookup::rdapOutcomes_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("headers");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("message");
    QTest::newRow("404: not registered") << 404 << QByteArray() << QByteArray("{}") << int(Outcome::NotRegistered)
                                         << "example.com is not registered.";
    QTest::newRow("429 with seconds") << 429 << QByteArray("Retry-After: 120\r\n") << QByteArray()
                                      << int(Outcome::RateLimited) << u"Try again in 2\u00A0min."_qs;
    QTest::newRow("429 without a time") << 429 << QByteArray() << QByteArray() << int(Outcome::RateLimited)
                                        << "Try again later.";
    QTest::newRow("500") << 500 << QByteArray() << QByteArray("oops") << int(Outcome::Failed) << "status 500";
    QTest::newRow("not JSON") << 200 << QByteArray() << QByteArray("<html>") << int(Outcome::Failed)
                              << "not a record the site can read";
}

void TestSiteLookup::rdapOutcomes()
{
    QFETCH(int, status);
    QFETCH(QByteArray, headers);
    QFETCH(QByteArray, body);
    QFETCH(int, outcome);
    QFETCH(QString, message);
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json", json(bootstrapFile({ { { "com" }, rdap.base() + "/" } })));
    LocalHttpServer::Reply reply = json(body, status);
    reply.headers = headers;
    rdap.route("/domain/example.com", reply);
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);

    const LookupResult result = Lookup(bootstrap, settingsFor(1)).run(QStringLiteral("example.com"));
    QCOMPARE(int(result.outcome), outcome);
    QVERIFY2(result.message.english().contains(message), qPrintable(result.message.english()));
    if (status == 429)
        QCOMPARE(result.retryAfterSeconds, headers.isEmpty() ? -1 : 120);
}

void TestSiteLookup::rdapHostileServers_data()
{
    using Mode = LocalHttpServer::Reply::Mode;
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("cut");
    QTest::addColumn<QString>("message");
    QTest::newRow("trickles and never ends")
        << int(Mode::Trickle) << QByteArray() << false << "no complete answer within 2 s";
    QTest::newRow("never answers") << int(Mode::Silent) << QByteArray() << false << "no complete answer within 2 s";
    QTest::newRow("50 MB") << int(Mode::Normal) << QByteArray(50 * 1024 * 1024, ' ') << true
                           << "longer than the site reads";
    QTest::newRow("reset in the middle") << int(Mode::Reset) << QByteArray(200, ' ') << false << "could not be asked";
}

void TestSiteLookup::rdapHostileServers()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, body);
    QFETCH(bool, cut);
    QFETCH(QString, message);
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json", json(bootstrapFile({ { { "com" }, rdap.base() + "/" } })));
    LocalHttpServer::Reply reply = json(body);
    reply.mode = LocalHttpServer::Reply::Mode(mode);
    rdap.route("/domain/example.com", reply);
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);

    QElapsedTimer clock;
    clock.start();
    const LookupResult result = Lookup(bootstrap, settingsFor(1)).run(QStringLiteral("example.com"));
    QVERIFY2(clock.elapsed() < 1500 + 4000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(result.outcome, Outcome::Failed);
    QVERIFY2(result.message.english().contains(message), qPrintable(result.message.english()));
    QCOMPARE(!result.records.isEmpty() && result.records[0].cut, cut);
    if (cut)
        QCOMPARE(result.records[0].text.size(), 1 << 20);
}

void TestSiteLookup::rdapLongerSuffixAskedOnTheWire()
{
    LocalHttpServer shorter, longer;
    QVERIFY(shorter.listen());
    QVERIFY(longer.listen());
    shorter.route(
        "/dns.json",
        json(bootstrapFile({ { { "com" }, shorter.base() + "/" }, { { "example.com" }, longer.base() + "/" } })));
    longer.route("/domain/example.com", json(domainRecord(QString())));
    RdapBootstrap bootstrap(QUrl(shorter.base() + "/dns.json"), 3600);

    const LookupResult result = Lookup(bootstrap, settingsFor(1)).run(QStringLiteral("example.com"));
    QCOMPARE(result.outcome, Outcome::Found);
    QCOMPARE(longer.log(), QStringList { "GET /domain/example.com" });
    QCOMPARE(shorter.log(), QStringList { "GET /dns.json" });
}

void TestSiteLookup::internationalNameOnTheWire()
{
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json", json(bootstrapFile({ { { "dk" }, rdap.base() + "/" } })));
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);

    const LookupResult result = Lookup(bootstrap, settingsFor(1)).run(u"ål.dk"_qs);
    QCOMPARE(result.outcome, Outcome::NotRegistered);
    QCOMPARE(rdap.log().last(), u"GET /domain/xn--l-1fa.dk"_qs);
}

void TestSiteLookup::rdapLinksToPrivateAddressesRefused()
{
    LocalHttpServer rdap, hidden;
    QVERIFY(rdap.listen());
    QVERIFY(hidden.listen(0, QHostAddress(QStringLiteral("127.0.0.9"))));
    const QString hiddenBase = QStringLiteral("http://127.0.0.9:%1").arg(hidden.port());
    rdap.route("/dns.json", json(bootstrapFile({ { { "com" }, rdap.base() + "/" }, { { "net" }, hiddenBase + "/" } })));
    rdap.route("/domain/example.com", json(domainRecord(hiddenBase + "/domain/example.com")));
    LocalHttpServer::Reply redirect { 302,          (hiddenBase + "/domain/example.org").toUtf8(),
                                      "text/plain", LocalHttpServer::Reply::Mode::Redirect,
                                      100,          {} };
    rdap.route("/domain/example.org", redirect);
    rdap.route("/dns-org.json", json(bootstrapFile({ { { "org" }, rdap.base() + "/" } })));
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);
    const Lookup lookup(bootstrap, settingsFor(1));

    // The registrar's record at a private address: the registry's record stays, with a note.
    const LookupResult linked = lookup.run(QStringLiteral("example.com"));
    QCOMPARE(linked.outcome, Outcome::Found);
    QCOMPARE(linked.records.size(), 1);
    QCOMPARE(linked.notes.size(), 1);
    QVERIFY2(linked.notes[0].english().contains(u"not a public address"), qPrintable(linked.notes[0].english()));

    // A service at a private address.
    const LookupResult service = lookup.run(QStringLiteral("example.net"));
    QCOMPARE(service.outcome, Outcome::Failed);
    QVERIFY2(service.message.english().contains(u"not a public address"), qPrintable(service.message.english()));

    // A redirect to a private address.
    RdapBootstrap orgBootstrap(QUrl(rdap.base() + "/dns-org.json"), 3600);
    const LookupResult redirected = Lookup(orgBootstrap, settingsFor(1)).run(QStringLiteral("example.org"));
    QCOMPARE(redirected.outcome, Outcome::Failed);
    QVERIFY2(redirected.message.english().contains(u"redirect was refused"), qPrintable(redirected.message.english()));

    QVERIFY(hidden.log().isEmpty());
}

void TestSiteLookup::extensionMissingFromBootstrapFallsBackToWhois()
{
    FakeWhoisNetwork whois(2);
    whois.server(1).answer = "refer: 127.0.0.2\r\n";
    whois.server(2).answer = "Domain: example.it\r\nStatus: ok\r\n";
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json", json(bootstrapFile({ { { "com" }, rdap.base() + "/" } })));
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);

    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(QStringLiteral("example.it"));
    QCOMPARE(result.outcome, Outcome::Found);
    QCOMPARE(whois.server(1).queries, QList<QByteArray> { "example.it" });
    QCOMPARE(whois.server(2).queries, QList<QByteArray> { "example.it" });
    QCOMPARE(rdap.log(), QStringList { "GET /dns.json" });
}

void TestSiteLookup::availabilityQuestions_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("asked"); // the name under each extension; empty: not such a question
    QTest::newRow("usual extensions") << "Quelcor.*" << QStringList { "quelcor.com", "quelcor.net" };
    QTest::newRow("named") << " quelcor.{de, .fr,it,de} " << QStringList { "quelcor.de", "quelcor.fr", "quelcor.it" };
    QTest::newRow("international") << u"café.{рф,co.uk}"_qs
                                   << QStringList { "xn--caf-dma.xn--p1ai", "xn--caf-dma.co.uk" };
    QTest::newRow("a domain name") << "quelcor.com" << QStringList();
    QTest::newRow("two labels") << "www.quelcor.*" << QStringList();
    QTest::newRow("a bad extension") << "quelcor.{de,f_r}" << QStringList();
    QTest::newRow("none") << "quelcor.{}" << QStringList();
    QTest::newRow("a line break") << "quel\ncor.*" << QStringList();
}

void TestSiteLookup::availabilityQuestions()
{
    QFETCH(QString, input);
    QFETCH(QStringList, asked);
    const std::optional<ManyExtensions> question = Question::manyFromInput(input, { u"com"_qs, u"net"_qs });
    QStringList names;
    for (const QString &extension : question ? question->extensions : QStringList())
        names.append(question->name + u'.' + extension);
    QCOMPARE(names, asked);
}

void TestSiteLookup::dnsAnswers_data()
{
    // Answers to "NS quelcor.com" with id 0x1234, as resolvers send them.
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("delegation");
    const QByteArray question = Dns::question(0x1234, u"quelcor.com"_qs);
    const auto answer = [&](char flags, char code, int answers, const QByteArray &records = {}) {
        QByteArray made = question;
        made[2] = flags;
        made[3] = code;
        made[7] = char(answers);
        return made + records;
    };
    const QByteArray ns("\xc0\x0c\x00\x02\x00\x01\x00\x00\x0e\x10\x00\x06\x03ns1\xc0\x0c", 18);
    const QByteArray cname("\xc0\x0c\x00\x05\x00\x01\x00\x00\x0e\x10\x00\x02\xc0\x0c", 14);
    using D = Dns::Delegation;
    QTest::newRow("name servers") << answer(char(0x81), char(0x80), 1, ns) << int(D::Delegated);
    QTest::newRow("after another record") << answer(char(0x81), char(0x80), 2, cname + ns) << int(D::Delegated);
    QTest::newRow("no such name") << answer(char(0x81), char(0x83), 0) << int(D::NotDelegated);
    QTest::newRow("no records") << answer(char(0x81), char(0x80), 0) << int(D::NotDelegated);
    QTest::newRow("server failure") << answer(char(0x81), char(0x82), 0) << int(D::Unknown);
    QTest::newRow("cut short") << answer(char(0x83), char(0x80), 1, ns) << int(D::Unknown);
    QTest::newRow("a record that runs past the end")
        << answer(char(0x81), char(0x80), 1, ns.left(11)) << int(D::Unknown);
    QTest::newRow("another question") << Dns::question(0x1234, u"other.com"_qs) << int(D::Unknown);
    QTest::newRow("a question, not an answer") << question << int(D::Unknown);
}

void TestSiteLookup::dnsAnswers()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, delegation);
    QCOMPARE(int(Dns::read(answer, 0x1234, u"quelcor.com"_qs)), delegation);
}

void TestSiteLookup::topLevelDomains_data()
{
    // A top-level domain, however written: its root zone record from IANA's RDAP service, or from IANA's whois
    // when that service cannot be had; the registry's own RDAP service from the bootstrap file.
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("rdapStatus"); // 0: IANA's RDAP service does not answer
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("fields"); // manager, whois server, RDAP service, registered, DNSSEC, status
    QTest::newRow("RDAP") << ".DE" << 200 << int(Outcome::Found)
                          << QStringList { "DENIC eG", "whois.denic.de", "RDAP", "1986-11-05", "signed", "active" };
    QTest::newRow("not in the root zone") << u"рф"_qs << 404 << int(Outcome::NotRegistered) << QStringList();
    QTest::newRow("not in the root zone, by whois") << u"рф"_qs << 0 << int(Outcome::NotRegistered) << QStringList();
    QTest::newRow("IANA's whois instead")
        << "de" << 0 << int(Outcome::Found)
        << QStringList { "DENIC eG", "whois.denic.de", "RDAP", "1986-11-05", "signed", "ACTIVE" };
}

void TestSiteLookup::topLevelDomains()
{
    QFETCH(QString, input);
    QFETCH(int, rdapStatus);
    QFETCH(int, outcome);
    QFETCH(QStringList, fields);
    FakeWhoisNetwork whois(1);
    whois.server(1).answer
        = "% IANA WHOIS server\n\ndomain:       DE\n\norganisation: DENIC eG\naddress:      Kaiserstrasse "
          "75-77\n\ncontact:      administrative\norganisation: DENIC Admin\n\nnserver:      A.NIC.DE "
          "194.0.0.53\nds-rdata:     26755 8 2 f341357809a5954311ccb82ade114c6c1d724a75c0395137aa\n"
          "whois:        whois.denic.de\n\nstatus:       ACTIVE\n\ncreated:      1986-11-05\nchanged:"
          "      2023-05-04\nsource:       IANA\n";
    if (fields.isEmpty())
        whois.server(1).answer = "% This query returned 0 objects.\n";
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json", json(bootstrapFile({ { { "de" }, rdap.base() + "/RDAP/" } })));
    rdap.route("/iana/domain/de",
               json(R"({"objectClassName":"domain","ldhName":"de","status":["active"],"port43":"whois.denic.de",
                        "entities":[{"roles":["registrant"],"vcardArray":["vcard",[["fn",{},"text","DENIC eG"]]]}],
                        "events":[{"eventAction":"registration","eventDate":"1986-11-05T00:00:00Z"}],
                        "secureDNS":{"delegationSigned":true}})"));
    rdap.route("/iana/domain/xn--p1ai", { 404, "{}", "application/rdap+json" });
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);
    LookupSettings settings = settingsFor(whois.port());
    settings.ianaRdap = rdapStatus ? QUrl(rdap.base() + "/iana/") : QUrl(QStringLiteral("http://127.0.0.1:1/"));

    const LookupResult result = Lookup(bootstrap, settings).run(input);
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.kind, Query::Kind::TopLevelDomain);
    QCOMPARE(whois.server(1).queries.size(), rdapStatus ? 0 : 1); // asked only when RDAP fails, and only the root
    if (fields.isEmpty()) {
        QCOMPARE(result.message.english(), u".xn--p1ai is not a top-level domain of the root zone."_qs);
        return;
    }
    QCOMPARE(QStringList({ result.holder, result.whoisServer, QUrl(result.rdapService).path().section(u'/', 1, 1),
                           result.registered, result.dnssec, result.statuses.value(0) }),
             fields);
    QCOMPARE(result.notes.size(), rdapStatus ? 0 : 1);
}

void TestSiteLookup::whoisTwoHops()
{
    FakeWhoisNetwork whois(3);
    whois.server(1).answer = "% IANA WHOIS server\r\nrefer:        127.0.0.2\r\n\r\ndomain:       COM\r\n";
    whois.server(2).answer = "   Domain Name: EXAMPLE.COM\r\n   Registrar WHOIS Server: 127.0.0.3\r\n";
    whois.server(3).answer = "Domain Name: example.com\r\nRegistrant Organization: Example Org\r\n";
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);

    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(QStringLiteral("example.com"));
    QCOMPARE(result.outcome, Outcome::Found);
    QCOMPARE(result.asked.size(), 3);
    QCOMPARE(result.records.size(), 2);
    QVERIFY(result.records[0].text.contains(u"Registrar WHOIS Server"));
    QVERIFY(result.records[1].text.contains(u"Example Org"));
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(whois.server(i).queries, QList<QByteArray> { "example.com" });
    // The bootstrap file could not be had: said, and whois answered.
    QCOMPARE(result.notes.size(), 1);
}

void TestSiteLookup::whoisRegistrarServerForms_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("serversAsked");
    QTest::newRow("URL") << QByteArray("Registrar WHOIS Server: http://127.0.0.3/whois\r\n") << 3;
    QTest::newRow("bare host") << QByteArray("Registrar WHOIS Server: 127.0.0.3\r\n") << 3;
    QTest::newRow("empty value") << QByteArray("Registrar WHOIS Server: \r\n") << 2;
    QTest::newRow("no line") << QByteArray() << 2;
}

void TestSiteLookup::whoisRegistrarServerForms()
{
    QFETCH(QByteArray, line);
    QFETCH(int, serversAsked);
    FakeWhoisNetwork whois(3);
    whois.server(1).answer = "refer: 127.0.0.2\n";
    whois.server(2).answer = "Domain Name: EXAMPLE.COM\r\n" + line;
    whois.server(3).answer = "Domain Name: example.com\r\n";
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);

    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(QStringLiteral("example.com"));
    QCOMPARE(result.outcome, Outcome::Found);
    QCOMPARE(result.asked.size(), serversAsked);
    QCOMPARE(whois.server(3).queries.size(), serversAsked == 3 ? 1 : 0);
}

void TestSiteLookup::whoisLoopsStop_data()
{
    QTest::addColumn<QByteArray>("rootAnswer");
    QTest::addColumn<QByteArray>("registryAnswer");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("evidenceLine"); // the registry's line quoted as evidence; 0: none, -1: no evidence
    QTest::newRow("root refers to itself")
        << QByteArray("refer: 127.0.0.1\n") << QByteArray() << int(Outcome::NoService) << -1;
    QTest::newRow("registry names the root")
        << QByteArray("refer: 127.0.0.2\n") << QByteArray("Registrar WHOIS Server: 127.0.0.1\n") << int(Outcome::Found)
        << 1;
    QTest::newRow("registry names itself")
        << QByteArray("refer: 127.0.0.2\n") << QByteArray("Registrar WHOIS Server: 127.0.0.2\n") << int(Outcome::Found)
        << 1;
    // "Registered" needs evidence: an answer in words the site does not read, naming neither the name nor a field,
    // is unknown; one that names the name is a record of it.
    QTest::newRow("no wording, no field: unknown")
        << QByteArray("refer: 127.0.0.2\n") << QByteArray("Solo se aceptan consultas de dominios .example\n")
        << int(Outcome::Unknown) << 0;
    QTest::newRow("the name in a key of its own: a record")
        << QByteArray("refer: 127.0.0.2\n") << QByteArray("% terms\n\nNombre de Dominio: EXAMPLE.COM\n")
        << int(Outcome::Found) << 3;
    QTest::newRow("a refusal of the question: unknown")
        << QByteArray("refer: 127.0.0.2\n") << QByteArray("% whois\nInvalid query: only .example here\n")
        << int(Outcome::Unknown) << 2;
}

void TestSiteLookup::whoisLoopsStop()
{
    QFETCH(QByteArray, rootAnswer);
    QFETCH(QByteArray, registryAnswer);
    QFETCH(int, outcome);
    QFETCH(int, evidenceLine);
    FakeWhoisNetwork whois(2);
    whois.server(1).answer = rootAnswer;
    whois.server(2).answer = registryAnswer;
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);

    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(QStringLiteral("example.com"));
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.evidence.line, qMax(evidenceLine, 0));
    QCOMPARE(result.evidence.server.section(u':', 0, 0), evidenceLine < 0 ? QString() : u"127.0.0.2"_qs);
    QCOMPARE(whois.server(1).queries.size(), 1);
    QVERIFY(whois.server(2).queries.size() <= 1);
}

void TestSiteLookup::whoisReferralToPrivateAddressRefused()
{
    FakeWhoisNetwork whois(5); // 127.0.0.5 listens, but is not among the allowed addresses
    whois.server(1).answer = "refer: 127.0.0.2\n";
    whois.server(2).answer = "Domain Name: EXAMPLE.COM\nRegistrar WHOIS Server: 127.0.0.5\n";
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);
    const Lookup lookup(bootstrap, settingsFor(whois.port()));

    const LookupResult registrar = lookup.run(QStringLiteral("example.com"));
    QCOMPARE(registrar.outcome, Outcome::Found); // the registry's record stays
    QCOMPARE(registrar.records.size(), 1);
    QVERIFY2(registrar.notes.last().english().contains(u"not a public address"),
             qPrintable(registrar.notes.last().english()));

    whois.server(1).answer = "refer: 127.0.0.5\n";
    const LookupResult registry = lookup.run(QStringLiteral("example.com"));
    QCOMPARE(registry.outcome, Outcome::Failed);
    QVERIFY2(registry.message.english().contains(u"not a public address"), qPrintable(registry.message.english()));
    QVERIFY(whois.server(5).queries.isEmpty());
}

void TestSiteLookup::whoisNoServiceForExtension()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = "% This query returned 0 objects.\n";
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(QStringLiteral("example.zz"));
    QCOMPARE(result.outcome, Outcome::NoService);
    QCOMPARE(result.message.english(), u"There is no lookup service for the extension .zz."_qs);
}

void TestSiteLookup::whoisWindows1252()
{
    FakeWhoisNetwork whois(2);
    whois.server(1).answer = "refer: 127.0.0.2\n";
    whois.server(2).answer = "Registrant: Caf\xe9 Sant\xe0 S.r.l. \x80\r\n";
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(QStringLiteral("example.it"));
    QCOMPARE(result.records.size(), 1);
    QCOMPARE(result.records[0].text, u"Registrant: Café Santà S.r.l. €\r\n"_qs);
    QVERIFY(QString::fromUtf8(Pages::lookupPage(QStringLiteral("example.it"), &result)).contains(u"Café Santà"));
}

void TestSiteLookup::whoisTrickleStopsAtDeadline()
{
    FakeWhoisNetwork whois(2);
    whois.server(1).answer = "refer: 127.0.0.2\n";
    whois.server(2).mode = FakeWhois::Mode::Trickle;
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);
    const Lookup lookup(bootstrap, settingsFor(whois.port()));
    QElapsedTimer clock;
    clock.start();
    const LookupResult result = lookup.run(QStringLiteral("example.com"));
    QCOMPARE(result.outcome, Outcome::Failed);
    QVERIFY2(result.message.english().contains(u"no complete answer within 2 s"), qPrintable(result.message.english()));
    QVERIFY2(clock.elapsed() < 1500 + 4000, qPrintable(QString::number(clock.elapsed())));
}

void TestSiteLookup::whoisHugeAnswerCut()
{
    FakeWhoisNetwork whois(2);
    whois.server(1).answer = "refer: 127.0.0.2\n";
    whois.server(2).mode = FakeWhois::Mode::Huge;
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(QStringLiteral("example.com"));
    QCOMPARE(result.outcome, Outcome::Unknown); // a megabyte of filler says nothing of the name
    QCOMPARE(result.records.size(), 1);
    QVERIFY(result.records[0].cut);
    QCOMPARE(result.records[0].text.size(), 1 << 20);
    QVERIFY(
        QString::fromUtf8(Pages::lookupPage(QStringLiteral("example.com"), &result)).contains(u"longer than 1 MiB"));
}

void TestSiteLookup::connectionsThatNeverOpenStopAtTheConnectLimit()
{
    FullListenQueue queue;
    QVERIFY(queue.port() != 0);
    LookupSettings settings = settingsFor(queue.port());
    settings.limits = Limits { 500, 5000, 1 << 20 };
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:%1/dns.json").arg(queue.port())), 3600);
    QElapsedTimer clock;
    clock.start();
    const LookupResult result = Lookup(bootstrap, settings).run(QStringLiteral("example.com"));
    QVERIFY2(clock.elapsed() < 2 * 500 + 4000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(result.outcome, Outcome::Failed);
    // The bootstrap file's server and then the whois root: neither opened a connection within the limit.
    QVERIFY2(result.notes.value(0).english().contains(u"no connection within 1 s"),
             qPrintable(result.notes.value(0).english()));
    QVERIFY2(result.message.english().contains(u"no connection within 1 s"), qPrintable(result.message.english()));
}

void TestSiteLookup::refusedNamesReachNoServer_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("CR LF") << "example.com\r\nhelp";
    QTest::newRow("option") << "-h host";
    QTest::newRow("markup") << "<b>x</b>.com";
}

void TestSiteLookup::refusedNamesReachNoServer()
{
    QFETCH(QString, input);
    FakeWhoisNetwork whois(1);
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(input);
    QCOMPARE(result.outcome, Outcome::Refused);
    QVERIFY(whois.server(1).queries.isEmpty());
    QVERIFY(rdap.log().isEmpty());
    // The page shows what was typed, as text.
    const QString page = QString::fromUtf8(Pages::lookupPage(input, &result));
    QVERIFY(!page.contains(u"<b>x"));
    QVERIFY(page.contains(result.message.english().toHtmlEscaped()));
}

// Whom to tell, against stand-ins that replay real answers: a domain whose addresses lie in two regional registries
// (ARIN's and RIPE's), its registrar first and its registry (IANA's record) last; and an address whose network names
// no abuse contact, the network that contains it asked for its own. (No recording holds a network that names none
// with its real parent, so a real network record of another registry stands in for the parent's answer.)
void TestSiteLookup::whoToTell()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).answer = readData(u"whois/whois.iana.org/found.txt"_qs);
    FakeDns dns;
    QVERIFY(dns.listen());
    dns.addresses.insert(u"github.com"_qs, { QHostAddress(u"3.3.3.3"_qs), QHostAddress(u"2001:41d0:2:193d::5"_qs) });
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    const QString base = rdap.base();
    rdap.route("/bootstrap/dns.json", json(bootstrapFile({ { { u"com"_qs }, base + u"/registry/"_qs } })));
    rdap.route("/bootstrap/ipv4.json",
               json(bootstrapFile({ { { u"3.0.0.0/8"_qs }, base + u"/arin/"_qs },
                                    { { u"41.0.0.0/8"_qs }, base + u"/afrinic/"_qs } })));
    rdap.route("/bootstrap/ipv6.json", json(bootstrapFile({ { { u"2001:4000::/23"_qs }, base + u"/ripe/"_qs } })));
    rdap.route("/registry/domain/github.com", json(readData(u"rdap/rdap.verisign.com-domain.json"_qs)));
    rdap.route("/arin/ip/3.3.3.3", json(readData(u"rir/arin-ip-6.json"_qs)));
    rdap.route("/ripe/ip/2001:41d0:2:193d::5", json(readData(u"rir/ripe-ip-2.json"_qs)));
    rdap.route("/afrinic/ip/41.0.0.1", json(readData(u"rir/afrinic-ip-2.json"_qs)));
    rdap.route("/afrinic/ip/41.0.0.0/15", json(readData(u"rir/ripe-ip-3.json"_qs)));
    RdapBootstrap bootstrap(QUrl(base + u"/bootstrap/dns.json"_qs), 3600);
    LookupSettings settings = settingsFor(whois.port());
    settings.ianaRdap = QUrl(u"http://127.0.0.1:1/"_qs); // IANA's whois answers instead
    const Lookup lookup(bootstrap, settings);
    Abuse::Settings search;
    search.resolver = Dns::Resolver { QHostAddress::LocalHost, dns.port(), 500 };
    search.hosting = true;

    const Abuse::Report domain = searched(lookup, search, u"github.com"_qs);
    QStringList got;
    for (const Abuse::Contact &contact : domain.contacts)
        got.append(Abuse::roleName(contact.role) + u' ' + contact.emails.join(u',') + u' ' + contact.address);
    QCOMPARE(
        got,
        QStringList({ u"registrar abusecomplaints@markmonitor.com "_qs,
                      u"hosting-network abuse@amazonaws.com github.com 3.3.3.3"_qs,
                      u"hosting-network lir@ovh.net github.com 2001:41d0:2:193d::5"_qs, u"registry iab@iab.org "_qs }));
    QCOMPARE(domain.contacts[0].phones, QStringList { u"+1.2086851750"_qs });
    QCOMPARE(domain.contacts[0].field, u"entity (abuse) in entity 292 (registrar)"_qs);
    QVERIFY2(domain.contacts[3].line > 0 && domain.contacts[3].field.startsWith(u"contact: administrative"),
             qPrintable(domain.contacts[3].field));
    QCOMPARE(domain.asked, 4); // the domain, its top-level domain, two addresses

    search.hosting = false;
    const Abuse::Report network = searched(lookup, search, u"41.0.0.1"_qs);
    QCOMPARE(network.contacts.size(), 1);
    QCOMPARE(network.contacts[0].emails,
             QStringList({ u"abuse@ripe.net"_qs, u"ops@ripe.net"_qs })); // its abuse one first
    QCOMPARE(network.contacts[0].moreSpecific, u"41.0.0.0 - 41.0.255.255"_qs);
    QVERIFY(rdap.log().contains(u"GET /afrinic/ip/41.0.0.0/15"_qs));
    QVERIFY(Pages::lookupPage(u"41.0.0.1"_qs, &network.result, PageLanguage::english(), &network)
                .contains("41.0.0.0 - 41.0.255.255 names no abuse contact of its own"));
}

// A whois lookup's evidence file: every answer as the servers sent it, verified by sha256sum alone; the same bytes
// for the result kept and read back (as another instance would).
void TestSiteLookup::evidenceFile()
{
    FakeWhoisNetwork whois(3);
    whois.server(1).answer = "refer:        127.0.0.2\n";
    whois.server(2).answer
        = readData(u"whois/whois.verisign-grs.com/found.txt"_qs) + "\n   Registrar WHOIS Server: 127.0.0.3\n";
    whois.server(3).answer = "Domain Name: example.com\r\nRegistrar: \xe9xample\r\n"; // not UTF-8: as sent
    RdapBootstrap bootstrap(QUrl(u"http://127.0.0.1:1/dns.json"_qs), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(u"example.com"_qs);
    QCOMPARE(result.hops.size(), 3);
    const QByteArray zip = EvidenceFile::zip(result);
    QCOMPARE(EvidenceFile::zip(*LookupResult::deserialised(result.serialised(QDateTime::currentDateTimeUtc()),
                                                           QDateTime::currentDateTimeUtc())),
             zip);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"evidence.zip"_qs));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(zip) == zip.size());
    file.close();
    QProcess unzip;
    unzip.setWorkingDirectory(dir.path());
    unzip.start(u"/usr/bin/python3"_qs, { u"-m"_qs, u"zipfile"_qs, u"-e"_qs, file.fileName(), dir.path() });
    QVERIFY(unzip.waitForFinished(30'000) && unzip.exitCode() == 0);
    const QString folder = dir.filePath(u"example.com-evidence"_qs);
    QProcess sums;
    sums.setWorkingDirectory(folder);
    sums.start(u"sha256sum"_qs, { u"-c"_qs, u"SHA256SUMS"_qs });
    QVERIFY(sums.waitForFinished(30'000));
    const QByteArray said = sums.readAllStandardOutput();
    QVERIFY2(sums.exitCode() == 0 && said.count(": OK\n") == 4, said.constData()); // three answers, the manifest
    QFile manifest(folder + u"/manifest.json"_qs);
    QVERIFY(manifest.open(QIODevice::ReadOnly));
    const QJsonArray listed = QJsonDocument::fromJson(manifest.readAll()).object().value(u"answers"_qs).toArray();
    QCOMPARE(listed.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QJsonObject answer = listed[i].toObject();
        QCOMPARE(answer.value(u"server"_qs).toString(), QStringLiteral("127.0.0.%1:%2").arg(i + 1).arg(whois.port()));
        QCOMPARE(answer.value(u"question"_qs).toString(), u"example.com"_qs);
        QFile body(folder + u'/' + answer.value(u"file"_qs).toString());
        QVERIFY(body.open(QIODevice::ReadOnly));
        QCOMPARE(body.readAll(), whois.server(i + 1).answer);
    }
}

QTEST_GUILESS_MAIN(TestSiteLookup)
#include "tst_site_lookup.moc"
