#include "app/program_start.h"

#include "app/background_window.h"
#include "app/exercise_start.h"
#include "app/pupil_box.h"
#include "app/program_fonts.h"
#include "app/start_window.h"
#include "data/data_folders.h"
#include "data/program_state.h"
#include "platform/messages.h"

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

bool QuittingWhenShown()
{
    return !qEnvironmentVariableIsEmpty("LIRABO_QUIT_WHEN_SHOWN");
}

// The pupil named on the command line into the box; false (after a note)
// when the registry does not know the name.
bool SelectNamedPupil(StartWindow& window, const QString& name)
{
    if (name.isEmpty() || window.Box()->SelectRegisteredName(name))
        return true;
    ShowNote(QStringLiteral("Der Name \"%1\" ist nicht angemeldet.").arg(name));
    return false;
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

    QObject::connect(&window, &StartWindow::ExerciseChosen, &window,
                     [](ExerciseKind kind) { RunExercise(kind); }, Qt::QueuedConnection);

    int code = 0;
    if (!commandLine.exercise.isEmpty()) {
        // Started for one exercise (a desktop shortcut): it runs, and its end
        // is the program's end.
        window.Begin();
        if (SelectNamedPupil(window, commandLine.pupil)) {
            background.StartTimer();
            RunExercise(ExerciseByName(commandLine.exercise));
        } else {
            code = 2;
        }
    } else {
        QuitWhenShownIfAsked(window);
        window.show();
        background.StartTimer();
        // Until there is a main menu, exercise 1 starts for the pupil at once.
        if (SelectNamedPupil(window, commandLine.pupil) && !QuittingWhenShown())
            Q_EMIT window.ExerciseChosen(ExerciseKind::HoerenUndSchreiben);
        code = app.exec();
    }
    background.hide();
    fonts.RemoveAll();
    return code;
}
