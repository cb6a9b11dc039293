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

void Tprog4::OnShown()
{
    // Both boxes share one rule; the list window's own handler still keeps
    // "Sprache" and "Geräusch" in its state.
    connect(SpeechBox(), &QCheckBox::toggled, this, &Tprog4::TieSoundBoxes, Qt::UniqueConnection);
    connect(NoiseBox(), &QCheckBox::toggled, this, &Tprog4::TieSoundBoxes, Qt::UniqueConnection);
    Tprog3::OnShown();
}

void Tprog4::TieSoundBoxes()
{
    const bool speech = TiedSpeechBox(SpeechBox()->isChecked(), NoiseBox()->isChecked());
    if (speech != SpeechBox()->isChecked())
        SpeechBox()->setChecked(speech);
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
    if (taskSolved_) {
        RunPending();
        return;
    }
    spelling_ = false;
    StopAll();
    RunSettingsDialog();
    LoadSettings(Section());
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
