#include "app/program_start.h"

#include "app/background_window.h"
#include "app/program_fonts.h"
#include "app/start_window.h"
#include "data/data_folders.h"
#include "data/program_state.h"

#include <QApplication>
#include <QDateTime>
#include <cstdio>
#include <cstdlib>

namespace {

CommandLine& Stored()
{
    static CommandLine cl;
    return cl;
}

// With LIRABO_QUIT_WHEN_SHOWN set the program prints "shown" when its first
// window has been painted and ends: the start-up benchmark measures this.
void QuitWhenShownIfAsked(StartWindow& window)
{
    if (qEnvironmentVariableIsEmpty("LIRABO_QUIT_WHEN_SHOWN"))
        return;
    QObject::connect(&window, &StartWindow::FirstShown, &window, [] {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
    }, Qt::QueuedConnection);
}

} // namespace

const CommandLine& StartCommandLine()
{
    return Stored();
}

QString ExecutableFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

int RunProgram(QApplication& app, const CommandLine& commandLine)
{
    Stored() = commandLine;
    QApplication::setApplicationName(QStringLiteral("Lirabo"));

    // Creation of the main window: folders, fonts, random numbers, position.
    SetUpDataFolders(ExecutableFolder());
    ProgramFonts fonts;
    fonts.Install(ProgramFolder() + QStringLiteral("TTF/"));
    ProgramFonts::InsertSubstitutions();
    std::srand(unsigned(QDateTime::currentMSecsSinceEpoch()));
    StartWindow window;
    window.CenterOnMouseMonitor();

    TF_hinten background;
    background.SetFrontWindow(&window);

    QuitWhenShownIfAsked(window);
    window.show();
    background.StartTimer();
    const int code = app.exec();
    background.hide();
    fonts.RemoveAll();
    return code;
}
