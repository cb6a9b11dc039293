#include "app/program_start.h"

#include "app/background_window.h"
#include "app/exercise_start.h"
#include "app/program_end.h"
#include "app/program_folder.h"
#include "app/pupil_box.h"
#include "app/screen_complete.h"
#include "app/program_fonts.h"
#include "app/tfenster.h"
#include "controls/tproginfo.h"
#include "data/data_folders.h"
#include "data/program_state.h"
#include "data/pupil_files.h"
#include "data/pupil_write_guard.h"
#include "framework/exercise_window.h"
#include "dialogs/help_files.h"
#include "platform/messages.h"
#include "platform/session_end.h"
#include "sound/fun_sounds.h"

#include <QApplication>
#include <QDateTime>
#include <cstdlib>

namespace {

CommandLine& Stored()
{
    static CommandLine cl;
    return cl;
}

// The pupil named on the command line into the box; false (after a note)
// when the registry does not know the name.
bool SelectNamedPupil(TFenster& window, const QString& name)
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

ProgramRun::ProgramRun(const CommandLine& commandLine) : commandLine_(commandLine)
{
    Stored() = commandLine;
}

ProgramRun::~ProgramRun()
{
    if (background_)
        background_->hide();
    background_.reset();
    window_.reset();
    fonts_.RemoveAll();
}

void ProgramRun::Create(const QString& programFolder)
{
    QApplication::setApplicationName(QStringLiteral("Lirabo"));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.lirabo.Lirabo"));
    SetUpDataFolders(programFolder);
    InstallPupilWriteGuard();
    TidyDataRoot();
    // "/debug": where the help files were looked for, for the teacher.
    if (commandLine_.debug)
        WriteHelpDiagnosis();
    fonts_.Install(ProgramFolder() + QStringLiteral("TTF/"));
    ProgramFonts::InsertSubstitutions();
    std::srand(unsigned(QDateTime::currentMSecsSinceEpoch()));
    LoadFunSounds();
    ProgInfo().LoadColors();
    window_ = std::make_unique<TFenster>();
    window_->CenterOnMouseMonitor();
    background_ = std::make_unique<TF_hinten>();
    background_->SetFrontWindow(window_.get());
}

int ProgramRun::Exec(QApplication& app)
{
    TFenster& window = *window_;
    int code = 0;
    if (!commandLine_.exercise.isEmpty()) {
        // Started for one exercise (a desktop shortcut): it runs, and its end
        // is the program's end.
        window.Begin();
        ScreenComplete::InstallIfAsked([] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* exercise = qobject_cast<T_urahnlrb*>(w); exercise && exercise->ShowStepsDone())
                    return true;
            return false;
        });
        if (SelectNamedPupil(window, commandLine_.pupil)) {
            background_->StartTimer();
            RunExercise(ExerciseByName(commandLine_.exercise), ExerciseOptionsByName(commandLine_.exercise));
        } else {
            code = 2;
        }
    } else {
        ScreenComplete::InstallIfAsked([&window] { return window.FullyDrawn(); });
        window.show();
        // The background shows with the menu, not after the check's first
        // interval.
        background_->CheckNow();
        background_->StartTimer();
        // A pupil named on the command line is chosen in the menu's box.
        SelectNamedPupil(window, commandLine_.pupil);
        code = app.exec();
    }
    background_->hide();
    return code;
}

int RunProgram(QApplication& app, const CommandLine& commandLine)
{
    ProgramRun run(commandLine);
    // A signal or the session's end from now on ends the program like the end
    // tile (only a program with a main loop has one to quit).
    const bool mainLoop = commandLine.exercise.isEmpty();
    SetSessionEndAction([mainLoop] { EndProgramFromOutside(mainLoop); });
    InstallSessionEndHandlers();
    EndSessionOnCommitDataRequest(app);
    run.Create(ProgramFolderOfExecutable());
    return run.Exec(app);
}
