// Tprog1: judging the answer, praise and hints, texts in the word display,
// the wait for a key, and showing the solution.
#include "exercises/spiel1/tprog1.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "exercises/spiel1/rescue_picture.h"
#include "exercises/spiel1/task_rules.h"
#include "exercises/spiel1/typing_record.h"
#include "framework/input_discard.h"
#include "platform/clock.h"

#include <QApplication>
#include <QCursor>

namespace {
constexpr int kMessageMs = 1700;
}

void Tprog1::CheckAnswer()
{
    if (checking_ || IsTornDown() || !CurrentEntry())
        return;
    checking_ = true;
    typing_.Line().readOnly = true;
    const QString written = typing_.Typed();
    if (!typing_.HasWord()) {
        // "Wort fehlt": nothing to judge; the next entry is pending.
    } else if (IsBlankAnswer(written)) {
        ShowMessageText(QStringLiteral("bitte Text eingeben"), 1000);
        typing_.PrepareLine(QString());
    } else if (typing_.LineEqualsWord()) {
        RightAnswer();
    } else {
        WrongAnswer(written);
    }
    RecordTyping();
    typing_.Line().readOnly = !typing_.HasWord();
    UpdateWordDisplay();
    checking_ = false;
    if (closeRequested_) {
        closeRequested_ = false;
        RequestLeave();
        return;
    }
    // At the list end the first entry waits for the next key.
    if (!listEnd_)
        PostPending();
}

void Tprog1::RightAnswer()
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    const int voice = s.stimme;
    StopSound();
    typing_.ResetWrongCount();
    AppendRightAnswer(typing_.Record());
    RecordTyping();
    PlayFunSound(s.positivsound, QStringLiteral("gewonnen"));
    if (PictureAfterAnswer(s.mitSound)) {
        pictureRevealed_ = true;
        UpdatePicture();
    }
    BlinkWord();
    if (!solutionShown_ && s.soundnachEingabe == 1) {
        Wait(1000, true);
        SpeakWord(ArticleCounts(typing_.Settings(), noiseFlag_));
    }
    if (!solutionShown_ && s.motivation == 0) {
        if (++praiseCounter_ >= s.motzahl) {
            Praise(0);
            praiseCounter_ = 0;
        }
    }
    const bool hasNext = CurrentList() && position < CurrentList()->Count() - 1;
    if (hasNext || solutionShown_) {
        SetPending(kNext);
        if (solutionShown_) {
            const int n = typing_.WrongCount();
            ShowMessageText(HintText(PickHint(n, n + 1, voice), voice), kMessageMs);
        } else {
            ShowMessageText(typing_.Expected(), -1);
        }
        typing_.SetKeyReleased();
        return;
    }
    listEnd_ = true;
    ShowMessageText(QStringLiteral(" Liste ist zu Ende! "), kMessageMs);
    if (s.motivation == 1)
        Praise(1);
    // The answered entry stays on screen (and in the number box) until the
    // next command, which goes to the first entry.
    SetPending(kPrevious);
    // The pupil's line once more before the list starts again.
    ShowMessageText(typing_.Line().text, kMessageEchoMs);
}

void Tprog1::WrongAnswer(const QString& written)
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    PlayFunSound(s.funsound, QStringLiteral("verloren"));
    Wait(200, false);
    AppendWrongAnswer(typing_.Record(), written);
    const int n = typing_.WrongCount();
    ShowMessageText(HintText(PickHint(n, n + 1, s.stimme), s.stimme), kMessageMs);
    typing_.CountWrongAnswer();
    typing_.PrepareRetry(written);
}

void Tprog1::Praise(int first)
{
    const int voice = ExerciseSettings().stimme;
    const QString text = MotivationText(PickMotivation(first, -1, voice), voice);
    ShowMessageText(text, kMessageMs);
    DiscardQueuedInput(this, QueuedInput::Keys);
}

void Tprog1::BlinkWord()
{
    for (const BlinkFrame& frame : RightAnswerBlink()) {
        wordEffect_ = frame.effect;
        UpdateWordDisplay();
        word_->repaint();
        Wait(frame.ms, false);
    }
    wordEffect_ = u' ';
    UpdateWordDisplay();
    DiscardQueuedInput(this, QueuedInput::Keys);
}

void Tprog1::ShowMessageText(const QString& text, int duration)
{
    // A text without letters (an empty praise or hint table) is not shown.
    if (text.trimmed().isEmpty() && duration > 0)
        return;
    showingMessage_ = true;
    messageText_ = text;
    Q_EMIT messageShown(text);
    for (int i = 0; i <= text.size(); ++i) {
        messageShown_ = i;
        if (duration > 0 || i == text.size()) {
            UpdateWordDisplay();
            word_->repaint();
        }
        Wait(i % 5, false);
    }
    if (duration > 0) {
        Wait(duration, false);
        // Keys typed while the text stood there are no answer.
        DiscardQueuedInput(this, QueuedInput::Keys);
    } else {
        WaitForKey();
    }
    showingMessage_ = false;
    messageText_.clear();
    UpdateWordDisplay();
}

void Tprog1::WaitForKey()
{
    DiscardQueuedInput(this, QueuedInput::Keys | QueuedInput::LeftMouseDown);
    if (cursor().shape() == Qt::BlankCursor) {
        QApplication::beep();
        Wait(2000, true);
        return;
    }
    const QString caption = ListNameCaption();
    const QString hint = ListNameHint();
    SetListNameCaption(QStringLiteral("Taste!"), hint);
    RepaintButton(kListName);
    waitingForKey_ = true;
    while (waitingForKey_ && !IsTornDown() && isVisible())
        Wait(20, true);
    waitingForKey_ = false;
    SetListNameCaption(caption, hint);
    RedrawButton(kListName);
}

void Tprog1::ContinueWaiting()
{
    waitingForKey_ = false;
}

// ---- Solution -------------------------------------------------------------------

void Tprog1::HoldSolution(bool held)
{
    // Once the word is answered (waiting for "Taste!", the next entry
    // pending, the list end) the rescue picture no longer belongs to it.
    if (held && (waitingForKey_ || listEnd_ || PendingCommand() == kNext))
        return;
    if (held) {
        solutionHideAt_ = -1;
        solutionShown_ = true;
        solutionVisible_ = true;
        rescue_->Show(QStringLiteral("fun\\rettung1.emf"));
        picture_->update();
        return;
    }
    if (solutionVisible_)
        solutionHideAt_ = TickCount() + kReleaseMs;
}

void Tprog1::ShowSolutionFor(int ms)
{
    HoldSolution(true);
    solutionHideAt_ = TickCount() + ms;
}

void Tprog1::HideSolution()
{
    solutionHideAt_ = -1;
    solutionVisible_ = false;
    rescue_->Show(QStringLiteral("fun\\rettung2.emf"));
    picture_->update();
}
