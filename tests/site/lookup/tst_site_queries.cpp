// What the lookup field takes (names, addresses, networks, AS numbers), the special-purpose address space,
// the whois wordings on recorded answers of real registries, and what the page makes of hostile record text.

#include "FakeWhois.h"
#include "LocalHttpServer.h"
#include "SiteTesting.h"
#include "abuse/WhoToTell.h"
#include "lookup/Bootstrap.h"
#include "lookup/Lookup.h"
#include "lookup/Upstream.h"
#include "lookup/WhoisText.h"
#include "pages/Pages.h"
#include "pages/Statuses.h"
#include "query/AddressPolicy.h"
#include "query/Query.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

using Outcome = LookupResult::Outcome;
using Verdict = WhoisText::Reading::Verdict;

const QString kData = QStringLiteral(QUELCOR_SOURCE_DIR "/tests/site/data");

} // namespace

class TestSiteQueries : public QObject
{
    Q_OBJECT
private slots:
    void fieldInput_data();
    void fieldInput();
    void specialSpace_data();
    void specialSpace();
    void specialQueriesAnsweredWithoutAsking_data();
    void specialQueriesAnsweredWithoutAsking();
    void recordedAnswers_data();
    void recordedAnswers();
    void recordedAnswersCoverManyRegistries();
    void atlasProvedByTheCorpus();
    void regionalRegistriesRecords();
    void fieldsOfRecordedAnswers_data();
    void fieldsOfRecordedAnswers();
    void throttledWhoisAnswer_data();
    void throttledWhoisAnswer();
    void numbersThroughRdap_data();
    void numbersThroughRdap();
    void numbersThroughWhois_data();
    void numbersThroughWhois();
    void redirectsCounted_data();
    void redirectsCounted();
    void datesAsWritten_data();
    void datesAsWritten();
    void registeredDomains_data();
    void registeredDomains();
    void todaysRecords_data();
    void todaysRecords();
    void todaysLookups_data();
    void todaysLookups();
    void registryWordKept();
    void hostileRecordText_data();
    void hostileRecordText();
};

void TestSiteQueries::fieldInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text"); // empty: refused
    const int domain = int(Query::Kind::Domain), address = int(Query::Kind::Address),
              network = int(Query::Kind::Network), as = int(Query::Kind::AsNumber);
    QTest::newRow("domain") << " Example.COM " << domain << "example.com";
    QTest::newRow("IPv4") << "8.8.8.8" << address << "8.8.8.8";
    QTest::newRow("IPv4 part over 255") << "8.8.8.256" << address << "";
    QTest::newRow("IPv4 leading zero") << "010.0.0.1" << address << "";
    QTest::newRow("three parts") << "8.8.8" << address << "";
    QTest::newRow("IPv6, canonical") << "2001:4860:4860:0000:0000:0000:0000:8888" << address << "2001:4860:4860::8888";
    QTest::newRow("IPv6 in brackets") << "[2606:4700::1]" << address << "2606:4700::1";
    QTest::newRow("IPv6 with a zone") << "fe80::1%eth0" << address << "";
    QTest::newRow("IPv4-mapped is IPv4") << "::ffff:8.8.4.4" << address << "8.8.4.4";
    QTest::newRow("network, host bits cleared") << "8.8.8.8/24" << network << "8.8.8.0/24";
    QTest::newRow("IPv6 network") << "2001:4860::/32" << network << "2001:4860::/32";
    QTest::newRow("prefix too long") << "8.8.8.0/33" << network << "";
    QTest::newRow("prefix not a number") << "8.8.8.0/x" << network << "";
    QTest::newRow("AS upper") << "AS15169" << as << "AS15169";
    QTest::newRow("as lower") << "as15169" << as << "AS15169";
    QTest::newRow("digits only") << "15169" << as << "AS15169";
    QTest::newRow("asdot") << "AS1.10" << as << "AS65546";
    QTest::newRow("largest") << "4294967295" << as << "AS4294967295";
    QTest::newRow("too large") << "4294967296" << as << "";
    QTest::newRow("extension of digits") << u"example.123"_qs << domain << "";
    QTest::newRow("a name whose A-label is a number") << u"\u00b3"_qs << domain << "";
    QTest::newRow("a second line") << "8.8.8.8\r\nhelp" << domain << "";
}

void TestSiteQueries::fieldInput()
{
    QFETCH(QString, input);
    QFETCH(int, kind);
    QFETCH(QString, text);
    const Query query = Query::fromInput(input);
    QCOMPARE(query.text, text);
    QCOMPARE(query.ok(), !text.isEmpty());
    if (query.ok())
        QCOMPARE(int(query.kind), kind);
}

void TestSiteQueries::specialSpace_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("what"); // empty: public
    QTest::newRow("public IPv4") << "8.8.8.8"
                                 << "";
    QTest::newRow("public IPv6") << "2a00:1450:4001::1"
                                 << "";
    QTest::newRow("broadcast, not just reserved") << "255.255.255.255"
                                                  << "broadcast";
    QTest::newRow("IPv4-compatible, private inside") << "::10.0.0.1"
                                                     << "deprecated IPv4-compatible";
    QTest::newRow("IPv4-compatible, public inside") << "::8.8.8.8"
                                                    << "deprecated IPv4-compatible";
    QTest::newRow("IPv4-mapped private") << "::ffff:10.0.0.2"
                                         << "private";
    QTest::newRow("IPv4-translated private") << "::ffff:0:a00:2"
                                             << "private";
    QTest::newRow("IPv4-translated public") << "::ffff:0:808:808"
                                            << "";
    QTest::newRow("outside 2000::/3") << "4000::1"
                                      << "reserved";
    QTest::newRow("below 2000::/3") << "1fff:ffff::1"
                                    << "reserved";
    QTest::newRow("unique local") << "fd12:3456::1"
                                  << "unique local";
    QTest::newRow("NAT64 of a public address") << "64:ff9b::808:808"
                                               << "NAT64";
    QTest::newRow("documentation") << "2001:db8::1"
                                   << "documentation";
    QTest::newRow("new documentation block") << "3fff:10::1"
                                             << "documentation";
    QTest::newRow("ORCHIDv2") << "2001:20::1"
                              << "ORCHIDv2";
    QTest::newRow("protocol assignments") << "2001:1::1"
                                          << "protocol assignment";
    QTest::newRow("6to4 of a private address") << "2002:c0a8:101::1"
                                               << "6to4";
    QTest::newRow("6to4 of a public address") << "2002:808:808::1"
                                              << "";
    QTest::newRow("Teredo, private client") << "2001:0:4136:e378:8000:63bf:f5ff:fffe"
                                            << "Teredo";
    QTest::newRow("Teredo, public server and client") << "2001:0:4136:e378:8000:63bf:f7f7:f7f7"
                                                      << "";
    QTest::newRow("scope id ignored") << "fe80::1%1"
                                      << "link-local";
}

