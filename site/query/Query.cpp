#include "Query.h"

#include "DomainName.h"
#include "PublicSuffixes.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

Query refused(MessageId why)
{
    Query query;
    query.error = Message(why);
    return query;
}

std::optional<QHostAddress> ipv4(const QString &text)
{
    static const QRegularExpression dotted(QStringLiteral("^(0|[1-9][0-9]{0,2})(\\.(0|[1-9][0-9]{0,2})){3}$"));
    if (!dotted.match(text).hasMatch())
        return std::nullopt;
    for (const QStringView part : QStringView(text).split(u'.')) {
        if (part.toUInt() > 255)
            return std::nullopt;
    }
    return QHostAddress(text);
}

Query asNumberQuery(const QString &digits, const QString &low)
{
    bool ok = false;
    const qulonglong high = digits.toULongLong(&ok);
    qulonglong number = high;
    if (ok && !low.isEmpty()) { // asdot: high.low
        const qulonglong lowPart = low.toULongLong(&ok);
        ok = ok && high <= 0xffff && lowPart <= 0xffff;
        number = high << 16 | lowPart;
    }
    if (!ok || number > 0xffffffffULL)
        return refused(MessageId::AsNumberRange);
    Query query;
    query.kind = Query::Kind::AsNumber;
    query.asNumber = quint32(number);
    query.text = QStringLiteral("AS%1").arg(query.asNumber);
    return query;
}

Query addressOrNetwork(QString text)
{
    if (text.startsWith(u'[') && text.contains(u']'))
        text.remove(u'[').remove(u']');
    const qsizetype slash = text.indexOf(u'/');
    const QString addressText = slash < 0 ? text : text.left(slash);
    QHostAddress address;
    if (addressText.contains(u':')) {
        if (addressText.contains(u'%') || !address.setAddress(addressText)
            || address.protocol() != QAbstractSocket::IPv6Protocol)
            return refused(MessageId::Ipv6NotValid);
    } else if (const std::optional<QHostAddress> v4 = ipv4(addressText)) {
        address = *v4;
    } else {
        return refused(MessageId::Ipv4NotValid);
    }

    int prefixLength = -1;
    if (slash >= 0) {
        const QString lengthText = text.mid(slash + 1);
        bool ok = false;
        prefixLength = lengthText.toInt(&ok);
        const int bits = address.protocol() == QAbstractSocket::IPv4Protocol ? 32 : 128;
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
        if (!ok || !digits.match(lengthText).hasMatch() || prefixLength > bits)
            return refused(MessageId::PrefixLength);
    }
    // An IPv4-mapped address is the IPv4 address it maps.
    const QHostAddress plain = SpecialAddresses::unwrapped(address);
    if (plain.protocol() != address.protocol()) {
        if (prefixLength >= 0 && prefixLength < 96)
            return refused(MessageId::MappedPrefixLength);
        address = plain;
        if (prefixLength >= 0)
            prefixLength -= 96;
    }

    Query query;
    query.kind = prefixLength < 0 ? Query::Kind::Address : Query::Kind::Network;
    query.prefixLength = prefixLength;
    if (prefixLength >= 0) // the network's first address: host bits cleared
        address = QHostAddress::parseSubnet(QStringLiteral("%1/%2").arg(address.toString()).arg(prefixLength)).first;
    query.address = address;
    query.text
        = prefixLength < 0 ? address.toString() : QStringLiteral("%1/%2").arg(address.toString()).arg(prefixLength);
    return query;
}

} // namespace

