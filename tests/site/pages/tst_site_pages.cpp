// The site's pages and languages: the language a browser asks for, messages rendered through the catalogs,
// the shipped catalogs against the texts of the sources, and pages rendered from their templates.

#include "pages/PageLanguage.h"
#include "pages/Pages.h"
#include "pages/Statuses.h"

#include "VersionText.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry
{
    QString translation;
    bool finished = false;
};
using Catalog = QHash<QString, Entry>; // by context and source: "Page|Look up"

// A Qt Linguist file's messages.
Catalog readCatalog(const QString &path)
{
    Catalog catalog;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalog;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            // (a text with a count has a form a count, which are read as one)
            catalog.insert(context + u'|' + source,
                           Entry { xml.readElementText(QXmlStreamReader::IncludeChildElements), finished });
        }
    }
    return catalog;
}

QStringList sorted(const QString &text, const QRegularExpression &pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

constexpr qint64 kToday = 1000000; // an expiry of today, in the verdicts' rows

const Message kNested(MessageId::WhoisUnreachable, u"whois.zz"_qs,
                      Message(MessageId::RefusedToAsk, Message(MessageId::NoConnection, 10)));

} // namespace

class TestSitePages : public QObject
{
    Q_OBJECT
private slots:
    void chosenLanguage_data();
    void chosenLanguage();
    void messages_data();
    void messages();
    void missingTranslationFallsBackForThatMessageOnly();
    void shippedCatalogs();
    void pageInTheChosenLanguage();
    void statusesInWords_data();
    void statusesInWords();
    void verdicts_data();
    void verdicts();
    void recordFileNames_data();
    void recordFileNames();
    void versionFilesReadByTheProgram();
};

void TestSitePages::chosenLanguage_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QString>("tag");
    QTest::newRow("none") << QByteArray() << u"en"_qs;
    QTest::newRow("one") << QByteArray("de") << u"de"_qs;
    QTest::newRow("region and case") << QByteArray("DE-at") << u"de"_qs;
    QTest::newRow("region of another") << QByteArray("pt-BR,pt;q=0.9") << u"pt"_qs;
    QTest::newRow("first of equal weight") << QByteArray("de-CH, fr") << u"de"_qs;
    QTest::newRow("highest weight") << QByteArray("fr;q=0.8, nl;q=0.9, it;q=0.85") << u"nl"_qs;
    QTest::newRow("unknown before known") << QByteArray("ja, sv, es;q=0.1") << u"es"_qs;
    QTest::newRow("English preferred") << QByteArray("en-GB, de;q=0.8") << u"en"_qs;
    QTest::newRow("weight 0 is a refusal") << QByteArray("de;q=0, fr;q=0.5") << u"fr"_qs;
    QTest::newRow("bad weights count as 0") << QByteArray("de;q=x, it;q=2, nl;q=0.2") << u"nl"_qs;
    QTest::newRow("any") << QByteArray("*") << u"en"_qs;
    QTest::newRow("nothing spoken") << QByteArray("ja, zh-CN;q=0.5") << u"en"_qs;
    QTest::newRow("garbage") << QByteArray(";;,,=q;\x01\xff") << u"en"_qs;
    QTest::newRow("past the first 1024 bytes") << QByteArray(1030, ' ') + "de" << u"en"_qs;
}

void TestSitePages::chosenLanguage()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, tag);
    QCOMPARE(PageLanguage::forAcceptLanguage(header.toStdString()).tag(), tag);
}

