#pragma once
// Starting an exercise for the current pupil: the exercises the program has,
// by the names the command line uses, and one exercise window run until it
// closes.
#include <QString>

enum class ExerciseKind {
    None,
    HoerenUndSchreiben,  // exercise 1
    Lautieruebung,       // exercise 1, sounding the words out
};

// The exercise a command-line name stands for ("1" or "hoeren", "1l" or
// "lautier"; case does not matter); None for any other name.
ExerciseKind ExerciseByName(const QString& name);
// The names for the help text, one line each.
QString ExerciseNamesHelp();

// The pupil's certificate data starts afresh with the first exercise of a
// program run: the profile's ".zgn" is deleted then (and the first-start
// flag cleared), and a result summary ".rtf" left from before goes as long as
// no ".zgn" has been written.
void PrepareResults();
// PrepareResults, then the exercise window of the current profile, shown
// modally and freed when it closes.
void RunExercise(ExerciseKind kind);
