#pragma once
// The program's run: the start steps in their order, the windows, the message
// loop and the end.
#include "app/command_line.h"

class QApplication;

// The command line the program was started with.
const CommandLine& StartCommandLine();

// Folder of the executable, with a trailing separator.
QString ExecutableFolder();

// Runs the program until its main window closes; returns the exit code.
int RunProgram(QApplication& app, const CommandLine& commandLine);
