#include "exercises/spiel2/praise_turn.h"

RightFeedback NextRightFeedback(int& motivationCount, int motivation, int motzahl, int praiseCount)
{
    if (motivation != 0 || praiseCount < 2)
        return RightFeedback::None;
    ++motivationCount;
    if (motivationCount < motzahl)
        return RightFeedback::Richtig;
    motivationCount = 0;
    return RightFeedback::Praise;
}