void TestSitePages::messages_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::newRow("reasons inside reasons, each translated")
        << kNested << u"The whois server whois.zz could not be asked: refused to ask it: no connection within 10 s."_qs
        << u"Der Whois-Server whois.zz konnte nicht abgefragt werden: die Website hat die Abfrage verweigert: keine "
           "Verbindung innerhalb von 10 s."_qs;
    QTest::newRow("a reason from elsewhere stays as it came")
        << Message(MessageId::WhoisUnreachable, u"a.zz"_qs, Message::verbatim(u"Connection refused"_qs))
        << u"The whois server a.zz could not be asked: Connection refused."_qs
        << u"Der Whois-Server a.zz konnte nicht abgefragt werden: Connection refused."_qs;
    QTest::newRow("a text that looks like a message is not one")
        << Message::verbatim(u"no answer"_qs) << u"no answer"_qs << u"no answer"_qs;
    QTest::newRow("words and a nested reference")
        << Message(MessageId::SpecialA, u"64:ff9b::a00:1"_qs, Message::Word { u"NAT64"_qs },
                   Message::Word { u"address"_qs },
                   Message(MessageId::Carrying, u"RFC 6052"_qs, u"10.0.0.1"_qs, Message::Word { u"private"_qs }))
        << u"64:ff9b::a00:1 is a NAT64 address (RFC 6052, carrying the private address 10.0.0.1); no registry holds a "
           "record for it."_qs
        << u"64:ff9b::a00:1 (Adresse) liegt in einem besonderen Bereich: NAT64 (RFC 6052, eingebettete Adresse "
           "10.0.0.1: privat); keine Registry führt einen Eintrag dafür."_qs;
    // Waits as people say them: seconds alone, minutes with seconds, hours to the minute, days.
    for (const auto &[seconds, said] :
         { std::pair(45, "45\u00A0s"), std::pair(120, "2\u00A0min"), std::pair(3576, "59\u00A0min\u00A036\u00A0s"),
           std::pair(3900, "1\u00A0h\u00A05\u00A0min"), std::pair(90000, "1\u00A0d\u00A01\u00A0h") })
        QTest::addRow("a wait of %d s", seconds)
            << Message(MessageId::RegistryLimited, Message::duration(seconds))
            << u"The registry is limiting how often it is asked. Try again in %1."_qs.arg(QString::fromUtf8(said))
            << u"Die Registry begrenzt, wie oft sie abgefragt werden kann. Versuchen Sie es in %1 erneut."_qs.arg(
                   QString::fromUtf8(said));
    QTest::newRow("an argument that looks like a placeholder stays")
        << Message(MessageId::NotRegistered, u"%2.example"_qs) << u"%2.example is not registered."_qs
        << u"%2.example ist nicht registriert."_qs;
}

void TestSitePages::messages()
{
    QFETCH(Message, message);
    QFETCH(QString, english);
    QFETCH(QString, german);
    QCOMPARE(message.english(), english);
    QCOMPARE(PageLanguage::english().render(message), english);
    QCOMPARE(PageLanguage::forAcceptLanguage("de").render(message), german);
    // Kept on Redis and read back, a message is the same message.
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << message;
    }
    Message read;
    QDataStream in(bytes);
    in >> read;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY(read == message);
}

void TestSitePages::missingTranslationFallsBackForThatMessageOnly()
{
    // A catalog that translates the outer message and not the reason inside it.
    QTemporaryDir folder;
    QFile ts(folder.filePath(u"xx.ts"_qs));
    QVERIFY(ts.open(QIODevice::WriteOnly));
    ts.write(R"(<?xml version="1.0" encoding="utf-8"?><!DOCTYPE TS><TS version="2.1" language="de"><context>
<name>Message</name><message><source>The whois server %1 could not be asked: %2.</source>
<translation>Whois-Server %1: %2.</translation></message></context></TS>)");
    ts.close();
    QCOMPARE(QProcess::execute(QStringLiteral(QUELCOR_LRELEASE),
                               { u"-silent"_qs, ts.fileName(), u"-qm"_qs, folder.filePath(u"xx.qm"_qs) }),
             0);
    const PageLanguage partial(u"xx"_qs, folder.filePath(u"xx.qm"_qs));
    QCOMPARE(partial.render(kNested), u"Whois-Server whois.zz: refused to ask it: no connection within 10 s."_qs);
    QCOMPARE(partial.text(QT_TRANSLATE_NOOP("Page", "Look up")), u"Look up"_qs);
}

