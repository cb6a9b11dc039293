// Fuzz target: renaming the family in a font's name table (content tool).
#include "../tools/make-content/font_names.cpp"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RenameFontFamily(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)),
                     QStringLiteral("KV_Druckschrift"));
    return 0;
}
