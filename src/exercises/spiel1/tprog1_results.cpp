// Tprog1: recording the results on closing and before the settings dialog,
// and presenting the entry again with new settings.
#include "exercises/spiel1/tprog1.h"

#include "data/exercise_settings.h"
#include "dialogs/teinstellungen_1.h"
#include "exercises/spiel1/typing_editor.h"
#include "exercises/spiel1/typing_record.h"

#include <QApplication>

QString Tprog1::SettingsSummary() const
{
    return DescribeTypingControl();
}

QString Tprog1::NormaliseAnswer(const QString& record) const
{
    // A word typed right at the first try counts as "-OK-" whatever letters
    // were recorded while it was typed.
    return ProtocolAnswer(record);
}

void Tprog1::AnswersTaken()
{
    // The typing of the current entry is in the files now.
    typing_.Record().clear();
    typing_.RefusedAttempts().clear();
}

bool Tprog1::LeaveWindow()
{
    if (!T_urahnlrb1::LeaveWindow())
        return false;
    typing_.Settings().textvorgabe = savedTextvorgabe_;
    ExerciseSettings().textvorgabe = savedTextvorgabe_;
    WriteResults(ResultsMoment::Closing);
    return true;
}

void Tprog1::TearDown()
{
    qApp->removeEventFilter(this);
    waitingForKey_ = false;
    T_urahnlrb1::TearDown();
}

void Tprog1::OptionsPressed()
{
    WriteResults(ResultsMoment::Settings);
    T_urahnlrb1::OptionsPressed();
    if (PendingCommand() == 0) {
        Teinstellungen_1 dialog(this);
        // After "Abbruch" the changes that act at once stay in memory, and
        // nothing else changed; after OK the profile holds the settings.
        const bool stored = dialog.Open(CurrentList(), Section()) == QDialog::Accepted;
        SetSummaryDue();
        if (!stored) {
            KeepTaskAfterCancel();
            return;
        }
        LoadSettings(Section());
    }
    TakeSettings();
    SetCheckEnabled(typing_.Settings().textcontrolle == 0);
    savedTextvorgabe_ = typing_.Settings().textvorgabe;
    savedAuto3_ = typing_.Settings().auto3;
    typing_.Line().Set(QString(), 0);
    // The same entry again, with the new settings.
    solutionShown_ = false;
    presentSameEntry_ = true;
    SetPending(kNext);
    PostPending();
}

void Tprog1::KeepTaskAfterCancel()
{
    // Nothing was stored: the task goes on with the letters typed so far.
    // Of the changes that act at once, the voice reaches the typing control;
    // colours, font and the picture on click show at the next redraw.
    typing_.Settings().stimme = ExerciseSettings().stimme;
    UpdatePicture();
    UpdateWordDisplay();
    if (editor_)
        editor_->setFocus();
}
