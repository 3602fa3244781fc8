// The site's way out: where it connects, and what it does when the servers it asks fail or lie. In a network of
// the test's own, so that names resolve as the test says: IANA's bootstrap file failing every way, names that
// change their address between two questions, https that would lead to http, and certificates that do not hold.

#include "FakeDns.h"
#include "IsolatedNetwork.h"
#include "LocalHttpServer.h"
#include "SiteProcess.h"
#include "SiteTesting.h"

#include "lookup/Bootstrap.h"
#include "lookup/Lookup.h"

#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSslKey>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString g_isolated; // why the test's own network could not be made; empty when it was
QString g_folder; // the folder of that network's files

using Reply = LocalHttpServer::Reply;

// The certificates of the test's servers: signed by an authority that is trusted in the test's network only, or
// wrong in one way.
enum class Certificate { Good, AnotherName, SelfSigned, Expired, UnknownAuthority };

class Authorities
{
public:
    // Makes the trusted authority (put in the network's trust store) and an untrusted one.
    bool make(QString *why)
    {
        const QString ca
            = QStringLiteral("[ca]\ndefault_ca=test\n[test]\ndatabase=index.txt\nnew_certs_dir=.\nserial=serial\n"
                             "default_md=sha256\npolicy=any\ncopy_extensions=copy\nunique_subject=no\n"
                             "[any]\ncommonName=supplied\n");
        QFile config(m_dir.filePath(u"ca.cnf"_qs));
        QFile index(m_dir.filePath(u"index.txt"_qs));
        QFile serial(m_dir.filePath(u"serial"_qs));
        if (!m_dir.isValid() || !config.open(QIODevice::WriteOnly) || config.write(ca.toUtf8()) < 0
            || !index.open(QIODevice::WriteOnly) || !serial.open(QIODevice::WriteOnly) || serial.write("01\n") < 0)
            return fail(why, u"cannot write the authorities' files"_qs);
        config.close();
        serial.close();
        for (const QString &name : { u"trusted"_qs, u"untrusted"_qs }) {
            if (!openssl({ u"req"_qs, u"-x509"_qs, u"-newkey"_qs, u"ec"_qs, u"-pkeyopt"_qs,
                           u"ec_paramgen_curve:prime256v1"_qs, u"-nodes"_qs, u"-keyout"_qs, name + u".key"_qs,
                           u"-out"_qs, name + u".pem"_qs, u"-days"_qs, u"30"_qs, u"-subj"_qs,
                           u"/CN=Quelcor test authority "_qs + name },
                         why))
                return false;
        }
        const QString certs = g_folder + u"/certs"_qs;
        return QFile::copy(m_dir.filePath(u"trusted.pem"_qs), certs + u"/trusted.pem"_qs)
            && openssl({ u"rehash"_qs, certs }, why);
    }

