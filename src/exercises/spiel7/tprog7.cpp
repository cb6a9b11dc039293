#include "exercises/spiel7/tprog7.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "dialogs/teinstellungen7.h"
#include "exercises/spiel7/reading_order.h"
#include "framework/input_discard.h"
#include "framework/spelling_out.h"
#include "sound/article_cut.h"

#include <QApplication>
#include <QCheckBox>

#include <algorithm>

Tprog7::Tprog7(QWidget* parent) : Tprog3(Section::kLesenLernen, parent)
{
    setObjectName(QStringLiteral("prog7"));
}

void Tprog7::DrawSlots()
{
    // No drawing: the current entry and the ones after it; the colour pair
    // stays as it is.
    const int entries = CurrentList() ? CurrentList()->Count() : 0;
    const std::vector<int> order = ReadingOrderSlots(position, entries, count_);
    std::fill(slots_.begin(), slots_.end(), -1);
    std::copy(order.begin(), order.end(), slots_.begin());
    // The frame stands on the picture of the word shown: the first one.
    selected_ = kFirstPicture;
}

void Tprog7::RunSettingsDialog()
{
    Teinstellungen7 dialog(this);
    dialog.Open(CurrentList(), Section());
}

void Tprog7::OptionsPressed()
{
    if (GoOnFromSolvedTask())
        return;
    TakeNewSettings();
    QCoreApplication::processEvents();
    RepeatTask();
}

void Tprog7::DrawingNotice(int field)
{
    StartEffect(field, true);
}

void Tprog7::OnCommand(int number, int code)
{
    if (code == NoticeCode()) {
        Tprog3::OnCommand(number, code);
        return;
    }
    ShowButton(kCheck, false);
    ready_ = true;
    if (number >= kFirstPicture && number <= LastPicture()) {
        if (PendingCommand() != 0)
            PostPending();
        else
            ReadingClick(number);
        if (code == kOwnCode)
            ClearFocus();
        return;
    }
    Tprog3::OnCommand(number, code);
}

void Tprog7::ReadingClick(int field)
{
    WordEntry* before = CurrentEntry();
    const int index = SlotOfField(field);
    tmoiel* list = CurrentList();
    WordEntry* after = list && index >= 0 ? list->Entry(index) : nullptr;
    if (!before || !after)
        return;
    ResetReminder();
    RecordReadingClick(before->Answer(), after->Answer(), FieldCaption(field));
    for (int f = kFirstPicture; f <= LastPicture(); ++f)
        if (f != field)
            Field(f)->repaint();
    position = index;
    TakeCurrentEntry();
    currentWord_ = after->Field(FieldWord);
    spellMark_ = -1;
    Spelling().Stop();
    spelling_ = false;
    ShowCurrentWord();
    SpeakShownWord();
    ClearFocus();
    ShowPosition();
    // Clicks and commands queued meanwhile are dropped; a next-task command
    // among them that came last still carries out a pending command.
    const auto dropped = DiscardQueuedInputAndCommands(this, QueuedInput::LeftMouseDown);
    if (!dropped.empty() && dropped.back().first == kNext && PendingCommand() != 0)
        PostPending();
    PostCommand(field, NoticeCode());
}

void Tprog7::WordChanged()
{
    // The word field opens with the new word.
    if (!spelling_ && !missingPicture_ && ready_)
        StartEffect(kWordField, true);
}

void Tprog7::SpeakShownWord()
{
    const ExerciseSettingsRecord& s = ExerciseSettings();
    const WordEntry* entry = CurrentEntry();
    if (s.mitSound <= 1 || !entry || spelling_)
        return;
    const bool noise = !entry->Field(FieldNoise).isEmpty() && NoiseBox()->isChecked();
    if (s.mitArtikel || noise) {
        // The entry's own recording: the noise, or the speech with its article.
        const int field = noise ? FieldNoise : FieldSpeech;
        chain_.Stop();
        wav_.Stop();
        StopSound();
        lastWhole_ = true;
        lastFrom_ = 0;
        SetButtonControlString(kWordField, entry->slots[field]);
        PlayOnButton(kWordField, entry->Field(field));
        return;
    }
    const QString& speech = entry->Field(FieldSpeech);
    SetButtonControlString(kWordField, entry->slots[FieldSpeech]);
    const RecordingPlay play = ChooseRecordingPlay(wav_, speech);
    lastWhole_ = play.whole;
    lastFrom_ = play.fromMs;
    chain_.Stop();
    if (play.whole) {
        wav_.Stop();
        StopSound();
        PlayOnButton(kWordField, speech);
        return;
    }
    StopSound();
    wav_.SetBusy(false);
    wav_.CloseAllDevices();
    QCoreApplication::processEvents();
    wav_.PlayRange(qApp, speech, play.fromMs, play.toMs);
}
