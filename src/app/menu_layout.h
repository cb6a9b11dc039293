#pragma once
// Where the controls of the main menu lie. The window was designed at
// 885 x 698 client pixels; every rectangle is its design rectangle scaled to
// the client size, and the fonts grow with the smaller of the two scales.
#include "app/menu_rows.h"

#include <QRect>
#include <QSize>
#include <array>

struct MenuRowLayout {
    QRect row;             // the whole row, its separator line at the bottom
    QRect tile;
    QRect choices[2];      // label or first radio button; second radio button
    QRect check;           // row 2's check box
    QRect options, file;   // "Optionen", "Datei"
};

struct MenuLayout {
    static constexpr int kDesignWidth = 885;
    static constexpr int kDesignHeight = 698;
    static constexpr int kExerciseFontPx = 23;   // "Arial" beside the tiles
    static constexpr int kButtonFontPx = 17;     // "MS Sans Serif" of the buttons

    std::array<MenuRowLayout, kMenuRowCount> rows;
    QRect panel;           // the framed grey panel on the right
    QRect greeting, infoTile, editor, manual, nameLabel, pupilBox, help, protocol, certificate, exitTile;
    double fontScale = 1;

    int ExerciseFontPx() const;
    int ButtonFontPx() const;
};

MenuLayout LayoutMenu(QSize client);

// The window's client size on a screen of this available size: the design
// size scaled to fill most of the screen, keeping its proportions.
QSize MenuClientSize(QSize available);
