// The colour table "intern\colors.txt" and the first line of
// "netzwerkpfad.txt" as the start reads them: any bytes give a full table,
// every colour read writes back as a text that reads as the same
// colour, and the network line resolves to a path.
#include "controls/tproginfo.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "platform/color_text.h"
#include "platform/text_codec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
const QString& ProgramRoot()
{
    static QTemporaryDir dir;
    static const QString root = [] {
        const QString r = dir.path() + QStringLiteral("/prog/");
        QDir().mkpath(r + QStringLiteral("intern"));
        return r;
    }();
    return root;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Program().programFolder = ProgramRoot();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = SplitLines(DecodeCp1252(bytes));
    for (const QString& line : lines) {
        const auto value = ColorFromText(line);
        if (!value)
            continue;
        const auto again = ColorFromText(ColorToText(*value));
        if (!again || *again != *value)
            std::abort();
    }
    {
        QFile f(ProgramRoot() + QStringLiteral("intern/colors.txt"));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }
    ProgInfo().LoadColors();
    for (int i = 0; i < 32; ++i)
        if (!ProgInfo().Color(i).isValid())
            std::abort();
    if (!lines.isEmpty())
        (void)ResolvePath(lines.first());
    return 0;
}
