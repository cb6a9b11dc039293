#pragma once
// Program options in "vovu.ini" of the program folder: the country ("Land"),
// whether the background is covered ("Taskleiste sichtbar") and whether
// choosing a list starts the exercise ("Bei Datei").
#include <QString>

QString ProgramOptionsFile();

// Sets SwissMode and StartOnListChoice from the file (missing file or key:
// the defaults). CoverBackground is not touched: it stays true from the start
// of the program until the info dialog is first closed.
void ReadProgramOptions();
// "Taskleiste sichtbar" is not 1.
bool CoverBackgroundOption();
// What the info dialog does when it closes: CoverBackground follows the option.
void ApplyCoverBackgroundOption();

// Writes the three options back in the same keys ("Schweiz"/"Deutschland",
// "1" when the background is not to be covered, "1"/"0"); false when the file
// cannot be written.
bool WriteProgramOptions(bool swissMode, bool coverBackground, bool startOnListChoice);
