#pragma once
// What all exercise windows of one program run share: whether one is open,
// the tick pause, the tick counters and the turn of the waiting texts.
// Only the user-interface thread touches it.

struct ExerciseShared {
    bool windowOpen = false;   // an exercise window is shown
    bool ticksPaused = false;  // ticks are not counted (and commands not filtered through)
    int tickCount = 0;         // ticks counted since the program start
    int loadingText = 0;       // index of the next waiting text (0..6)
    // The settings summary is due in the next protocol block written on a
    // change of list (exercise 1 sets it when its window opens and after its
    // settings dialog).
    bool summaryDue = false;
};

ExerciseShared& SharedExerciseState();
