// Program entry.
#include "app/command_line.h"
#include "app/program_start.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    if (commandLine.help) {
        std::fputs(HelpText().toUtf8().constData(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    return RunProgram(app, commandLine);
}
