// RTF reader: arbitrary bytes give a document; its lines never hold more
// letters than the input has bytes.
#include "app/rtf_reader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RtfDocument document = ReadRtf(bytes);
    qsizetype letters = 0;
    for (const QString& line : document.Lines())
        letters += line.size();
    if (letters > qsizetype(size))
        std::abort();
    return 0;
}