    // A server's certificate and key for the name.
    QSslConfiguration server(const QString &name, Certificate kind, QString *why)
    {
        const QString base = QStringLiteral("leaf%1").arg(++m_made);
        const QString subject = kind == Certificate::AnotherName ? u"another.example"_qs : name;
        const QStringList key = { u"-newkey"_qs,
                                  u"ec"_qs,
                                  u"-pkeyopt"_qs,
                                  u"ec_paramgen_curve:prime256v1"_qs,
                                  u"-nodes"_qs,
                                  u"-keyout"_qs,
                                  base + u".key"_qs,
                                  u"-subj"_qs,
                                  u"/CN="_qs + subject,
                                  u"-addext"_qs,
                                  u"subjectAltName=DNS:"_qs + subject };
        bool made = false;
        if (kind == Certificate::SelfSigned) {
            made = openssl(QStringList { u"req"_qs, u"-x509"_qs, u"-days"_qs, u"30"_qs, u"-out"_qs, base + u".pem"_qs }
                               + key,
                           why);
        } else {
            const QString authority = kind == Certificate::UnknownAuthority ? u"untrusted"_qs : u"trusted"_qs;
            const bool expired = kind == Certificate::Expired;
            made = openssl(QStringList { u"req"_qs, u"-new"_qs, u"-out"_qs, base + u".csr"_qs } + key, why)
                && openssl({ u"ca"_qs, u"-batch"_qs, u"-notext"_qs, u"-config"_qs, u"ca.cnf"_qs, u"-rand_serial"_qs,
                             u"-cert"_qs, authority + u".pem"_qs, u"-keyfile"_qs, authority + u".key"_qs, u"-in"_qs,
                             base + u".csr"_qs, u"-out"_qs, base + u".pem"_qs, u"-startdate"_qs,
                             expired ? u"20200101000000Z"_qs : u"20260101000000Z"_qs, u"-enddate"_qs,
                             expired ? u"20210101000000Z"_qs : u"20360101000000Z"_qs },
                           why);
        }
        QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
        QFile certificate(m_dir.filePath(base + u".pem"_qs));
        QFile privateKey(m_dir.filePath(base + u".key"_qs));
        if (!made || !certificate.open(QIODevice::ReadOnly) || !privateKey.open(QIODevice::ReadOnly)) {
            if (why->isEmpty())
                *why = u"no certificate made for "_qs + name;
            return configuration;
        }
        configuration.setLocalCertificate(QSslCertificate(&certificate));
        configuration.setPrivateKey(QSslKey(&privateKey, QSsl::Ec));
        configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
        return configuration;
    }

private:
    static bool fail(QString *why, const QString &text)
    {
        *why = text;
        return false;
    }
    bool openssl(const QStringList &arguments, QString *why)
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(u"openssl"_qs, arguments);
        if (process.waitForFinished(30'000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
            return true;
        return fail(why, u"openssl "_qs + arguments.join(u' ') + u": "_qs + QString::fromLocal8Bit(process.readAll()));
    }

    QTemporaryDir m_dir;
    int m_made = 0;
};

QByteArray recordOf(const QByteArray &name, const QByteArray &registrar, const QByteArray &related = {})
{
    QByteArray record = R"({"objectClassName":"domain","ldhName":")" + name + R"(","status":["active"],
 "entities":[{"objectClassName":"entity","roles":["registrar"],"vcardArray":["vcard",[["fn",{},"text",")"
        + registrar + R"("]]]}])";
    if (!related.isEmpty())
        record += R"(,"links":[{"rel":"related","type":"application/rdap+json","href":")" + related + R"("}])";
    return record + '}';
}

QByteArray bootstrapOf(const QByteArray &extension, const QByteArray &service)
{
    return R"({"version":"1.0","publication":"2026-12-01T00:00:00Z","services":[[[")" + extension + R"("],[")" + service
        + R"("]]]})";
}

// The questions the site asked other servers over HTTP, as its metrics count them.
int httpQuestions(const SiteProcess &site)
{
    const QByteArray metrics = get(site.base() + u"/metrics"_qs).body;
    const QByteArray key = "quelcor_upstream_seconds_count{protocol=\"http\"} ";
    const qsizetype at = metrics.indexOf(key);
    return at < 0 ? 0 : metrics.mid(at + key.size(), metrics.indexOf('\n', at) - at - key.size()).toInt();
}

} // namespace

class TestSiteOutbound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void snapshotOnlyForIana_data();
    void snapshotOnlyForIana();
    void ianaFileFailing_data();
    void ianaFileFailing();
    void rebinding_data();
    void rebinding();
    void certificates_data();
    void certificates();

private:
    QHostAddress address(int last) const { return QHostAddress(QStringLiteral("127.0.0.%1").arg(last)); }
    // Serves HTTPS for the name on 127.0.0.last:443; false (and a warning) when it cannot.
    bool serveTls(LocalHttpServer &server, const QString &name, int last, Certificate kind = Certificate::Good)
    {
        QString why;
        server.useTls(m_authorities.server(name, kind, &why));
        if (why.isEmpty() && !server.listen(443, address(last)))
            why = u"cannot listen on 443 for "_qs + name;
        if (!why.isEmpty())
            qWarning("%s", qPrintable(why));
        return why.isEmpty();
    }

    FakeDns m_dns;
    Authorities m_authorities;
};

void TestSiteOutbound::initTestCase()
{
    if (!g_isolated.isEmpty())
        QSKIP(qPrintable(u"no network of the test's own: "_qs + g_isolated));
    QVERIFY(m_dns.listen(QHostAddress(QLatin1StringView(IsolatedNetwork::kResolver)), 53));
    QString why;
    QVERIFY2(m_authorities.make(&why), qPrintable(why));
    m_dns.addresses = {
        { u"data.iana.org"_qs, { address(10) } },
        { u"rdap.verisign.com"_qs, { address(11) } },
        { u"rdap.fresh.test"_qs, { address(12) } },
        { u"rdap.tls.test"_qs, { address(20) } },
    };
    // The names that take the place of others in the host cache.
    for (int i = 0; i < 300; ++i)
        m_dns.addresses.insert(QStringLiteral("filler%1.test").arg(i), { address(9) });
}

