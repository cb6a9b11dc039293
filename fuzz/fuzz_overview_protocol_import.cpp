// Protocol import: arbitrary bytes read as an old results protocol. Every
// row found has a date, a word and an imported mark.
#include "klassenuebersicht/protocol_import.h"
#include "platform/text_codec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const HistoryRow& row : ParseProtocol(DecodeCp1252(bytes)))
        if (!row.when.date().isValid() || row.word.isEmpty() || !row.imported)
            std::abort();
    return 0;
}