void TestSiteQueries::specialSpace()
{
    QFETCH(QString, address);
    QFETCH(QString, what);
    const QHostAddress host(address);
    QVERIFY2(!host.isNull(), qPrintable(address));
    const std::optional<SpecialAddresses::Kind> kind = SpecialAddresses::classify(host);
    QCOMPARE(kind ? kind->what : QString(), what);
    QCOMPARE(AddressPolicy::isPublic(host), what.isEmpty());
}

void TestSiteQueries::specialQueriesAnsweredWithoutAsking_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("private") << "192.168.1.1"
                             << "192.168.1.1 is a private address (RFC 1918); no registry holds a record for it.";
    QTest::newRow("loopback network") << "127.0.0.0/8"
                                      << "127.0.0.0/8 is a loopback network (RFC 1122); no registry holds a record "
                                         "for it.";
    QTest::newRow("IPv6 documentation") << "2001:db8::1"
                                        << "2001:db8::1 is a documentation address (RFC 3849); no registry holds "
                                           "a record for it.";
    QTest::newRow("link-local") << "fe80::1"
                                << "fe80::1 is a link-local address (RFC 4291); no registry holds a record for it.";
    QTest::newRow("IPv4-compatible") << "::10.0.0.1"
                                     << "::10.0.0.1 is a deprecated IPv4-compatible address (RFC 4291, carrying the "
                                        "private address 10.0.0.1); no registry holds a record for it.";
    QTest::newRow("NAT64 network, its ends carrying different kinds")
        << "64:ff9b::/96"
        << "64:ff9b::/96 is a NAT64 network (RFC 6052); no registry holds a record for it.";
    QTest::newRow("IPv4-compatible network, its first address unspecified")
        << "::/96"
        << "::/96 is a deprecated IPv4-compatible network (RFC 4291); no registry holds a record for it.";
    QTest::newRow("private AS") << "AS64512"
                                << "AS64512 is a private AS number (RFC 6996); no registry holds a record for it.";
    QTest::newRow("documentation AS") << "64500"
                                      << "AS64500 is a documentation AS number (RFC 5398); no registry holds a "
                                         "record for it.";
}

void TestSiteQueries::specialQueriesAnsweredWithoutAsking()
{
    QFETCH(QString, input);
    QFETCH(QString, message);
    FakeWhoisNetwork whois(1);
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(input);
    QCOMPARE(result.outcome, Outcome::Special);
    QCOMPARE(result.message.english(), message);
    QVERIFY(rdap.log().isEmpty());
    QVERIFY(whois.server(1).queries.isEmpty());
}

// The holder (or "withheld"), the registrar and the expiry a whois answer's fields give, "-" for none: as
// MANIFEST.tsv writes what a person reads.
QStringList personsView(const RdapFields &read)
{
    const QString holder = !read.holder.isEmpty()          ? read.holder.simplified()
        : read.withheld.contains(QStringLiteral("holder")) ? QStringLiteral("withheld")
                                                           : QStringLiteral("-");
    const auto orNone = [](const QString &value) { return value.isEmpty() ? QStringLiteral("-") : value; };
    return { holder, orNone(read.registrar), orNone(read.expires) };
}

// The share of the holders, registrars and expiry dates in the corpus's found answers that the site reads.
constexpr int kFieldsReadPercent = 85;

void TestSiteQueries::recordedAnswers_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("extension");
    QFile manifest(kData + QStringLiteral("/whois/MANIFEST.tsv"));
    QVERIFY(manifest.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(manifest.readAll()).split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines.mid(1)) {
        const QStringList fields = line.trimmed().split(u'\t');
        const QString outcome = fields.value(3);
        const int verdict = outcome == u"found"              ? int(Verdict::Record)
            : outcome == u"not-registered"                   ? int(Verdict::NotRegistered)
            : outcome == u"rate-limited"                     ? int(Verdict::RateLimited)
            : outcome == u"reserved"                         ? int(Verdict::Reserved)
            : outcome == u"refused" || outcome == u"invalid" ? int(Verdict::Refused)
                                                             : -1;
        if (verdict >= 0)
            QTest::addRow("%s", qPrintable(fields[0]))
                << fields[0] << fields[1] << fields[2] << verdict << fields.value(4);
    }
}

void TestSiteQueries::recordedAnswers()
{
    QFETCH(QString, file);
    QFETCH(QString, server);
    QFETCH(QString, query);
    QFETCH(int, verdict);
    QFETCH(QString, extension);
    const QByteArray bytes = readData(QStringLiteral("whois/") + file);
    QVERIFY2(!bytes.isEmpty(), qPrintable(file));
    const QString text = Upstream::decodeText(bytes);
    // From the registry's own server; and from a stand-in that replays the answer for another name under the
    // same extension, which only the extension ties to the registry.
    const QString asked = query == u"-" ? QString() : query;
    const QString other = u"quelcor-other-name."_qs + (asked.isEmpty() ? extension : asked.section(u'.', 1));
    for (const auto &[from, name] : { std::pair(server, asked), std::pair(u"127.0.0.2"_qs, other) }) {
        const WhoisText::Reading reading = WhoisText::read(text, from, name);
        QVERIFY2(int(reading.verdict) == verdict,
                 qPrintable(QStringLiteral("%1 from %2: %3").arg(name, from).arg(int(reading.verdict))));
        // The wording that decided is quoted with its line, as the answer has it.
        QVERIFY(reading.verdict == Verdict::Record
                || text.split(u'\n').value(reading.quote.line - 1).trimmed().startsWith(reading.quote.text));
    }
}

void TestSiteQueries::recordedAnswersCoverManyRegistries()
{
    QVERIFY2(WhoisText::tableErrors().isEmpty(), qPrintable(WhoisText::tableErrors().join(u'\n')));
    QFile manifest(kData + QStringLiteral("/whois/MANIFEST.tsv"));
    QVERIFY(manifest.open(QIODevice::ReadOnly));
    QSet<QString> found, notRegistered;
    int judged = 0, read = 0; // the holders, registrars and expiry dates a person reads in the found answers
    for (const QString &line : QString::fromUtf8(manifest.readAll()).split(u'\n', Qt::SkipEmptyParts).mid(1)) {
        const QStringList fields = line.trimmed().split(u'\t');
        if (fields.value(3) == u"found" || fields.value(3) == u"not-registered")
            (fields.value(3) == u"found" ? found : notRegistered).insert(fields.value(4));
        if (fields.value(3) != u"found")
            continue;
        RdapFields fieldsRead;
        WhoisText::readFields(Upstream::decodeText(readData(QStringLiteral("whois/") + fields[0])), fieldsRead);
        const QStringList got = personsView(fieldsRead);
        for (int i = 0; i < 3; ++i) {
            judged += fields.value(5 + i) != u"-";
            read += fields.value(5 + i) != u"-" && got[i] == fields.value(5 + i).simplified();
            if (qEnvironmentVariableIsSet("QUELCOR_LIST_MISSES") && fields.value(5 + i) != u"-" && got[i] == u"-")
                qInfo("miss %d %s: %s", i, qPrintable(fields[0]), qPrintable(fields.value(5 + i)));
        }
    }
    // Extensions with both a found and a not-registered answer; the share of what a person reads that the site reads.
    found.remove(u"-"_qs);
    QVERIFY2(found.intersect(notRegistered).size() >= 150, qPrintable(QString::number(found.size())));
    QVERIFY2(read * 100 >= judged * kFieldsReadPercent, qPrintable(QStringLiteral("%1 of %2").arg(read).arg(judged)));
}

