#include "RouteTableProbe.h"

#include <fcntl.h>
#include <unistd.h>

#include <QByteArrayView>
#include <QFile>

namespace {
constexpr unsigned RTF_UP = 0x0001;
constexpr unsigned RTF_REJECT = 0x0200;
constexpr unsigned IFF_UP = 0x1;

// Splits a line on blanks and tabs without allocating.
int splitFields(QByteArrayView line, QByteArrayView *fields, int max)
{
    int count = 0;
    qsizetype i = 0;
    while (i < line.size() && count < max) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        qsizetype start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            fields[count++] = line.sliced(start, i - start);
    }
    return count;
}

bool allZeros(QByteArrayView hex)
{
    for (char c : hex) {
        if (c != '0')
            return false;
    }
    return !hex.isEmpty();
}

unsigned parseHex(QByteArrayView hex)
{
    unsigned value = 0;
    for (char c : hex) {
        int digit = c >= '0' && c <= '9' ? c - '0'
            : c >= 'a' && c <= 'f'       ? c - 'a' + 10
            : c >= 'A' && c <= 'F'       ? c - 'A' + 10
                                         : -1;
        if (digit < 0 || value > 0x0fffffffu)
            return 0;
        value = value * 16 + unsigned(digit);
    }
    return value;
}

// Calls f for each line of text; stops early when f returns true.
template<typename F> bool anyLine(QByteArrayView text, F f)
{
    while (!text.isEmpty()) {
        qsizetype end = text.indexOf('\n');
        QByteArrayView line = end < 0 ? text : text.first(end);
        if (f(line))
            return true;
        text = end < 0 ? QByteArrayView() : text.sliced(end + 1);
    }
    return false;
}
} // namespace

RouteTableProbe::RouteTableProbe(QString ipv4Routes, QString ipv6Routes, QString interfaces)
    : m_ipv4Routes(std::move(ipv4Routes))
    , m_ipv6Routes(std::move(ipv6Routes))
    , m_interfaces(std::move(interfaces))
{
    m_buffer.reserve(16384);
}

int RouteTableProbe::InternetGetConnectedState()
{
    return hasIpv4DefaultRoute() || hasIpv6DefaultRoute() ? 1 : 0;
}

// Plain read(2) into a reused buffer: the timer calls this every two seconds, so it must stay cheap.
bool RouteTableProbe::readFile(const QString &path, QByteArray &buffer)
{
    buffer.clear();
    int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char chunk[8192];
    for (;;) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n <= 0)
            break;
        buffer.append(chunk, n);
        if (buffer.size() > (1 << 22)) // a route table this large is not a route table
            break;
    }
    ::close(fd);
    return true;
}

bool RouteTableProbe::hasIpv4DefaultRoute()
{
    // Iface Destination Gateway Flags RefCnt Use Metric Mask MTU Window IRTT
    if (!readFile(m_ipv4Routes, m_buffer))
        return false;
    return anyLine(m_buffer, [this](QByteArrayView line) {
        QByteArrayView f[8];
        if (splitFields(line, f, 8) < 8 || f[0] == "Iface")
            return false;
        unsigned flags = parseHex(f[3]);
        return allZeros(f[1]) && allZeros(f[7]) && (flags & RTF_UP) && !(flags & RTF_REJECT) && interfaceIsUp(f[0]);
    });
}

bool RouteTableProbe::hasIpv6DefaultRoute()
{
    // dest plen src splen nexthop metric refcnt use flags iface
    if (!readFile(m_ipv6Routes, m_buffer))
        return false;
    return anyLine(m_buffer, [this](QByteArrayView line) {
        QByteArrayView f[10];
        if (splitFields(line, f, 10) < 10)
            return false;
        unsigned flags = parseHex(f[8]);
        return allZeros(f[0]) && f[1] == "00" && (flags & RTF_UP) && !(flags & RTF_REJECT) && f[9] != "lo"
            && interfaceIsUp(f[9]);
    });
}

bool RouteTableProbe::interfaceIsUp(QByteArrayView name)
{
    if (name.isEmpty() || name.contains('/') || name.startsWith('.'))
        return false;
    const QString path = m_interfaces + QLatin1Char('/') + QString::fromLatin1(name) + QLatin1String("/flags");
    if (!readFile(path, m_flags))
        return true; // the route exists, so the interface does; without its flags we trust the route
    QByteArrayView flags = QByteArrayView(m_flags).trimmed();
    if (flags.startsWith("0x"))
        flags = flags.sliced(2);
    return parseHex(flags) & IFF_UP;
}
