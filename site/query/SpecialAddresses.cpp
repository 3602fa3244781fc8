#include "SpecialAddresses.h"

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
    Block { "0.0.0.0/8", QT_TRANSLATE_NOOP("Word", "\"this network\""), "RFC 791" },
    Block { "10.0.0.0/8", QT_TRANSLATE_NOOP("Word", "private"), "RFC 1918" },
    Block { "100.64.0.0/10", QT_TRANSLATE_NOOP("Word", "shared"), "RFC 6598" },
    Block { "127.0.0.0/8", QT_TRANSLATE_NOOP("Word", "loopback"), "RFC 1122" },
    Block { "169.254.0.0/16", QT_TRANSLATE_NOOP("Word", "link-local"), "RFC 3927" },
    Block { "172.16.0.0/12", QT_TRANSLATE_NOOP("Word", "private"), "RFC 1918" },
    Block { "192.0.0.0/24", QT_TRANSLATE_NOOP("Word", "protocol assignment"), "RFC 6890" },
    Block { "192.0.2.0/24", QT_TRANSLATE_NOOP("Word", "documentation"), "RFC 5737" },
    Block { "192.88.99.0/24", QT_TRANSLATE_NOOP("Word", "6to4 relay anycast"), "RFC 7526" },
    Block { "192.168.0.0/16", QT_TRANSLATE_NOOP("Word", "private"), "RFC 1918" },
    Block { "198.18.0.0/15", QT_TRANSLATE_NOOP("Word", "benchmarking"), "RFC 2544" },
    Block { "198.51.100.0/24", QT_TRANSLATE_NOOP("Word", "documentation"), "RFC 5737" },
    Block { "203.0.113.0/24", QT_TRANSLATE_NOOP("Word", "documentation"), "RFC 5737" },
    Block { "224.0.0.0/4", QT_TRANSLATE_NOOP("Word", "multicast"), "RFC 5771" },
    Block { "240.0.0.0/4", QT_TRANSLATE_NOOP("Word", "reserved"), "RFC 1112" },
    Block { "255.255.255.255/32", QT_TRANSLATE_NOOP("Word", "broadcast"), "RFC 919" },
};

// IPv6 outside the global unicast space: everything there is special; these name what it is.
const std::array kIpv6Outside {
    Block { "::/128", QT_TRANSLATE_NOOP("Word", "unspecified"), "RFC 4291" },
    Block { "::1/128", QT_TRANSLATE_NOOP("Word", "loopback"), "RFC 4291" },
    Block { "::/96", QT_TRANSLATE_NOOP("Word", "deprecated IPv4-compatible"), "RFC 4291" },
    Block { "64:ff9b::/96", QT_TRANSLATE_NOOP("Word", "NAT64"), "RFC 6052" },
    Block { "64:ff9b:1::/48", QT_TRANSLATE_NOOP("Word", "local-use NAT64"), "RFC 8215" },
    Block { "100::/64", QT_TRANSLATE_NOOP("Word", "discard-only"), "RFC 6666" },
    Block { "fc00::/7", QT_TRANSLATE_NOOP("Word", "unique local"), "RFC 4193" },
    Block { "fe80::/10", QT_TRANSLATE_NOOP("Word", "link-local"), "RFC 4291" },
    Block { "fec0::/10", QT_TRANSLATE_NOOP("Word", "deprecated site-local"), "RFC 3879" },
    Block { "ff00::/8", QT_TRANSLATE_NOOP("Word", "multicast"), "RFC 4291" },
};

// Special blocks inside the global unicast space 2000::/3 (6to4 and Teredo are judged by what they embed).
const std::array kIpv6Inside {
    Block { "2001::/23", QT_TRANSLATE_NOOP("Word", "protocol assignment"), "RFC 2928" },
    Block { "2001:2::/48", QT_TRANSLATE_NOOP("Word", "benchmarking"), "RFC 5180" },
    Block { "2001:10::/28", QT_TRANSLATE_NOOP("Word", "ORCHID"), "RFC 4843" },
    Block { "2001:20::/28", QT_TRANSLATE_NOOP("Word", "ORCHIDv2"), "RFC 7343" },
    Block { "2001:db8::/32", QT_TRANSLATE_NOOP("Word", "documentation"), "RFC 3849" },
    Block { "3fff::/20", QT_TRANSLATE_NOOP("Word", "documentation"), "RFC 9637" },
    Block { "5f00::/16", QT_TRANSLATE_NOOP("Word", "SRv6 SID"), "RFC 9602" },
};