void TestSitePages::shippedCatalogs()
{
    QStringList tags;
    for (const PageLanguage *language : PageLanguage::all())
        tags.append(language->tag());
    QCOMPARE(tags, QStringList({ u"en"_qs, u"de"_qs, u"es"_qs, u"fr"_qs, u"it"_qs, u"nl"_qs, u"pt"_qs }));

    // What the sources mark today, read by lupdate as a translator's update would.
    QTemporaryDir folder;
    const QString fresh = folder.filePath(u"fresh.ts"_qs);
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(QUELCOR_SOURCE_DIR "/site"));
    lupdate.start(
        QStringLiteral(QUELCOR_LUPDATE),
        { u"-silent"_qs, u"-locations"_qs, u"none"_qs, u"-extensions"_qs, u"cpp,h"_qs, u"."_qs, u"-ts"_qs, fresh });
    QVERIFY(lupdate.waitForFinished(60'000));
    QCOMPARE(lupdate.exitCode(), 0);
    const Catalog marked = readCatalog(fresh);
    QVERIFY(marked.size() > 100);
    // Every message of the site is in it, so in every catalog below.
    for (int id = int(MessageId::Verbatim) + 1; id < int(MessageId::Count); ++id)
        QVERIFY2(marked.contains(u"Message|"_qs + QString::fromUtf8(Message::english(MessageId(id)))),
                 Message::english(MessageId(id)));

    static const QRegularExpression argument(QStringLiteral("%[1-9]")), markup(QStringLiteral("<[^>]*>"));
    const QDir catalogs(QStringLiteral(QUELCOR_SOURCE_DIR "/site/pages/lang"));
    for (const QString &tag : tags.mid(1)) {
        const Catalog shipped = readCatalog(catalogs.filePath(tag + u".ts"_qs));
        for (auto it = marked.begin(); it != marked.end(); ++it) {
            const QString source = it.key().section(u'|', 1);
            const Entry entry = shipped.value(it.key());
            QVERIFY2(entry.finished && !entry.translation.isEmpty(),
                     qPrintable(tag + u" has no finished translation of: "_qs + it.key()));
            QVERIFY2(sorted(source, argument) == sorted(entry.translation, argument),
                     qPrintable(tag + u" changes the arguments of: "_qs + it.key()));
            QVERIFY2(sorted(source, markup) == sorted(entry.translation, markup),
                     qPrintable(tag + u" changes the markup of: "_qs + it.key()));
        }
        for (auto it = shipped.begin(); it != shipped.end(); ++it)
            QVERIFY2(marked.contains(it.key()),
                     qPrintable(tag + u" translates a text the site no longer has: "_qs + it.key()));
    }
}

void TestSitePages::pageInTheChosenLanguage()
{
    LookupResult result;
    result.query = u"example.zz"_qs;
    result.outcome = LookupResult::Outcome::Failed;
    result.message = Message(MessageId::WhoisUnreachable, u"whois.zz"_qs, Message(MessageId::NoAnswer));
    result.records.append(SourceRecord { u"whois.zz"_qs, u"Domain Status: no answer"_qs, false });
    const PageLanguage &german = PageLanguage::forAcceptLanguage("de");
    const QString page = QString::fromUtf8(Pages::lookupPage(u"example.zz"_qs, &result, german));
    QVERIFY(page.contains(u"<html lang=\"de\">"));
    const QString message = german.render(result.message);
    QVERIFY(message != result.message.english() && !message.contains(u"no answer"));
    QVERIFY(page.contains(message.toHtmlEscaped()));
    QVERIFY(page.contains(german.text(QT_TRANSLATE_NOOP("Page", "Look up"))));
    QVERIFY(page.contains(u">Domain Status: no answer</pre>")); // the registry's words stay
    QVERIFY(!page.contains(u"Look up<"));
}

void TestSitePages::statusesInWords_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("cell"); // the Status cell of the page, in German
    QTest::newRow("RDAP's form") << "client transfer prohibited"
                                 << R"(<span title="client transfer prohibited">vom Registrar gegen Transfer )"
                                    R"(gesperrt</span>)";
    QTest::newRow("EPP's form with its link") << "serverHold https://icann.org/epp#serverHold"
                                              << R"(<span title="serverHold https://icann.org/epp#serverHold">)"
                                                 R"(von der Registry aus dem DNS genommen</span>)";
    QTest::newRow("EPP's ok") << "ok"
                              << R"(<span title="ok">aktiv</span>)";
    QTest::newRow("redemption") << "Redemption Period"
                                << R"(<span title="Redemption Period">abgelaufen und noch wiederherstellbar )"
                                   R"((Wiederherstellungsfrist)</span>)";
    QTest::newRow("unknown: as written, escaped") << "<b>frozen</b>"
                                                  << "<bdi>&lt;b&gt;frozen&lt;/b&gt;</bdi>";
    // Every status value of the recorded answers (tests/site/data/rdap) has its words.
    QTest::newRow("recorded: active") << "active"
                                      << R"(<span title="active">aktiv</span>)";
    QTest::newRow("recorded: validated") << "validated"
                                         << R"(<span title="validated">validiert</span>)";
}

