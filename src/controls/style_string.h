#pragma once
// The ten-character style code of a drawn button. Position 0 first; a blank
// means "not set":
//   0    face background: hex digit = colour n of the colour table, other
//        character = window colour, blank = transparent face
//   1    mirroring: metafiles take a hex value (0 left-right, 1 top-bottom,
//        2 or more both); texts take "0", "1", "2" with the same meanings
//   2-4  size in percent of the cell, up to three digits ended by a blank;
//        unreadable = 100, below 1 = 1
//   5    any character: metafiles are stretched, else proportions are kept
//   6    alignment 0-8 on a 3 x 3 grid (column = value / 3, row = value % 3);
//        anything else = 4 (centred)
//   7    letter effect: "1" raised, "2" engraved, "x" bold, else plain
//   8    text colour: hex digit = colour n, else the program's text colour
//   9    read but not used
// A code whose length is not 10 counts as ten blanks.
#include <QString>

enum class LetterEffect { Plain, Raised, Engraved, Bold };

struct StyleString {
    static constexpr int kLength = 10;

    QString text = QString(kLength, u' ');
    bool opaque = false;
    int background = -1;      // colour index 0-15, or -1 for the window colour
    int pictureMirror = -1;   // -1 none, else the hex value
    int textMirror = -1;      // -1 none, 0, 1 or 2
    int percent = 100;
    bool stretch = false;
    int alignment = 4;
    LetterEffect effect = LetterEffect::Plain;
    int textColor = -1;       // colour index 0-15, or -1 for the program text colour
    QChar last = u' ';

    static StyleString Parse(const QString& code);
    double Scale() const { return percent / 100.0; }
};

// 0-15 for a hexadecimal digit (either case), else -1.
int HexDigitValue(QChar c);
