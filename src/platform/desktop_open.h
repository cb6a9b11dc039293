#pragma once
// Opening a file with the program the desktop associates with its type (the
// results protocol in the text editor). Tests answer it with a hook instead
// of starting a program.
#include <QString>
#include <functional>

// True when the desktop took the file (a program was started for it).
bool OpenWithDesktop(const QString& path);

// The hook gets the native path and answers as the desktop would. Pass an
// empty function to restore the desktop.
using DesktopOpenHook = std::function<bool(const QString& nativePath)>;
void SetDesktopOpenHook(DesktopOpenHook hook);
