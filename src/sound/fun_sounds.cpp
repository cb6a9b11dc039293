#include "sound/fun_sounds.h"

#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "platform/clock.h"
#include "platform/file_paths.h"
#include "platform/random.h"
#include "sound/button_sound_player.h"
#include "sound/simple_sound.h"

namespace {

// File names (upper case, with their subfolder) of the WAV files in fun\<folder>.
QStringList SoundsIn(const QString& folder)
{
    QStringList names;
    for (const QString& path : MatchingPaths(ResolvePath(QStringLiteral("fun\\") + folder + QStringLiteral("\\*.wav"))))
        if (FileExists(path))
            names << (folder + u'\\' + FileNamePart(path)).toUpper();
    return names;
}

WordEntry& EntryAt(tmoiel& list, int i)
{
    while (list.Count() <= i)
        list.Append(std::make_shared<WordEntry>());
    return *list.Entry(i);
}

} // namespace

FunSoundList& FunSounds()
{
    static FunSoundList sounds;
    return sounds;
}

void LoadFunSounds()
{
    FunSoundList& fun = FunSounds();
    fun = FunSoundList{std::make_unique<tmoiel>(QStringLiteral("Funsounds")), 0, 0};
    const QStringList praise = SoundsIn(QStringLiteral("positiv"));
    const QStringList errors = SoundsIn(QStringLiteral("negativ"));
    for (int i = 0; i < praise.size(); ++i)
        EntryAt(*fun.list, i).Field(FieldSpeech) = praise[i];
    for (int i = 0; i < errors.size(); ++i)
        EntryAt(*fun.list, i).Field(FieldNoise) = errors[i];
    for (int i = 0; i < fun.list->Count(); ++i) {
        fun.praiseCount += !fun.list->Entry(i)->Field(FieldSpeech).isEmpty();
        fun.errorCount += !fun.list->Entry(i)->Field(FieldNoise).isEmpty();
    }
}

bool PlayFunSound(int setting, const QString& name, ButtonSoundPlayer* helpButton)
{
    if (setting == 0 || name.isEmpty())
        return false;
    QString file = QStringLiteral("fun\\") + name;
    if (!name.contains(u'.'))
        file += QStringLiteral(".wav");
    if (helpButton)
        helpButton->SetPlaying(true);
    return PlaySimpleSound(file); // a missing file still cuts off the last one
}

void PlayRandomFunSound(Feedback kind, ButtonSoundPlayer* helpButton)
{
    const FunSoundList& fun = FunSounds();
    ExerciseSettingsRecord& settings = ExerciseSettings();
    if (!fun.list)
        return;
    if (kind == Feedback::Praise) {
        if (fun.praiseCount < 1 || settings.positivsound < 0)
            return;
        settings.beam = RandomNumber(fun.praiseCount);
        if (IsSoundPlaying())
            Wait(500, true);
        PlayFunSound(settings.positivsound, fun.list->Entry(settings.beam)->Field(FieldSpeech), helpButton);
        return;
    }
    if (fun.errorCount < 1 || settings.funsound < 0)
        return;
    settings.ratter = RandomNumber(fun.errorCount);
    PlayFunSound(settings.funsound, fun.list->Entry(settings.ratter)->Field(FieldNoise), helpButton);
}
