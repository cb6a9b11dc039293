#pragma once
// Praise and hints: the tables "intern\motiv.txt" and "intern\hinweis.txt"
// (one row per praise or hint: sound files for the three voices in fields 0
// to 2, texts in fields 3 to 5), the random choice of a row and its sound and
// text. The voice is Stimme modulo 3. Exercise windows hold the two tables
// and call these; they discard pending key input after a pick themselves.
#include "data/word_list.h"

#include <memory>

class ButtonSoundPlayer;

inline const QString kPraiseTable = QStringLiteral("intern\\motiv.txt");
inline const QString kHintTable = QStringLiteral("intern\\hinweis.txt");

// Loads a table (a program table, not an exercise list), in Swiss spelling
// when that option is on; a missing file gives an empty table.
std::unique_ptr<tmoiel> LoadFeedbackTable(const QString& file);

// A random praise in lowest .. highest - 1 (highest < 0 or beyond the table:
// its count; below lowest: lowest), 0 for an empty table. With Mit_ton 1 the
// help button is marked as playing, a button sound still playing gets up to
// twice 600 ms to end, and unless SoundnachEingabe is 1 the praise's sound for
// the voice is played on the help button.
int PickMotivation(const tmoiel* praise, int lowest, int highest, int voice, ButtonSoundPlayer* helpButton);
// The same for a hint, whose sound plays with Mit_ton 1 without waiting and
// whatever SoundnachEingabe says.
int PickHint(const tmoiel* hints, int lowest, int highest, int voice, ButtonSoundPlayer* helpButton);

// Field 3 + voice modulo 3 of row index; empty when there is no such row.
QString MotivationText(const tmoiel* praise, int index, int voice);
QString HintText(const tmoiel* hints, int index, int voice);
