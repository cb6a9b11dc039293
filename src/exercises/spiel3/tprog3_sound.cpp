// Tprog3: speaking the word (the noise first when "Geräusch" is on), the
// chain of its recordings, and spelling it out in the word field.
#include "exercises/spiel3/tprog3.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "framework/spelling_out.h"
#include "platform/clock.h"
#include "sound/spelling.h"

#include <QCheckBox>

void Tprog3::PlaySpoken()
{
    const WordEntry* entry = CurrentEntry();
    if (!entry)
        return;
    const ChainPlay play = chain_.Begin(*entry, NoiseBox()->isChecked(), ExerciseSettings().mitArtikel);
    soundNumber = chain_.SoundNumber();
    SetButtonControlString(kWordField, soundNumber == 1 ? entry->slots[FieldNoise] : entry->slots[FieldSpeech]);
    StopSound();
    if (play.Valid())
        PlayOnButton(kWordField, play.file);
    for (int n : {kPlay, kStop})
        RedrawButton(n);
}

void Tprog3::SoundEnded(int button)
{
    for (int n : {kPlay, kStop, kSpell})
        RedrawButton(n);
    if (button == kEndButton && spelling_) {
        if (Spelling().running) {
            spellMark_ = Spelling().position - 1;
            Field(kWordField)->update();
            return;
        }
        // Past the last letter: the mark stays a moment, then spelling ends.
        Wait(ExerciseSettings().buchstabierpause * 100 + 200, true);
        spelling_ = false;
        spellMark_ = -1;
        Field(kWordField)->update();
        return;
    }
    if (button != kWordField)
        return;
    const ChainPlay play = chain_.Finished(button, CurrentEntry(), SpeechBox()->isChecked(),
                                           ExerciseSettings().mitArtikel, ExerciseSettings().soundpause);
    if (!play.Valid())
        return;
    if (!play.controlString.isEmpty())
        SetButtonControlString(kWordField, play.controlString);
    if (play.pauseMs > 0)
        Wait(play.pauseMs, true);
    soundNumber = 0;
    PlayOnButton(kWordField, play.file);
}

void Tprog3::SpellOut()
{
    if (currentWord_.isEmpty())
        return;
    StopSound();
    chain_.Stop();
    spelling_ = true;
    spellMark_ = 0;
    Field(kWordField)->update();
    const SpellKind kind = SpeaksLetterSounds(ExerciseSettings().stimme) ? SpellKind::Groups : SpellKind::Letters;
    Spelling().Start(ToDisplayCase(currentWord_), 0, kind);
}

void Tprog3::StopAll()
{
    Spelling().Stop();
    spelling_ = false;
    spellMark_ = -1;
    chain_.Stop();
    StopSound();
    if (tdrbutton* w = Field(kWordField))
        w->update();
}
