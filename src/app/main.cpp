// Program entry.
#include "app/command_line.h"
#include "app/program_start.h"
#include "platform/desktop_session.h"
#include "platform/qt_translations.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    const CommandLine commandLine = ParseCommandLine(argc, argv);
    if (!commandLine.error.isEmpty()) {
        std::fputs((commandLine.error + QStringLiteral("\n(lirabo --help zeigt die Optionen.)\n")).toUtf8().constData(),
                   stderr);
        return 2;
    }
    if (commandLine.help) {
        std::fputs(HelpText().toUtf8().constData(), stdout);
        return 0;
    }
    if (!PrepareDesktopSession(QStringLiteral("Lirabo")))
        return 1;
    QApplication app(argc, argv);
    InstallGermanQtTranslations(app);
    return RunProgram(app, commandLine);
}
