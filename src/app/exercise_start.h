#pragma once
// Starting an exercise for the current pupil. One table holds every exercise
// of the program: its kind, the names the command line takes, its profile
// section, the last-exercise mark of the menu's info tile and the function
// that makes its window. The menu's tiles and the command line both start
// exercises through it; an exercise without a window maker is not available
// yet (its tile stays visible but disabled).
#include <QChar>
#include <QString>
#include <functional>
#include <memory>

class T_urahnlrb;

enum class ExerciseKind {
    None,
    HoerenUndSchreiben,  // exercise 1
    Lautieruebung,       // exercise 1, sounding the words out
    WelchesWortStimmt,   // exercise 2
    BildZumWort,         // exercise 3
    BildZumTon,          // exercise 4
    BildMemory,          // exercise 5
    SoundMemory,         // exercise 6
    LesenLernen,         // exercise 7
};

// What the starter hands an exercise window besides its kind.
struct ExerciseStartOptions {
    bool uncover = false;   // exercise 2: "Aufdeckmodus"
};

using ExerciseWindowMaker = std::unique_ptr<T_urahnlrb> (*)(const ExerciseStartOptions&);

struct ExerciseStart {
    ExerciseKind kind;
    const char* number;     // command-line name "1", "1l", "2" ...
    const char* word;       // command-line word "hoeren", "lautier" ...
    const char* caption;    // as the help text shows it
    const QString* section; // profile section (data/exercise_settings.h)
    char mark;              // last-exercise mark once the window has closed
    ExerciseWindowMaker make;   // nullptr: not available yet
};

// The row of kind; nullptr for None.
const ExerciseStart* FindExerciseStart(ExerciseKind kind);
bool ExerciseAvailable(ExerciseKind kind);
QString ExerciseSection(ExerciseKind kind);

// The exercise a command-line name stands for (number or word, case does not
// matter); None for any other name.
ExerciseKind ExerciseByName(const QString& name);
// The start options a name asks for: "2a" (or "aufdeck") is exercise 2 in
// uncovering mode; every other name gives the plain start.
ExerciseStartOptions ExerciseOptionsByName(const QString& name);
// The names for the help text, one line each (available exercises only).
QString ExerciseNamesHelp();

// The pupil's certificate data starts afresh with the pupil's first exercise
// of a program run: the profile's ".zgn" and a result summary ".rtf" left
// from before are deleted then, and never again in that run for that pupil.
// The first-start flag (set again by tests) begins a new run.
void PrepareResults();

// PrepareResults, then the exercise window of the current profile, shown
// modally and freed when it closes. Returns the last-exercise mark of the
// exercise, or 0 when nothing was started.
char RunExercise(ExerciseKind kind, const ExerciseStartOptions& options = {});

// Tests run exercises without their windows: the hook takes the place of
// making the window and its modal run (PrepareResults and the mark stay).
// Pass an empty function to restore the windows.
using ExerciseWindowHook = std::function<void(const ExerciseStart&, const ExerciseStartOptions&)>;
void SetExerciseWindowHook(ExerciseWindowHook hook);
