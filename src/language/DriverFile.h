#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Splits a language driver into its lines. A line ends at CR or CR LF; a lone LF belongs to the line;
// a terminator at the very end adds no line; an empty line becomes a single space.
// Bytes arrive in chunks of any size; the text is decoded as code page 1252.
class DriverLineSplitter
{
public:
    using Sink = std::function<bool(const QString &line)>; // false stops the reading

    explicit DriverLineSplitter(Sink sink);

    bool feed(QByteArrayView bytes); // false once the sink has asked to stop
    bool finish(); // the last line, when it has no terminator

private:
    bool emitLine();

    Sink m_sink;
    QByteArray m_line;
    bool m_afterCr = false;
};

namespace DriverFile {

// Most entries a driver may give: the list box that held the table takes no more, and the program reads
// only the first 226. Reading stops there like any other failure while reading.
constexpr int kMaxEntries = 32767;

// Reads the driver at path line by line, handing each entry to add. Any failure (missing, unreadable,
// a directory) stops the reading silently; the entries handed over before stay handed over.
void read(const QString &path, const std::function<void(const QString &)> &add);

} // namespace DriverFile
