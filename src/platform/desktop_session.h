#pragma once
// What a windowed program needs from the desktop session before Qt starts:
// a display to show its windows on, a UTF-8 locale (file names of the content
// hold umlauts) and a private runtime folder (without one Qt prints a warning
// at every start).
#include <QString>

// Sets XDG_RUNTIME_DIR to a private folder of this account ("lirabo-runtime-
// <uid>" in the temporary folder, mode 0700) when it is unset.
void EnsureRuntimeFolder();

// Switches to the locale "C.UTF-8" when the session's locale is not UTF-8
// (the C locale of a minimal system), before Qt would do so with a warning.
void EnsureUtf8Locale();

// Empty when a window can be shown: a platform was chosen (QT_QPA_PLATFORM)
// or the session has an X or Wayland display. Otherwise one line, German and
// English, that says the program needs a desktop session.
QString MissingDisplayMessage(const QString& programName);

// All three steps for a program's main(): false (after printing the line to
// standard error) when there is no display.
bool PrepareDesktopSession(const QString& programName);
