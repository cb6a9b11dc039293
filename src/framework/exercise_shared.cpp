#include "framework/exercise_shared.h"

ExerciseShared& SharedExerciseState()
{
    static ExerciseShared shared;
    return shared;
}