void TestSitePages::statusesInWords()
{
    QFETCH(QString, status);
    QFETCH(QString, cell);
    LookupResult result;
    result.outcome = LookupResult::Outcome::Found;
    result.query = u"example.com"_qs;
    result.statuses = QStringList { status, u"pending delete"_qs };
    const QString page
        = QString::fromUtf8(Pages::lookupPage(u"example.com"_qs, &result, PageLanguage::forAcceptLanguage("de")));
    const QString expected
        = u"<td>"_qs + cell + uR"(, <span title="pending delete">zur Löschung vorgemerkt</span></td>)"_qs;
    QVERIFY2(page.contains(expected), qPrintable(page));
}

void TestSitePages::verdicts_data()
{
    // A result, and the verdict line that leads its page in English and in German, with what must stand in it
    // (dates in the page's language, the time left). Expiry dates are counted from today.
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("expiresInDays"); // none: 0; today: kToday
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QStringList>("english");
    QTest::addColumn<QStringList>("german");
    using O = LookupResult::Outcome;
    using K = Query::Kind;
    const QStringList none;
    QTest::newRow("found") << int(O::Found) << int(K::Domain) << qint64(248) << none
                           << QStringList { "verdict info", ">Registered<", "registrar <bdi>Registrar Uno</bdi>",
                                            ", <bdi>in 248 days</bdi>" }
                           << QStringList { ">Registriert<", "in 248 Tagen" };
    QTest::newRow("expires today") << int(O::Found) << int(K::Domain) << kToday << none
                                   << QStringList { u"Registrar Uno</bdi> \u00B7 expires today<"_qs }
                                   << QStringList { u"Registrar Uno</bdi> \u00B7 läuft heute ab<"_qs };
    QTest::newRow("one day left") << int(O::Found) << int(K::Domain) << qint64(1) << none << QStringList { "in 1 day<" }
                                  << QStringList { "in 1 Tag<" };
    QTest::newRow("expired") << int(O::Found) << int(K::Domain) << qint64(-3) << none
                             << QStringList { "verdict warn", "expired 3 days ago" }
                             << QStringList { "verdict warn", "vor 3 Tagen abgelaufen" };
    QTest::newRow("redemption") << int(O::Found) << int(K::Domain) << qint64(-40) << QStringList { "redemptionPeriod" }
                                << QStringList { "verdict warn", "in its redemption period" }
                                << QStringList { "verdict warn", "Wiederherstellungsfrist" };
    QTest::newRow("pending delete, no expiry")
        << int(O::Found) << int(K::Domain) << qint64(0) << QStringList { "pending delete" }
        << QStringList { "verdict warn", "about to be deleted" } << QStringList { "verdict warn" };
    QTest::newRow("free") << int(O::NotRegistered) << int(K::Domain) << qint64(0) << none
                          << QStringList { "verdict ok", ">Available<", "example.com is not registered.",
                                           u"Evidence: whois.example, line 3: “Status: &lt;free&gt;”"_qs }
                          << QStringList { "verdict ok", ">Verfügbar<",
                                           u"Beleg: whois.example, Zeile 3: „Status: &lt;free&gt;“"_qs };
    QTest::newRow("reserved") << int(O::Reserved) << int(K::Domain) << qint64(0) << none
                              << QStringList { "verdict warn", ">Reserved or blocked<", "<h1>" }
                              << QStringList { ">Reserviert oder gesperrt<" };
    QTest::newRow("throttled") << int(O::RateLimited) << int(K::Domain) << qint64(0) << none
                               << QStringList { ">Registry busy<", u"Try again in 30\u00A0s."_qs }
                               << QStringList { ">Registry ausgelastet<" };
    QTest::newRow("unknown") << int(O::Unknown) << int(K::Domain) << qint64(0) << none
                             << QStringList { "verdict warn", ">Unknown<", "does not say whether example.com is",
                                              "Evidence: whois.example answered, but no line of its answer is about "
                                              "example.com being registered or not" }
                             << QStringList { "verdict warn", ">Unbekannt<", "Beleg: whois.example hat geantwortet" };
    QTest::newRow("failed") << int(O::Failed) << int(K::Domain) << qint64(0) << none
                            << QStringList { "verdict error", ">No answer<" } << QStringList { ">Keine Antwort<" };
    QTest::newRow("network") << int(O::Found) << int(K::Network) << qint64(0) << none
                             << QStringList { ">Allocated<", "held by <bdi>Example Net</bdi>",
                                              "since <bdi>14 August 1995</bdi>" }
                             << QStringList { "14. August 1995" };
    QTest::newRow("no top-level domain")
        << int(O::NotRegistered) << int(K::TopLevelDomain) << qint64(0) << none
        << QStringList { ">No record<",
                         R"(?domain=example.com.*">Check <bdi>example.com</bdi> in the usual extensions</a>)" }
        << QStringList { ">Kein Eintrag<" };
    QTest::newRow("top-level domain") << int(O::Found) << int(K::TopLevelDomain) << qint64(0) << none
                                      << QStringList { ">Top-level domain<", "managed by <bdi>Example Net</bdi>" }
                                      << QStringList { ">Top-Level-Domain<" };
}

