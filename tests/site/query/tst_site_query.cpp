// The question: domain names as typed, and which addresses are public.

#include "query/AddressPolicy.h"
#include "query/DomainName.h"

#include <QHostAddress>
#include <QTest>

class TestSiteQuery : public QObject
{
    Q_OBJECT
private slots:
    void domainNames_data();
    void domainNames();
    void publicAddresses_data();
    void publicAddresses();
};

void TestSiteQuery::domainNames_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("ace"); // empty: refused
    const QString label63(63, u'a');
    QTest::newRow("plain") << "example.com"
                           << "example.com";
    QTest::newRow("upper case, blanks around, final dot") << "  EXAMPLE.Com. "
                                                          << "example.com";
    QTest::newRow("international") << u"ål.dk"_qs << "xn--l-1fa.dk";
    QTest::newRow("sharp s, as registries register it") << u"faß.de"_qs << "xn--fa-hia.de";
    QTest::newRow("already A-labels") << "xn--l-1fa.dk"
                                      << "xn--l-1fa.dk";
    QTest::newRow("hyphen inside") << "my-domain.it"
                                   << "my-domain.it";
    QTest::newRow("63 a label") << label63 + ".com" << label63 + ".com";
    QTest::newRow("64 a label") << label63 + "a.com"
                                << "";
    QTest::newRow("253 characters") << QString(QStringList(4, label63).join(u'.')).left(249) + ".com"
                                    << QString(QStringList(4, label63).join(u'.')).left(249) + ".com";
    QTest::newRow("254 characters") << QString(QStringList(4, label63).join(u'.')).left(250) + ".com"
                                    << "";
    QTest::newRow("CR LF and a second command") << "example.com\r\nhelp"
                                                << "";
    QTest::newRow("option for a whois client") << "-h host"
                                               << "";
    QTest::newRow("leading hyphen") << "-example.com"
                                    << "";
    QTest::newRow("label ends in hyphen") << "example-.com"
                                          << "";
    QTest::newRow("blank inside") << "exa mple.com"
                                  << "";
    QTest::newRow("NUL") << QString::fromUtf8("example\0.com", 12) << "";
    QTest::newRow("underscore") << "exa_mple.com"
                                << "";
    QTest::newRow("two dots") << "example..com"
                              << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("slash and query") << "example.com/?x=1"
                                     << "";
}

void TestSiteQuery::domainNames()
{
    QFETCH(QString, input);
    QFETCH(QString, ace);
    const DomainName name = DomainName::fromInput(input);
    QCOMPARE(name.ace, ace);
    QCOMPARE(name.ok(), !ace.isEmpty());
    QCOMPARE(name.error.isNull(), !ace.isEmpty());
}

void TestSiteQuery::publicAddresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("isPublic");
    QTest::newRow("public IPv4") << "8.8.8.8" << true;
    QTest::newRow("just outside 172.16/12") << "172.32.0.1" << true;
    QTest::newRow("public IPv6") << "2606:4700::1" << true;
    QTest::newRow("IPv4-mapped public") << "::ffff:8.8.8.8" << true;
    QTest::newRow("loopback") << "127.0.0.1" << false;
    QTest::newRow("other loopback") << "127.12.0.9" << false;
    QTest::newRow("10/8") << "10.1.2.3" << false;
    QTest::newRow("172.16/12") << "172.31.255.255" << false;
    QTest::newRow("192.168/16") << "192.168.1.1" << false;
    QTest::newRow("shared 100.64/10") << "100.64.0.1" << false;
    QTest::newRow("link-local") << "169.254.169.254" << false;
    QTest::newRow("documentation") << "203.0.113.7" << false;
    QTest::newRow("this network") << "0.0.0.0" << false;
    QTest::newRow("multicast") << "224.0.0.1" << false;
    QTest::newRow("broadcast") << "255.255.255.255" << false;
    QTest::newRow("IPv6 loopback") << "::1" << false;
    QTest::newRow("IPv6 link-local") << "fe80::1" << false;
    QTest::newRow("IPv6 unique local") << "fd00::1" << false;
    QTest::newRow("IPv6 documentation") << "2001:db8::1" << false;
    QTest::newRow("IPv4-mapped private") << "::ffff:10.0.0.1" << false;
    QTest::newRow("IPv4-mapped loopback") << "::ffff:127.0.0.1" << false;
}

void TestSiteQuery::publicAddresses()
{
    QFETCH(QString, address);
    QFETCH(bool, isPublic);
    QCOMPARE(AddressPolicy::isPublic(QHostAddress(address)), isPublic);
    // An address named on the command line is allowed; others stay as they are.
    const AddressPolicy policy({ QHostAddress(QStringLiteral("10.1.2.3")) });
    QCOMPARE(policy.permits(QHostAddress(address)), isPublic || address == u"10.1.2.3");
}

QTEST_GUILESS_MAIN(TestSiteQuery)
#include "tst_site_query.moc"
