// Any bytes as a language driver: split whole and in chunks of every size the input asks for, loaded into
// the string table and looked up. Both splittings must agree, and every entry must be a proper one.
#include "language/DriverFile.h"
#include "language/StringTable.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t chunk = 1 + data[0] % 16;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));

    QStringList whole;
    DriverLineSplitter one([&](const QString &line) {
        whole.append(line);
        return true;
    });
    one.feed(bytes);
    one.finish();

    StringTable table;
    QStringList pieces;
    DriverLineSplitter many([&](const QString &line) {
        pieces.append(line);
        table.AddItem(line);
        return true;
    });
    for (qsizetype at = 0; at < bytes.size(); at += qsizetype(chunk))
        many.feed(bytes.sliced(at, qMin(qsizetype(chunk), bytes.size() - at)));
    many.finish();

    if (whole != pieces)
        std::abort(); // the splitting depends on how the bytes arrive
    if (whole.size() > bytes.count('\r') + 1)
        std::abort(); // more lines than line ends
    for (const QString &entry : whole) {
        if (entry.isEmpty() || entry.contains(QLatin1Char('\r')))
            std::abort(); // an empty entry, or a terminator left inside one
    }
    // Lookups past the end keep the entry selected before.
    const int last = table.ListCount() - 1;
    table.lookup(last);
    if (table.lookup(last + 1 + data[0]) != (last >= 0 ? whole.at(last) : QString()))
        std::abort();
    return 0;
}
