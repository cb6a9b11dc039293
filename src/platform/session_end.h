#pragma once
// The end of the session from outside the program: SIGTERM, SIGINT and SIGHUP
// (a shutdown, a logout, Ctrl+C in a terminal, a closed terminal) and the
// desktop session manager's request to save. The signal handler only writes
// one byte into a pipe (async-signal-safe); a socket notifier reads it on the
// UI thread, where the program ends like after a click on the end tile. A
// second signal while that runs ends the process at once, with the signal's
// default action.
#include <QMetaObject>

#include <functional>

class QGuiApplication;

// What the first request does; it runs once, on the UI thread.
void SetSessionEndAction(std::function<void()> onEnd);
// Installs the signal handlers. Call once, after the application object exists.
void InstallSessionEndHandlers();
// True from the first request on: windows leave without asking questions.
bool SessionEnding();
// A request from inside the program (the session manager; tests).
void RequestSessionEnd();
// The desktop session manager's request to save (before a logout or a
// shutdown) from now on is such a request.
QMetaObject::Connection EndSessionOnCommitDataRequest(QGuiApplication& app);
// Back to the state before any request (tests).
void ResetSessionEndForTests();
