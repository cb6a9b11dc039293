// The letter-group file "intern\lautauswahl.txt" as the phonics dialog reads
// it: any bytes give known groups only, in file order, and writing that choice
// and reading it back gives the same choice.
#include "dialogs/letter_group_choice.h"
#include "platform/text_codec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList chosen = ChosenLetterGroups(SplitLines(DecodeCp1252(bytes)));
    if (chosen.size() > LetterGroupsInFileOrder().size())
        std::abort();
    for (const QString& group : chosen)
        if (!LetterGroupsInFileOrder().contains(group))
            std::abort();
    const QStringList lines = LetterGroupLines(chosen);
    QByteArray written;
    for (const QString& line : lines)
        written += EncodeCp1252(line) + "\r\n";
    if (ChosenLetterGroups(SplitLines(DecodeCp1252(written))) != chosen)
        std::abort();
    return 0;
}
