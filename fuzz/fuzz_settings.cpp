// Settings loader: arbitrary bytes as a pupil's profile, loaded for one of the
// exercise sections, saved and loaded again. Every loaded value must lie in
// its range, whatever the profile holds.
#include "controls/tproginfo.h"
#include "data/exercise_settings.h"
#include "data/font_list.h"
#include "data/program_state.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckRanges()
{
    const auto& s = ExerciseSettings();
    Check(s.soundpause >= 0 && s.soundpause <= 100);
    Check(s.buchstabierpause >= 0 && s.buchstabierpause <= 100);
    Check(s.stimme >= 0 && s.stimme <= 5);
    Check(s.motzahl >= 1 && s.motzahl <= 6);
    Check(s.felderanzahl >= 2 && s.felderanzahl <= 6);
    Check(s.puzzelanzahl == 9 || s.puzzelanzahl == 16 || s.puzzelanzahl == 25 || s.puzzelanzahl == 36);
    Check(kColourCodes.left(16).contains(s.textfarbe));
    Check(kColourCodes.contains(s.hintergrundfarbe));
    Check(kOutfitCodes.contains(s.outfit));
    Check(s.schriftart.size() <= 119 && s.bildhinten.size() <= 159 && s.bildhintenstapel.size() <= 159);
    Check(s.schrift >= 0 && s.schrift < FontList().Count());
    Check(ProgInfo().windowColor <= 0xFFFFFF);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const QString sections[] = {Section::kHoerenUndSchreiben, Section::kLautieruebung,
                                       Section::kWelchesWortStimmt, Section::kBildMemory,
                                       Section::kSoundMemory, Section::kLesenLernen};
    const QString profile = dir.path() + QStringLiteral("/jeder.ini");
    Program().currentProfilePath = profile;
    {
        QFile f(profile);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QString& section = sections[size % std::size(sections)];
    FontList().Reset();
    LoadSettings(section);
    CheckRanges();
    SaveSettings(section);
    LoadSettings(section);
    CheckRanges();
    return 0;
}
