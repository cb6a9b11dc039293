// Tprog2: speaking the word (noise, speech, the recordings of the word),
// spelling it out and stopping every sound.
#include "exercises/spiel2/tprog2.h"

#include "data/exercise_settings.h"
#include "framework/spelling_out.h"
#include "platform/clock.h"

#include <QCheckBox>

void Tprog2::SpeakWord()
{
    const WordEntry* entry = CurrentEntry();
    if (!entry)
        return;
    const ChainPlay play = chain_.Begin(*entry, NoiseBox()->isChecked(), ExerciseSettings().mitArtikel);
    soundNumber = chain_.SoundNumber();
    StopSound();
    Play(play);
}

void Tprog2::Play(const ChainPlay& play)
{
    if (!play.Valid())
        return;
    if (play.pauseMs > 0)
        Wait(play.pauseMs, false);
    if (!play.controlString.isEmpty())
        SetButtonControlString(kPicture, play.controlString);
    PlayOnButton(play.button, play.file);
    RedrawButton(kPlay);
    RedrawButton(kStop);
}

void Tprog2::SoundEnded(int button)
{
    RedrawButton(kStop);
    if (button != kUserEnd)
        RedrawButton(kPlay);
    if ((button == kEndButton || button == kUserEnd) && spelling_) {
        // The framework already went on after a letter of the end button;
        // going on here as well would skip every other letter.
        if (button == kEndButton || !Spelling().Continue())
            spelling_ = Spelling().running;
        RedrawButton(kSpell);
        return;
    }
    const ChainPlay next = chain_.Finished(button, CurrentEntry(), SpeechBox()->isChecked(),
                                           ExerciseSettings().mitArtikel, ExerciseSettings().soundpause);
    soundNumber = chain_.SoundNumber();
    Play(next);
}

void Tprog2::SpellWord()
{
    if (currentWord_.isEmpty())
        return;
    StopAllSound();
    spelling_ = true;
    Spelling().position = 0;
    Spelling().Start(currentWord_, 0, SpellKind::Letters);
    RedrawButton(kSpell);
}

void Tprog2::StopAllSound()
{
    Spelling().Stop();
    spelling_ = false;
    chain_.Stop();
    StopSound();
    RedrawButton(kSpell);
}
