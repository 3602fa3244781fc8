// The quelcor-site program itself: its command line, the version files as the program reads them, the
// lookup page over HTTP, its headers and its log.

#include "FakeDns.h"
#include "FakeWhois.h"
#include "LocalHttpServer.h"
#include "RawHttp.h"
#include "SiteProcess.h"

#include "VersionText.h"
#include "lookup/Availability.h"
#ifdef QUELCOR_WITH_CLIENT
#include "platform/HttpTextFetcher.h"
#endif

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// An RDAP record of a name: its registrar, statuses, expiry and name server.
QByteArray recordOf(const char *name, const char *registrar, const char *status, const QDate &expires)
{
    return QStringLiteral(
               R"({"ldhName":"%1","status":["%3"],"events":[{"eventAction":"expiration","eventDate":"%4T00:00:00Z"}],
        "entities":[{"roles":["registrar"],"vcardArray":["vcard",[["fn",{},"text","%2"]]]}],
        "nameservers":[{"ldhName":"ns1.%2.example"}]})")
        .arg(QLatin1StringView(name), QLatin1StringView(registrar), QLatin1StringView(status),
             expires.toString(Qt::ISODate))
        .toUtf8();
}

} // namespace

class TestSiteProcess : public QObject
{
    Q_OBJECT
private slots:
    void versionFilesAsTheProgramReadsThem();
    void lookupOverHttp();
    void slowLookupHoldsUpNobody();
    void apiAnswersAsDescribed();
    void availabilityRowsAsTheyCome();
    void commandLine_data();
    void commandLine();
    void restartOnTheSamePort();
    void watchedFromCron();
    void watchedBySubscription();
    void watchingIsPaidForAndBounded();
    void plainPagesAndMissingOnes_data();
    void plainPagesAndMissingOnes();
    void badCommandLines_data();
    void badCommandLines();
};

void TestSiteProcess::versionFilesAsTheProgramReadsThem()
{
#ifndef QUELCOR_WITH_CLIENT
    QSKIP("the program is not built here");
#else
    SiteProcess site({ QStringLiteral("--whois-version"), QStringLiteral("1.1.0007") });
    QVERIFY(site.started());
    HttpTextFetcher fetcher;
    const FetchResult quelcor = fetcher.fetch(QUrl(site.base() + "/quelcor_version_number.js"));
    QVERIFY2(quelcor.ok, qPrintable(quelcor.error));
    const auto published = VersionText::parse(VersionText::extract(quelcor.text));
    QVERIFY(published);
    QCOMPARE(QStringLiteral("%1.%2.%3").arg(published->major).arg(published->minor).arg(published->revision),
             QStringLiteral(QUELCOR_BUILD_VERSION));

    const FetchResult whois = fetcher.fetch(QUrl(site.base() + "/whois_version_number.js"));
    QVERIFY2(whois.ok, qPrintable(whois.error));
    const auto newer = VersionText::parse(VersionText::extract(whois.text));
    QVERIFY(newer);
    QVERIFY(VersionText::isNewer(*newer, *published));
#endif
}

void TestSiteProcess::lookupOverHttp()
{
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json",
               LocalHttpServer::Reply { 200,
                                        R"({"services":[[["com"],[")" + rdap.base().toUtf8() + R"(/"]]]})",
                                        "application/json",
                                        LocalHttpServer::Reply::Mode::Normal,
                                        100,
                                        {} });
    rdap.route("/domain/example.com",
               LocalHttpServer::Reply { 200,
                                        R"({"ldhName":"example.com","status":["active"],
                   "remarks":[{"description":["<img src=x onerror=alert(1)>"]}]})",
                                        "application/rdap+json",
                                        LocalHttpServer::Reply::Mode::Normal,
                                        100,
                                        {} });
    SiteProcess site({ QStringLiteral("--rdap-bootstrap"), rdap.base() + "/dns.json", QStringLiteral("--allow-address"),
                       QStringLiteral("127.0.0.1") });
    QVERIFY(site.started());

    // The test's own fake server answers inside this thread: the request runs in a helper thread.
    const Page page = served(site.base() + "/hosting/quelcor.php?domain=Example.COM");

    QCOMPARE(page.status, 200);
    QVERIFY(page.csp.contains("default-src 'none'"));
    QVERIFY(page.body.contains("<h1><bdi>example.com</bdi></h1>"));
    QVERIFY(page.body.contains("&lt;img src=x onerror=alert(1)&gt;"));
    QVERIFY(!page.body.contains("<img"));
    QVERIFY(page.body.contains("value=\"Example.COM\""));
    // The page's one script is the one its policy allows by hash.
    const qsizetype script = page.body.indexOf("<script>") + 8;
    const QByteArray code = page.body.mid(script, page.body.indexOf("</script>") - script);
    QVERIFY(page.csp.contains("script-src 'sha256-"
                              + QCryptographicHash::hash(code, QCryptographicHash::Sha256).toBase64() + "'"));
    QCOMPARE(rdap.log(), QStringList({ "GET /dns.json", "GET /domain/example.com" }));

    // The record to keep, from the cache: as the registry sent it.
    const Page record = served(site.base() + "/hosting/quelcor.php?domain=example.com&record=1");
    QCOMPARE(record.disposition, QByteArray("attachment; filename=\"example.com-rdap.json\""));
    QVERIFY(record.body.startsWith(R"({"ldhName":"example.com","status":["active"],)"));
    QCOMPARE(rdap.log().size(), 2);

    // One log line a request, with no control characters from the request in it.
    get(site.base() + "/hosting/quelcor.php?domain=a%0D%0Ab");
    QTRY_COMPARE_WITH_TIMEOUT(site.log().size(), 4, 20000);
    QVERIFY2(site.log().at(1).contains(u"GET /hosting/quelcor.php?domain=Example.COM 200"),
             qPrintable(site.log().at(1)));
    QVERIFY(site.log().at(3).contains(u"GET /hosting/quelcor.php?domain=a%0D%0Ab 200"));
}