void TestSiteQueries::atlasProvedByTheCorpus()
{
    // The atlas claims only what a recorded answer proves: each form of answer the site reads as a person judged
    // it (with the line that decided), each field under the key it was read from, with the value the person read
    // (statuses and name servers: read at all). QUELCOR_WRITE_ATLAS=1 writes it anew from the corpus.
    QFile manifest(kData + QStringLiteral("/whois/MANIFEST.tsv"));
    QVERIFY(manifest.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(manifest.readAll()).split(u'\n', Qt::SkipEmptyParts).mid(1);
    lines.sort();
    QMap<QString, QString> atlas; // "tld\titem" -> "how\tproof"; the first proof in the files' order
    const auto claim = [&atlas](const QString &tld, const QString &item, QString how, const QString &file) {
        how = how.simplified().left(120);
        const QString key = tld + u'\t' + item;
        if (!atlas.contains(key))
            atlas.insert(key, (how.isEmpty() ? u"-"_qs : how) + u'\t' + u"whois/"_qs + file);
    };
    const QHash<QString, int> forms { { u"found"_qs, int(Verdict::Record) },
                                      { u"not-registered"_qs, int(Verdict::NotRegistered) },
                                      { u"reserved"_qs, int(Verdict::Reserved) },
                                      { u"refused"_qs, int(Verdict::Refused) },
                                      { u"rate-limited"_qs, int(Verdict::RateLimited) } };
    for (const QString &line : std::as_const(lines)) {
        const QStringList fields = line.trimmed().split(u'\t');
        const QString tld = fields.value(4), outcome = fields.value(3);
        if (tld.isEmpty() || tld == u"-" || !forms.contains(outcome))
            continue;
        const QString text = Upstream::decodeText(readData(QStringLiteral("whois/") + fields[0]));
        const QString query = fields[2] == u"-" ? QString() : fields[2];
        const WhoisText::Reading reading = WhoisText::read(text, fields[1], query);
        if (int(reading.verdict) != forms.value(outcome))
            continue;
        RdapFields read;
        WhoisText::FieldLines where;
        if (outcome == u"found")
            WhoisText::readFields(text, read, false, &where);
        claim(tld, outcome, outcome == u"found" ? WhoisText::namesName(text, query).text : reading.quote.text,
              fields[0]);
        const QStringList seen = personsView(read);
        const char *const judgedFields[] = { "holder", "registrar", "expires" };
        for (int i = 0; i < 3 && outcome == u"found"; ++i) {
            const QString name = QLatin1StringView(judgedFields[i]);
            if (seen[i] != u"-" && seen[i] == fields.value(5 + i).simplified() && where.keys.contains(name))
                claim(tld, name, where.keys.value(name), fields[0]);
        }
        if (!read.statuses.isEmpty() && where.keys.contains(u"status"_qs))
            claim(tld, u"status"_qs, where.keys.value(u"status"_qs), fields[0]);
        if (!read.nameServers.isEmpty() && where.keys.contains(u"name-server"_qs))
            claim(tld, u"name-server"_qs, where.keys.value(u"name-server"_qs), fields[0]);
    }
    QString made
        = u"# The atlas of top-level domains' whois answers: what the site is proved to read right, each with "
          "the recorded\n# answer that proves it (under tests/site/data/). Made from the corpus by "
          "tst_site_queries (QUELCOR_WRITE_ATLAS=1),\n# which checks that it still holds.\n#\n"
          "# tld, then a form of answer (found, not-registered, reserved, refused, rate-limited) with the line "
          "that decides,\n# or a field (holder, registrar, expires, status, name-server) with its key; then "
          "the proof.\n"_qs;
    for (auto it = atlas.cbegin(); it != atlas.cend(); ++it)
        made += it.key() + u'\t' + it.value() + u'\n';
    const QString path = QStringLiteral(QUELCOR_SOURCE_DIR "/site/lookup/registries/atlas.tsv");
    QFile shipped(path);
    if (qEnvironmentVariableIsSet("QUELCOR_WRITE_ATLAS")) {
        QVERIFY(shipped.open(QIODevice::WriteOnly | QIODevice::Truncate));
        shipped.write(made.toUtf8());
        shipped.close();
    }
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QVERIFY2(QString::fromUtf8(shipped.readAll()) == made,
             "the atlas and the corpus differ: run tst_site_queries atlasProvedByTheCorpus with QUELCOR_WRITE_ATLAS=1");
}

void TestSiteQueries::regionalRegistriesRecords()
{
    // Every answer of tests/site/data/rir, by RDAP and by whois: the holder is the organisation a person reads
    // (never a maintainer's handle), the abuse contact an e-mail address a person reads (never a bare handle);
    // most of them are read at all.
    QFile manifest(kData + QStringLiteral("/rir/MANIFEST.tsv"));
    QVERIFY(manifest.open(QIODevice::ReadOnly));
    QStringList wrong;
    int judged = 0, read = 0;
    for (const QString &line : QString::fromUtf8(manifest.readAll()).split(u'\n', Qt::SkipEmptyParts).mid(1)) {
        const QStringList row = line.split(u'\t');
        const QByteArray bytes = readData(QStringLiteral("rir/") + row[0]);
        RdapFields fields;
        if (row.value(2) == u"rdap")
            fields.read(QJsonDocument::fromJson(bytes).object());
        else
            WhoisText::readFields(Upstream::decodeText(bytes), fields);
        // Each is a record, "No match!!" among other networks (JPNIC's) or not
        if (row.value(2) == u"whois"
            && WhoisText::read(Upstream::decodeText(bytes), row[1], row[3]).verdict != Verdict::Record)
            wrong.append(row[0] + u": not read as a record"_qs);
        const QString holder = row.value(5).simplified(), abuse = row.value(6).section(u',', 0, 0);
        if (!fields.holder.isEmpty() && holder != u"-" && fields.holder.simplified() != holder)
            wrong.append(QStringLiteral("%1: holder %2, not %3").arg(row[0], fields.holder, holder));
        if (!fields.abuse.isEmpty()
            && (WhoisText::looksLikeHandle(fields.abuse)
                || (abuse != u"-" && !fields.abuse.contains(abuse, Qt::CaseInsensitive))))
            wrong.append(QStringLiteral("%1: abuse %2, not %3").arg(row[0], fields.abuse, abuse));
        if (row.value(2) == u"whois" && !fields.range.isEmpty() && row.value(9) != u"-" && fields.range != row.value(9))
            wrong.append(QStringLiteral("%1: network %2, not %3").arg(row[0], fields.range, row.value(9)));
        judged += (holder != u"-") + (abuse != u"-");
        read += (holder != u"-" && !fields.holder.isEmpty()) + (abuse != u"-" && !fields.abuse.isEmpty());
        // Who to tell: the contact the answer names for its most specific object comes first, and says where.
        LookupResult result;
        result.kind = row.value(4) == u"autnum" ? Query::Kind::AsNumber : Query::Kind::Address;
        result.records.append(SourceRecord { row.value(2) == u"rdap" ? u"https://rdap.example/"_qs : row[1],
                                             Upstream::decodeText(bytes) });
        const QList<Abuse::Contact> contacts = Abuse::fromResult(result);
        // Where a network names none, the search asks for one that contains it (a range that is one address, as
        // LACNIC's once was, tells none).
        result.range = fields.range;
        const std::optional<Query> parent = Abuse::parentOf(result);
        if (row.value(4) == u"ip" && (fields.range.contains(u" - ") || fields.range.contains(u'/'))
            && (!parent || parent->kind != Query::Kind::Network))
            wrong.append(row[0] + u": no network above "_qs + fields.range);
        if (abuse != u"-" && (contacts.isEmpty() || !contacts[0].emails.contains(abuse, Qt::CaseInsensitive)))
            wrong.append(QStringLiteral("%1: first contact %2, not %3")
                             .arg(row[0], contacts.isEmpty() ? u"none"_qs : contacts[0].emails.join(u','), abuse));
        if (!contacts.isEmpty()
            && (contacts[0].field.isEmpty() || (row.value(2) == u"whois") != (contacts[0].line > 0)))
            wrong.append(row[0] + u": the first contact does not say where it was read"_qs);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    QVERIFY2(read * 100 >= judged * 70, qPrintable(QStringLiteral("%1 of %2").arg(read).arg(judged)));
}

void TestSiteQueries::fieldsOfRecordedAnswers_data()
{
    // The fields read from registries' own forms: registered, expires, last changed, registrar, the statuses and
    // name servers (first of each), DNSSEC. Every found answer of the corpus is read; every status value read has
    // its phrase.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("judged"); // holder, registrar, expires as MANIFEST.tsv says a person reads them
    QHash<QString, QStringList> people;
    QFile manifest(kData + QStringLiteral("/whois/MANIFEST.tsv"));
    QVERIFY(manifest.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(manifest.readAll()).split(u'\n', Qt::SkipEmptyParts).mid(1);
    for (const QString &line : lines) {
        const QStringList fields = line.trimmed().split(u'\t');
        if (fields.value(3) == u"found")
            people.insert(fields[0], fields.mid(5, 3));
    }
    QStringList judged;
    const auto row = [&](const char *file, QStringList expected) {
        judged.append(QString::fromLatin1(file));
        QTest::newRow(file) << judged.last() << expected << people.value(judged.last());
    };
    row("whois.afilias.net/found.txt",
        { "2001-07-31", "2018-07-31", "2017-06-29", "MarkMonitor Inc.",
          "clientDeleteProhibited https://icann.org/epp#clientDeleteProhibited", "ns1.google.com", "unsigned" });
    row("whois.nic.uk/found.txt",
        { "1999-02-14", "2015-02-14", "2014-01-13", "Markmonitor Inc. t/a Markmonitor", "", "ns1.google.com", "" });
    row("whois.dns.pt/found.txt", { "2003-01-09", "2015-02-28", "", "", "ACTIVE", "ns4.google.com", "" });
    row("whois.nic.it/found.txt", // the registrar's section names its organisation over its handle
        { "1999-12-10", "2014-04-21", "2013-04-21", "MarkMonitor International Limited", "ok", "ns1.google.com", "" });
    row("whois.nic.fr/found.txt",
        { "2004-05-20", "2019-05-07", "2018-04-08", "EPAG Domainservices GmbH", "ACTIVE", "ns.magic.fr", "" });
    row("whois.denic.de/found.txt", { "", "", "2011-03-30", "", "connect", "ns1.google.com", "" });
    row("whois.nic.co/found.txt",
        { "2010-04-26", "2016-04-25", "2013-10-14", "CSC CORPORATE DOMAINS", "clientTransferProhibited",
          "ns1.p34.dynect.net", "" });
    // Keys in brackets, padded with dots, or without a colon before their date
    row("whois.fi/found-2.txt",
        { "2006-06-30", "2021-07-04", "2020-06-02", "MarkMonitor Inc.", "Registered", "ns3.google.com", "unsigned" });
    row("whois.jprs.jp/found.txt", { "2005-05-30", "2014-05-31", "2013-06-01", "", "Active", "ns1.google.com", "" });
    row("whois.twnic.net.tw/found-2.txt", // "Registration Service Provider"
        { "2000-08-29", "2021-11-09", "", "Markmonitor, Inc.", "clientUpdateProhibited", "ns1.google.com", "" });
    row("whois.nic.tr/found.txt", { "2001-08-23", "2014-08-22", "", "", "", "", "" });
    row("whois.sk-nic.sk/found.txt", { "", "2011-07-23", "2010-06-28", "", "DOM_OK", "ns1.google.com", "" });
    row("whois.srs.net.nz/found.txt", { "1999-02-16", "2014-02-16", "2013-01-16", "MarkMonitor", "", "", "unsigned" });
    row("whois.register.bg/found.txt", { "2003-06-30", "2014-06-30", "", "", "", "", "unsigned" });
    row("whois.nic.ch/found.txt", { "", "", "", "", "", "ns1.google.com", "unsigned" });
    row("whois.nic.ve/found.txt", { "2010-10-27", "2011-10-27", "", "", "", "", "" }); // keys in Spanish
    row("whois.isoc.org.il/found.txt", // the newest of many changed: lines
        { "", "", "2014-01-16", "Israel Internet Association ISOC-IL", "Transfer Locked", "ns.isoc.org.il", "" });
    for (auto it = people.cbegin(); it != people.cend(); ++it) {
        if (!judged.contains(it.key()))
            QTest::newRow(qPrintable(it.key())) << it.key() << QStringList() << it.value();
    }
}

void TestSiteQueries::fieldsOfRecordedAnswers()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, judged);
    RdapFields read;
    WhoisText::readFields(Upstream::decodeText(readData(QStringLiteral("whois/") + file)), read);
    // Every date reads, but a registry's "before Aug-1996", kept as written.
    for (const QString &date : { read.registered, read.expires, read.lastChanged })
        QVERIFY2(date.isEmpty() || QDate::fromString(date, Qt::ISODate).isValid() || date.startsWith(u"before "),
                 qPrintable(date));
    // What the site reads of the holder, the registrar and the expiry is what a person reads, never another value
    // (how many it reads at all: recordedAnswersCoverManyRegistries).
    // Known misreadings, each with why: not yet right.
    static const QHash<QString, QString> known {
        { u"whois.verisign-grs.com/found.txt"_qs, u"the registrar of another name in an answer of many"_qs },
        { u"whois.afrinic.net/ip-found.txt"_qs, u"the description over the organisation's name"_qs },
        { u"whois.smallregistry.net/found.txt"_qs, u"YAML's references"_qs },
        { u"whois.nic.uk/found-2.txt"_qs, u"a sentence in the registrar's place"_qs },
        { u"whois.ua/found.txt"_qs, u"the registrar's handle, without a digit"_qs },
        { u"whois.ua/found-2.txt"_qs, u"the registrar's handle, without a digit"_qs },
        { u"whois.dotpostregistry.net/found.txt"_qs, u"the registry itself as registrar"_qs },
        { u"whois.donuts.co/found.txt"_qs, u"a privacy service's name: withheld, or the holder?"_qs },
    };
    // A registrar's abuse contact, where the answer gives one, is the first to tell, with its line.
    const QString text = Upstream::decodeText(readData(QStringLiteral("whois/") + file));
    static const QRegularExpression registrarAbuse(
        QStringLiteral("^\\s*Registrar Abuse Contact Email:[ \\t]*(\\S+@\\S+)"), QRegularExpression::MultilineOption);
    if (const QRegularExpressionMatch given = registrarAbuse.match(text); given.hasMatch()) {
        LookupResult result;
        result.records.append(SourceRecord { file.section(u'/', 0, 0), text });
        const QList<Abuse::Contact> contacts = Abuse::fromResult(result);
        QVERIFY(!contacts.isEmpty());
        QCOMPARE(contacts[0].role, Abuse::Role::Registrar);
        QCOMPARE(contacts[0].emails.value(0), given.captured(1));
        QCOMPARE(contacts[0].line, text.left(given.capturedStart(1)).count(u'\n') + 1);
    }
    const QStringList seen = personsView(read);
    for (qsizetype i = 0; i < judged.size() && i < seen.size() && !known.contains(file); ++i) {
        if (seen[i] != u"-")
            QCOMPARE(seen[i], judged[i].simplified());
    }
    if (expected.isEmpty())
        return; // statuses of other forms are shown as written
    for (const QString &status : std::as_const(read.statuses))
        QVERIFY2(Statuses::phrase(status), qPrintable(status));
    const QStringList got { read.registered, read.expires,           read.lastChanged,
                            read.registrar,  read.statuses.value(0), read.nameServers.value(0),
                            read.dnssec };
    QCOMPARE(got, expected);
}

void TestSiteQueries::throttledWhoisAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("message");
    QTest::newRow("with a time") << QByteArray("% Query rate limit exceeded. Please try again in 60 seconds.\r\n")
                                 << u"The registry is limiting how often it is asked. Try again in 1\u00A0min."_qs;
    QTest::newRow("in minutes") << QByteArray("%ERROR:201: access denied for 192.0.2.1\n% Excessive querying, "
                                              "grace period of 2 minutes\n")
                                << u"The registry is limiting how often it is asked. Try again in 2\u00A0min."_qs;
    QTest::newRow("without a time") << QByteArray("Too many requests\r\n")
                                    << "The registry is limiting how often it is asked. Try again later.";
}

