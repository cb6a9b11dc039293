// The class overview's local cache: arbitrary bytes, sealed with the check
// sum so that the parser behind it is reached, read as a cache. Whatever is
// read must write out and read back as the same entries.
#include "klassenuebersicht/summary_cache.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString root = QStringLiteral("/daten/");
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<CachedHistory> entries;
    ParseSummaryCache(bytes, root, &entries);
    // The same bytes sealed: magic first, check sum last.
    if (!bytes.startsWith("LRBSUM"))
        bytes.prepend("LRBSUM");
    const quint64 sum = SummaryCacheChecksum(bytes.constData(), bytes.size());
    for (int i = 0; i < 8; ++i)
        bytes += char((sum >> (8 * i)) & 0xff);
    if (!ParseSummaryCache(bytes, root, &entries))
        return 0;
    QList<CachedHistory> back;
    if (!ParseSummaryCache(SummaryCacheBytes(root, entries), root, &back) || back != entries)
        std::abort();
    return 0;
}