// The API answers what the page answers, as its description says: every answer received here, errors included,
// is checked against the description by a JSON Schema validator, and the description's schemas against JSON
// Schema 2020-12.
void TestSiteProcess::apiAnswersAsDescribed()
{
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json",
               { 200, R"({"services":[[["com"],[")" + rdap.base().toUtf8() + R"(/"]]]})", "application/json" });
    rdap.route(
        "/domain/example.com",
        { 200,
          R"({"ldhName":"example.com","status":["client transfer prohibited"],"secureDNS":{"delegationSigned":true},
                     "events":[{"eventAction":"expiration","eventDate":"2099-08-13T04:00:00Z"}]})",
          "application/rdap+json" });
    rdap.route("/domain/free.com", { 404, "{}", "application/rdap+json" });
    rdap.route("/domain/busy.com",
               { 429, "{}", "application/rdap+json", LocalHttpServer::Reply::Mode::Normal, 100, "Retry-After: 1\r\n" });
    SiteProcess site({ QStringLiteral("--rdap-bootstrap"), rdap.base() + "/dns.json", QStringLiteral("--allow-address"),
                       QStringLiteral("127.0.0.1"), QStringLiteral("--client-burst"), QStringLiteral("2"),
                       QStringLiteral("--client-lookups-per-minute"), QStringLiteral("1") });
    QVERIFY(site.started());

    QTemporaryDir answers;
    QStringList files;
    const auto fetch = [&](const QString &pathAndQuery) {
        const Page page = served(site.base() + pathAndQuery);
        const QJsonObject answer { { u"path"_qs, pathAndQuery.section(u'?', 0, 0) },
                                   { u"status"_qs, page.status },
                                   { u"contentType"_qs, QString::fromLatin1(page.contentType) },
                                   { u"body"_qs, QJsonDocument::fromJson(page.body).object() } };
        QFile file(answers.filePath(QString::number(files.size()) + u".json"_qs));
        if (file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(answer).toJson()) > 0)
            files.append(file.fileName());
        return page;
    };
    const Page found = fetch(u"/api/v1/lookup?q=Example.COM"_qs);
    QCOMPARE(found.status, 200);
    QCOMPARE(found.allowOrigin, QByteArray("*"));
    const QJsonObject json = QJsonDocument::fromJson(found.body).object();
    QCOMPARE(json.value(u"verdict"_qs).toString(), u"registered"_qs);
    QCOMPARE(json.value(u"fields"_qs).toObject().value(u"expires"_qs).toString(), u"2099-08-13"_qs);
    QVERIFY(json.value(u"records"_qs)
                .toArray()
                .at(0)
                .toObject()
                .value(u"text"_qs)
                .toString()
                .startsWith(u"{\"ldhName\":\"example.com\""_qs)); // as sent
    QCOMPARE(
        QJsonDocument::fromJson(fetch(u"/api/v1/lookup?q=free.com"_qs).body).object().value(u"verdict"_qs).toString(),
        u"available"_qs);
    QCOMPARE(fetch(u"/api/v1/lookup?q=exa_mple.com"_qs).contentType, QByteArray("application/problem+json"));
    QCOMPARE(fetch(u"/api/v1/lookup"_qs).status, 400);
    const Page cached = fetch(u"/api/v1/lookup?q=example.com"_qs); // the burst is spent: a cached answer is free
    QCOMPARE(QJsonDocument::fromJson(cached.body).object().value(u"cached"_qs).toBool(), true);
    // The same answer has the same validator, kept or fresh; a client that holds it gets 304 and no body.
    QVERIFY2(found.etag.startsWith("W/\"") && cached.etag == found.etag, cached.etag.constData());
    QVERIFY2(found.cacheControl.startsWith("max-age=") && cached.cacheControl.startsWith("max-age="),
             cached.cacheControl.constData());
    const Page unchanged = served(site.base() + u"/api/v1/lookup?q=example.com"_qs, "\"other\", " + found.etag);
    QVERIFY(unchanged.status == 304 && unchanged.body.isEmpty() && unchanged.etag == found.etag);
    const Page limited = fetch(u"/api/v1/lookup?q=other.com"_qs);
    QCOMPARE(limited.status, 429);
    QVERIFY(limited.retryAfter.toInt() > 0);
    // The budget the answers said: one question to .com left after the first, none at the 429.
    QVERIFY2(found.rateLimit.startsWith("\"registry\";r=1;"), found.rateLimit.constData());
    QVERIFY2(limited.rateLimit.startsWith("\"registry\";r=0;"), limited.rateLimit.constData());
    // Questions that ask no registry cost nothing: more of them than the burst allows are all answered.
    for (const char *asksNothing : { "no_budget.com", "..bad", "x_y.com", "192.0.2.1", "198.51.100.1" })
        QCOMPARE(served(site.base() + u"/hosting/quelcor.php?domain="_qs + QLatin1String(asksNothing)).status, 200);
    QCOMPARE(fetch(u"/api/v1/availability?name=free&extensions=com"_qs).status, 200); // kept: free of budget
    QCOMPARE(fetch(u"/api/v1/availability?name=a.b.c"_qs).status, 400);
    // A parameter given twice, or a limit passed, is refused in words that say so.
    QVERIFY(served(site.base() + u"/api/v1/lookup?q=a.com&q=b.com"_qs).body.contains("given more than once"));
    QStringList many;
    for (int i = 0; i < 51; ++i)
        many.append(QStringLiteral("x%1").arg(i));
    QVERIFY(served(site.base() + u"/api/v1/availability?name=a&extensions="_qs + many.join(u','))
                .body.contains("At most 50 extensions"));
    // Who to tell: a question past the budget is refused as a lookup is; of a kept answer, only the further lookup
    // counts (the top-level domain's record, which IANA's unreachable whois cannot give here).
    QCOMPARE(fetch(u"/api/v1/abuse?q=other.com"_qs).status, 429);
    const QJsonObject abuse = QJsonDocument::fromJson(fetch(u"/api/v1/abuse?q=example.com"_qs).body).object();
    QVERIFY2(abuse.value(u"lookups"_qs).toInt() == 1
                 && abuse.value(u"notes"_qs).toArray().at(1).toString().startsWith(u".com could not be looked up"_qs),
             QJsonDocument(abuse).toJson().constData());
    // The evidence: the kept answer as the stand-in sent it, in a ZIP file.
    const Page evidence = served(site.base() + u"/api/v1/evidence?q=example.com"_qs);
    QVERIFY(evidence.status == 200 && evidence.contentType == "application/zip"
            && evidence.body.startsWith("PK\x03\x04")
            && evidence.body.contains("{\"ldhName\":\"example.com\",\"status\""));
    QCOMPARE(fetch(u"/api/v1/openapi.json"_qs).status, 200);
    QCOMPARE(files.size(), 11);

    QProcess validator;
    validator.setProcessChannelMode(QProcess::MergedChannels);
    validator.start(QStringLiteral("/usr/bin/python3"),
                    QStringList { QStringLiteral(QUELCOR_SOURCE_DIR "/tests/site/api/validate-api.py"),
                                  QStringLiteral(QUELCOR_SOURCE_DIR "/site/pages/templates/openapi.json") }
                        + files.mid(0, 10));
    QVERIFY(validator.waitForFinished(60'000));
    const QByteArray said = validator.readAll();
    QVERIFY2(validator.exitCode() == 0 && said.contains("10 answers checked, 0 failures"), said.constData());
}

// A name in the twenty usual extensions: three in the DNS (no registry asked), one whose registry fails, one whose
// registry answers late, the rest free; the rows come as their answers do, and only the registries' questions count.
void TestSiteProcess::availabilityRowsAsTheyCome()
{
    FakeDns dns;
    QVERIFY(dns.listen());
    dns.delegated = { u"quelcor.net"_qs, u"quelcor.de"_qs, u"quelcor.io"_qs };
    FakeWhoisNetwork whois(2);
    whois.server(1).answer = "refer: 127.0.0.2\n";
    QFile recorded(
        QStringLiteral(QUELCOR_SOURCE_DIR "/tests/site/data/whois/whois.verisign-grs.com/not-registered.txt"));
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    whois.server(2).answer = recorded.readAll(); // a registry's real "No match for" (of another name)
    whois.server(2).mode = FakeWhois::Mode::Late;
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    QStringList extensions = ManyExtensions::usual();
    QCOMPARE(extensions.size(), 20);
    extensions.removeAll(u"online"_qs); // asked of whois
    rdap.route(
        "/dns.json",
        { 200,
          R"({"services":[[[")" + extensions.join(u"\",\"").toUtf8() + R"("],[")" + rdap.base().toUtf8() + R"(/"]]]})",
          "application/json" });
    for (const QString &extension : extensions)
        rdap.route("/domain/quelcor." + extension.toUtf8(), { 404, "{}", "application/rdap+json" });
    rdap.route("/domain/quelcor.org", { 500, "{}", "application/rdap+json" });
    rdap.route("/domain/other.com", { 404, "{}", "application/rdap+json" });
    SiteProcess site({ u"--rdap-bootstrap"_qs, rdap.base() + u"/dns.json"_qs, u"--allow-address"_qs, u"127.0.0.1"_qs,
                       u"--allow-address"_qs, u"127.0.0.2"_qs, u"--whois-root"_qs,
                       QStringLiteral("127.0.0.1:%1").arg(whois.port()), u"--whois-port"_qs,
                       QString::number(whois.port()), u"--dns-server"_qs,
                       QStringLiteral("127.0.0.1:%1").arg(dns.port()), u"--client-total-burst"_qs, u"17"_qs,
                       u"--client-total-per-minute"_qs, u"1"_qs, u"--registry-questions-per-second"_qs, u"50"_qs });
    QVERIFY(site.started());

    // The page, read as it comes: most rows well before the last.
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, site.port());
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GET /hosting/quelcor.php?domain=quelcor.* HTTP/1.1\r\nHost: x\r\n\r\n");
    QByteArray page;
    QElapsedTimer clock;
    clock.start();
    qint64 mostRows = -1;
    QTRY_VERIFY_WITH_TIMEOUT((page += socket.readAll(),
                              mostRows < 0 && page.count("<tr data-extension=") >= 19 ? mostRows = clock.elapsed() : 0,
                              page.endsWith("0\r\n\r\n")),
                             20'000);
    QVERIFY2(mostRows >= 0 && clock.elapsed() - mostRows >= 1000, qPrintable(QString::number(mostRows)));
    QVERIFY(page.contains("Transfer-Encoding: chunked"));
    QCOMPARE(page.count("<tr data-extension="), 20);
    // Before them, each extension's place in the order asked (hidden: the page's script shows them).
    QCOMPARE(page.count("<tr class=\"asking\" data-for="), 20);
    QVERIFY(page.indexOf("data-for=\"com\"") < page.indexOf("<tr data-extension="));
    QCOMPARE(page.count("<td class=\"answer ok\" title=\""), 16); // with what the answer rests on
    for (const char *row : { "quelcor.net</bdi></a></td><td class=\"answer info\" title=\"the DNS delegates "
                             "quelcor.net to name servers\">",
                             "quelcor.org</bdi></a></td><td class=\"answer error\"",
                             "quelcor.online</bdi></a></td><td class=\"answer ok\" title=\"" })
        QVERIFY2(page.contains(row), row);
    QCOMPARE(rdap.log().filter(u"GET /domain/"_qs).size(), 16); // 20 less three in the DNS and one by whois
    QCOMPARE(dns.asked.size(), 20);

    // Seventeen registry questions spent the budget: kept answers are still free, another lookup is refused.
    const Page checked = served(site.base() + "/api/v1/availability?name=quelcor&extensions=com,net");
    // Each with what it rests on: the kept answer's own evidence, the DNS's delegation.
    const QString kept = rdap.base() + u"/domain/quelcor.com"_qs;
    QCOMPARE(QJsonDocument::fromJson(checked.body).object().value(u"rows"_qs).toArray(),
             QJsonDocument::fromJson(QStringLiteral(R"([{"domain":"quelcor.com","extension":"com","source":"cache",
            "state":"available","evidence":{"server":"%1","status":404,"text":"%1 answered with HTTP status 404"}},
            {"domain":"quelcor.net","extension":"net","source":"dns","state":"registered",
             "evidence":{"delegated":true,"text":"the DNS delegates quelcor.net to name servers"}}])")
                                         .arg(kept)
                                         .toUtf8())
                 .array());
    const Page api = served(site.base() + "/api/v1/lookup?q=other.com");
    QCOMPARE(api.status, 429);
}

