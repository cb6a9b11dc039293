// Tprog3: the settings button and the ending with the results files.
#include "exercises/spiel3/tprog3.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "dialogs/teinstellungen3.h"
#include "framework/shuffle.h"

#include <QCheckBox>

#include <algorithm>

void Tprog3::RunSettingsDialog()
{
    Teinstellungen3 dialog(this);
    dialog.Open(CurrentList(), Section());
}

void Tprog3::OptionsPressed()
{
    if (GoOnFromSolvedTask())
        return;
    StopAll();
    T_urahnlrb1::OptionsPressed();
    TakeNewSettings();
    RepeatTask();
}

void Tprog3::TakeNewSettings()
{
    const int shuffledBefore = ExerciseSettings().wuerfeln;
    // The dialog loads the section and keeps what the teacher changed, also
    // the changes that act at once and stay after "Abbruch".
    RunSettingsDialog();
    ApplySoundBoxes();
    if (ExerciseSettings().wuerfeln == 1 && shuffledBefore != 1 && CurrentList())
        Shuffle(*CurrentList());
    if (tdrbutton* w = Field(kWordField))
        w->DropFace();
    MakeLayout();
    MakeCandidates();
    update();
}

void Tprog3::RepeatTask()
{
    // The task again with the new settings.
    position = std::max(0, position - 1);
    SetPending(kNext);
    PostPending();
}

void Tprog3::ApplySoundBoxes()
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    ResetNumbers(s.mitSound > 1, NoiseBox()->isChecked());
    SpeechBox()->setEnabled(s.mitSound > 0);
    NoiseBox()->setEnabled(s.mitSound > 0);
}

bool Tprog3::LeaveWindow()
{
    if (!T_urahnlrb1::LeaveWindow()) {
        // The question stopped every sound: spelling out does not go on, so
        // its flag and letter mark go too.
        StopAll();
        return false;
    }
    StopAll();
    WriteResults(ResultsMoment::Closing);
    return true;
}
