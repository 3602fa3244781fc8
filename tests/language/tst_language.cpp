#include "TestFiles.h"
#include "language/DriverFile.h"
#include "language/StringTable.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
QStringList readAll(const QString &path)
{
    QStringList entries;
    DriverFile::read(path, [&](const QString &line) { entries.append(line); });
    return entries;
}

StringTable tableOf(const QStringList &entries)
{
    StringTable table;
    for (const QString &e : entries)
        table.AddItem(e);
    return table;
}
} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void splitsLines_data();
    void splitsLines();
    void stopsWhenTheSinkSaysSo();
    void lookupKeepsTheLastSuccessfulEntry();
    void listIndexFailsBeyondTheEnd_data();
    void listIndexFailsBeyondTheEnd();
    void clearForgetsTheCurrentEntry();
    void unreadableDriversGiveNoEntries_data();
    void unreadableDriversGiveNoEntries();
    void largeAndBinaryDriversLoad();
    void shippedDriversAreComplete_data();
    void shippedDriversAreComplete();

private:
    QTemporaryDir m_dir;
};

void TestLanguage::splitsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n") << QStringList { "one", "two" };
    QTest::newRow("CR only") << QByteArray("one\rtwo\r") << QStringList { "one", "two" };
    QTest::newRow("last line unterminated") << QByteArray("one\r\ntwo") << QStringList { "one", "two" };
    QTest::newRow("mixed terminators") << QByteArray("a\rb\r\nc") << QStringList { "a", "b", "c" };
    QTest::newRow("LF only is one entry") << QByteArray("a\nb\nc\n") << QStringList { "a\nb\nc\n" };
    QTest::newRow("LF CR") << QByteArray("a\n\rb") << QStringList { "a\n", "b" };
    QTest::newRow("blank line becomes a space") << QByteArray("a\r\n\r\nc\r\n") << QStringList { "a", " ", "c" };
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList { "a", " ", "b" };
    QTest::newRow("final terminator adds nothing") << QByteArray("a\r\n") << QStringList { "a" };
    QTest::newRow("empty line after the final terminator") << QByteArray("a\r\n\r\n") << QStringList { "a", " " };
    QTest::newRow("lone terminator") << QByteArray("\r\n") << QStringList { " " };
    QTest::newRow("empty file") << QByteArray() << QStringList {};
    QTest::newRow("blanks kept") << QByteArray("  a \r\n\t\r\n") << QStringList { "  a ", "\t" };
    QTest::newRow("byte-order mark stays in entry 0") << QByteArray("\xEF\xBB\xBF"
                                                                    "a\r\nb")
                                                      << QStringList { QString::fromUtf8("\u00EF\u00BB\u00BFa"), "b" };
    QTest::newRow("code page 1252") << QByteArray("\x80 \xE8\x9C\xFF\x81\r\n")
                                    << QStringList { QString::fromUtf16(u"\u20AC \u00E8\u0153\u00FF\u0081") };
    QTest::newRow("NUL inside a line") << QByteArray("a\0b\r\n", 5)
                                       << QStringList { QString(QStringLiteral("a")) + QChar(0) + "b" };
}

// Each case is read from a real file, and again fed one byte at a time so no chunk boundary can split a CR LF.
void TestLanguage::splitsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);

    const QString path = m_dir.filePath(QStringLiteral("split.drv"));
    TestFiles::write(path, bytes);
    QCOMPARE(readAll(path), entries);

    QStringList fed;
    DriverLineSplitter splitter([&](const QString &line) {
        fed.append(line);
        return true;
    });
    for (char c : bytes)
        splitter.feed(QByteArrayView(&c, 1));
    splitter.finish();
    QCOMPARE(fed, entries);
}

void TestLanguage::stopsWhenTheSinkSaysSo()
{
    QStringList got;
    DriverLineSplitter splitter([&](const QString &line) {
        got.append(line);
        return got.size() < 2;
    });
    QVERIFY(!splitter.feed("a\rb\rc\rd"));
    QCOMPARE(got, (QStringList { "a", "b" }));
}

void TestLanguage::lookupKeepsTheLastSuccessfulEntry()
{
    QStringList entries;
    for (int k = 0; k < 100; ++k)
        entries.append(QStringLiteral("E%1").arg(k));
    StringTable table = tableOf(entries);

    QCOMPARE(table.lookup(187), QString()); // nothing selected yet
    QCOMPARE(table.lookup(5), QStringLiteral("E5"));
    // The language window's entries lie past the end of a 100-line driver: all get entry 5's text.
    for (int k : { 187, 189, 190, 191, 193 })
        QCOMPARE(table.lookup(k), QStringLiteral("E5"));
    QCOMPARE(table.ListIndex(), 5);
    QCOMPARE(table.lookup(99), QStringLiteral("E99"));
}

void TestLanguage::listIndexFailsBeyondTheEnd_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("selected");

    QTest::newRow("first of three") << 3 << 0 << true;
    QTest::newRow("last of three") << 3 << 2 << true;
    QTest::newRow("one past the end") << 3 << 3 << false;
    QTest::newRow("far past the end") << 3 << 225 << false;
    QTest::newRow("negative") << 3 << -1 << false;
    QTest::newRow("empty table") << 0 << 0 << false;
}