// The longest block that holds the address; with a prefix length, the longest that holds the whole network.
template<std::size_t N>
std::optional<Kind> longestMatch(const std::array<Block, N> &blocks, const QHostAddress &address,
                                 int prefixLength = 128)
{
    int best = -1;
    std::optional<Kind> kind;
    for (const Block &block : blocks) {
        const QPair<QHostAddress, int> subnet = QHostAddress::parseSubnet(QLatin1String(block.block));
        if (subnet.second > best && subnet.second <= prefixLength && address.isInSubnet(subnet)) {
            best = subnet.second;
            kind = Kind { QLatin1String(block.what), Message::verbatim(QLatin1String(block.reference)), QString() };
        }
    }
    return kind;
}

bool outsideGlobalUnicast(const QHostAddress &address)
{
    return address.toIPv6Address()[0] >> 5 != 1; // outside 2000::/3
}

// Outside 2000::/3 nothing is public: the block there that holds the address (or the whole network), else reserved.
Kind outsideBlock(const QHostAddress &address, int prefixLength = 128)
{
    return longestMatch(kIpv6Outside, address, prefixLength)
        .value_or(Kind { QLatin1String(QT_TRANSLATE_NOOP("Word", "reserved")), Message::verbatim(u"RFC 4291"_qs),
                         QString() });
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
    return Kind { QLatin1String(what),
                  Message(MessageId::Carrying, QLatin1String(reference), ipv4.toString(),
                          Message::Word { inner->what }),
                  inner->what };
}

std::optional<Kind> classifyIpv6(const QHostAddress &address)
{
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    if (outsideGlobalUnicast(address)) {
        const Kind kind = outsideBlock(address);
        // The deprecated IPv4-compatible form and NAT64 carry an IPv4 address: a special one is named.
        const bool compatible = kind.what == u"deprecated IPv4-compatible";
        if (compatible || kind.what == u"NAT64") {
            const QByteArray what = kind.what.toLatin1(), reference = kind.reference.english().toLatin1();
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
        return Kind { QStringLiteral(QT_TRANSLATE_NOOP("Word", "unspecified")), Message(MessageId::NotAnAddress),
                      QString() };
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
    if (first && last && first->what == last->what && first->carried == last->carried)
        return first;
    // Nothing outside 2000::/3 is public: a network there is special as a whole, whatever its ends carry, and is
    // named by the longest block that holds all of it.
    if (network.protocol() != QAbstractSocket::IPv6Protocol || !outsideGlobalUnicast(network)
        || !outsideGlobalUnicast(lastAddress(network, prefixLength))
        || QHostAddress(u"2000::"_qs).isInSubnet(network, prefixLength)) // ::/0, ::/1 hold all of 2000::/3
        return std::nullopt;
    return outsideBlock(network, prefixLength);
}

std::optional<Kind> classifyAsNumber(quint32 number)
{
    struct Range
    {
        quint32 first, last;
        const char *what, *reference;
    };
    static const std::array kRanges {
        Range { 0, 0, QT_TRANSLATE_NOOP("Word", "reserved"), "RFC 7607" },
        Range { 23456, 23456, QT_TRANSLATE_NOOP("Word", "reserved (AS_TRANS)"), "RFC 6793" },
        Range { 64496, 64511, QT_TRANSLATE_NOOP("Word", "documentation"), "RFC 5398" },
        Range { 64512, 65534, QT_TRANSLATE_NOOP("Word", "private"), "RFC 6996" },
        Range { 65535, 65535, QT_TRANSLATE_NOOP("Word", "reserved"), "RFC 7300" },
        Range { 65536, 65551, QT_TRANSLATE_NOOP("Word", "documentation"), "RFC 5398" },
        Range { 65552, 131071, QT_TRANSLATE_NOOP("Word", "reserved"), "IANA" },
        Range { 4200000000u, 4294967294u, QT_TRANSLATE_NOOP("Word", "private"), "RFC 6996" },
        Range { 4294967295u, 4294967295u, QT_TRANSLATE_NOOP("Word", "reserved"), "RFC 7300" },
    };
    for (const Range &range : kRanges) {
        if (number >= range.first && number <= range.last)
            return Kind { QLatin1String(range.what), Message::verbatim(QLatin1String(range.reference)), QString() };
    }
    return std::nullopt;
}

} // namespace SpecialAddresses
