// History file: arbitrary bytes read as a pupil's history. Every row read
// must write out and read back as the same row.
#include "framework/history_csv.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    int skipped = 0;
    const QList<HistoryRow> rows = ParseHistory(bytes, &skipped);
    if (skipped < 0)
        std::abort();
    QByteArray again = HistoryHeader();
    for (const HistoryRow& row : rows)
        again += HistoryLine(row);
    const QList<HistoryRow> back = ParseHistory(again);
    if (back.size() != rows.size())
        std::abort();
    for (qsizetype i = 0; i < rows.size(); ++i)
        if (back[i].word != rows[i].word || back[i].verdict != rows[i].verdict ||
            back[i].when.date() != rows[i].when.date())
            std::abort();
    return 0;
}