void TestSiteProcess::commandLine_data()
{
    // quelcor-lookup's arguments (after the ones that point it at the stand-in), its exit status, and lines its
    // output must hold.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("text") << QStringList { "Example.COM" } << 0
                          << QStringList { "Example.COM: Registered \u00B7 expires 13 August 2099",
                                           "  Evidence: BASE/domain/example.com answered with HTTP status 200",
                                           "  Status   transfer locked by the registrar (client transfer prohibited)" };
    QTest::newRow("CSV, one refused")
        << QStringList { "--csv", "example.com", "exa_mple.com", "free.com" } << 1
        << QStringList {
               "question,query,kind,verdict,holder,registrar,registered,expires,days_left,statuses,"
               "name_servers,message,evidence",
               "exa_mple.com,,domain,refused,,,,,,,,\"A domain name holds only letters, digits, hyphens and dots.\"",
               "free.com,free.com,domain,available,,,,,,,,free.com is not registered.,BASE/domain/free.com answered "
               "with HTTP status 404"
           };
    QTest::newRow("CSV, formulas from a registry shown as text")
        << QStringList { "--csv", "formula.com" } << 0
        << QStringList { "formula.com,formula.com,domain,registered,,'=cmd|' /C calc'!A0,,,,'@SUM(1+1)," };
    QTest::newRow("JSON")
        << QStringList { "--json", "free.com" } << 0
        << QStringList {
               R"({"asked":"free.com","cached":false,"evidence":{"server":"BASE/domain/free.com","status":404,)"
               R"("text":"BASE/domain/free.com answered with HTTP status 404"},"fieldSources":{},"fields":{},)",
               R"("question":"free.com",)"
           };
    QTest::newRow("records alone") << QStringList {
        "--records", "example.com"
    } << 0 << QStringList { R"({"ldhName":"example.com","status":["client transfer prohibited"],)" };
    QTest::newRow("a server named") << QStringList { "--server", "NAMED", "--timeout", "5", "free.com" } << 0
                                    << QStringList { "free.com: Registered" };
    QTest::newRow("an operator's route") << QStringList { "--routes", "ROUTES", "free.com" } << 0
                                         << QStringList { "free.com: Registered" };
    QTest::newRow("a timeout out of range") << QStringList { "--timeout", "0", "x.com" } << 2 << QStringList {};
    QTest::newRow("a file of questions") << QStringList { "--csv", "--file", "QUESTIONS" } << 0
                                         << QStringList { "free.com,free.com,domain,available,,,,,,,,free.com is not "
                                                          "registered." };
    QTest::newRow("availability") << QStringList { "--availability", "example.{com,org}" } << 1
                                  << QStringList { u"example.com"_qs.leftJustified(25)
                                                       + u"Registered · 13 August 2099"_qs,
                                                   u"example.org"_qs.leftJustified(25) + u"Unknown ("_qs };
    QTest::newRow("a list waits for its registry, up to a bound")
        << QStringList { "--wait-at-most", "2", "busy.com", "free.com" } << 1
        << QStringList { u"quelcor-lookup: busy.com: The registry is limiting how often it is asked. Try again in "
                         "1\u00A0s. Waiting 1\u00A0s, then asking again."_qs,
                         u"free.com: Available"_qs };
    QTest::newRow("no question") << QStringList {} << 2 << QStringList {};
    QTest::newRow("both formats") << QStringList { "--csv", "--json", "x.com" } << 2 << QStringList {};
}

