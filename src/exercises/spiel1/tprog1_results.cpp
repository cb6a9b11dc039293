// Tprog1: recording the results on closing and before the settings dialog,
// and presenting the entry again with new settings.
#include "exercises/spiel1/tprog1.h"

#include "data/exercise_settings.h"
#include "dialogs/teinstellungen_1.h"
#include "exercises/spiel1/typing_record.h"

#include <QApplication>

QString Tprog1::SummaryHeader() const
{
    return DescribeTypingControl();
}

void Tprog1::NormaliseRecords()
{
    // A word typed right at the first try counts as "-OK-" whatever letters
    // were recorded while it was typed.
    const tmoiel* list = CurrentList();
    for (int i = 0; list && i < list->Count(); ++i)
        if (WordEntry* entry = list->Entry(i); entry && !entry->Answer().isEmpty())
            entry->Answer() = ProtocolAnswer(entry->Answer());
}

bool Tprog1::LeaveWindow()
{
    if (!T_urahnlrb1::LeaveWindow())
        return false;
    typing_.Settings().textvorgabe = savedTextvorgabe_;
    ExerciseSettings().textvorgabe = savedTextvorgabe_;
    NormaliseRecords();
    RecordResults(SummaryHeader());
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
    NormaliseRecords();
    RecordResults(SummaryHeader());
    T_urahnlrb1::OptionsPressed();
    if (PendingCommand() == 0) {
        Teinstellungen_1 dialog(this);
        dialog.Open(CurrentList(), Section());
        // What the profile holds now, whether the dialog stored or not.
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