void TestSiteQueries::throttledWhoisAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, message);
    FakeWhoisNetwork whois(2);
    whois.server(1).answer = "refer: 127.0.0.2\n";
    whois.server(2).answer = answer;
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(QStringLiteral("example.fr"));
    QCOMPARE(result.outcome, Outcome::RateLimited);
    QCOMPARE(result.message.english(), message);
    QVERIFY(result.records.isEmpty());
}

void TestSiteQueries::numbersThroughRdap_data()
{
    // Records that regional registries sent (tests/site/data/rdap), in the forms they used over the years.
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QString>("abuse");
    const QString bt = QStringLiteral("BT Corporate Registry, zzdnsr@bt.com, steve.a.marshall@bt.com, "
                                      "lee.bailey-hague@bt.com");
    QTest::newRow("address") << "74.125.225.229" << QByteArray("ipv4.json") << QByteArray("74.0.0.0/8")
                             << QByteArray("/rdap/ip/74.125.225.229") << "arin-ip.json"
                             << "074.125.000.000 - 074.125.255.255"
                             << "Google Inc."
                             << "Google Inc, arin-contact@google.com, +1-650-253-0000";
    QTest::newRow("network") << "62.239.237.1/24" << QByteArray("ipv4.json") << QByteArray("62.0.0.0/8")
                             << QByteArray("/rdap/ip/62.239.237.0/24") << "ripe-ip.json"
                             << "62.239.237.0/32 - 62.239.237.255/32"
                             << "UDC" << bt; // the network's description, not its maintainer's handle
    QTest::newRow("IPv6 address") << "2a00:2381:ffff::1" << QByteArray("ipv6.json") << QByteArray("2a00::/12")
                                  << QByteArray("/rdap/ip/2a00:2381:ffff::1") << "ripe-ip-2.json"
                                  << "2a00:2381:ffff::/128 - 2a00:2381:ffff::ffff:ffff:ffff:ffff/128"
                                  << "BT World IPv6 Launch" << bt;
    QTest::newRow("AS number") << "as16509" << QByteArray("asn.json") << QByteArray("16384-18431")
                               << QByteArray("/rdap/autnum/16509") << "arin-autnum.json"
                               << "AS16509"
                               << "Amazon.com, Inc."
                               << "Amazon EC2 Abuse, abuse@amazonaws.com, +1-206-555-0000";
}