void TestSiteProcess::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json",
               { 200, R"({"services":[[["com"],[")" + rdap.base().toUtf8() + R"(/"]]]})", "application/json" });
    rdap.route("/domain/example.com",
               { 200,
                 R"({"ldhName":"example.com","status":["client transfer prohibited"],
                     "events":[{"eventAction":"expiration","eventDate":"2099-08-13T04:00:00Z"}]})",
                 "application/rdap+json" });
    rdap.route("/domain/free.com", { 404, "{}", "application/rdap+json" });
    rdap.route("/domain/busy.com",
               { 429, "{}", "application/rdap+json", LocalHttpServer::Reply::Mode::Normal, 100, "Retry-After: 1\r\n" });
    rdap.route("/domain/formula.com",
               { 200, R"json({"ldhName":"formula.com","status":["@SUM(1+1)"],"entities":[{"roles":
        ["registrar"],"vcardArray":["vcard",[["fn",{},"text","=cmd|' /C calc'!A0"]]]}]})json",
                 "application/rdap+json" });
    rdap.route("/named/domain/free.com", { 200, R"({"ldhName":"free.com"})", "application/rdap+json" });
    arguments.replaceInStrings(u"NAMED"_qs, rdap.base() + u"/named"_qs);
    lines.replaceInStrings(u"BASE"_qs, rdap.base());
    QTemporaryDir folder;
    QFile questions(folder.filePath(u"questions.txt"_qs));
    QVERIFY(questions.open(QIODevice::WriteOnly));
    questions.write("# names to check\n\nfree.com\n  example.com  \n");
    questions.close();
    arguments.replaceInStrings(u"QUESTIONS"_qs, questions.fileName());
    QFile routes(folder.filePath(u"routes.tsv"_qs));
    QVERIFY(routes.open(QIODevice::WriteOnly));
    routes.write("# the operator's\n.com\t" + rdap.base().toUtf8() + "/named\n");
    routes.close();
    arguments.replaceInStrings(u"ROUTES"_qs, routes.fileName());

    // Run twice: the second run reads the bootstrap file it kept and asks only for the records.
    for (int run = 0; run < 2; ++run) {
        const auto [code, out]
            = runLookup(QStringList { u"--rdap-bootstrap"_qs, rdap.base() + u"/dns.json"_qs, u"--allow-address"_qs,
                                      u"127.0.0.1"_qs, u"--cache-dir"_qs, folder.filePath(u"cache"_qs),
                                      u"--dns-server"_qs, u"none"_qs, u"--whois-root"_qs, u"127.0.0.1:1"_qs }
                        + arguments);
        QVERIFY2(code == exitCode, qPrintable(out));
        for (const QString &line : lines)
            QVERIFY2(out.contains(line), qPrintable(out));
    }
    QVERIFY(rdap.log().count(u"GET /dns.json"_qs) <= 1);
}

