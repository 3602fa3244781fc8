// Any reply as a version file: the version text taken from it, parsed and compared with the installed
// version. An outcome or a conversion error, never anything else.
#include "CodePage.h"
#include "VersionText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString reply = decodeWindows1252(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QString text = VersionText::extract(reply);
    if (text.size() > 8 || (reply.size() >= 39 && text.size() != 8) || (reply.size() < 32 && !text.isEmpty()))
        std::abort();
    const auto published = VersionText::parse(text);
    if (!published)
        return 0;
    if (published->major > 9 || published->minor > 9 || published->revision > 9999 || published->major < 0
        || published->minor < 0 || published->revision < 0)
        std::abort();
    const auto installed = VersionText::parse(QStringLiteral("1.0.2004"));
    if (VersionText::isNewer(*published, *installed) && VersionText::isNewer(*installed, *published))
        std::abort();
    if (VersionText::isNewer(*published, *published))
        std::abort();
    return 0;
}
