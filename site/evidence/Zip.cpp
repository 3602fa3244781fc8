#include "Zip.h"

#include <QtEndian>

#include <array>

namespace {

quint32 crc32(const QByteArray &bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> made {};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            made[n] = c;
        }
        return made;
    }();
    quint32 c = 0xffffffffu;
    for (const char byte : bytes)
        c = table[(c ^ quint8(byte)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// MS-DOS date and time, as ZIP keeps them; 1980-01-01 for a time before it or none.
std::pair<quint16, quint16> dosTime(const QDateTime &when)
{
    const QDateTime utc = when.toUTC();
    if (!utc.isValid() || utc.date().year() < 1980 || utc.date().year() > 2107)
        return { 0, quint16((1 << 5) | 1) };
    const QTime t = utc.time();
    const QDate d = utc.date();
    return { quint16((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2)),
             quint16(((d.year() - 1980) << 9) | (d.month() << 5) | d.day()) };
}

} // namespace

QByteArray Zip::archive(const QList<File> &files)
{
    QByteArray out, directory;
    for (const File &file : files) {
        const QByteArray name = file.name.toUtf8();
        const quint32 crc = crc32(file.bytes);
        const std::pair<quint16, quint16> stamp = dosTime(file.modified);
        const quint32 offset = quint32(out.size());
        const auto common = [&](QByteArray &to) {
            put16(to, 20); // version needed: 2.0
            put16(to, 0x0800); // names in UTF-8
            put16(to, 0); // stored
            put16(to, stamp.first);
            put16(to, stamp.second);
            put32(to, crc);
            put32(to, quint32(file.bytes.size()));
            put32(to, quint32(file.bytes.size()));
            put16(to, quint16(name.size()));
            put16(to, 0); // no extra field
        };
        put32(out, 0x04034b50);
        common(out);
        out.append(name).append(file.bytes);

        put32(directory, 0x02014b50);
        put16(directory, 0x0314); // made by: Unix, 2.0
        common(directory);
        put16(directory, 0); // no comment
        put16(directory, 0); // disk 0
        put16(directory, 0); // no internal attributes
        put32(directory, quint32(0100644) << 16); // a regular file, rw-r--r--
        put32(directory, offset);
        directory.append(name);
    }
    const quint32 start = quint32(out.size());
    out.append(directory);
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint16(files.size()));
    put16(out, quint16(files.size()));
    put32(out, quint32(directory.size()));
    put32(out, start);
    put16(out, 0);
    return out;
}
