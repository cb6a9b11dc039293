#pragma once
// The program's colour table for drawn buttons: the window colour, the program
// text colour and 32 colours (0-15 and a copy of them in 16-31, which letters
// and texts use). Colours are 0x00BBGGRR numbers (platform/color_text.h).
#include <QColor>
#include <QString>
#include <array>

class tproginfo {
public:
    tproginfo();

    quint32 windowColor = 0;   // background of opaque faces without a colour digit
    quint32 textColor = 255;   // program text colour (red)
    std::array<quint32, 32> colors{};

    // Restores the default palette, then reads "intern\colors.txt" below the
    // program folder: its line n (n = 1..15, not 7) gives colour n; unreadable
    // lines keep the default. Then 0-15 are copied to 16-31.
    void LoadColors();
    void ResetColors();

    QColor Color(int index) const;   // index 0..31; others give black
    QColor Window() const;
    QColor Text() const;

    static const std::array<quint32, 16>& DefaultPalette();
};

// The one colour table of the program.
tproginfo& ProgInfo();
