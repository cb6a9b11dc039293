#include "data/idle_check.h"

namespace {
bool running = true;
}

void StopIdleCheck()
{
    running = false;
}

void StartIdleCheck()
{
    running = true;
}

bool IdleCheckRunning()
{
    return running;
}