void TestSiteOutbound::snapshotOnlyForIana_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("shipped");
    QTest::newRow("IANA's") << u"https://data.iana.org/rdap/dns.json"_qs << true;
    QTest::newRow("IANA's, its port named") << u"https://data.iana.org:443/rdap/dns.json"_qs << true;
    QTest::newRow("IANA's host on another port") << u"http://data.iana.org:19080/rdap/dns.json"_qs << false;
    QTest::newRow("another host") << u"https://data.iana.org.example/rdap/dns.json"_qs << false;
}

// The shipped snapshot stands in for IANA's own address only: scheme, host and port.
void TestSiteOutbound::snapshotOnlyForIana()
{
    QFETCH(QString, file);
    QFETCH(bool, shipped);
    RdapBootstrap bootstrap(QUrl(file), 3600);
    QCOMPARE(!bootstrap.domainFile().isNull(), shipped);
}

void TestSiteOutbound::ianaFileFailing_data()
{
    QTest::addColumn<Reply>("reply"); // IANA's answer
    QTest::addColumn<bool>("listening"); // whether anything listens for IANA
    QTest::addColumn<bool>("comes"); // whether the file comes: the lookups after it go where it says

    const QByteArray valid = bootstrapOf("com", "https://rdap.fresh.test/com/v1/");
    QTest::newRow("404") << Reply { 404, "Not Found" } << true << false;
    QTest::newRow("500") << Reply { 500, "Internal Server Error" } << true << false;
    QTest::newRow("refused") << Reply {} << false << false;
    QTest::newRow("reset mid-body") << Reply { 200, valid + QByteArray(8192, ' '), "application/json",
                                               Reply::Mode::Reset }
                                    << true << false;
    QTest::newRow("stalled past the deadline")
        << Reply { 200, {}, "application/json", Reply::Mode::Silent } << true << false;
    QTest::newRow("not JSON") << Reply { 200, "<html>moved</html>", "text/html" } << true << false;
    QTest::newRow("too large") << Reply { 200, valid + QByteArray(2 << 20, ' '), "application/json" } << true << false;
    QTest::newRow("the file comes") << Reply { 200, valid, "application/json" } << true << true;
}

