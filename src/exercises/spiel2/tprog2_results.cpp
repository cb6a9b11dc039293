// Tprog2: the settings dialog and the ending with protocol, certificate data
// or the result summary.
#include "exercises/spiel2/tprog2.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "dialogs/teinstellungen2.h"
#include "framework/result_summary.h"
#include "framework/results_files.h"
#include "framework/shuffle.h"
#include "framework/spelling_out.h"

#include <QCheckBox>

namespace {
const QString kUncoverSuffix = QStringLiteral("  -  AUFDECKMODUS");
}

bool Tprog2::LeaveWindow()
{
    if (!T_urahnlrb1::LeaveWindow())
        return false;
    WriteResults(ResultsMoment::Closing);
    return true;
}

void Tprog2::WriteFurtherResults(ResultsMoment moment, const AnswerLists& answers, const ResultsContext& context)
{
    if (!uncover_) {
        T_urahnlrb1::WriteFurtherResults(moment, answers, context);
        return;
    }
    if (moment == ResultsMoment::Closing && board_.SolvedCount() > 0)
        WriteResultSummary(Section() + kUncoverSuffix, board_.TotalPoints(), board_.SolvedCount(), context);
}

void Tprog2::TearDown()
{
    StopUncoverTimer();
    full_ = QImage();
    shown_ = QImage();
    T_urahnlrb1::TearDown();
}

void Tprog2::OptionsPressed()
{
    T_urahnlrb1::OptionsPressed();
    spelling_ = false;
    chain_.Stop();
    if (PendingCommand() != 0 && !taskSolved_) {
        PostPending();
        return;
    }
    // A solved task is not set up again (it could be solved and scored a
    // second time): after the dialog the next task comes, as it would have.
    const bool solved = taskSolved_;
    const ExerciseSettingsRecord before = ExerciseSettings();
    Teinstellungen2 dialog(this);
    dialog.SetUncoverMode(uncover_);
    // The dialog loads the section and keeps what the teacher changed, also
    // the changes that act at once and stay after "Abbruch".
    dialog.Open(CurrentList(), Section());
    if (uncover_)
        ExerciseSettings().mitSound = 0;
    ApplyNewSettings(before.mitSound, before.puzzelanzahl, before.aufdeckenmanuell, !solved);
}

void Tprog2::ApplyNewSettings(int oldMitSound, int oldPieces, int oldManual, bool sameTask)
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    if (s.wuerfeln == 1 && CurrentList())
        Shuffle(*CurrentList());
    if (s.mitSound != oldMitSound)
        ResetNumbers(s.mitSound > 1, NoiseBox()->isChecked());
    if (uncover_ && (s.puzzelanzahl != oldPieces || s.aufdeckenmanuell != oldManual))
        pieces_.clear();
    LayoutCentre(CentreRect());
    picture_->DropFace();
    lastPicture_.clear();
    // The same task again (or the next one), with the new settings.
    sameTaskAgain_ = sameTask;
    SetPending(kNext);
    PostPending();
}
