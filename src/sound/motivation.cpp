#include "sound/motivation.h"

#include "data/exercise_settings.h"
#include "data/program_state.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "sound/button_sound_player.h"

namespace {

int VoiceField(int voice)
{
    return ((voice % 3) + 3) % 3;
}

// Steps shared by praise and hints: the range rules and the random index.
int PickIndex(const tmoiel* table, int lowest, int highest)
{
    const int count = table->Count();
    if (highest < 0 || highest > count)
        highest = count;
    if (highest < lowest)
        highest = lowest;
    return lowest + RandomNumber(highest - lowest);
}

void PlayRowSound(const tmoiel* table, int index, int voice, ButtonSoundPlayer* helpButton)
{
    if (helpButton)
        helpButton->PlaySoundFile(table->Entry(index)->Field(VoiceField(voice)));
}

QString RowText(const tmoiel* table, int index, int voice)
{
    const WordEntry* row = table ? table->Entry(index) : nullptr;
    return row ? row->Field(3 + VoiceField(voice)) : QString();
}

} // namespace

std::unique_ptr<tmoiel> LoadFeedbackTable(const QString& file)
{
    std::unique_ptr<tmoiel> table;
    if (!Load(table, file, false) || !table)
        table = std::make_unique<tmoiel>();
    if (SwissMode())
        ToSwissSpelling(table.get());
    return table;
}

int PickMotivation(const tmoiel* praise, int lowest, int highest, int voice, ButtonSoundPlayer* helpButton)
{
    if (!praise || praise->IsEmpty())
        return 0;
    const int index = PickIndex(praise, lowest, highest);
    const ExerciseSettingsRecord& settings = ExerciseSettings();
    if (praise->Entry(index) && settings.mitTon == 1) {
        if (helpButton)
            helpButton->SetPlaying(true);
        for (int i = 0; i < 2 && IsSoundPlaying(); ++i)
            Wait(600, true);
        if (settings.soundnachEingabe != 1)
            PlayRowSound(praise, index, voice, helpButton);
    }
    return index;
}

int PickHint(const tmoiel* hints, int lowest, int highest, int voice, ButtonSoundPlayer* helpButton)
{
    if (!hints || hints->IsEmpty())
        return 0;
    const int index = PickIndex(hints, lowest, highest);
    if (hints->Entry(index) && ExerciseSettings().mitTon == 1) {
        if (helpButton)
            helpButton->SetPlaying(true);
        PlayRowSound(hints, index, voice, helpButton);
    }
    return index;
}

QString MotivationText(const tmoiel* praise, int index, int voice)
{
    return RowText(praise, index, voice);
}

QString HintText(const tmoiel* hints, int index, int voice)
{
    return RowText(hints, index, voice);
}
