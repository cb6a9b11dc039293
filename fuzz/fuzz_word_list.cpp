// Word-list reader: arbitrary bytes as a list file, loaded in both modes,
// converted to Swiss spelling and written out again. Writing and re-reading
// must keep every entry.
#include "data/program_state.h"
#include "data/spelling_map.h"
#include "data/word_list.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// A program folder with a picture folder, so that the "Bilder\" look-up runs.
const QString& ProgramRoot()
{
    static QTemporaryDir dir;
    static const QString root = [] {
        const QString r = dir.path() + QStringLiteral("/prog/");
        QDir().mkpath(r + QStringLiteral("Bilder"));
        QFile f(r + QStringLiteral("Bilder/hund.wmf"));
        f.open(QIODevice::WriteOnly);
        return r;
    }();
    return root;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Program().programFolder = ProgramRoot();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile f(ProgramRoot() + QStringLiteral("liste.txt"));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }
    const bool exerciseMode = size % 2 == 0;
    std::unique_ptr<tmoiel> list;
    if (!Load(list, QStringLiteral("liste.txt"), exerciseMode) || !list)
        std::abort();
    ToSwissSpelling(list.get());
    for (int i = 0; i < list->Count(); ++i)
        FindInFields(*list->Entry(i), QStringLiteral("ss"), i % 3 - 1, 0, 5, i % 2 == 0);
    const QStringList lines = list->Lines();
    tmoiel again;
    again.ReadLines(SplitLines(DecodeCp1252(EncodeCp1252(lines.join(QStringLiteral("\r\n"))))), false);
    if (again.Count() != list->Count())
        std::abort();
    SpellingMap().Clear();
    return 0;
}
