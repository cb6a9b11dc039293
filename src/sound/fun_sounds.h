#pragma once
// Feedback sounds: the fixed sounds of the folder "fun" ("gewonnen",
// "verloren", "holz", "zeilenende", "#" + character code) and the random
// praise and error sounds of "fun\positiv" and "fun\negativ". They play on
// the simple-sound channel, each cutting off the one before.
#include "data/word_list.h"

#include <memory>

class ButtonSoundPlayer;

// The program-wide list "Funsounds": entry i holds the i-th praise sound in
// field 3 ("POSITIV\..." in upper case) and the i-th error sound in field 4;
// an entry may have only one of them.
struct FunSoundList {
    std::unique_ptr<tmoiel> list;
    int praiseCount = 0; // entries with a praise sound
    int errorCount = 0;  // entries with an error sound
};
FunSoundList& FunSounds();

// Builds FunSounds() from the folders (in name order); missing folders give
// empty counts.
void LoadFunSounds();

// Plays "fun\" + name (".wav" added when the name holds no ".") unless the
// setting is 0 or the name is empty; the help button, when given, is marked
// as playing first. True when the sound started (a missing file plays nothing).
bool PlayFunSound(int setting, const QString& name, ButtonSoundPlayer* helpButton = nullptr);

// A random praise sound (kept in ExerciseSettings().beam; played with
// Positivsound after waiting 500 ms for a button sound that still plays) or
// error sound (kept in .ratter; played with Funsound). Nothing when there is
// no such sound or the setting is negative.
enum class Feedback { Praise, Error };
void PlayRandomFunSound(Feedback kind, ButtonSoundPlayer* helpButton = nullptr);
