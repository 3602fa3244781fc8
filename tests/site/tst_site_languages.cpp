// The site's languages: the language a browser asks for, messages translated through their templates, and
// the shipped tables against the texts that the site's sources mark.

#include "PageLanguage.h"
#include "Pages.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// Every text that the site's sources mark for translation.
QSet<QString> markedTexts()
{
    static const QRegularExpression mark(QStringLiteral(R"re(PAGE_(?:TEXT|WORD)\(((?:\s*"(?:[^"\\]|\\.)*")+)\s*\))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QSet<QString> texts;
    const QDir site(QStringLiteral(QUELCOR_SOURCE_DIR "/site"));
    for (const QString &name : site.entryList({ QStringLiteral("*.cpp") })) {
        QFile file(site.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString source = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &marked : mark.globalMatch(source)) {
            QString text;
            for (const QRegularExpressionMatch &part : literal.globalMatch(marked.captured(1)))
                text += part.captured(1);
            texts.insert(text.replace(QLatin1String("\\\""), QLatin1String("\"")));
        }
    }
    return texts;
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

const QByteArray kTable = "# a test table\n"
                          "The whois server %1 could not be asked: %2.\tDer Whois-Server %1 antwortet nicht: %2.\n"
                          "The whois server %1 that the registry refers to could not be asked: %2.\t"
                          "Der genannte Whois-Server %1 antwortet nicht: %2.\r\n"
                          "refused to ask it: %1\tnicht gefragt: %1\n"
                          "no answer\tkeine Antwort\n"
                          "%1 waits %2 s for %1\t%2 s wartet %1\n"
                          "\n"
                          "Look up\tSuchen\n";

} // namespace

class TestSiteLanguages : public QObject
{
    Q_OBJECT
private slots:
    void chosenLanguage_data();
    void chosenLanguage();
    void messages_data();
    void messages();
    void unreadableLines();
    void shippedTables();
    void pageInTheChosenLanguage();
};

void TestSiteLanguages::chosenLanguage_data()
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

void TestSiteLanguages::chosenLanguage()
{
    QFETCH(QByteArray, header);
    QFETCH(QString, tag);
    QCOMPARE(PageLanguage::forAcceptLanguage(header.toStdString()).tag(), tag);
}

void TestSiteLanguages::messages_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("translated");
    QTest::newRow("a text") << u"Look up"_qs << u"Suchen"_qs;
    QTest::newRow("a template, its reason translated")
        << u"The whois server whois.zz could not be asked: no answer."_qs
        << u"Der Whois-Server whois.zz antwortet nicht: keine Antwort."_qs;
    QTest::newRow("the template with more fixed text first")
        << u"The whois server whois.zz that the registry refers to could not be asked: no answer."_qs
        << u"Der genannte Whois-Server whois.zz antwortet nicht: keine Antwort."_qs;
    QTest::newRow("a reason inside a reason")
        << u"The whois server a.zz could not be asked: refused to ask it: no answer."_qs
        << u"Der Whois-Server a.zz antwortet nicht: nicht gefragt: keine Antwort."_qs;
    QTest::newRow("a reason from elsewhere stays")
        << u"The whois server a.zz could not be asked: Connection refused."_qs
        << u"Der Whois-Server a.zz antwortet nicht: Connection refused."_qs;
    QTest::newRow("arguments reordered, one used twice in English") << u"x waits 5 s for x"_qs << u"5 s wartet x"_qs;
    QTest::newRow("no template makes it") << u"Something else."_qs << u"Something else."_qs;
    QTest::newRow("nearly a template") << u"The whois server a.zz could not be asked"_qs
                                       << u"The whois server a.zz could not be asked"_qs;
}

void TestSiteLanguages::messages()
{
    QFETCH(QString, english);
    QFETCH(QString, translated);
    const PageLanguage words(u"de"_qs, kTable);
    QVERIFY(words.errors().isEmpty());
    QCOMPARE(words.message(english), translated);
    QCOMPARE(PageLanguage::english().message(english), english);
}

void TestSiteLanguages::unreadableLines()
{
    const PageLanguage words(u"xx"_qs,
                             "no tab\nTwo\ttabs\there\n\tno English\nno translation\t\nLook up\tA\n"
                             "Look up\tB\n");
    QCOMPARE(words.errors().size(), 5);
    QVERIFY(words.errors().front().startsWith(u"line 1:"));
    QCOMPARE(words.text(u"Look up"_qs), u"A"_qs); // the first translation holds
    QCOMPARE(words.texts().size(), 1);
}

void TestSiteLanguages::shippedTables()
{
    const QSet<QString> marked = markedTexts();
    QVERIFY(marked.size() > 100);
    QStringList tags;
    for (const PageLanguage *language : PageLanguage::all())
        tags.append(language->tag());
    QCOMPARE(tags, QStringList({ u"en"_qs, u"de"_qs, u"es"_qs, u"fr"_qs, u"it"_qs, u"nl"_qs, u"pt"_qs }));
    static const QRegularExpression argument(QStringLiteral("%[1-9]")), markup(QStringLiteral("<[^>]*>"));
    for (const PageLanguage *language : PageLanguage::all().mid(1)) {
        const QString tag = language->tag();
        QVERIFY2(language->errors().isEmpty(), qPrintable(tag + u": "_qs + language->errors().join(u"; ")));
        const QList<QString> keys = language->texts().keys();
        const QSet<QString> tabled(keys.begin(), keys.end());
        for (const QString &missing : marked - tabled)
            QFAIL(qPrintable(tag + u" has no translation of: "_qs + missing));
        for (const QString &stale : tabled - marked)
            QFAIL(qPrintable(tag + u" translates a text the site no longer has: "_qs + stale));
        for (auto it = language->texts().begin(); it != language->texts().end(); ++it) {
            QVERIFY2(sorted(it.key(), argument) == sorted(it.value(), argument), qPrintable(tag + u": "_qs + *it));
            QVERIFY2(sorted(it.key(), markup) == sorted(it.value(), markup), qPrintable(tag + u": "_qs + *it));
        }
    }
}

void TestSiteLanguages::pageInTheChosenLanguage()
{
    LookupResult result;
    result.query = u"example.zz"_qs;
    result.outcome = LookupResult::Outcome::Failed;
    result.message = u"The whois server whois.zz could not be asked: no answer."_qs;
    result.records.append(SourceRecord { u"whois.zz"_qs, u"Domain Status: no answer"_qs, false });
    const PageLanguage &german = PageLanguage::forAcceptLanguage("de");
    const QString page = QString::fromUtf8(Pages::lookupPage(u"example.zz"_qs, &result, german));
    QVERIFY(page.contains(u"<html lang=\"de\">"));
    const QString message = german.message(result.message);
    QVERIFY(message != result.message && !message.contains(u"no answer"));
    QVERIFY(page.contains(message.toHtmlEscaped()));
    QVERIFY(page.contains(german.text(u"Look up"_qs)));
    QVERIFY(page.contains(u"<pre>Domain Status: no answer</pre>")); // the registry's words stay
    QVERIFY(!page.contains(u"Look up<"));
}

QTEST_GUILESS_MAIN(TestSiteLanguages)
#include "tst_site_languages.moc"
