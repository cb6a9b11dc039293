// Tprog3: the command handler, the keyboard and the clicks on the pictures.
#include "exercises/spiel3/tprog3.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "dialogs/help_pages.h"
#include "exercises/spiel3/picture_layout.h"
#include "platform/file_paths.h"

#include <QKeyEvent>

bool Tprog3::GoOnFromSolvedTask()
{
    if (!taskSolved_)
        return false;
    RunPending();
    return true;
}

void Tprog3::RunPending()
{
    if (PendingCommand() != 0)
        PostPending();
}

void Tprog3::OnCommand(int number, int code)
{
    if (code == NoticeCode()) {
        if (number >= kFirstPicture && number <= LastPicture())
            DrawingNotice(number);
        return;
    }
    if (!isVisible() || !ready_)
        return;
    switch (number) {
    case kListName:
    case kCheck:
        RunPending();
        break;
    case kWordField:
        ClearFocus();
        if (PendingCommand() != 0)
            PostPending();
        else if (ExerciseSettings().mitSound > 0)
            PlaySpoken();
        break;
    case kPrevious:
    case kNext:
        ChangeTask(number);
        break;
    case kPlay:
        PlaySpoken();
        break;
    case kStop:
        StopAll();
        break;
    case kSpell:
        SpellOut();
        break;
    case kHelp:
        OpenHelpPage();
        break;
    case kSoundFinished:
        SoundEnded(code);
        break;
    default:
        if (number >= kFirstPicture && number <= LastPicture()) {
            if (PendingCommand() != 0)
                PostPending();
            else
                AnswerChoice(number);
        }
        break;
    }
    if (code == kOwnCode && !IsTornDown())
        ClearFocus();
}

QString Tprog3::HelpPage() const
{
    return kHelpPageExercise3;
}

void Tprog3::OpenHelpPage()
{
    ShowHelpPage(HelpPage(), this);
}

void Tprog3::ClickPicture(int field)
{
    // Two quick clicks on one picture count once: the field whose command was
    // carried out last is not taken again until the pacing has let it go.
    if (field < kFirstPicture || field > LastPicture() || field == lastPostedCommand)
        return;
    ResetReminder();
    // A pending command (the next task, or going on past an entry without a
    // picture) is carried out, not replaced by a choice.
    if (!taskSolved_ && PendingCommand() == 0) {
        selected_ = field;
        ResetFieldSelection();
        PressButton(field);
    } else {
        RunPending();
    }
}

void Tprog3::keyPressEvent(QKeyEvent* event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -rowLength_; break;
    case Qt::Key_Down: step = rowLength_; break;
    case Qt::Key_Escape:
        RequestLeave();
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        ResetReminder();
        if (!taskSolved_ && PendingCommand() == 0) {
            if (selected_ != lastPostedCommand)
                PressButton(selected_);
        } else if (taskSolved_ && selected_ == lastPostedCommand) {
            SetPending(kNext);   // the field just answered only arms the next task
        } else {
            RunPending();
        }
        event->accept();
        return;
    default:
        T_urahnlrb1::keyPressEvent(event);
        return;
    }
    ResetReminder();
    selected_ = MoveSelection(selected_, step, LastPicture());
    ResetFieldSelection();
    for (int f = kFirstPicture; f <= LastPicture(); ++f)
        Field(f)->update();
    event->accept();
}
