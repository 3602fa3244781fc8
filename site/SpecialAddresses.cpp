#include "SpecialAddresses.h"

#include "PageLanguage.h"
#include <QPair>

#include <array>

namespace SpecialAddresses {

namespace {

struct Block
{
    const char *block;
    const char *what;
    const char *reference;
};

// IANA's IPv4 special-purpose address registry, without the blocks it marks globally reachable.
const std::array kIpv4 {
    Block { "0.0.0.0/8", PAGE_WORD("\"this network\""), "RFC 791" },
    Block { "10.0.0.0/8", PAGE_WORD("private"), "RFC 1918" },
    Block { "100.64.0.0/10", PAGE_WORD("shared"), "RFC 6598" },
    Block { "127.0.0.0/8", PAGE_WORD("loopback"), "RFC 1122" },
    Block { "169.254.0.0/16", PAGE_WORD("link-local"), "RFC 3927" },
    Block { "172.16.0.0/12", PAGE_WORD("private"), "RFC 1918" },
    Block { "192.0.0.0/24", PAGE_WORD("protocol assignment"), "RFC 6890" },
    Block { "192.0.2.0/24", PAGE_WORD("documentation"), "RFC 5737" },
    Block { "192.88.99.0/24", PAGE_WORD("6to4 relay anycast"), "RFC 7526" },
    Block { "192.168.0.0/16", PAGE_WORD("private"), "RFC 1918" },
    Block { "198.18.0.0/15", PAGE_WORD("benchmarking"), "RFC 2544" },
    Block { "198.51.100.0/24", PAGE_WORD("documentation"), "RFC 5737" },
    Block { "203.0.113.0/24", PAGE_WORD("documentation"), "RFC 5737" },
    Block { "224.0.0.0/4", PAGE_WORD("multicast"), "RFC 5771" },
    Block { "240.0.0.0/4", PAGE_WORD("reserved"), "RFC 1112" },
    Block { "255.255.255.255/32", PAGE_WORD("broadcast"), "RFC 919" },
};

// IPv6 outside the global unicast space: everything there is special; these name what it is.
const std::array kIpv6Outside {
    Block { "::/128", PAGE_WORD("unspecified"), "RFC 4291" },
    Block { "::1/128", PAGE_WORD("loopback"), "RFC 4291" },
    Block { "::/96", PAGE_WORD("deprecated IPv4-compatible"), "RFC 4291" },
    Block { "64:ff9b::/96", PAGE_WORD("NAT64"), "RFC 6052" },
    Block { "64:ff9b:1::/48", PAGE_WORD("local-use NAT64"), "RFC 8215" },
    Block { "100::/64", PAGE_WORD("discard-only"), "RFC 6666" },
    Block { "fc00::/7", PAGE_WORD("unique local"), "RFC 4193" },
    Block { "fe80::/10", PAGE_WORD("link-local"), "RFC 4291" },
    Block { "fec0::/10", PAGE_WORD("deprecated site-local"), "RFC 3879" },
    Block { "ff00::/8", PAGE_WORD("multicast"), "RFC 4291" },
};

// Special blocks inside the global unicast space 2000::/3 (6to4 and Teredo are judged by what they embed).
const std::array kIpv6Inside {
    Block { "2001::/23", PAGE_WORD("protocol assignment"), "RFC 2928" },
    Block { "2001:2::/48", PAGE_WORD("benchmarking"), "RFC 5180" },
    Block { "2001:10::/28", PAGE_WORD("ORCHID"), "RFC 4843" },
    Block { "2001:20::/28", PAGE_WORD("ORCHIDv2"), "RFC 7343" },
    Block { "2001:db8::/32", PAGE_WORD("documentation"), "RFC 3849" },
    Block { "3fff::/20", PAGE_WORD("documentation"), "RFC 9637" },
    Block { "5f00::/16", PAGE_WORD("SRv6 SID"), "RFC 9602" },
};

template<std::size_t N>
std::optional<Kind> longestMatch(const std::array<Block, N> &blocks, const QHostAddress &address)
{
    int best = -1;
    std::optional<Kind> kind;
    for (const Block &block : blocks) {
        const QPair<QHostAddress, int> subnet = QHostAddress::parseSubnet(QLatin1String(block.block));
        if (subnet.second > best && address.isInSubnet(subnet)) {
            best = subnet.second;
            kind = Kind { QLatin1String(block.what), QLatin1String(block.reference) };
        }
    }
    return kind;
}

quint32 ipv4At(const Q_IPV6ADDR &bytes, int offset)
{
    return quint32(bytes[offset]) << 24 | quint32(bytes[offset + 1]) << 16 | quint32(bytes[offset + 2]) << 8
        | quint32(bytes[offset + 3]);
}

bool startsWith(const Q_IPV6ADDR &bytes, std::initializer_list<quint8> prefix)
{
    int i = 0;
    for (quint8 byte : prefix) {
        if (bytes[i++] != byte)
            return false;
    }
    return true;
}

// An IPv6 address that carries an IPv4 address of which the IPv4 address is special.
std::optional<Kind> embedding(const char *what, const char *reference, const QHostAddress &ipv4)
{
    const std::optional<Kind> inner = classify(ipv4);
    if (!inner)
        return std::nullopt;
    return Kind {
        QLatin1String(what),
        PAGE_TEXT("%1, carrying the %3 address %2").arg(QLatin1String(reference), ipv4.toString(), inner->what)
    };
}

std::optional<Kind> classifyIpv6(const QHostAddress &address)
{
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    if (bytes[0] >> 5 != 1) { // outside 2000::/3
        const Kind kind = longestMatch(kIpv6Outside, address)
                              .value_or(Kind { QLatin1String(PAGE_WORD("reserved")), u"RFC 4291"_qs });
        // The deprecated IPv4-compatible form and NAT64 carry an IPv4 address: a special one is named.
        const bool compatible = kind.what == u"deprecated IPv4-compatible";
        if (compatible || kind.what == u"NAT64") {
            const QByteArray what = kind.what.toLatin1(), reference = kind.reference.toLatin1();
            return embedding(what.constData(), reference.constData(), QHostAddress(ipv4At(bytes, 12))).value_or(kind);
        }
        return kind;
    }
    if (startsWith(bytes, { 0x20, 0x02 })) // 6to4: 2002:AABB:CCDD::/48 for AA.BB.CC.DD
        return embedding("6to4", "RFC 3056", QHostAddress(ipv4At(bytes, 2)));
    if (startsWith(bytes, { 0x20, 0x01, 0x00, 0x00 })) { // Teredo: the server, then the client's inverted
        if (std::optional<Kind> server = embedding("Teredo", "RFC 4380", QHostAddress(ipv4At(bytes, 4))))
            return server;
        return embedding("Teredo", "RFC 4380", QHostAddress(~ipv4At(bytes, 12)));
    }
    return longestMatch(kIpv6Inside, address);
}

} // namespace

QHostAddress unwrapped(const QHostAddress &address)
{
    if (address.protocol() != QAbstractSocket::IPv6Protocol)
        return address;
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    for (int i = 0; i < 8; ++i) {
        if (bytes[i] != 0)
            return address;
    }
    // ::ffff:a.b.c.d (mapped) and ::ffff:0:a.b.c.d (translated)
    const bool mapped = bytes[8] == 0 && bytes[9] == 0 && bytes[10] == 0xff && bytes[11] == 0xff;
    const bool translated = bytes[8] == 0xff && bytes[9] == 0xff && bytes[10] == 0 && bytes[11] == 0;
    return mapped || translated ? QHostAddress(ipv4At(bytes, 12)) : address;
}

std::optional<Kind> classify(const QHostAddress &address)
{
    if (address.isNull())
        return Kind { PAGE_TEXT("unspecified"), PAGE_TEXT("not an address") };
    QHostAddress judged = unwrapped(address);
    judged.setScopeId(QString());
    if (judged.protocol() == QAbstractSocket::IPv4Protocol)
        return longestMatch(kIpv4, judged);
    return classifyIpv6(judged);
}

QHostAddress lastAddress(const QHostAddress &network, int prefixLength)
{
    if (network.protocol() == QAbstractSocket::IPv4Protocol) {
        const quint32 hostBits = prefixLength >= 32 ? 0 : (prefixLength <= 0 ? ~0u : (~0u >> prefixLength));
        return QHostAddress(network.toIPv4Address() | hostBits);
    }
    Q_IPV6ADDR bytes = network.toIPv6Address();
    for (int bit = qMax(prefixLength, 0); bit < 128; ++bit)
        bytes[bit / 8] |= quint8(0x80 >> (bit % 8));
    return QHostAddress(bytes);
}

std::optional<Kind> classifyNetwork(const QHostAddress &network, int prefixLength)
{
    const std::optional<Kind> first = classify(network);
    const std::optional<Kind> last = classify(lastAddress(network, prefixLength));
    // For a form that carries IPv4 addresses, both ends must carry the same kind of special one.
    const auto carried
        = [](const Kind &kind) { return kind.reference.section(u" carrying the "_qs, 1).section(u' ', 0, 0); };
    if (first && last && first->what == last->what && carried(*first) == carried(*last))
        return first;
    return std::nullopt;
}

std::optional<Kind> classifyAsNumber(quint32 number)
{
    struct Range
    {
        quint32 first, last;
        const char *what, *reference;
    };
    static const std::array kRanges {
        Range { 0, 0, PAGE_WORD("reserved"), "RFC 7607" },
        Range { 23456, 23456, PAGE_WORD("reserved (AS_TRANS)"), "RFC 6793" },
        Range { 64496, 64511, PAGE_WORD("documentation"), "RFC 5398" },
        Range { 64512, 65534, PAGE_WORD("private"), "RFC 6996" },
        Range { 65535, 65535, PAGE_WORD("reserved"), "RFC 7300" },
        Range { 65536, 65551, PAGE_WORD("documentation"), "RFC 5398" },
        Range { 65552, 131071, PAGE_WORD("reserved"), "IANA" },
        Range { 4200000000u, 4294967294u, PAGE_WORD("private"), "RFC 6996" },
        Range { 4294967295u, 4294967295u, PAGE_WORD("reserved"), "RFC 7300" },
    };
    for (const Range &range : kRanges) {
        if (number >= range.first && number <= range.last)
            return Kind { QLatin1String(range.what), QLatin1String(range.reference) };
    }
    return std::nullopt;
}

QString sentence(const QString &subject, const QString &noun, const Kind &kind)
{
    const QChar first = kind.what.isEmpty() ? QChar() : kind.what.front().toLower();
    const bool vowel = QStringView(u"aeiou").contains(first) && !kind.what.startsWith(u"unique");
    return (vowel ? PAGE_TEXT("%1 is an %2 %3 (%4); no registry holds a record for it.")
                  : PAGE_TEXT("%1 is a %2 %3 (%4); no registry holds a record for it."))
        .arg(subject, kind.what, noun, kind.reference);
}

} // namespace SpecialAddresses
