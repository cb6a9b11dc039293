// What the controls of the main menu do.
#include "app/tfenster.h"

#include "app/list_editor_start.h"
#include "app/protocol_view.h"
#include "app/pupil_box.h"
#include "app/tinfodialog.h"
#include "app/tpzeugnis.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "dialogs/help_pages.h"
#include "dialogs/teinstellungen2.h"
#include "dialogs/teinstellungen3.h"
#include "dialogs/teinstellungen4.h"
#include "dialogs/teinstellungen5.h"
#include "dialogs/teinstellungen6.h"
#include "dialogs/teinstellungen7.h"
#include "dialogs/teinstellungen_1.h"
#include "framework/list_files.h"
#include "platform/ini_file.h"

#include <QCheckBox>

namespace {

// The settings dialog of an exercise.
std::unique_ptr<Teinstellungen1> MakeSettingsDialog(ExerciseKind kind, QWidget* parent)
{
    switch (kind) {
    case ExerciseKind::HoerenUndSchreiben:
    case ExerciseKind::Lautieruebung: return std::make_unique<Teinstellungen_1>(parent);
    case ExerciseKind::WelchesWortStimmt: return std::make_unique<Teinstellungen2>(parent);
    case ExerciseKind::BildZumWort: return std::make_unique<Teinstellungen3>(parent);
    case ExerciseKind::BildZumTon: return std::make_unique<Teinstellungen4>(parent);
    case ExerciseKind::BildMemory: return std::make_unique<Teinstellungen5>(parent);
    case ExerciseKind::SoundMemory: return std::make_unique<Teinstellungen6>(parent);
    case ExerciseKind::LesenLernen: return std::make_unique<Teinstellungen7>(parent);
    case ExerciseKind::None: break;
    }
    return nullptr;
}

const QString kFileNameKey = QStringLiteral("Dateiname");
const QString kPositionKey = QStringLiteral("Listenstelle");

} // namespace

void TFenster::StartExercise(int row)
{
    box_->SelectCurrentProfile();
    const ExerciseKind kind = RowExercise(row);
    const ExerciseStartOptions options = RowOptions(row);
    SetLastMark(RunExercise(kind, options));
    // The keys belong to the menu again (its focus frame shows where).
    raise();
    activateWindow();
    // The result summary of an uncovering run as a certificate.
    if (options.uncover)
        Tpzeugnis::ShowCertificate(box_->currentText(), this);
}

void TFenster::OpenOptions(int row)
{
    box_->SelectCurrentProfile();
    const ExerciseKind kind = RowExercise(row);
    std::unique_ptr<Teinstellungen1> dialog = MakeSettingsDialog(kind, this);
    if (!dialog)
        return;
    if (auto* second = qobject_cast<Teinstellungen2*>(dialog.get()))
        second->SetUncoverMode(puzzle_->isChecked());
    dialog->Open(nullptr, ExerciseSection(kind));
}

void TFenster::ChooseList(int row)
{
    box_->SelectCurrentProfile();
    const QString section = ExerciseSection(RowExercise(row));
    const QString profile = ResolvePath(CurrentProfilePath());
    const QString listKey = Ini::ReadString(profile, section, kFileNameKey, QString(), 255);
    QString chosen;
    if (!ChooseListFile(this, listKey, chosen, QStringLiteral("Datei für: ") + section))
        return;
    if (!chosen.isEmpty() && FileExists(chosen)) {
        Ini::WriteString(profile, section, kFileNameKey, ListKeyOf(chosen));
        Ini::WriteString(profile, section, kPositionKey, QStringLiteral("0"));
    }
    if (StartOnListChoice())
        StartExercise(row);
}

void TFenster::ShowProtocol()
{
    box_->SelectCurrentProfile();
    ShowResultsProtocol(this);
}

void TFenster::ShowWorkReport()
{
    box_->SelectCurrentProfile();
    Tpzeugnis::ShowWorkReport(box_->currentText(), this);
}

void TFenster::ShowInfo()
{
    if (!infoDialog_)
        infoDialog_ = std::make_unique<Tinfodialog>(this);
    infoDialog_->Present();
}

void TFenster::StartEditor()
{
    StartListEditor();
}

void TFenster::OpenManualFile()
{
    OpenManual();
}

void TFenster::ShowHelp()
{
    ShowHelpPage(kHelpIndexPage, this);
}