void TestSiteProcess::watchedFromCron()
{
    // A name's life, a run of the command line a step: each change is told once (exit status 3), an unchanged
    // name is not (0), and the state file keeps what was seen.
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json",
               { 200, R"({"services":[[["com"],[")" + rdap.base().toUtf8() + R"(/"]]]})", "application/json" });
    const QDate today = QDate::currentDate();
    struct Step
    {
        QByteArray record; // empty: not registered
        int exitCode;
        QString said; // empty: nothing
    };
    const Step steps[] = {
        { recordOf("watched.com", "Alpha", "active", today.addDays(100)), 0,
          u"watched.com is registered and expires on "_qs
              + QLocale(u"en"_qs).toString(today.addDays(100), u"d MMMM yyyy"_qs) },
        { recordOf("watched.com", "Alpha", "active", today.addDays(100)), 0, {} },
        { recordOf("watched.com", "Beta", "active", today.addDays(100)), 3,
          u"watched.com: the registrar was Alpha and is now Beta"_qs },
        { recordOf("watched.com", "Beta", "redemption period", today.addDays(-50)), 3,
          u"watched.com is now in its redemption period"_qs },
        { recordOf("watched.com", "Beta", "pending delete", today.addDays(-50)), 3,
          u"watched.com is now about to be deleted"_qs },
        { {}, 3, u"watched.com is now available"_qs },
        { recordOf("watched.com", "Gamma", "active", today.addDays(365)), 3, u"watched.com is now registered"_qs },
        { recordOf("watched.com", "Gamma", "active", today.addDays(365)), 0, {} },
    };
    QTemporaryDir folder;
    const QString state = folder.filePath(u"watched.json"_qs);
    for (const Step &step : steps) {
        rdap.route("/domain/watched.com",
                   step.record.isEmpty() ? LocalHttpServer::Reply { 404, "{}", "application/rdap+json" }
                                         : LocalHttpServer::Reply { 200, step.record, "application/rdap+json" });
        const auto [code, out]
            = runLookup({ u"--rdap-bootstrap"_qs, rdap.base() + u"/dns.json"_qs, u"--allow-address"_qs, u"127.0.0.1"_qs,
                          u"--cache-dir"_qs, folder.filePath(u"cache"_qs), u"--dns-server"_qs, u"none"_qs,
                          u"--watch"_qs, state, u"watched.com"_qs });
        QVERIFY2(code == step.exitCode && (step.said.isEmpty() ? out.isEmpty() : out.contains(step.said)),
                 qPrintable(QString::number(code) + u' ' + out));
    }
    QCOMPARE(int(QFile::permissions(state) & 0x0077), 0); // neither the group nor others read the names watched
    // A file that is not a state file is left as it is.
    QFile other(folder.filePath(u"other.json"_qs));
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write("[1, 2]") == 6);
    other.close();
    QCOMPARE(runLookup({ u"--watch"_qs, other.fileName(), u"watched.com"_qs }).first, 2);
    QVERIFY(other.open(QIODevice::ReadOnly) && other.readAll() == "[1, 2]");
}