Query Query::fromInput(const QString &input)
{
    const QString text = input.trimmed();
    static const QRegularExpression asPattern(
        QStringLiteral("^(?:AS ?([0-9]{1,10})(?:\\.([0-9]{1,5}))?|([0-9]{1,11}))$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch as = asPattern.match(text);
    if (as.hasMatch())
        return asNumberQuery(as.captured(1).isEmpty() ? as.captured(3) : as.captured(1), as.captured(2));
    static const QRegularExpression addressLike(
        QStringLiteral("^(\\[?[0-9A-Fa-f:.%]*:[0-9A-Fa-f:.%]*\\]?|[0-9.]+)(/.*)?$"));
    if (addressLike.match(text).hasMatch())
        return addressOrNetwork(text);

    // ".de" asks for the top-level domain as the root zone writes it.
    const bool topLevel = text.startsWith(u'.') && text.count(u'.') == 1 + int(text.endsWith(u'.') && text.size() > 1);
    const DomainName name = DomainName::fromInput(topLevel ? text.mid(1) : text);
    if (!name.ok()) {
        Query query;
        query.error = name.error;
        return query;
    }
    Query query;
    query.text = name.ace;
    if (!name.ace.contains(u'.')) {
        // A top-level domain is letters, or an A-label; "SD12478-RIPE" and "ARIN-HOSTMASTER" are handles.
        const bool letters = std::all_of(name.ace.cbegin(), name.ace.cend(), [](QChar c) { return c.isLetter(); });
        if (!letters && !name.ace.startsWith(u"xn--")) {
            query.text.clear();
            query.error = Message(MessageId::HandleNotLookedUp, text);
            return query;
        }
        query.kind = Kind::TopLevelDomain;
        return query;
    }
    const QString registered = PublicSuffixes::instance().registeredDomain(name.ace);
    if (!registered.isEmpty() && registered != name.ace) {
        query.host = name.ace;
        query.text = registered;
    }
    return query;
}

std::optional<SpecialAddresses::Kind> Query::special() const
{
    switch (kind) {
    case Kind::Address:
        return SpecialAddresses::classify(address);
    case Kind::Network:
        return SpecialAddresses::classifyNetwork(address, prefixLength);
    case Kind::AsNumber:
        return SpecialAddresses::classifyAsNumber(asNumber);
    case Kind::Domain:
    case Kind::TopLevelDomain:
        break;
    }
    return std::nullopt;
}

Message::Word Query::noun() const
{
    switch (kind) {
    case Kind::Address:
        return { QStringLiteral(QT_TRANSLATE_NOOP("Word", "address")) };
    case Kind::Network:
        return { QStringLiteral(QT_TRANSLATE_NOOP("Word", "network")) };
    case Kind::AsNumber:
        return { QStringLiteral(QT_TRANSLATE_NOOP("Word", "AS number")) };
    case Kind::TopLevelDomain:
        return { QStringLiteral(QT_TRANSLATE_NOOP("Word", "top-level domain")) };
    case Kind::Domain:
        break;
    }
    return { QStringLiteral(QT_TRANSLATE_NOOP("Word", "domain name")) };
}

Message Query::specialSentence(const SpecialAddresses::Kind &kind) const
{
    // English says "an" before a vowel sound; other languages translate both sentences alike.
    const QChar first = kind.what.isEmpty() ? QChar() : kind.what.front().toLower();
    const bool vowel = QStringView(u"aeiou").contains(first) && !kind.what.startsWith(u"unique");
    return Message(vowel ? MessageId::SpecialAn : MessageId::SpecialA, text, Message::Word { kind.what }, noun(),
                   kind.reference);
}

QString Query::rdapPath() const
{
    switch (kind) {
    case Kind::Address:
    case Kind::Network:
        return QStringLiteral("ip/") + text;
    case Kind::AsNumber:
        return QStringLiteral("autnum/%1").arg(asNumber);
    case Kind::Domain:
    case Kind::TopLevelDomain:
        break;
    }
    return QStringLiteral("domain/") + text;
}

std::string Query::registry() const
{
    switch (kind) {
    case Kind::Domain:
        return text.section(u'.', -1).toStdString();
    case Kind::TopLevelDomain:
        return "root";
    case Kind::Address:
    case Kind::Network:
    case Kind::AsNumber:
        break;
    }
    return "numbers";
}
