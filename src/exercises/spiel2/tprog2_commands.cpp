// Tprog2: the command handler, the help page and the keys.
#include "exercises/spiel2/tprog2.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "dialogs/help_pages.h"
#include "framework/number_box.h"
#include "platform/file_paths.h"

#include <QKeyEvent>

void Tprog2::OnCommand(int number, int code)
{
    if (!isVisible() || !ready_)
        return;
    switch (number) {
    case kRunPending:
    case kCheck: CarryOutPending(); break;
    case kPicture:
        setFocus(Qt::OtherFocusReason);
        CarryOutPending();
        break;
    case kPrevious:
    case kNext: ChangeTask(number); break;
    case kPlay: SpeakWord(); break;
    case kStop: StopAllSound(); break;
    case kSpell: SpellWord(); break;
    case kHelp:
    case kUserHelp: OpenHelp(); break;
    case kSoundFinished: SoundEnded(code); break;
    default:
        if (number >= kFirstWord && number <= kLastWord && code != kIgnoredCode)
            AnswerChoice(number);
        break;
    }
}

void Tprog2::CarryOutPending()
{
    ResetReminder();
    if (PendingCommand() != 0)
        PostPending();
}

void Tprog2::OpenHelp()
{
    ShowHelpPage(kHelpPageExercise2, this);
}

void Tprog2::EndPressed()
{
    // Leaving waits for a running answer to finish its messages.
    if (evaluating_) {
        QMetaObject::invokeMethod(this, [this] { EndPressed(); }, Qt::QueuedConnection);
        return;
    }
    RequestLeave();
}

void Tprog2::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        EndPressed();
        return;
    }
    if (NumberBox() && NumberBox()->hasFocus()) {
        T_urahnlrb1::keyPressEvent(event);
        return;
    }
    ResetReminder();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (evaluating_)
        return;
    if (taskSolved_) {
        if (enter || key == Qt::Key_Space)
            CarryOutPending();
        return;
    }
    if (PendingCommand() != 0 && (enter || key == Qt::Key_Space)) {
        CarryOutPending();   // "Wort fehlt": any of these keys goes on
        return;
    }
    switch (key) {
    case Qt::Key_Down: SetSelected(selected_ + 1); RepaintFields(); break;
    case Qt::Key_Up: SetSelected(selected_ - 1); RepaintFields(); break;
    default:
        if (enter)
            ClickWordField(selected_);
        else
            T_urahnlrb1::keyPressEvent(event);
        break;
    }
}
