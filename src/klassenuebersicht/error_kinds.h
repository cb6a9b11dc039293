#pragma once
// The kinds of spelling mistakes in a typed attempt. The attempt is aligned
// with the word letter by letter (an edit script of matches, wrong letters,
// missing letters, extra letters and swapped neighbours, the cheapest one
// found with costs that favour the mistakes children make), and each step that
// is not a match is named by the rules of German spelling it breaks.
#include <QList>
#include <QString>

enum class ErrorKind {
    FinalHardening,   // d/t, b/p, g/k at the end ("Hunt")
    DoubledConsonant, // a doubled consonant missing or added ("Schif", "Hunnd")
    LongVowel,        // "ie", the lengthening h, doubled vowels ("Libe", "Ku", "Bot")
    CkK,              // "ck" and "k" ("Jake", "Jakke")
    TzZ,              // "tz" and "z" ("Kaze", "Katse")
    SharpS,           // "ß", "ss" and "s" ("Strase", "Strasse")
    Capital,          // capital letters of nouns ("schiff", "Laufen")
    Umlaut,           // ä/a, ö/o, ü/u, "ae" for "ä" ("Bar", "Baer")
    MissingLetter,    // a letter left out ("Hnd")
    ExtraLetter,      // a letter too many ("Hundt")
    Swapped,          // two neighbours swapped ("Hnud")
    MirrorLetters,    // b, d, p, q confused ("Hunb", "Dett")
    OtherLetter,      // any other wrong letter
};
constexpr int kErrorKindCount = int(ErrorKind::OtherLetter) + 1;

// The German name a teacher reads ("Auslautverhärtung", ...).
QString ErrorKindName(ErrorKind kind);

// The kinds of the mistakes in attempt, one entry per mistake, in word order;
// empty when the attempt is the word. Blanks at either end are ignored. An
// attempt ending in kAttemptCutShort (history_row.h) was broken off by the
// exercise at a refused key: it is judged against the start of the word that
// fits it best ("Kaz…" for "Katze": "tz or z"), the rest of the word not.
QList<ErrorKind> ErrorKindsOf(const QString& word, const QString& attempt);