void TestSitePages::verdicts()
{
    QFETCH(int, outcome);
    QFETCH(int, kind);
    QFETCH(qint64, expiresInDays);
    QFETCH(QStringList, statuses);
    QFETCH(QStringList, english);
    QFETCH(QStringList, german);
    LookupResult result;
    result.outcome = LookupResult::Outcome(outcome);
    result.kind = Query::Kind(kind);
    result.query = u"example.com"_qs;
    result.statuses = statuses;
    result.registered = u"1995-08-14"_qs;
    if (result.outcome == LookupResult::Outcome::Found) {
        result.registrar = u"Registrar Uno"_qs;
        result.holder = u"Example Net"_qs;
    }
    if (expiresInDays)
        result.expires
            = QDate::currentDate().addDays(expiresInDays == kToday ? 0 : expiresInDays).toString(Qt::ISODate);
    result.message = result.outcome == LookupResult::Outcome::NotRegistered
        ? Message(MessageId::NotRegistered, result.query)
        : result.outcome == LookupResult::Outcome::RateLimited
        ? Message(MessageId::RegistryLimited, Message::duration(30))
        : result.outcome == LookupResult::Outcome::Unknown ? Message(MessageId::UnknownAnswer, result.query)
                                                           : Message(MessageId::NotARecord);
    if (result.outcome == LookupResult::Outcome::NotRegistered || result.outcome == LookupResult::Outcome::Unknown)
        result.evidence = Evidence { u"whois.example"_qs, result.outcome == LookupResult::Outcome::Unknown ? 0 : 3,
                                     u"Status: <free>"_qs, 0, false };
    for (const auto &[language, expected] :
         { std::pair(&PageLanguage::english(), english), std::pair(&PageLanguage::forAcceptLanguage("de"), german) }) {
        const QString page = QString::fromUtf8(Pages::lookupPage(u"example.com"_qs, &result, *language));
        // The verdict comes first, before the heading and the table.
        const qsizetype verdict = page.indexOf(u"class=\"verdict");
        const qsizetype table = page.indexOf(u"<table");
        QVERIFY(verdict > 0 && (table < 0 || verdict < table));
        QVERIFY(page.contains(u"aria-describedby=\"said\"") && page.contains(u"<p id=\"said\""));
        for (const QString &text : expected)
            QVERIFY2(page.contains(text), qPrintable(text + u"\n"_qs + page.mid(verdict, 600)));
    }
}