void TestSiteQueries::numbersThroughRdap()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, path);
    QFETCH(QString, record);
    QFETCH(QString, range);
    QFETCH(QString, holder);
    QFETCH(QString, abuse);
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    // A wider block elsewhere: the longest matching block wins.
    rdap.route("/bootstrap/" + file,
               json(R"({"services":[[["0.0.0.0/0","::/0","1-4294967295"],["https://wrong.example/"]],[[")" + block
                    + R"("],[")" + rdap.base().toUtf8() + R"(/rdap/"]]]})"));
    // With a related link beside the registry's own: only a domain's record leads to a registrar's.
    QJsonObject served = QJsonDocument::fromJson(readData(QStringLiteral("rdap/") + record)).object();
    QJsonArray links = served.value(u"links").toArray();
    links.append(QJsonObject { { u"rel"_qs, u"related"_qs },
                               { u"type"_qs, u"application/rdap+json"_qs },
                               { u"href"_qs, rdap.base() + u"/rdap/entity/ELSEWHERE"_qs } });
    served.insert(u"links"_qs, links);
    rdap.route(path, json(QJsonDocument(served).toJson()));
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/bootstrap/dns.json"), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(1)).run(input);
    QCOMPARE(result.outcome, Outcome::Found);
    QCOMPARE(rdap.log(), QStringList({ "GET /bootstrap/" + file, "GET " + path }));
    QVERIFY(result.notes.isEmpty());
    QCOMPARE(result.range, range);
    QCOMPARE(result.holder, holder);
    QCOMPARE(result.abuse, abuse);
    QVERIFY(!result.lastChanged.isEmpty());
    const QString page = QString::fromUtf8(Pages::lookupPage(input, &result));
    for (const QString &shown : { u"Abuse contact"_qs, abuse, range, holder, result.lastChanged })
        QVERIFY2(page.contains(shown.toHtmlEscaped()), qPrintable(shown));
}

