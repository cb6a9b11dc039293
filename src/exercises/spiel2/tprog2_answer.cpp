// Tprog2: answering a choice, praise and the messages typed into the word
// fields.
#include "exercises/spiel2/tprog2.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "exercises/choice/result_mark.h"
#include "exercises/spiel2/praise_turn.h"
#include "framework/input_discard.h"
#include "framework/spelling_out.h"
#include "platform/command_event.h"
#include "sound/fun_sounds.h"

#include <QCoreApplication>

void Tprog2::ClickWordField(int field)
{
    ResetReminder();
    if (evaluating_)
        return;
    if (taskSolved_) {
        SetPending(kNext);
        PostPending();
        return;
    }
    SetSelected(field);
    RepaintFields();
    SetPending(field);
    PostPending();
}

void Tprog2::AnswerChoice(int field)
{
    if (PendingCommand() != 0) {
        PostPending();
        return;
    }
    if (!FieldVisible(field) || evaluating_ || taskSolved_ || !CurrentEntry())
        return;
    for (int f = kFirstWord; f <= kLastWord; ++f)
        if (f != field && FieldVisible(f))
            WordButton(f)->repaint();
    if (SlotOfField(field) == position)
        RightChoice(field);
    else
        WrongChoice(field);
    // Clicks and commands given during the animations have no effect.
    DiscardQueuedCommands();
    DiscardMouseInput();
}

void Tprog2::RightChoice(int field)
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    evaluating_ = true;
    if (uncover_) {
        ApplyStep(board_.RightChoice());
        ShowPoints();
    }
    RecordRightChoice(CurrentEntry()->Answer());
    SetPending(kNext);
    SetCheckEnabled(true);
    ButtonSoundPlayer* help = &SoundPlayer(kHelp);
    if (s.positivsound == 1 && s.motivation > 0 && s.soundnachEingabe != 1)
        PlayRandomFunSound(Feedback::Praise, help);
    const int praises = motivationList ? motivationList->Count() : 0;
    switch (NextRightFeedback(motivationCount_, s.motivation, s.motzahl, praises)) {
    case RightFeedback::Richtig: {
        PlayRandomFunSound(Feedback::Praise, help);
        const QString richtig = ToDisplayCase(QStringLiteral("richtig"));
        TypeMessage(field, richtig, true, kMessageMs);
        EraseMessage(field, richtig, true, 100);
        break;
    }
    case RightFeedback::Praise: {
        const QString text = MotivationText(PickMotivation(0, -1, s.stimme), s.stimme);
        if (!text.isEmpty()) {
            Q_EMIT messageShown(text);
            animator_.ShowAtOnce(field, text, true, kMessageMs, s.textausrichtung);
            EraseMessage(field, text, false, 100);
        }
        break;
    }
    case RightFeedback::None:
        break;
    }
    const bool last = CurrentList() && position >= CurrentList()->Count() - 1;
    if (last) {
        if (s.motivation == 1) {
            const QString text = MotivationText(PickMotivation(1, -1, s.stimme), s.stimme);
            if (!text.isEmpty()) {
                TypeMessage(field, text, true, kMessageMs);
                EraseMessage(field, text, true, 100);
            }
        }
        messageReference_ = QStringLiteral("iListe ist zu Endei");
        messageField_ = field;
        const QString end = ToDisplayCase(QStringLiteral("Liste ist zu Ende"));
        TypeMessage(field, end, true, kMessageMs);
        EraseMessage(field, end, true, 50);
        messageReference_.clear();
        messageField_ = 0;
    }
    TypeMessage(field, FieldCaption(field), true, 100);
    if (s.soundnachEingabe == 1) {
        chain_.Stop();
        SendCommand(kPlay, kOwnCode);
        Spelling().position = 0;
    }
    evaluating_ = false;
    taskSolved_ = true;
}

void Tprog2::WrongChoice(int field)
{
    if (uncover_) {
        board_.WrongChoice();
        ShowPoints();
    }
    const QString caption = FieldCaption(field);
    RecordWrongChoice(CurrentEntry()->Answer(), caption);
    EraseMessage(field, caption, false, 100);
    PlayRandomFunSound(Feedback::Error, &SoundPlayer(kHelp));
    messageReference_ = QStringLiteral("inimm ein anderesi");
    messageField_ = field;
    const QString other = ToDisplayCase(QStringLiteral("nimm ein anderes"));
    TypeMessage(field, other, false, kMessageMs);
    EraseMessage(field, other, false, 50);
    messageReference_.clear();
    messageField_ = 0;
    TypeMessage(field, caption, false, 100);
}

void Tprog2::TypeMessage(int field, const QString& text, bool highlighted, int holdMs)
{
    Q_EMIT messageShown(text);
    animator_.TypeIn(field, text, highlighted, holdMs, ExerciseSettings().textausrichtung);
}

void Tprog2::EraseMessage(int field, const QString& text, bool highlighted, int waitMs)
{
    animator_.Erase(field, text, highlighted, waitMs, ExerciseSettings().textausrichtung);
}

void Tprog2::DiscardQueuedCommands()
{
    QCoreApplication::removePostedEvents(this, CommandEvent::EventType());
}

void Tprog2::DiscardMouseInput()
{
    DiscardQueuedInput(this, QueuedInput::LeftMouseDown);
}
