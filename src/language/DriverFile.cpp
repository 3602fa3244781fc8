#include "DriverFile.h"

#include "CodePage.h"

#include <QFile>

DriverLineSplitter::DriverLineSplitter(Sink sink)
    : m_sink(std::move(sink))
{
}

bool DriverLineSplitter::emitLine()
{
    // Empty lines are shared spaces: a file of nothing but line ends costs no allocation per entry.
    static const QString space = QStringLiteral(" ");
    const bool goOn = m_sink(m_line.isEmpty() ? space : decodeWindows1252(m_line));
    m_line.clear();
    return goOn;
}

bool DriverLineSplitter::feed(QByteArrayView bytes)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (m_afterCr) {
            m_afterCr = false;
            if (c == '\n') {
                start = i + 1;
                continue;
            }
        }
        if (c == '\r') {
            m_line.append(bytes.data() + start, i - start);
            start = i + 1;
            m_afterCr = true;
            if (!emitLine())
                return false;
        }
    }
    m_line.append(bytes.data() + start, bytes.size() - start);
    return true;
}

bool DriverLineSplitter::finish()
{
    if (m_line.isEmpty())
        return true;
    return emitLine();
}

namespace DriverFile {

void read(const QString &path, const std::function<void(const QString &)> &add)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    int count = 0;
    DriverLineSplitter splitter([&](const QString &line) {
        if (count >= kMaxEntries)
            return false;
        add(line);
        ++count;
        return true;
    });
    char chunk[65536];
    for (;;) {
        const qint64 n = file.read(chunk, sizeof chunk);
        if (n < 0)
            return; // a read error: what was read so far stays
        if (n == 0)
            break;
        if (!splitter.feed(QByteArrayView(chunk, n)))
            return;
    }
    splitter.finish();
}

} // namespace DriverFile