void TestSiteQueries::numbersThroughWhois_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("asked");
    QTest::newRow("address") << "8.8.8.8" << QByteArray("8.8.8.8");
    QTest::newRow("network") << "8.8.8.8/24" << QByteArray("8.8.8.0/24");
    QTest::newRow("IPv6 network") << "2001:4860::/32" << QByteArray("2001:4860::/32");
    QTest::newRow("AS number") << "15169" << QByteArray("AS15169");
}

void TestSiteQueries::numbersThroughWhois()
{
    QFETCH(QString, input);
    QFETCH(QByteArray, asked);
    // The root refers to a regional registry, whose record refers to another (as for transferred space).
    FakeWhoisNetwork whois(3);
    whois.server(1).answer = "% IANA WHOIS server\nrefer:        127.0.0.2\n";
    whois.server(2).answer
        = readData(QStringLiteral("whois/whois.arin.net/ip-found.txt")) + "\nReferralServer:  whois://127.0.0.3\n";
    whois.server(3).answer = readData(QStringLiteral("whois/whois.ripe.net/ip-found.txt"));
    RdapBootstrap bootstrap(QUrl(QStringLiteral("http://127.0.0.1:1/dns.json")), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(whois.port())).run(input);
    QCOMPARE(result.outcome, Outcome::Found);
    QCOMPARE(result.records.size(), 2);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(whois.server(i).queries, QList<QByteArray> { asked });

    // A registry that holds nothing for it.
    whois.server(2).answer = "% This is the RIPE Database query service.\n\n%ERROR:101: no entries found\n%\n"
                             "% No entries found in source RIPE.\n";
    const LookupResult missing = Lookup(bootstrap, settingsFor(whois.port())).run(input);
    QCOMPARE(missing.outcome, Outcome::NotRegistered);
    QCOMPARE(missing.message.english(),
             QStringLiteral("No registry holds a record for %1.").arg(QString::fromLatin1(asked)));
}

void TestSiteQueries::redirectsCounted_data()
{
    QTest::addColumn<int>("hops"); // redirects before the record; -1: a loop
    QTest::addColumn<int>("outcome");
    QTest::newRow("three redirects") << 3 << int(Outcome::Found);
    QTest::newRow("four redirects") << 4 << int(Outcome::Failed);
    QTest::newRow("a loop") << -1 << int(Outcome::Failed);
}

void TestSiteQueries::redirectsCounted()
{
    QFETCH(int, hops);
    QFETCH(int, outcome);
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json", json(R"({"services":[[["com"],[")" + rdap.base().toUtf8() + R"(/hop0/"]]]})"));
    const auto redirect = [&](const QByteArray &to) {
        return LocalHttpServer::Reply { 302,          rdap.base().toUtf8() + to,
                                        "text/plain", LocalHttpServer::Reply::Mode::Redirect,
                                        100,          {} };
    };
    if (hops < 0) {
        rdap.route("/hop0/domain/example.com", redirect("/hop0/domain/example.com"));
    } else {
        for (int hop = 0; hop < hops; ++hop)
            rdap.route(QStringLiteral("/hop%1/domain/example.com").arg(hop).toUtf8(),
                       redirect(QStringLiteral("/hop%1/domain/example.com").arg(hop + 1).toUtf8()));
        rdap.route(QStringLiteral("/hop%1/domain/example.com").arg(hops).toUtf8(),
                   json(R"({"objectClassName":"domain","ldhName":"example.com"})"));
    }
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(1)).run(QStringLiteral("example.com"));
    QCOMPARE(int(result.outcome), outcome);
    // The first question and at most three redirects reach the server.
    QCOMPARE(rdap.log().size() - 1, 4);
    if (outcome == int(Outcome::Failed))
        QVERIFY2(result.message.english().contains(u"the lookup service redirected too often"),
                 qPrintable(result.message.english()));
    else // the record is named after the server that sent it
        QVERIFY(result.records.value(0).source.endsWith(u"/hop3/domain/example.com"));
}

void TestSiteQueries::datesAsWritten_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read"); // the text itself: not a date
    QTest::newRow("with a zone") << "2024-12-31T23:00:00-05:00"
                                 << "2025-01-01";
    QTest::newRow("day first, no zero") << "4.7.2027 10:22:08"
                                        << "2027-07-04";
    QTest::newRow("month's name, a dot after") << "2013-Aug-22."
                                               << "2013-08-22";
    // Month names in the registries' languages
    QTest::newRow("French") << "15 janvier 2025"
                            << "2025-01-15";
    QTest::newRow("French, July") << "1 juil. 2021"
                                  << "2021-07-01";
    QTest::newRow("German") << "3. März 2024"
                            << "2024-03-03";
    QTest::newRow("Spanish") << "5 de agosto de 2023"
                             << "2023-08-05";
    QTest::newRow("Italian") << "1 luglio 2022 12:00"
                             << "2022-07-01";
    QTest::newRow("Dutch") << "12 okt 2021"
                           << "2021-10-12";
    QTest::newRow("Portuguese, December") << "2 dez 2020"
                                          << "2020-12-02";
    QTest::newRow("no month") << "3 wibble 2020"
                              << "3 wibble 2020";
    QTest::newRow("a weekday and an ordinal") << "Wednesday 15th January 2025"
                                              << "2025-01-15";
    QTest::newRow("a weekday, the month first, an ordinal") << "Tuesday, March 3rd, 2026 12:00 GMT"
                                                            << "2026-03-03";
    QTest::newRow("a year no registry means") << "294247-01-10T04:00:54Z"
                                              << "294247-01-10T04:00:54Z";
    QTest::newRow("before the internet") << "0001-01-01T00:00:00Z"
                                         << "0001-01-01T00:00:00Z";
}

