#pragma once
// What all exercise windows of one program run share: whether one is open,
// the tick pause, the tick counters and the turn of the waiting texts.
// Only the user-interface thread touches it.

struct ExerciseShared {
    bool windowOpen = false;   // an exercise window is shown
    bool ticksPaused = false;  // ticks are not counted (and commands not filtered through)
    int tickCount = 0;         // ticks counted since the program start
    int loadingText = 0;       // index of the next waiting text (0..6)
};

ExerciseShared& SharedExerciseState();
