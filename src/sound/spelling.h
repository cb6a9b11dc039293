#pragma once
// Spelling out: how a text and a position become the next spoken unit and its
// sound file. Widget-free; the exercise window plays what this chooses
// (framework/spelling_out.h).
//
// Units are single characters, or letter groups such as "sch" and "ei" chosen
// by the teacher in "intern\lautauswahl.txt" (letter sounds only). Letter
// names live in "ABC\w\", letter sounds and groups in "ABC\Lautiert\", each
// as unit + "_.wav".
#include <QString>
#include <QStringList>

enum class SpellKind {
    Groups = 0,        // units with letter groups (with letter sounds)
    Letters = 1,       // single letters, sounds or names by the spelling mode
    Names = 2,         // letter names whatever the mode
    SmallHint = 4,     // "Fun\kleinschreiben.wav"
    CapitalHint = 5,   // "Fun\grossschreiben.wav"
};

// The "Stimme" setting: 3 and above speak letter sounds, below letter names.
inline bool SpeaksLetterSounds(int stimme) { return stimme >= 3; }

// The chosen letter groups, lower case, one per line of "intern\lautauswahl.txt";
// none when the file is missing. Read at every step so a change applies at once.
QStringList ReadLetterGroups();
QString LetterGroupFile();

// Length of the longest group (at least 2 characters) that starts at position,
// compared ignoring case; 0 when none does.
int GroupLengthAt(const QString& text, int position, const QStringList& groups);

struct SpellUnit {
    bool valid = false;   // false when position is outside the text
    QString unit;         // the characters spoken ("s" for a final-s "st")
    QString file;         // program-relative sound file (after the fall-back look-up)
    int next = 0;         // spelling position after this unit
    bool pause = false;   // the unit is a blank: a pause, no sound
};

// The unit at position and its sound file. letterSounds is the spelling mode
// (SpeaksLetterSounds); groups are used for kind Groups with letter sounds only.
SpellUnit ChooseSpellUnit(const QString& text, int position, SpellKind kind, bool letterSounds,
                          const QStringList& groups);

// Number of characters of the unit at position by the rules of kind Groups:
// the group length, 1 for "st"/"sp" inside a word, 1 without a group, with
// letter names, or outside the text.
int UnitLength(const QString& text, int position, bool letterSounds, const QStringList& groups);

// The sound file of a hint kind (SmallHint, CapitalHint), else empty.
QString HintSoundFile(SpellKind kind);
