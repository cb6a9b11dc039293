// Tprog5: speaking the selected card through card 101's player: its noise,
// or its word part after part.
#include "exercises/spiel5/tprog5.h"

#include "data/exercise_settings.h"
#include "sound/spoken_word.h"

#include <QCheckBox>

void Tprog5::SpeakSelected()
{
    if (!speechBox_->isChecked() && !noiseBox_->isChecked())
        return;
    const MemoryCard* card = game_.Card(game_.Selected());
    const WordEntry* entry = card && currentList && currentList->Valid(card->entry) ? currentList->Entry(card->entry)
                                                                                   : nullptr;
    if (!entry)
        return;
    StopSpeaking();
    wav_.CloseAllDevices();
    if (noiseBox_->isChecked() && !entry->Field(FieldNoise).isEmpty()) {
        noisePlaying_ = PlayOnButton(kSpeaker, entry->Field(FieldNoise));
        return;
    }
    speech_ = SpeechSequence(SpokenText(entry->Field(FieldWord)));
    const SpeechStart start = FirstSpeechPart(speech_, ExerciseSettings().mitArtikel, DefiniteArticleFiles());
    if (start.play < 0)
        return;
    nextPart_ = start.next;
    PlayOnButton(kSpeaker, speech_[start.play]);
}

void Tprog5::SpeechPartEnded()
{
    if (noisePlaying_) {
        noisePlaying_ = false;
        return;
    }
    if (nextPart_ > 0 && nextPart_ < speech_.size()) {
        const int part = nextPart_++;
        PlayOnButton(kSpeaker, speech_[part]);
    } else {
        nextPart_ = 0;
    }
}

void Tprog5::StopSpeaking()
{
    nextPart_ = 0;
    noisePlaying_ = false;
    T_urahnlrb::StopSound();
}
