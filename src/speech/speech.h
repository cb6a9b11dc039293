#pragma once
// German speech from the espeak-ng library, synthesised in this process: the
// sample content is made with it, and the list editor speaks the words that
// have no recording with the same voice.
#include "sound/wave.h"

#include <QString>

struct Voice {
    const char* name;   // espeak-ng voice with variant, "de+f3"
    int pitch;          // 0..100, 50 normal
    int range;          // 0..100 pitch range, 50 normal
    int rate;           // words per minute
};

namespace Voices {
extern const Voice kWords;   // words of the lists, letters
extern const Voice kQuick;   // short announcements while typing (under a second)
extern const Voice kNoise;   // animal and vehicle sound words, lively
extern const Voice kChild;   // "Kinderstimme"
extern const Voice kMan;     // "Männerstimme"
extern const Voice kWoman;   // "Frauenstimme"
} // namespace Voices

// What went wrong when the library cannot speak (no library data, no voice,
// silence).
struct SpeechError {
    QString message;
};

// Speaks text (UTF-8; "[[...]]" are espeak-ng phonemes) with the voice and
// returns the sound trimmed, normalised and padded with a little silence.
// Throws SpeechError when the library fails or produces nothing.
Wave Speak(const QString& text, const Voice& voice);
// The same without trimming and padding, for joining parts.
Wave SpeakRaw(const QString& text, const Voice& voice);
// A ready recording from a trimmed one: normalised, faded, padded.
Wave Finished(const Wave& trimmed);

// The pause between article and noun in a list recording ("Hund der.wav"):
// long enough for the exercises to find it and play the noun alone.
constexpr int kArticlePauseMs = 180;
// A list recording from the raw article and noun: article, pause, noun.
Wave ArticleAndNoun(const Wave& article, const Wave& noun);
