// Tprog1: playing the entry's sound, the spoken word in parts, spelling out
// and the single letter, and what happens when a sound ends.
#include "exercises/spiel1/tprog1.h"

#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "exercises/spiel1/task_rules.h"
#include "framework/spelling_out.h"
#include "platform/clock.h"
#include "sound/article_cut.h"
#include "sound/fun_sounds.h"
#include "sound/simple_sound.h"
#include "sound/twav.h"

#include <QCheckBox>

namespace {

// Spelling out by Stimme: letter sounds with the chosen letter groups, or
// letter names.
SpellKind SpellKindByStimme()
{
    return SpeaksLetterSounds(ExerciseSettings().stimme) ? SpellKind::Groups : SpellKind::Letters;
}

} // namespace

void Tprog1::PlayFunSound(int setting, const QString& name)
{
    // The program's feedback sound, with the help button marked as playing.
    ::PlayFunSound(setting, name, &SoundPlayer(kHelpButton));
}

void Tprog1::PlayEntrySound(int code)
{
    if (code == kPlayAfterPause) {
        PlayRecordingAfterPause();
        return;
    }
    const WordEntry* entry = CurrentEntry();
    if (!entry)
        return;
    if (NoiseBox()->isChecked() && !entry->Field(FieldNoise).isEmpty()) {
        noisePlaying_ = true;
        nextPart_ = 0;
        if (!PlayOnButton(kWordDisplay, entry->Field(FieldNoise)))
            noisePlaying_ = false;
        return;
    }
    if (lautier_) {
        if (!typing_.HasWord())
            return;
        spellFrom_ = typing_.WordPartStart();
        spellTo_ = int(typing_.Expected().size());
        StartSpelling(spellFrom_, spellTo_);
        return;
    }
    SpeakWord(ArticleCounts(typing_.Settings(), noiseFlag_));
}

void Tprog1::SpeakWord(bool articleCounts)
{
    const WordEntry* entry = CurrentEntry();
    speech_ = entry ? SpeechSequence(SpokenText(entry->Field(FieldWord))) : QStringList();
    const SpeechStart start = FirstSpeechPart(speech_, articleCounts);
    nextPart_ = 0;
    if (start.play < 0)
        return;
    nextPart_ = start.next;
    PlayOnButton(kWordDisplay, speech_[start.play]);
}

void Tprog1::PlayRecordingAfterPause()
{
    const WordEntry* entry = CurrentEntry();
    if (!entry)
        return;
    const QString blank = QStringLiteral("intern\\leersound.wav");
    if (FileExists(ResolvePath(blank)))
        PlayDirect(blank, true);
    else
        Wait(ExerciseSettings().buchstabierpause * 100, true);
    const QString& recording = entry->Field(FieldSpeech);
    if (recording.isEmpty())
        return;
    // A recording with the article in its name behind the noun: only the part
    // after its first pause, when there is one.
    const RecordingPlay play = ChooseRecordingPlay(wav_, recording);
    if (!play.whole) {
        wav_.SetBusy(false);
        wav_.CloseAllDevices();
        if (wav_.PlayRange(this, recording, play.fromMs, play.toMs))
            return;
        wav_.Stop();
    }
    PlayOnButton(kPicture, recording);
}

void Tprog1::SoundEnded(int button)
{
    if (button == kWordDisplay) {
        if (noisePlaying_) {
            noisePlaying_ = false;
            if (SpeechBox()->isChecked()) {
                Wait(ExerciseSettings().soundpause * 100, true);
                SpeakWord(true);
            }
            return;
        }
        if (nextPart_ > 0 && nextPart_ < speech_.size()) {
            const int part = nextPart_++;
            PlayOnButton(kWordDisplay, speech_[part]);
        } else {
            nextPart_ = 0;
        }
        return;
    }
    if (button == kEndButton && spelling_) {
        if (!Spelling().running || Spelling().position >= spellTo_)
            spelling_ = false;
        UpdateWordDisplay();
    }
}

void Tprog1::SpellWord()
{
    if (!typing_.HasWord())
        return;
    const SpellRange range = SpellRangeFor(ExerciseSettings().buchstabieren, typing_.WordPartStart(),
                                           typing_.WritePosition(), int(typing_.Expected().size()));
    if (range.to <= range.from)
        return;
    spellFrom_ = range.from;
    spellTo_ = range.to;
    StartSpelling(range.from, range.to);
}

void Tprog1::StartSpelling(int from, int to)
{
    spelling_ = true;
    UpdateWordDisplay();
    Spelling().Start(typing_.Expected(), from, SpellKindByStimme(), to);
    // A unit that could not be played ends the spelling out: the marked part
    // and the typed-letter echo are back to normal.
    if (!Spelling().running) {
        spelling_ = false;
        UpdateWordDisplay();
    }
}

void Tprog1::SayLetterAtWritePosition()
{
    if (!typing_.HasWord())
        return;
    Spelling().Stop();
    spelling_ = false;
    Spelling().Step(typing_.Expected(), typing_.WritePosition(), SpellKind::Letters);
    UpdateWordDisplay();
}

void Tprog1::StopAllSound()
{
    Spelling().Stop();
    spelling_ = false;
    noisePlaying_ = false;
    nextPart_ = 0;
    StopSound();
}
