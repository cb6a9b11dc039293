#pragma once
// German speech from the espeak-ng library, synthesised in this process (one
// process for hundreds of recordings keeps the build fast).
#include "wave.h"

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

// Speaks text (UTF-8; "[[...]]" are espeak-ng phonemes) with the voice and
// returns the sound trimmed, normalised and padded with a little silence.
// Throws ContentError when the library fails or produces nothing.
Wave Speak(const QString& text, const Voice& voice);
// The same without trimming and padding, for joining parts.
Wave SpeakRaw(const QString& text, const Voice& voice);
// A ready recording from a trimmed one: normalised, faded, padded.
Wave Finished(const Wave& trimmed);
