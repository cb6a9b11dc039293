// Tprog1: the command handler and the keys (the application-wide key filter,
// the editor's Enter and Escape, the window's own keys).
#include "exercises/spiel1/tprog1.h"

#include "controls/tdrbutton.h"
#include "data/path_helpers.h"
#include "dialogs/help_pages.h"
#include "platform/file_paths.h"
#include "exercises/spiel1/key_classes.h"
#include "exercises/spiel1/typing_editor.h"
#include "framework/number_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>

void Tprog1::OnCommand(int number, int code)
{
    switch (number) {
    case kPrevious:
    case kNext: ChangeEntry(number); break;
    case kRunPending: PostPending(); break;
    case kPicture:
        editor_->setFocus();
        if (PendingCommand() != 0)
            PostPending();
        break;
    case kWordDisplay:
        if (PendingCommand() != 0) {
            PostPending();
        } else {
            typing_.ClearMarks();
            UpdateWordDisplay();
        }
        break;
    case kCheck:
        if (typing_.Settings().textcontrolle == 0)
            CheckAnswer();
        break;
    case kPlay: PlayEntrySound(code); break;
    case kStop: StopAllSound(); break;
    case kSpell: SpellWord(); break;
    case kLetter: SayLetterAtWritePosition(); break;
    case kHelp: OpenHelp(); break;
    case kSoundFinished: SoundEnded(code); break;
    default: break;
    }
    if (number >= kPrevious && number <= kLetter && number != kSoundFinished && !IsTornDown()) {
        RereadSoundBoxes();
        // Back to typing: the editor takes the keys again.
        if (editor_ && !checking_)
            editor_->setFocus();
    }
}

void Tprog1::OpenHelp()
{
    ShowHelpPage(kHelpPageExercise1, this);
}

void Tprog1::HandleEditorAction(EditorAction action)
{
    switch (action) {
    case EditorAction::PlayEntrySound:
        SetPending(kPlay);
        PostPending();
        editor_->setFocus();
        break;
    case EditorAction::CheckAnswer: CheckAnswer(); break;
    case EditorAction::Close: CloseWhenIdle(); break;
    case EditorAction::None: break;
    }
}

void Tprog1::CloseWhenIdle()
{
    if (checking_ || waitingForKey_) {
        closeRequested_ = true;
        waitingForKey_ = false;
        return;
    }
    QMetaObject::invokeMethod(this, [this] { RequestLeave(); }, Qt::QueuedConnection);
}

// ---- Keys ------------------------------------------------------------------------

bool Tprog1::InWindow(QObject* watched) const
{
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && (widget == this || isAncestorOf(widget));
}

KeyTarget Tprog1::TargetOf(QObject* watched) const
{
    if (watched == editor_)
        return KeyTarget::Editor;
    if (watched == NumberBox())
        return KeyTarget::ListPositionField;
    if (watched == this)
        return KeyTarget::Window;
    return KeyTarget::Other;
}

bool Tprog1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (IsTornDown() || !isVisible())
        return false;
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && InWindow(watched))
        return FilterKeyEvent(watched, static_cast<QKeyEvent*>(event));
    if (type == QEvent::MouseButtonRelease && waitingForKey_ && InWindow(watched))
        return FilterMouseRelease(static_cast<QMouseEvent*>(event));
    return false;
}

bool Tprog1::FilterKeyEvent(QObject* watched, QKeyEvent* event)
{
    // A key travels up from the focus widget to its parents; it is judged
    // once, at the widget that has the focus.
    const QWidget* first = focusWidget() ? focusWidget() : this;
    if (watched != first)
        return false;
    const int vk = VirtualKeyOf(*event);
    const bool down = event->type() == QEvent::KeyPress;
    const KeyVerdict verdict =
        typing_.FilterKey({vk, down, event->isAutoRepeat(), TargetOf(watched)}, waitingForKey_);
    switch (verdict) {
    case KeyVerdict::Drop: return true;
    case KeyVerdict::Close: CloseWhenIdle(); return true;
    case KeyVerdict::Continue: waitingForKey_ = false; return true;
    case KeyVerdict::FocusEditor:
    case KeyVerdict::Pass: break;
    }
    if (!down)
        return false;
    ResetReminder();
    // A command left pending (the next entry, the list start) is the step
    // the next key carries out.
    const bool modifier = vk == Vk::Shift || vk == Vk::Control || vk == Vk::Alt;
    if (PendingCommand() != 0 && !checking_ && !modifier && TargetOf(watched) != KeyTarget::ListPositionField) {
        PostPending();
        return true;
    }
    return false;
}

bool Tprog1::FilterMouseRelease(QMouseEvent* event)
{
    const bool inCorner = Layout().end.contains(mapFromGlobal(event->globalPosition().toPoint()));
    const KeyVerdict verdict =
        typing_.FilterMouseRelease(event->button() == Qt::LeftButton, inCorner, waitingForKey_);
    if (verdict == KeyVerdict::Pass)
        return false;
    if (verdict == KeyVerdict::Close)
        closeRequested_ = true;
    waitingForKey_ = false;
    return true;
}

void Tprog1::keyPressEvent(QKeyEvent* event)
{
    const int vk = VirtualKeyOf(*event);
    if (vk == Vk::Escape) {
        CloseWhenIdle();
        return;
    }
    const bool listField = NumberBox() && NumberBox()->hasFocus();
    if (TypingControl::WindowKey(vk, listField) == KeyVerdict::FocusEditor && editor_) {
        editor_->setFocus();
        editor_->HandleKeyPress(event);
        return;
    }
    T_urahnlrb1::keyPressEvent(event);
}