void TestLanguage::listIndexFailsBeyondTheEnd()
{
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(bool, selected);

    StringTable table;
    for (int k = 0; k < count; ++k)
        table.AddItem(QString::number(k));
    if (count > 0)
        QVERIFY(table.setListIndex(0));
    const int before = table.ListIndex();
    QCOMPARE(table.setListIndex(index), selected);
    QCOMPARE(table.ListIndex(), selected ? index : before);
    QCOMPARE(table.Text(), selected ? QString::number(index) : (count > 0 ? QStringLiteral("0") : QString()));
}

void TestLanguage::clearForgetsTheCurrentEntry()
{
    StringTable table = tableOf({ "a", "b" });
    QVERIFY(table.setListIndex(1));
    table.Clear();
    QCOMPARE(table.ListCount(), 0);
    QCOMPARE(table.ListIndex(), -1);
    QCOMPARE(table.Text(), QString());
    table.AddItem(QStringLiteral("c"));
    QCOMPARE(table.Text(), QString()); // a new entry is not selected by itself
}

void TestLanguage::unreadableDriversGiveNoEntries_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("a directory") << "directory";
    QTest::newRow("no read permission") << "unreadable";
}

void TestLanguage::unreadableDriversGiveNoEntries()
{
    QFETCH(QString, kind);
    const QString path = m_dir.filePath(kind + QStringLiteral(".DRV"));
    if (kind == QLatin1String("directory")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QLatin1String("unreadable")) {
        if (::geteuid() == 0)
            QSKIP("running as root, which reads any file whatever its permissions");
        TestFiles::write(path, "a\r\nb\r\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }
    QCOMPARE(readAll(path), QStringList());
}

void TestLanguage::largeAndBinaryDriversLoad()
{
    // 50 MB in one line: one entry holding all of it.
    const QString oneLine = m_dir.filePath(QStringLiteral("oneline.drv"));
    TestFiles::write(oneLine, QByteArray(50 * 1024 * 1024, 'x'));
    const QStringList single = readAll(oneLine);
    QCOMPARE(single.size(), 1);
    QCOMPARE(single.first().size(), 50 * 1024 * 1024);

    // 50 MB of line ends: reading stops at the most entries a driver may give, and those stay.
    const QString manyLines = m_dir.filePath(QStringLiteral("manylines.drv"));
    TestFiles::write(manyLines, QByteArray(50 * 1024 * 1024, '\r'));
    const QStringList many = readAll(manyLines);
    QCOMPARE(many.size(), DriverFile::kMaxEntries);
    QCOMPARE(many.last(), QStringLiteral(" "));

    // Every byte value, in a pattern with terminators in it: decoded byte for byte.
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 37 + i / 7) & 0xFF));
    const QString binaryPath = m_dir.filePath(QStringLiteral("binary.drv"));
    TestFiles::write(binaryPath, binary);
    const QStringList entries = readAll(binaryPath);
    qsizetype characters = 0;
    for (const QString &e : entries)
        characters += e == QLatin1String(" ") ? 0 : e.size();
    QVERIFY(!entries.isEmpty());
    QVERIFY(characters <= binary.size() - binary.count('\r'));
}

void TestLanguage::shippedDriversAreComplete_data()
{
    QTest::addColumn<QString>("folder");
    const QStringList folders
        = QDir(QStringLiteral(QUELCOR_SOURCE_DIR "/data/lang")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY(folders.contains(QStringLiteral("English")));
    for (const QString &folder : folders)
        QTest::newRow(qPrintable(folder)) << folder;
}

// Every driver the program ships: every entry the program reads is there, and entry 5 names the folder.
void TestLanguage::shippedDriversAreComplete()
{
    QFETCH(QString, folder);
    const QString dir = QStringLiteral(QUELCOR_SOURCE_DIR "/data/lang/") + folder;
    const QByteArray bytes = TestFiles::read(dir + QLatin1Char('/') + folder + QStringLiteral(".DRV"));
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(bytes.count("\r\n"), bytes.count('\r')); // CR LF throughout
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    const QStringList entries = readAll(dir + QLatin1Char('/') + folder + QStringLiteral(".DRV"));
    QVERIFY(entries.size() >= 226);
    QCOMPARE(entries.at(4), folder); // the language's own name names its folder
    QCOMPARE(entries.at(5), folder);
    for (int k : { 2,  3,   10,  11,  12,  13,  14,  26,  27,  28,  30,  31,  32,  33,  34,  36,  37,  92,
                   94, 120, 121, 187, 189, 190, 191, 193, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225 })
        QVERIFY2(!entries.at(k).trimmed().isEmpty(), qPrintable(QStringLiteral("entry %1 is empty").arg(k)));
    QVERIFY(QFile::exists(dir + QLatin1Char('/') + folder + QStringLiteral("_2.jpg")));
}

int runDriverTests(int argc, char **argv)
{
    TestLanguage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_language.moc"