void TestSiteProcess::watchedBySubscription()
{
    // A name a feed and a calendar watch: the site looks it up again and again (here every two seconds, each
    // second near its dates), each change is one entry more, and the calendar moves with it.
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json",
               { 200, R"({"services":[[["com"],[")" + rdap.base().toUtf8() + R"(/"]]]})", "application/json" });
    SiteProcess site({ u"--rdap-bootstrap"_qs, rdap.base() + u"/dns.json"_qs, u"--allow-address"_qs, u"127.0.0.1"_qs,
                       u"--whois-root"_qs, u"127.0.0.1:1"_qs, u"--watch-recheck-seconds"_qs, u"2"_qs,
                       u"--watch-most-per-set"_qs, u"3"_qs, u"--watch-requests-per-minute"_qs, u"100000"_qs });
    QVERIFY(site.started());
    const QString feed = site.base() + u"/watch/feed.atom?names=watched.com"_qs;
    const QDate today = QDate::currentDate();
    const QDate renewed = today.addDays(365);
    const std::pair<QByteArray, QString> steps[] = {
        { recordOf("watched.com", "Alpha", "active", today.addDays(5)), u"watched.com is registered"_qs },
        { recordOf("watched.com", "Alpha", "redemption period", today.addDays(-50)),
          u"watched.com is now in its redemption period"_qs },
        { recordOf("watched.com", "Alpha", "pending delete", today.addDays(-50)),
          u"watched.com is now about to be deleted"_qs },
        { {}, u"watched.com is now available"_qs },
        // A registrar's name with what XML does not allow and what a page must not show raw.
        { recordOf("watched.com", R"(Gamma\uFFFE\uFFFF\u001b\u0085\u202e)", "active", renewed),
          u"watched.com is now registered"_qs },
    };
    qsizetype entries = 0;
    Page answer;
    for (const auto &[record, told] : steps) {
        rdap.route("/domain/watched.com",
                   record.isEmpty() ? LocalHttpServer::Reply { 404, "{}", "application/rdap+json" }
                                    : LocalHttpServer::Reply { 200, record, "application/rdap+json" });
        ++entries;
        QTRY_VERIFY_WITH_TIMEOUT((answer = served(feed)).body.count("<entry>") == entries, 20000);
        const QByteArray newest = answer.body.mid(answer.body.indexOf("<entry>"));
        QVERIFY2(newest.left(newest.indexOf("</title>")).contains(told.toUtf8()), answer.body.constData());
        if (record.contains("Alpha")) { // looked at again: nothing more to tell
            const qsizetype asked = rdap.log().count(u"GET /domain/watched.com"_qs);
            QTRY_VERIFY_WITH_TIMEOUT(rdap.log().count(u"GET /domain/watched.com"_qs) > asked, 10000);
            QCOMPARE(served(feed).body.count("<entry>"), entries);
        }
    }
    QCOMPARE(answer.contentType, "application/atom+xml; charset=utf-8");
    QCOMPARE(served(feed, answer.etag).status, 304); // a reader that has it gets nothing again

    // The calendar and the feed as Debian's parsers read them.
    const Page calendar = served(site.base() + u"/watch/calendar.ics?names=watched.com&alarms=30,7"_qs);
    QTemporaryDir folder;
    QFile calendarFile(folder.filePath(u"watched.ics"_qs)), feedFile(folder.filePath(u"watched.atom"_qs));
    QVERIFY(calendarFile.open(QIODevice::WriteOnly) && calendarFile.write(calendar.body) == calendar.body.size());
    QVERIFY(feedFile.open(QIODevice::WriteOnly) && feedFile.write(answer.body) == answer.body.size());
    calendarFile.close();
    feedFile.close();
    QProcess reader;
    reader.setProcessChannelMode(QProcess::MergedChannels);
    reader.start(u"/usr/bin/python3"_qs,
                 { QStringLiteral(QUELCOR_SOURCE_DIR "/tests/site/api/read-watch.py"), calendarFile.fileName(),
                   feedFile.fileName() });
    QVERIFY(reader.waitForFinished(60'000));
    const QString read = QString::fromUtf8(reader.readAll());
    QVERIFY2(
        reader.exitCode() == 0 && read.endsWith(u"ok\n")
            && read.startsWith(u"event "_qs + renewed.toString(Qt::ISODate) + u" watched.com expires alarms 7,30\n"_qs)
            && read.count(u"\nentry "_qs) == 5,
        qPrintable(read));

    QVERIFY(answer.body.contains("Gamma[U+FFFE][U+FFFF]\u241B[U+0085][U+202E]"));
    QVERIFY(served(site.base() + u"/watch/history?name=watched.com"_qs)
                .body.contains("<bdi>Gamma\uFFFE\uFFFF\u241B[U+0085][U+202E]</bdi>"));

    // Questions the watch does not take.
    for (const char *names : { "a.com,b.com,c.com,d.com", "exa_mple.com", "", "8.8.8.8" })
        QCOMPARE(served(site.base() + u"/watch/feed.atom?names="_qs + QLatin1StringView(names)).status, 400);
}

void TestSiteProcess::watchingIsPaidForAndBounded()
{
    // Clients told apart by the trusted proxy's X-Forwarded-For. Each may ask the registry of .com twice at once,
    // bring three names, and ask for three calendars, feeds or histories a minute; five names are watched at most,
    // each for a day after it was last asked for. Budgets and histories are kept on Redis.
    RedisServer redis;
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json",
               { 200, R"({"services":[[["com"],[")" + rdap.base().toUtf8() + R"(/"]]]})", "application/json" });
    for (const char *name : { "a.com", "b.com", "c.com", "d.com", "e.com", "f.com", "g.com" })
        rdap.route(
            "/domain/" + QByteArray(name),
            { 200, recordOf(name, "Alpha", "active", QDate::currentDate().addDays(99)), "application/rdap+json" });
    SiteProcess site({ u"--rdap-bootstrap"_qs,
                       rdap.base() + u"/dns.json"_qs,
                       u"--allow-address"_qs,
                       u"127.0.0.1"_qs,
                       u"--whois-root"_qs,
                       u"127.0.0.1:1"_qs,
                       u"--trusted-proxy"_qs,
                       u"127.0.0.1"_qs,
                       u"--client-burst"_qs,
                       u"2"_qs,
                       u"--client-lookups-per-minute"_qs,
                       u"1"_qs,
                       u"--watch-most-names"_qs,
                       u"5"_qs,
                       u"--watch-most-per-client"_qs,
                       u"3"_qs,
                       u"--watch-requests-per-minute"_qs,
                       u"3"_qs,
                       u"--watch-keep-days"_qs,
                       u"1"_qs,
                       u"--redis"_qs,
                       redis.url() });
    QVERIFY(site.started());
    const auto ask = [&](const char *path, const char *client) {
        return served(site.base() + QLatin1StringView(path), {}, client);
    };
    // New names are the asker's lookups: two paid for, the third refused with the wait, as a lookup would be.
    Page page = ask("/watch/calendar.ics?names=a.com,b.com,c.com", "192.0.2.1");
    QCOMPARE(page.status, 429);
    QVERIFY(page.retryAfter.toInt() > 0);
    QCOMPARE(rdap.log().filter(u"GET /domain/"_qs).size(), 2);
    QCOMPARE(ask("/api/v1/lookup?q=d.com", "192.0.2.1").status, 429);
    // Names already watched cost another client nothing, and were looked up before the first answer.
    page = ask("/watch/feed.atom?names=a.com,b.com", "192.0.2.2");
    QCOMPARE(page.status, 200);
    QCOMPARE(page.body.count("<entry>"), 2);
    QCOMPARE(rdap.log().filter(u"GET /domain/"_qs).size(), 2);
    // A client's share of names, then the whole watch: refused, nobody's name pushed out.
    QCOMPARE(ask("/watch/feed.atom?names=d.com,e.com", "192.0.2.2").status, 200);
    QCOMPARE(ask("/watch/feed.atom?names=f.com,g.com", "192.0.2.2").status, 429);
    QCOMPARE(ask("/watch/feed.atom?names=f.com", "192.0.2.3").status, 200);
    QCOMPARE(ask("/watch/feed.atom?names=g.com", "192.0.2.4").status, 503);
    QVERIFY(ask("/api/v1/history?name=a.com", "192.0.2.4").body.contains("Alpha"));
    // Its requests have a budget of their own.
    QCOMPARE(ask("/watch/history?name=a.com", "192.0.2.4").status, 200);
    QCOMPARE(ask("/watch/history?name=a.com", "192.0.2.4").status, 429);
    // A history is kept on Redis as long as its name is watched, no longer.
    const auto kept = [&] { return redis.ask("TTL quelcor:history:a.com").mid(1).trimmed().toInt(); };
    QTRY_VERIFY(kept() > 86000 && kept() <= 86400);
}

