#pragma once
// The simple sound player: feedback sounds and previews that need no button.
// A new sound cuts off the one before; a missing or unplayable file plays
// nothing. It sounds beside a button's sound.
#include <QString>

enum class SimpleSoundMode {
    Async, // return at once
    Sync   // return when the sound has ended
};

// Plays a WAV file (a program path); true when it started.
bool PlaySimpleSound(const QString& path, SimpleSoundMode mode = SimpleSoundMode::Async);
void StopSimpleSound();
bool IsSimpleSoundPlaying();
