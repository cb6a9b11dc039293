#pragma once
// Ending the program when the session ends (platform/session_end.h): the same
// as a click on the end tile. Every window that waits for an answer (message
// box, settings dialog) is closed, then the open exercise window, which
// records its answers and list position as it closes; then the main loop
// ends. Steps run every 50 ms until nothing is left, so a window that opens
// meanwhile (an exercise that was just starting) is closed as well.
class QObject;

// quitMainLoop: end QApplication::exec() once no window is left (false when
// the program runs one exercise without a main loop).
void EndProgramFromOutside(bool quitMainLoop);