void TestSiteQueries::datesAsWritten()
{
    QFETCH(QString, written);
    QFETCH(QString, read);
    QCOMPARE(RdapFields::date(written), read);
    LookupResult result;
    result.outcome = Outcome::Found;
    result.query = u"example.com"_qs;
    result.expires = RdapFields::date(written);
    QCOMPARE(Pages::lookupPage(result.query, &result).contains("(not a date)"), read == written);
}

void TestSiteQueries::registeredDomains_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text"); // empty: refused
    QTest::addColumn<QString>("host");
    QTest::newRow("a host name") << "WWW.Google.com"
                                 << "google.com"
                                 << "www.google.com";
    QTest::newRow("a registered domain") << "google.com"
                                         << "google.com"
                                         << "";
    QTest::newRow("below a second-level suffix") << "ns2.pipni.co.uk"
                                                 << "pipni.co.uk"
                                                 << "ns2.pipni.co.uk";
    QTest::newRow("a suffix itself") << "co.uk"
                                     << "co.uk"
                                     << "";
    QTest::newRow("a private suffix counts as registered") << "foo.github.io"
                                                           << "github.io"
                                                           << "foo.github.io";
    QTest::newRow("a wildcard rule") << "a.b.ck"
                                     << "a.b.ck"
                                     << "";
    QTest::newRow("an exception to it") << "x.www.ck"
                                        << "www.ck"
                                        << "x.www.ck";
    QTest::newRow("an extension the list lacks") << "a.b.qqqq"
                                                 << "b.qqqq"
                                                 << "a.b.qqqq";
    QTest::newRow("an IDN") << u"www.みんな.jp"_qs << "xn--q9jyb4c.jp"
                            << "www.xn--q9jyb4c.jp";
    QTest::newRow("a RIPE handle") << "SD12478-RIPE"
                                   << ""
                                   << "";
    QTest::newRow("an ARIN handle") << "ARIN-HOSTMASTER"
                                    << ""
                                    << "";
    QTest::newRow("an IDN top-level domain") << "xn--q9jyb4c"
                                             << "xn--q9jyb4c"
                                             << "";
}

void TestSiteQueries::registeredDomains()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QString, host);
    const Query query = Query::fromInput(input);
    QCOMPARE(query.text, text);
    QCOMPARE(query.host, host);
    if (text.isEmpty())
        QCOMPARE(query.error.id(), MessageId::HandleNotLookedUp);
}

namespace {

// The same entities with JSContact cards (RFC 9553) in place of their vCards, as registries move to them.
QJsonObject asJsContact(QJsonObject object)
{
    if (object.contains(u"vcardArray")) {
        QJsonObject card { { u"@type"_qs, u"Card"_qs }, { u"version"_qs, u"1.0"_qs } };
        QJsonObject emails, phones, links;
        for (const QJsonValue &item : object.take(u"vcardArray").toArray().at(1).toArray()) {
            const QJsonArray field = item.toArray();
            const QString name = field.at(0).toString(), value = field.at(3).toString();
            const QString key = name + QString::number(emails.size() + phones.size() + links.size());
            if (name == u"fn")
                card.insert(u"name"_qs, QJsonObject { { u"full"_qs, value } });
            else if (name == u"org")
                card.insert(u"organizations"_qs, QJsonObject { { u"o"_qs, QJsonObject { { u"name"_qs, value } } } });
            else if (name == u"email")
                emails.insert(key, QJsonObject { { u"address"_qs, value } });
            else if (name == u"tel")
                phones.insert(key, QJsonObject { { u"number"_qs, value } });
            else if (name == u"url")
                links.insert(key, QJsonObject { { u"uri"_qs, value } });
        }
        card.insert(u"emails"_qs, emails);
        card.insert(u"phones"_qs, phones);
        card.insert(u"links"_qs, links);
        object.insert(u"jscontact_card"_qs, card);
    }
    QJsonArray entities;
    for (const QJsonValue &entity : object.value(u"entities").toArray())
        entities.append(asJsContact(entity.toObject()));
    if (!entities.isEmpty())
        object.insert(u"entities"_qs, entities);
    return object;
}

} // namespace

