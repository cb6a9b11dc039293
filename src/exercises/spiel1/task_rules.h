#pragma once
// Rules of the task cycle of the writing exercise that need no window: what
// "Mit Sound" means for picture and sound, whether the spoken article counts
// (the recordings themselves: sound/spoken_word.h), stepping through the list, how much of
// the word the spell-out button spells, and the blinking of a right answer.
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

#include "sound/spoken_word.h"

struct TypingSettings;

// "Mit Sound": 2, 3 and 8 play the word at once.
bool SoundAtOnce(int mitSound);
// Above 2 the picture is hidden ("hören - schreiben" instead); 8 and 9 show
// it after a right answer.
bool PictureHidden(int mitSound);
bool PictureAfterAnswer(int mitSound);

// Whether the spoken article belongs to the task.
bool ArticleCounts(const TypingSettings& settings, bool noiseFlag);

// Stepping: the previous entry stays at 0; the next one after the last is the
// first again ("Liste beginnt von vorne"); after a shown solution the same
// entry comes again.
struct Step {
    int position = 0;
    bool restarted = false;
};
Step PreviousEntry(int position);
Step NextEntry(int position, int count, bool solutionShown);

// What the spell-out button spells by "Buchstabieren": the part [from, to).
struct SpellRange {
    int from = 0;
    int to = 0;
};
SpellRange SpellRangeFor(int buchstabieren, int wordPartStart, int writePosition, int length);

// The blinking word after a right answer: the letter effect of each frame
// ("1" raised, "2" engraved, " " plain) and how long it stays.
struct BlinkFrame {
    QChar effect;
    int ms = 0;
};
QVector<BlinkFrame> RightAnswerBlink();