void TestSiteProcess::slowLookupHoldsUpNobody()
{
    FakeWhoisNetwork whois(1);
    whois.server(1).mode = FakeWhois::Mode::Trickle;
    auto site = std::make_unique<SiteProcess>(
        QStringList { QStringLiteral("--rdap-bootstrap"), QStringLiteral("http://127.0.0.1:1/dns.json"),
                      QStringLiteral("--whois-root"), QStringLiteral("127.0.0.1:%1").arg(whois.port()),
                      QStringLiteral("--allow-address"), QStringLiteral("127.0.0.1") });
    QVERIFY(site->started());
    const QString lookupUrl = site->base() + "/hosting/quelcor.php?domain=example.com";
    std::unique_ptr<QThread> asker(QThread::create([lookupUrl] { get(lookupUrl); }));
    asker->start();
    QTRY_COMPARE_WITH_TIMEOUT(whois.server(1).queries.size(), 1, 10000);

    // While that lookup waits on its trickling server, the version file comes at once.
    QElapsedTimer clock;
    clock.start();
    const Page version = get(site->base() + "/quelcor_version_number.js");
    QCOMPARE(version.status, 200);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));

    site.reset(); // ends the waiting request too
    QVERIFY(asker->wait(20000));
}

void TestSiteProcess::restartOnTheSamePort()
{
    auto first = std::make_unique<SiteProcess>(QStringList {});
    QVERIFY(first->started());
    const quint16 port = first->port();

    // A connection that the site closes first lingers on its port in TIME_WAIT.
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GET /forum HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    QVERIFY(socket.waitForDisconnected(5000));
    QVERIFY(socket.readAll().startsWith("HTTP/1.1 200"));

    // A second site on a port in use fails rather than sharing it.
    QVERIFY(!SiteProcess({}, port).started());

    first.reset();
    QVERIFY(SiteProcess({}, port).started());
}

