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
    const ExerciseSettingsRecord before = ExerciseSettings();
    Teinstellungen2 dialog(this);
    dialog.SetUncoverMode(uncover_);
    dialog.Open(CurrentList(), Section());
    // What the profile holds now, whether the dialog stored or not.
    LoadSettings(Section());
    if (uncover_)
        ExerciseSettings().mitSound = 0;
    ApplyNewSettings(before.mitSound, before.puzzelanzahl, before.aufdeckenmanuell);
}

void Tprog2::ApplyNewSettings(int oldMitSound, int oldPieces, int oldManual)
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
    // The same task again, with the new settings.
    sameTaskAgain_ = true;
    SetPending(kNext);
    PostPending();
}
