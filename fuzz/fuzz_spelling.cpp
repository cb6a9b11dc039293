// Spelling out any text with any letter groups: the first line is the text,
// the further lines are the groups (as read from "intern\lautauswahl.txt").
// Every position inside the text gives a unit that moves forward and stays
// inside the text; UnitLength agrees with the unit the groups give.
#include "data/program_state.h"
#include "platform/text_codec.h"
#include "sound/spelling.h"

#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An empty program folder: every sound file is missing, and the look-ups
    // search a folder with nothing in it rather than the whole file system.
    static const QTemporaryDir folder;
    Program().programFolder = folder.path() + u'/';
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList lines = SplitLines(DecodeCp1252(bytes));
    if (lines.isEmpty())
        return 0;
    const QString text = lines.takeFirst().left(200);
    QStringList groups;
    for (const QString& line : lines)
        groups << line.trimmed().toLower();
    for (SpellKind kind : {SpellKind::Groups, SpellKind::Letters, SpellKind::Names})
        for (bool sounds : {false, true})
            for (int pos = -1; pos <= text.size(); ++pos) {
                const SpellUnit unit = ChooseSpellUnit(text, pos, kind, sounds, groups);
                const bool inside = pos >= 0 && pos < text.size();
                if (unit.valid != inside)
                    std::abort();
                if (!inside)
                    continue;
                if (unit.next <= pos || unit.next > text.size() || unit.unit.isEmpty())
                    std::abort();
                const int length = UnitLength(text, pos, sounds, groups);
                if (length < 1 || pos + length > text.size())
                    std::abort();
                if (kind == SpellKind::Groups && sounds && !unit.pause && unit.next - pos != length)
                    std::abort();
            }
    return 0;
}
