// Tprog3: answering a choice with its messages and praise, and stepping to
// the next or the previous task.
#include "exercises/spiel3/tprog3.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "exercises/choice/result_mark.h"
#include "framework/spelling_out.h"
#include "sound/fun_sounds.h"

#include <QApplication>

#include <algorithm>

void Tprog3::TypeMessage(int field, const QString& text, bool highlighted, int holdMs)
{
    // A message longer than the reference text is the reference for its time.
    messageReference_ = text.size() > reference_.size() - 2 ? text : QString();
    messageLog_ << text;
    animator_.TypeIn(field, text, highlighted, holdMs, ExerciseSettings().textausrichtung);
    messageReference_.clear();
}

void Tprog3::EraseMessage(int field, const QString& text, bool highlighted, int waitMs)
{
    messageReference_ = text.size() > reference_.size() - 2 ? text : QString();
    animator_.Erase(field, text, highlighted, waitMs, ExerciseSettings().textausrichtung);
    messageReference_.clear();
}

void Tprog3::PraiseText(int field)
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    const int index = PickMotivation(1, -1, s.stimme);
    const QString text = MotivationText(index, s.stimme);
    if (text.isEmpty())
        return;
    TypeMessage(field, text, true, kMessageMs);
    EraseMessage(field, text, true, 100);
}

void Tprog3::AnswerChoice(int field)
{
    WordEntry* entry = CurrentEntry();
    if (!entry || field < kFirstPicture || field > LastPicture())
        return;
    ResetReminder();
    for (int f = kFirstPicture; f <= LastPicture(); ++f)
        if (f != field)
            Field(f)->repaint();
    const ExerciseSettingsRecord& s = ExerciseSettings();
    const QString caption = FieldCaption(field);
    if (SlotOfField(field) == position) {
        SetCheckEnabled(true);
        RecordRightChoice(entry->Answer());
        ClearFocus();
        SetPending(kNext);
        taskSolved_ = true;
        PlayRandomFunSound(Feedback::Praise, &SoundPlayer(kHelp));
        if (s.motivation > 0) {
            const QString richtig = ToDisplayCase(QStringLiteral("richtig"));
            TypeMessage(field, richtig, true, kMessageMs);
            EraseMessage(field, richtig, true, 100);
        }
        TypeMessage(field, caption, true, kMessageMs);
        EraseMessage(field, caption, true, 100);
        if (s.motivation == 0 && ++motivationCount_ >= s.motzahl) {
            PraiseText(field);
            motivationCount_ = 0;
        }
        const int count = CurrentList() ? CurrentList()->Count() : 0;
        if (position >= count - 1) {
            if (s.motivation == 1)
                PraiseText(field);
            const QString end = ToDisplayCase(QStringLiteral("Liste ist zu Ende"));
            TypeMessage(field, end, true, kMessageMs);
            EraseMessage(field, end, true, 100);
            // Going on steps back from 1 to the first entry.
            position = 1;
            SetPending(kPrevious);
        }
    } else {
        RecordWrongChoice(entry->Answer(), caption);
        PlayRandomFunSound(Feedback::Error, &SoundPlayer(kHelp));
        TypeMessage(field, caption, false, kMessageMs);
        EraseMessage(field, caption, false, 100);
    }
    Field(field)->repaint();
    PostCommand(field, NoticeCode());
}

void Tprog3::DrawingNotice(int field)
{
    StartEffect(field, true);
    if (ExerciseSettings().soundnachEingabe > 0 && taskSolved_)
        SendCommand(kPlay, kOwnCode);
}

void Tprog3::ChangeTask(int command)
{
    Spelling().Stop();
    spelling_ = false;
    SetCheckEnabled(false);
    SetPending(0);
    const int count = CurrentList() ? CurrentList()->Count() : 0;
    if (command == kNext) {
        if (position >= count - 1) {
            TypeMessage(kFirstPicture, ToDisplayCase(QStringLiteral("Liste beginnt von vorne")), true, kMessageMs);
            position = 0;
        } else {
            ++position;
        }
    } else {
        position = std::max(0, position - 1);
        StopAll();
    }
    pictureNumber = 0;
    soundNumber = 0;
    MakeCandidates();
    ShowPictures();
    RepaintFields();
    ShowPosition();
    if (ExerciseSettings().mitSound > 1)
        SpeakNewTask();
}
