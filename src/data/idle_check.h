#pragma once
// The background window is kept covering or uncovered while the program is
// idle. An exercise window stops this check while it is shown and starts it
// again when it closes.
void StopIdleCheck();
void StartIdleCheck();
bool IdleCheckRunning();