void TestSiteQueries::todaysRecords_data()
{
    // Every domain's record of tests/site/data/rdap, against what its MANIFEST.tsv says a person reads in it ("?":
    // not judged).
    QTest::addColumn<QStringList>("row");
    QFile manifest(kData + QStringLiteral("/rdap/MANIFEST.tsv"));
    QVERIFY(manifest.open(QIODevice::ReadOnly));
    for (const QString &line : QString::fromUtf8(manifest.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList row = line.split(u'\t');
        if (row.value(3) == u"domain" && row.value(4) == u"found")
            QTest::newRow(qPrintable(row[0])) << row;
    }
}

void TestSiteQueries::todaysRecords()
{
    QFETCH(QStringList, row);
    const QJsonObject record = QJsonDocument::fromJson(readData(QStringLiteral("rdap/") + row[0])).object();
    RdapFields read, fromJsContact;
    read.read(record);
    fromJsContact.read(asJsContact(record));
    const auto judged = [](const QString &said) { return said != u"?" && said != u"-"; };
    if (judged(row[5]))
        QCOMPARE(read.registrar, row[5]);
    if (row[6] == u"withheld")
        QVERIFY2(read.holder.isEmpty() && read.withheld.contains(u"holder"_qs), qPrintable(read.holder));
    else if (judged(row[6]))
        QCOMPARE(read.holder, row[6]);
    if (judged(row[7]))
        QCOMPARE(read.expires, row[7]);
    if (judged(row[8]))
        QVERIFY2(read.abuse.contains(row[8], Qt::CaseInsensitive) && !read.abuse.startsWith(u"29"),
                 qPrintable(read.abuse));
    QVERIFY2(!RdapFields::isPlaceholder(read.holder), qPrintable(read.holder));
    // The same contacts in JSContact give the same fields.
    for (const auto field :
         { &RdapFields::registrar, &RdapFields::holder, &RdapFields::abuse, &RdapFields::registrarUrl })
        QCOMPARE(fromJsContact.*field, read.*field);
    QCOMPARE(fromJsContact.withheld, read.withheld);
}

void TestSiteQueries::todaysLookups_data()
{
    // A thin registry's record and a registrar's, merged; host names; an RDAP error in the registry's words.
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("routes"); // path, file (or a status), ...
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("shown"); // on the page
    const QString under = QStringLiteral("ns1.nic.fr lies within the domain nic.fr.");
    QTest::newRow("a host name and its record")
        << "ns1.nic.fr"
        << QStringList { "/domain/nic.fr", "rdap.nic.fr-domain-2.json", "/nameserver/ns1.nic.fr",
                         "rdap.nic.fr-nameserver.json" }
        << int(Outcome::Found) << QStringList { under, "192.134.4.1", "Host addresses" };
    QTest::newRow("a host name without one")
        << "ns1.nic.fr" << QStringList { "/domain/nic.fr", "rdap.nic.fr-domain-2.json" } << int(Outcome::Found)
        << QStringList { under, "Host name" };
    QTest::newRow("a host name under a free name") << "ns1.nic.fr" << QStringList() << int(Outcome::NotRegistered)
                                                   << QStringList { under, "nic.fr is not registered." };
    QTest::newRow("thin registry, redacting registrar")
        << "bbc.com"
        << QStringList { "/domain/bbc.com", "rdap.verisign.com-domain.json", "/registrar/bbc.com",
                         "rdap.nominet.uk-domain-redacted.json" }
        << int(Outcome::Found)
        << QStringList { "holder withheld", "withheld: Server policy", "British Broadcasting Corporation",
                         "Registrant Name, Registrant Organization" };
    QTest::newRow("an error in the registry's words")
        << "example.com" << QStringList { "/domain/example.com", "400:rdap.db.ripe.net-error-400.json" }
        << int(Outcome::Failed) << QStringList { "answered with status 400: " };
}

void TestSiteQueries::todaysLookups()
{
    QFETCH(QString, input);
    QFETCH(QStringList, routes);
    QFETCH(int, outcome);
    QFETCH(QStringList, shown);
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json", json(R"({"services":[[["fr","com"],[")" + rdap.base().toUtf8() + R"(/"]]]})"));
    for (qsizetype i = 0; i + 1 < routes.size(); i += 2) {
        const int status = routes[i + 1].contains(u':') ? routes[i + 1].section(u':', 0, 0).toInt() : 200;
        QJsonObject served = QJsonDocument::fromJson(readData(u"rdap/"_qs + routes[i + 1].section(u':', -1))).object();
        // The registry's link to the registrar's record leads to the stand-in.
        QJsonArray links;
        for (const QJsonValue &link : served.value(u"links").toArray()) {
            QJsonObject changed = link.toObject();
            if (changed.value(u"rel").toString() == u"related")
                changed.insert(u"href"_qs, rdap.base() + u"/registrar/"_qs + input);
            links.append(changed);
        }
        served.insert(u"links"_qs, links);
        rdap.route(routes[i].toUtf8(), json(QJsonDocument(served).toJson(), status));
    }
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);
    const LookupResult result = Lookup(bootstrap, settingsFor(1)).run(input);
    QCOMPARE(int(result.outcome), outcome);
    const QString page = QString::fromUtf8(Pages::lookupPage(input, &result));
    for (const QString &text : shown)
        QVERIFY2(page.contains(text.toHtmlEscaped()), qPrintable(text));
    if (routes.size() > 2 && outcome == int(Outcome::Found)) { // each field names the record it came from
        QCOMPARE(result.sources.value(u"expires"_qs), rdap.base() + routes[0]);
        QCOMPARE(result.sources.value(u"holder"_qs).isEmpty(),
                 !result.withheld.contains(u"holder"_qs) && result.holder.isEmpty());
    }
}

void TestSiteQueries::registryWordKept()
{
    // A registry that answers 429 with Retry-After is not asked again until then, for any name.
    LocalHttpServer rdap;
    QVERIFY(rdap.listen());
    rdap.route("/dns.json", json(R"({"services":[[["com"],[")" + rdap.base().toUtf8() + R"(/"]]]})"));
    LocalHttpServer::Reply limited = json("{}", 429);
    limited.headers = "Retry-After: 120\r\n";
    rdap.route("/domain/one.com", limited);
    LookupSettings settings = settingsFor(1);
    settings.health = std::make_shared<RegistryHealth>();
    RdapBootstrap bootstrap(QUrl(rdap.base() + "/dns.json"), 3600);
    const Lookup lookup(bootstrap, settings);
    QCOMPARE(lookup.run(u"one.com"_qs).retryAfterSeconds, 120);
    const LookupResult second = lookup.run(u"two.com"_qs);
    QCOMPARE(second.outcome, Outcome::RateLimited);
    QVERIFY(second.retryAfterSeconds >= 119 && second.retryAfterSeconds <= 133);
    QVERIFY(!rdap.log().contains(u"GET /domain/two.com"_qs));
}

void TestSiteQueries::hostileRecordText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("C0 controls") << QString::fromUtf8("a\0b\ac\bd\x1b[2Je\vf\fg", 16) << u"a␀b␇c␈d␛[2Je␋f␌g"_qs;
    QTest::newRow("DEL and C1") << u"x\x7fy\u0085z"_qs << u"x␡y[U+0085]z"_qs;
    QTest::newRow("CR LF kept as a line break, a lone CR shown") << u"a\r\nb\rc"_qs << u"a\nb␍c"_qs;
    QTest::newRow("override and isolate")
        << u"\u202Emoc.elpmaxe\u2066x\u2069"_qs << u"[U+202E]moc.elpmaxe[U+2066]x[U+2069]"_qs;
    QTest::newRow("right-to-left letters stay") << u"مثال.شبكة"_qs << u"مثال.شبكة"_qs;
}

void TestSiteQueries::hostileRecordText()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    LookupResult result;
    result.outcome = Outcome::Found;
    result.query = QStringLiteral("example.com");
    result.name = text; // a registry's unicodeName
    result.registrar = text;
    result.records.append(SourceRecord { QStringLiteral("whois.example"), text, false });
    const QString page = QString::fromUtf8(Pages::lookupPage(QStringLiteral("example.com"), &result));
    // The name in the table, the registrar in the verdict and in the table, and the record.
    QCOMPARE(page.count(shown.toHtmlEscaped()), 4);
    QVERIFY(page.contains(u"<h1><bdi>example.com</bdi></h1>"));
    for (QChar c : page) {
        const bool control
            = (c.unicode() < 0x20 && c != u'\n' && c != u'\t') || (c.unicode() >= 0x7f && c.unicode() <= 0x9f);
        const bool bidi
            = (c.unicode() >= 0x202a && c.unicode() <= 0x202e) || (c.unicode() >= 0x2066 && c.unicode() <= 0x2069);
        QVERIFY2(!control && !bidi, qPrintable(QString::number(c.unicode(), 16)));
    }
}

QTEST_GUILESS_MAIN(TestSiteQueries)
#include "tst_site_queries.moc"
