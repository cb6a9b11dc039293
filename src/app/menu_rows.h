#pragma once
// The rows of the main menu, without widgets: per row the tile (number, name,
// style, picture), the choices beside it and the exercise each choice starts;
// and the looks of the info tile and the exit tile. The menu window builds
// itself from this table and tests read it.
#include "app/exercise_start.h"

#include <QString>
#include <array>

struct MenuChoice {
    const char* name;      // control name ("B60"); for a plain label "L_" + tile
    const char* caption;   // text beside the tile
    ExerciseKind kind;
    bool checkedAtStart;
};

struct MenuRow {
    int tile;              // tile number 100..105
    const char* tileName;  // "b100"
    const char* style;
    const char* picture;   // relative to the program folder
    // One choice: a label that starts the exercise like the tile; two: radio
    // buttons choosing the variant.
    int choiceCount;
    MenuChoice choices[2];
    // Row 2's "Aufdeckmodus": a check box handed to the exercise.
    const char* checkName;
    const char* checkCaption;
};

inline constexpr int kMenuRowCount = 6;
const std::array<MenuRow, kMenuRowCount>& MenuRows();

// The exercise of a row for its choice (the index of the checked radio
// button; 0 for rows with a label).
ExerciseKind MenuRowExercise(int row, int choice);

// The info tile b112 and the exit tile b113.
inline constexpr int kInfoTile = 112;
inline constexpr int kExitTile = 113;
inline const QString kInfoTilePicture = QStringLiteral("fun\\KV3_1.wmf");
inline const QString kInfoTilePressedPicture = QStringLiteral("fun\\KV3.wmf");
inline const QString kExitTilePicture = QStringLiteral("fun\\Ende.wmf");
inline const QString kExitTilePressedPicture = QStringLiteral("fun\\endep.wmf");
inline const QString kExitTileStyle = QStringLiteral("0 85 xx 10");
// "0 98 xx 10" with the last-exercise mark as its first character.
QString InfoTileStyle(char lastExerciseMark);