void TestSitePages::recordFileNames_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("rdap");
    QTest::addColumn<QString>("name");
    QTest::newRow("domain, RDAP") << "example.com" << 1 << true << "example.com-rdap.json";
    QTest::newRow("registrar's, whois") << "example.com" << 2 << false << "example.com-2-whois.txt";
    QTest::newRow("network") << "2001:db8::/32" << 1 << false << "2001_db8___32-whois.txt";
    QTest::newRow("a path") << "../../etc/passwd" << 1 << false << "_.._etc_passwd-whois.txt";
    QTest::newRow("a header") << "a\"\r\nSet-Cookie: x=1" << 1 << true << "a___Set-Cookie__x_1-rdap.json";
    QTest::newRow("nothing left") << "..." << 1 << true << "record-rdap.json";
}

void TestSitePages::recordFileNames()
{
    QFETCH(QString, query);
    QFETCH(int, number);
    QFETCH(bool, rdap);
    QFETCH(QString, name);
    QCOMPARE(Pages::recordFileName(query, number, rdap), name);
    LookupResult result;
    result.query = query;
    result.records.append(
        SourceRecord { rdap ? u"https://rdap.zz/x"_qs : u"whois.zz"_qs, u"{\"a\": 1}"_qs, false, u"indented"_qs });
    result.records.append(result.records.first());
    const std::optional<Response> file = Pages::recordFile(result, number);
    QVERIFY(file);
    QCOMPARE(file->body, QByteArray("{\"a\": 1}")); // as sent, not as shown
    QCOMPARE(file->contentType, rdap ? QByteArray("application/rdap+json") : QByteArray("text/plain; charset=utf-8"));
    QCOMPARE(file->disposition, "attachment; filename=\"" + name.toLatin1() + '"');
    QVERIFY(!Pages::recordFile(result, 3) && !Pages::recordFile(result, 0));
}

void TestSitePages::versionFilesReadByTheProgram()
{
    for (const QString &variable : { u"quelcor_version_number"_qs, u"whois_version_number"_qs }) {
        for (const QString &version : { u"1.0.2004"_qs, u"9.9.9999"_qs, u"0.9.0005"_qs }) {
            const QByteArray file = Pages::versionFile(variable, version);
            QVERIFY2(file.startsWith("var " + variable.toLatin1()), file.constData());
            QVERIFY(file.endsWith("';\r\n"));
            QCOMPARE(VersionText::extract(QString::fromLatin1(file)), version);
            QVERIFY(VersionText::parse(VersionText::extract(QString::fromLatin1(file))).has_value());
        }
    }
}

QTEST_GUILESS_MAIN(TestSitePages)
#include "tst_site_pages.moc"
