#pragma once
// The word display B101 of the writing exercise: what the typing control holds
// (typed, given, hidden and template letters, the first wrong letter, the
// write position, the part being spelled out) turned into the drawn button's
// caption, per-letter colour codes, hidden and underline marks and marking.
#include "exercises/spiel1/typing_control.h"

#include <QChar>
#include <QString>

class tdrbutton;

struct WordDisplayLook {
    QString caption;    // the letters, a blank behind them for the caret
    QString sample;     // the sizing sample: the display word (font size stays)
    QString colors;     // per-letter colour codes (hex digits)
    QString hidden;     // "g": not drawn
    QString underline;  // "_": a gap of the template
    int cursor = 0;
    int markStart = -1;  // the part spelled out, or -1
    int markCount = 1;
};

// Colour codes: typed and given letters in textColor, letters still to copy
// in grey, the first wrong letter in red (magenta when the text itself is red).
WordDisplayLook LookOfWord(const QVector<DisplayLetter>& letters, const QString& displayWord,
                           QChar textColor, int writePosition, int spellFrom, int spellTo);
// A text shown in place of the word ("bitte Text eingeben", praise): its first
// `shown` letters, without typed-letter colouring.
WordDisplayLook LookOfText(const QString& text, int shown);

// Shows look on the button in text mode with the font.
void ApplyLook(tdrbutton& button, const WordDisplayLook& look, const QString& fontName);
