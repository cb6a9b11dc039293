#pragma once
// The program's run: the start steps in their order, the windows, the message
// loop and the end.
#include "app/command_line.h"
#include "app/program_fonts.h"

#include <memory>

class QApplication;
class TFenster;
class TF_hinten;

// The command line the program was started with.
const CommandLine& StartCommandLine();

// Folder of the executable, with a trailing separator.
QString ExecutableFolder();

// One run of the program, step by step; RunProgram does all of them. Tests
// run the same steps on a program folder of their own.
class ProgramRun {
public:
    explicit ProgramRun(const CommandLine& commandLine);
    // Removes the fonts added for the run.
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // The creation of the main window, in this order: program folder and
    // data folders (tidied: TidyDataRoot), the fonts of "TTF" and the face-name mapping, the random
    // numbers, the feedback sound lists, the button colour table
    // "intern\colors.txt"; then the window is created and centred on the
    // monitor of the mouse pointer.
    void Create(const QString& programFolder);
    // Shows the main window (which reads the registry and the program
    // options) or starts the exercise named on the command line, and runs
    // until the program ends; returns the exit code.
    int Exec(QApplication& app);

    TFenster& Window() { return *window_; }
    const ProgramFonts& Fonts() const { return fonts_; }

private:
    CommandLine commandLine_;
    ProgramFonts fonts_;
    std::unique_ptr<TFenster> window_;
    std::unique_ptr<TF_hinten> background_;
};

// Runs the program until its main window closes; returns the exit code.
int RunProgram(QApplication& app, const CommandLine& commandLine);