// IANA's own address: the shipped snapshot answers the first lookup at once, and the fetch of IANA's file in the
// background fails every way, or comes. The site stays up and right through each.
void TestSiteOutbound::ianaFileFailing()
{
    QFETCH(Reply, reply);
    QFETCH(bool, listening);
    QFETCH(bool, comes);
    LocalHttpServer iana, verisign, fresh;
    if (listening) {
        QVERIFY(serveTls(iana, u"data.iana.org"_qs, 10));
        iana.route("/rdap/dns.json", reply);
    }
    QVERIFY(serveTls(verisign, u"rdap.verisign.com"_qs, 11));
    QVERIFY(serveTls(fresh, u"rdap.fresh.test"_qs, 12));
    for (const QByteArray name : { "example.com", "other.com" }) {
        verisign.route("/com/v1/domain/" + name, json(recordOf(name, "Snapshot Registrar")));
        fresh.route("/com/v1/domain/" + name, json(recordOf(name, "Fresh File Registrar")));
    }
    SiteProcess site({ u"--allow-address"_qs, u"127.0.0.10"_qs, u"--allow-address"_qs, u"127.0.0.11"_qs,
                       u"--allow-address"_qs, u"127.0.0.12"_qs, u"--timeout"_qs, u"2"_qs, u"--dns-server"_qs,
                       u"none"_qs });
    QVERIFY(site.started());

    const Page first = served(site.base() + u"/api/v1/lookup?q=example.com"_qs);
    QVERIFY2(first.body.contains("Snapshot Registrar"), first.body.constData());
    // The lookup's question and IANA's have both ended, however IANA's did.
    QTRY_VERIFY_WITH_TIMEOUT(!site.running() || httpQuestions(site) >= 2, 10'000);
    QVERIFY(site.running());
    if (listening)
        QCOMPARE(iana.log(), QStringList { u"GET /rdap/dns.json"_qs });

    const Page second = served(site.base() + u"/api/v1/lookup?q=other.com"_qs);
    QVERIFY2(second.body.contains(comes ? "Fresh File Registrar" : "Snapshot Registrar"), second.body.constData());
    QVERIFY(site.running());
    QCOMPARE(site.terminate(10'000), 0);
}

void TestSiteOutbound::rebinding_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("an RDAP service") << u"service"_qs;
    QTest::newRow("the bootstrap file") << u"bootstrap"_qs;
    QTest::newRow("a registrar's related link") << u"related"_qs;
    QTest::newRow("a redirect") << u"redirect"_qs;
}

// A name that is judged at an allowed address, and then resolves to a forbidden one: the question goes to the
// address judged and nowhere else, however often it is asked again. Each path is held by its server, its name is
// pushed out of the host cache (as a minute would), and the server closes without an answer, so that the question
// is asked again on a new connection.
void TestSiteOutbound::rebinding()
{
    QFETCH(QString, path);
    const QString name = path + u".rebind.test"_qs;
    LocalHttpServer judged, forbidden, registry; // 127.0.0.2 and 127.0.0.3 on one port; the registry on .2
    QVERIFY(judged.listen(0, address(2)));
    QVERIFY(forbidden.listen(judged.port(), address(3)));
    QVERIFY(registry.listen(0, address(2)));
    m_dns.addresses.insert(name, { address(2) });
    m_dns.rebound.insert(name, { address(3) });
    const QString at = QStringLiteral("http://%1:%2").arg(name).arg(judged.port());

    QByteArray held = "/domain/example.com"; // the path whose server holds the question
    QByteArray answer = json(recordOf("example.com", "Registry Registrar Inc")).body;
    QUrl bootstrapUrl(registry.base() + u"/dns.json"_qs);
    QByteArray service = (registry.base() + u"/"_qs).toUtf8();
    registry.route("/domain/example.com", json(recordOf("example.com", "Registry Registrar Inc")));
    if (path == u"service") {
        service = (at + u"/"_qs).toUtf8();
    } else if (path == u"bootstrap") {
        bootstrapUrl = QUrl(at + u"/dns.json"_qs);
        held = "/dns.json";
        answer = bootstrapOf("com", service);
    } else if (path == u"related") {
        registry.route("/domain/example.com",
                       json(recordOf("example.com", "Registry Registrar Inc", (at + u"/registrar"_qs).toUtf8())));
        held = "/registrar";
        answer = recordOf("example.com", "Registrar Own Record");
    } else {
        registry.route("/domain/example.com",
                       Reply { 302, (at + u"/domain/example.com"_qs).toUtf8(), "text/plain", Reply::Mode::Redirect });
    }
    registry.route("/dns.json", Reply { 200, bootstrapOf("com", service), "application/json" });
    judged.route(held, Reply { 200, {}, "application/rdap+json", Reply::Mode::Silent });
    forbidden.route(held,
                    json(path == u"bootstrap" ? bootstrapOf("com", (forbidden.base() + u"/"_qs).toUtf8())
                                              : recordOf("example.com", "An Internal Service")));
    forbidden.route("/domain/example.com", json(recordOf("example.com", "An Internal Service")));

    RdapBootstrap bootstrap(bootstrapUrl, 3600);
    LookupSettings settings = settingsFor(1);
    settings.policy = AddressPolicy({ address(2) });
    settings.limits = Limits { 5000, 10'000, 1 << 20 };
    const Lookup lookup(bootstrap, settings);
    std::optional<LookupResult> result;
    QObject context;
    lookup.start(Query::fromInput(u"example.com"_qs), &context, [&](const LookupResult &done) { result = done; });
    QTRY_VERIFY(judged.log().contains(u"GET "_qs + QString::fromLatin1(held)) || result);
    QVERIFY2(!result, qPrintable(result ? result->message.english() : QString()));
    QVERIFY(
        judged.heads().constLast().contains("\r\nHost: " + name.toUtf8() + ':' + QByteArray::number(judged.port())));

    // The name's answer forgotten: the host cache filled with other names.
    int resolved = 0;
    for (int i = 0; i < 300; ++i)
        QHostInfo::lookupHost(QStringLiteral("filler%1.test").arg(i), &context, [&](const QHostInfo &) { ++resolved; });
    QTRY_COMPARE_WITH_TIMEOUT(resolved, 300, 30'000);
    judged.route(held, Reply { 200, answer, "application/json" });
    judged.closeSilent();

    QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 20'000);
    QCOMPARE(forbidden.log(), QStringList());
    for (const SourceRecord &record : result->records)
        QVERIFY2(!record.text.contains(u"An Internal Service"), qPrintable(record.text));
}

void TestSiteOutbound::certificates_data()
{
    QTest::addColumn<Certificate>("certificate");
    QTest::addColumn<Reply>("reply"); // the registry's answer for example.com
    QTest::addColumn<QString>("said"); // on the page, in the API and on the command line
    QTest::addColumn<QStringList>("asked"); // what the registry's server was asked

    const QStringList none;
    const QStringList record { u"GET /domain/example.com"_qs };
    const Reply found = json(recordOf("example.com", "Registry Registrar Inc"));
    QTest::newRow("a good certificate") << Certificate::Good << found << u"Registry Registrar Inc"_qs << record;
    QTest::newRow("a certificate for another name")
        << Certificate::AnotherName << found << u"its certificate is for another name"_qs << none;
    QTest::newRow("self-signed") << Certificate::SelfSigned << found << u"its certificate is signed by itself"_qs
                                 << none;
    QTest::newRow("expired") << Certificate::Expired << found << u"its certificate has expired"_qs << none;
    QTest::newRow("from an unknown authority")
        << Certificate::UnknownAuthority << found << u"its certificate is from an authority that is not trusted"_qs
        << none;
    QTest::newRow("a redirect to http") << Certificate::Good
                                        << Reply { 302, "http://rdap.tls.test/domain/example.com", "text/plain",
                                                   Reply::Mode::Redirect }
                                        << u"would be asked in plain text, after a question asked over https"_qs
                                        << record;
    QTest::newRow("an http related link")
        << Certificate::Good
        << json(recordOf("example.com", "Registry Registrar Inc", "http://rdap.tls.test/registrar"))
        << u"Registry Registrar Inc"_qs << QStringList { record.first(), u"GET /registrar"_qs };
}

// A registry's server over https: a certificate that does not hold is refused before anything is asked, and
// said so; https leads only to https.
void TestSiteOutbound::certificates()
{
    QFETCH(Certificate, certificate);
    QFETCH(Reply, reply);
    QFETCH(QString, said);
    QFETCH(QStringList, asked);
    LocalHttpServer registry, plain; // https on 443; plain http on 80 of the same address
    QVERIFY(serveTls(registry, u"rdap.tls.test"_qs, 20, certificate));
    QVERIFY(plain.listen(80, address(20)));
    registry.route("/domain/example.com", reply);
    registry.route("/registrar", json(recordOf("example.com", "Registrar Own Record")));
    plain.route("/domain/example.com", json(recordOf("example.com", "In Plain Text")));
    plain.route("/registrar", json(recordOf("example.com", "In Plain Text")));

    QTemporaryDir folder;
    QFile routes(folder.filePath(u"routes"_qs));
    QVERIFY(routes.open(QIODevice::WriteOnly) && routes.write("com https://rdap.tls.test/\n") > 0);
    routes.close();
    SiteProcess site({ u"--allow-address"_qs, u"127.0.0.20"_qs, u"--routes"_qs, routes.fileName(), u"--timeout"_qs,
                       u"5"_qs, u"--dns-server"_qs, u"none"_qs });
    QVERIFY(site.started());
    const QString page = QString::fromUtf8(served(site.base() + u"/hosting/quelcor.php?domain=example.com"_qs).body);
    QVERIFY2(page.contains(said.toHtmlEscaped()), qPrintable(page));
    const QJsonObject api
        = QJsonDocument::fromJson(served(site.base() + u"/api/v1/lookup?q=example.com"_qs).body).object();
    QVERIFY2(QString::fromUtf8(QJsonDocument(api).toJson()).contains(said), QJsonDocument(api).toJson().constData());
    const auto [status, printed] = runLookup({ u"--server"_qs, u"https://rdap.tls.test/"_qs, u"--allow-address"_qs,
                                               u"127.0.0.20"_qs, u"--cache-dir"_qs, folder.path(), u"example.com"_qs });
    QVERIFY2(status >= 0 && printed.contains(said), qPrintable(printed));
    QStringList once = registry.log();
    once.removeDuplicates();
    QCOMPARE(once, asked);
    QCOMPARE(plain.log(), QStringList());
    QVERIFY(!page.contains(u"In Plain Text"));
}

// The test's own network is entered first, before any thread starts.
int main(int argc, char **argv)
{
    QTemporaryDir folder;
    g_folder = folder.path();
    if (!IsolatedNetwork::enter(g_folder, &g_isolated) && g_isolated.isEmpty())
        g_isolated = u"not entered"_qs;
    QCoreApplication application(argc, argv);
    TestSiteOutbound test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_site_outbound.moc"
