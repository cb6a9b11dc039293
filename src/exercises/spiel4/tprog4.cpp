#include "exercises/spiel4/tprog4.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "dialogs/help_files.h"
#include "dialogs/teinstellungen4.h"
#include "exercises/spiel4/tied_sound_boxes.h"
#include "framework/shuffle.h"

#include <QCheckBox>

#include <algorithm>

Tprog4::Tprog4(QWidget* parent) : Tprog3(Section::kBildZumTon, parent)
{
    setObjectName(QStringLiteral("prog4"));
}

void Tprog4::SoundBoxesChanged()
{
    const bool speech = TiedSpeechBox(SpeechBox()->isChecked(), NoiseBox()->isChecked());
    if (speech != SpeechBox()->isChecked())
        SpeechBox()->setChecked(speech);   // comes back here once
    RereadSoundBoxes();
}

QString Tprog4::HelpPage() const
{
    return kHelpPageExercise4;
}

void Tprog4::RunSettingsDialog()
{
    Teinstellungen4 dialog(this);
    dialog.Open(CurrentList(), Section());
}

void Tprog4::OptionsPressed()
{
    if (GoOnFromSolvedTask())
        return;
    spelling_ = false;
    StopAll();
    RunSettingsDialog();   // keeps the changes made at once, as in exercise 3
    ApplySoundBoxes();
    if (ExerciseSettings().wuerfeln == 1 && CurrentList())
        Shuffle(*CurrentList());
    if (ExerciseSettings().mitSound < 3)
        SetWordFieldText(QString());
    MakeLayout();
    MakeCandidates();
    position = std::max(0, position - 1);
    SetPending(kNext);
    PostPending();
}
