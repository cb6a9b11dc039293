#pragma once
// Opening a file with the program the desktop associates with its type (the
// results protocol in the text editor, the manual in the PDF viewer). The
// desktop's opener ("xdg-open") may start but find nothing to open the file
// with; its exit status tells, and the caller's fallback then runs. Tests
// answer it with a hook instead of starting a program.
#include <QString>
#include <functional>

// Starts the desktop's opener for the file. onFailure runs when it cannot be
// started (at once) or ends with an error (later, from the event loop).
// False when it failed at once; onFailure has then run already.
bool OpenWithDesktop(const QString& path, std::function<void()> onFailure = {});

// The hook gets the native path and answers as the desktop would. Pass an
// empty function to restore the desktop.
using DesktopOpenHook = std::function<bool(const QString& nativePath)>;
void SetDesktopOpenHook(DesktopOpenHook hook);
