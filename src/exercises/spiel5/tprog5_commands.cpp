// Tprog5: the command handler, clicks and keys on the cards, list choice,
// the settings dialog, help and leaving.
#include "exercises/spiel5/tprog5.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "dialogs/help_pages.h"
#include "dialogs/teinstellungen5.h"
#include "framework/list_files.h"
#include "platform/file_paths.h"
#include "platform/ini_file.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

void Tprog5::OnCommand(int number, int code)
{
    if (game_.IsCard(number)) {
        play_.TurnCard(number);
        return;
    }
    // A new deal while a turn is being played out waits for the turn's end,
    // which starts the pending command.
    if (play_.Busy() && (number == kListChanged || number == kNewGame || number == kNewGameButton)) {
        SetPending(number == kNewGameButton ? kNewGame : number);
        return;
    }
    switch (number) {
    case kOptions:
    case kEnd:
    case kChooseList: RunOrKeepForTurnEnd(number); break;
    case kListChanged:
        StopSpeaking();
        game_.Deal(currentList, GameSettings());
        play_.Reset();
        LayOutCards();
        LoadPictures();
        RedrawAllCards();
        ShowPlayers();
        break;
    case kNewGame: NewGame(); break;
    case kNewGameButton:
        StopSpeaking();
        SetPending(kNewGame);
        PostPending();
        break;
    case kSpeak: SpeakSelected(); break;
    case kStopSpeaking: StopSpeaking(); break;
    case kSoundFinished:
        if (code == kSpeaker)
            SpeechPartEnded();
        break;
    case kTurnDisplayRedraw: turnDisplay_->update(); break;
    default: break;
    }
}

void Tprog5::RunOrKeepForTurnEnd(int number)
{
    // During a turn the button waits as the pending command; the end of the
    // turn carries it out.
    if (play_.Busy()) {
        SetPending(number);
        return;
    }
    switch (number) {
    case kOptions: OptionsPressed(); break;
    case kEnd: RequestLeave(); break;
    case kChooseList: ChooseList(); break;
    default: break;
    }
}

// ---- Cards ----------------------------------------------------------------------

void Tprog5::ConnectCard(tdrbutton* card)
{
    const int number = card->Number();
    connect(card, &QAbstractButton::clicked, this, [this, number] { ClickCard(number); });
    connect(card, &tdrbutton::mouseDown, this, [this, number](QMouseEvent* event) {
        if (event->button() == Qt::RightButton)
            RightClickCard(number);
    });
}

void Tprog5::ClickCard(int number)
{
    if (!game_.IsCard(number))
        return;
    if (play_.Busy()) {
        // Only stops the sound; the pending command (a new game after a won
        // game, a button kept for the turn's end) stays in place.
        play_.TurnCard(number);
        return;
    }
    SelectCard(number);
    PressButton(number);
}

void Tprog5::SelectCard(int number)
{
    const int before = game_.Selected();
    game_.Select(number);
    SelectionMoved(before);
}

void Tprog5::SelectionMoved(int before)
{
    if (before == game_.Selected())
        return;
    if (tdrbutton* b = CardButton(before))
        b->repaint();
    if (tdrbutton* b = CardButton(game_.Selected()))
        b->repaint();
}

void Tprog5::RightClickCard(int number)
{
    const MemoryCard* card = game_.Card(number);
    if (soundMode_ == 1 && card && card->state == CardState::FaceUp && number == game_.Selected()) {
        SetPending(kSpeak);
        PostPending();
    }
}

// ---- Keys ------------------------------------------------------------------------

bool Tprog5::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || IsTornDown() || !isVisible())
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != this && !isAncestorOf(widget)))
        return false;
    // Keys are judged once, at the widget that has the focus.
    QWidget* focus = QApplication::focusWidget();
    if (focus && widget != focus)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (qobject_cast<QLineEdit*>(focus)) {
        // A name is being typed; Enter gives the keys back to the cards.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            setFocus(Qt::OtherFocusReason);
            return true;
        }
        return false;
    }
    return HandleKey(key);
}

bool Tprog5::HandleKey(QKeyEvent* event)
{
    MoveKey move;
    switch (event->key()) {
    case Qt::Key_Left: move = MoveKey::Left; break;
    case Qt::Key_Right: move = MoveKey::Right; break;
    case Qt::Key_Up: move = MoveKey::Up; break;
    case Qt::Key_Down: move = MoveKey::Down; break;
    case Qt::Key_Escape:
        RunOrKeepForTurnEnd(kEnd);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            ClickCard(game_.Selected());
        return true;
    default: return false;
    }
    if (play_.Busy())
        return true;   // moving during a turn is dropped, not kept for later
    const int before = game_.Selected();
    game_.MoveSelection(move);
    SelectionMoved(before);
    return true;
}

// ---- List, settings, help ---------------------------------------------------------

void Tprog5::ChooseList()
{
    if (play_.Busy())
        return;
    QString chosen;
    if (!ChooseListFile(this, listFile, chosen))
        return;
    if (chosen.isEmpty() || !FileExists(chosen))
        return;
    listFile = ListKeyOf(chosen);
    Ini::WriteString(ResolvePath(CurrentProfilePath()), section, QStringLiteral("Dateiname"), listFile);
    if (std::unique_ptr<tmoiel> loaded = LoadExerciseList(listFile)) {
        wordList = std::move(loaded);
        currentList = wordList.get();
    }
    ShowListName();
    SetPending(kNewGameButton);
    PostPending();
}

void Tprog5::OpenSettingsDialog()
{
    Teinstellungen5 dialog(this);
    dialog.Open(CurrentList(), Section());
}

void Tprog5::OptionsPressed()
{
    if (play_.Busy())
        return;
    StopSpeaking();
    // The dialog loads the section and keeps what the teacher changed, also
    // the changes that act at once and stay after "Abbruch".
    OpenSettingsDialog();
    TakeSettings();
    position = 0;
    SetPending(kNewGame);
    PostPending();
}

void Tprog5::OpenHelp()
{
    ShowHelpPage(kHelpPageMemory, this);
}

// ---- Leaving -------------------------------------------------------------------------

bool Tprog5::LeaveWindow()
{
    if (play_.Busy())
        return false;   // the turn ends first; the pupil can leave then
    T_urahnlrb::LeaveWindow();
    if (!ConfirmLeave())
        return false;
    StopSpeaking();
    return true;
}

void Tprog5::TearDown()
{
    qApp->removeEventFilter(this);
    frameTimer_.stop();
    flip_.Stop();
    T_urahnlrb::TearDown();
}
