// Tprog2: the settings dialog and the ending with protocol, certificate data
// or the result summary.
#include "exercises/spiel2/tprog2.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/program_state.h"
#include "dialogs/teinstellungen2.h"
#include "framework/certificate_data.h"
#include "framework/error_list.h"
#include "framework/result_summary.h"
#include "framework/results_files.h"
#include "framework/results_protocol.h"
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
    RecordAnswers();
    return true;
}

void Tprog2::RecordAnswers()
{
    AnswerLists& answers = ProtocolAnswers();
    if (CurrentList())
        CollectAnswers(*CurrentList(), errorList, answers);
    const ResultsContext context = CurrentResultsContext(ListFile());
    WriteProtocol(Section(), QString(), answers, context);
    if (uncover_) {
        if (board_.SolvedCount() > 0)
            WriteResultSummary(Section() + kUncoverSuffix, board_.TotalPoints(), board_.SolvedCount(), context);
    } else {
        WriteCertificateData(Section(), answers, context);
    }
    SaveErrorList(errorList.get(), CurrentProfilePath());
    answers.Clear();
    ResultsHeaderFlag() = true;
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
    picture_->ReleasePicture();
    picture_->DropFace();
    lastPicture_.clear();
    // The same task again, with the new settings.
    sameTaskAgain_ = true;
    SetPending(kNext);
    PostPending();
}