void TestSiteProcess::plainPagesAndMissingOnes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("contains");
    QTest::newRow("lookup page, no question") << "/hosting/quelcor.php" << 200 << QByteArray("name=\"domain\"");
    QTest::newRow("download") << "/download" << 200 << QByteArray(QUELCOR_BUILD_VERSION);
    QTest::newRow("forum") << "/forum" << 200 << QByteArray("<h1>Quelcor forum</h1>");
    QTest::newRow("bug report") << "/bugreport.htm" << 200 << QByteArray("<h1>Report a bug</h1>");
    QTest::newRow("product page") << "/products/quelcor" << 200 << QByteArray("href=\"/download\"");
    QTest::newRow("style sheet") << "/site.css" << 200 << QByteArray("header {");
    QTest::newRow("missing") << "/hosting/../etc/passwd" << 404 << QByteArray("Page not found");
    QTest::newRow("no icon") << "/favicon.ico" << 204 << QByteArray();
}

void TestSiteProcess::plainPagesAndMissingOnes()
{
    QFETCH(QString, path);
    QFETCH(int, status);
    QFETCH(QByteArray, contains);
    static SiteProcess site({});
    QVERIFY(site.started());
    const Page page = get(site.base() + path);
    QCOMPARE(page.status, status);
    QVERIFY2(page.body.contains(contains), page.body.left(300).constData());
    QVERIFY(page.csp.contains("default-src 'none'"));
}

void TestSiteProcess::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("version too short") << QStringList { "--quelcor-version", "1.0.204" };
    QTest::newRow("version not digits") << QStringList { "--whois-version", "1.0.20x4" };
    QTest::newRow("port out of range") << QStringList { "--port", "70000" };
    QTest::newRow("listen not an address") << QStringList { "--listen", "localhost" };
    QTest::newRow("allowed not an address") << QStringList { "--allow-address", "10.0.0.0/8" };
    QTest::newRow("bootstrap not http") << QStringList { "--rdap-bootstrap", "file:///etc/passwd" };
    QTest::newRow("unknown option") << QStringList { "--verbose" };
}

void TestSiteProcess::badCommandLines()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    process.start(QStringLiteral(QUELCOR_BIN_DIR "/quelcor-site"), arguments);
    QVERIFY(process.waitForFinished(10'000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().startsWith("quelcor-site: "));
}

QTEST_GUILESS_MAIN(TestSiteProcess)
#include "tst_site_process.moc"
