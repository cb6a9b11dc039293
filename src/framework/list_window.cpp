#include "framework/list_window.h"

#include "data/exercise_settings.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "framework/certificate_data.h"
#include "framework/error_list.h"
#include "framework/exercise_shared.h"
#include "framework/list_files.h"
#include "framework/number_box.h"
#include "framework/results_files.h"
#include "framework/results_history.h"
#include "framework/results_protocol.h"
#include "framework/shuffle.h"
#include "framework/spelling_out.h"
#include "platform/clock.h"
#include "platform/file_paths.h"
#include "platform/ini_file.h"
#include "platform/messages.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>

T_urahnlrb1::T_urahnlrb1(QWidget* parent) : T_urahnlrb(parent)
{
    CreateControls();
}

T_urahnlrb1::~T_urahnlrb1() = default;

// ---- Controls -------------------------------------------------------------

void T_urahnlrb1::CreateControls()
{
    speechBox_ = new QCheckBox(QStringLiteral("Sprache"), this);
    speechBox_->setObjectName(QStringLiteral("Ck120"));
    speechBox_->setChecked(true);
    noiseBox_ = new QCheckBox(QString::fromUtf8("Geräusch"), this);
    noiseBox_->setObjectName(QStringLiteral("CK121"));
    for (QCheckBox* box : {speechBox_, noiseBox_}) {
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::toggled, this, [this] { SoundBoxToggled(); });
    }

    soundPanel_ = new QWidget(this);
    soundPanel_->setObjectName(QStringLiteral("Psound"));
    labelTon_ = new QLabel(QStringLiteral("Ton"), this);
    labelNr_ = new QLabel(QStringLiteral("Nr."), this);
    labelVon_ = new QLabel(QStringLiteral("von"), this);
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("L11"));
    countLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    numberBox_ = new TNumberBox(this);
    numberBox_->setObjectName(QStringLiteral("L10"));
    connect(numberBox_, &TNumberBox::Committed, this, &T_urahnlrb1::CommitNumberBox);
}

bool T_urahnlrb1::SoundPanelVisible() const
{
    return soundPanel_ && !soundPanel_->isHidden();
}

void T_urahnlrb1::resizeEvent(QResizeEvent* event)
{
    T_urahnlrb::resizeEvent(event);
    ApplyLayout();
}

void T_urahnlrb1::ApplyLayout()
{
    layout_ = LayoutListWindow(size());
    speechBox_->setGeometry(layout_.speech);
    noiseBox_->setGeometry(layout_.noise);
    soundPanel_->setGeometry(layout_.soundPanel);
    soundPanel_->lower();
    labelTon_->setGeometry(layout_.labelTon);
    labelNr_->setGeometry(layout_.labelNr);
    labelVon_->setGeometry(layout_.labelVon);
    countLabel_->setGeometry(layout_.count);
    numberBox_->SetRestGeometry(layout_.numberBox);
    // Labels, boxes and the number box grow with the window.
    QFont small = font();
    small.setPixelSize(qMax(8, layout_.labelNr.height() * 11 / 20));
    for (QWidget* w : std::initializer_list<QWidget*>{labelTon_, labelNr_, labelVon_, countLabel_,
                                                      numberBox_, speechBox_, noiseBox_})
        w->setFont(small);
    FitSoundBoxCaptions();
    LayoutButtons();
    LayoutCentre(layout_.centre);
}

void T_urahnlrb1::FitSoundBoxCaptions()
{
    QFont boxes = labelNr_->font();
    speechBox_->setFont(boxes);
    noiseBox_->setFont(boxes);
    while (boxes.pixelSize() > 8 && (speechBox_->sizeHint().width() > speechBox_->width() ||
                                     noiseBox_->sizeHint().width() > noiseBox_->width())) {
        boxes.setPixelSize(boxes.pixelSize() - 1);
        speechBox_->setFont(boxes);
        noiseBox_->setFont(boxes);
    }
}

// ---- Operations -------------------------------------------------------------

void T_urahnlrb1::Prepare()
{
    T_urahnlrb::Prepare();
    ApplyLayout();
    CreateButtons();
    SetListNameCaption(QString(), QString());
    ShowButton(kLearnCards, errorList && !errorList->IsEmpty());
    ShowButton(kRemove, false);
}

void T_urahnlrb1::ResetNumbers(bool speechOnValue, bool noiseOnValue)
{
    speechOn = speechOnValue;
    noiseOn = noiseOnValue;
    const int mitSound = ExerciseSettings().mitSound;
    settingBoxes_ = true;
    if (mitSound == 0) {
        speechBox_->hide();
        noiseBox_->hide();
        soundPanel_->hide();
        for (int n : {kPlay, kStop, kSpell, kLetter})
            ShowButton(n, false);
        labelTon_->hide();
        speechOn = noiseOn = false;
    } else {
        speechBox_->show();
        noiseBox_->show();
        soundPanel_->show();
        labelTon_->show();
        for (int n : {kPlay, kStop, kSpell, kLetter})
            ShowButton(n, true);
        if (mitSound == 1 || mitSound == 7 || mitSound == 9)
            speechOn = noiseOn = false;
        speechBox_->setChecked(speechOn);
        noiseBox_->setChecked(noiseOn);
    }
    settingBoxes_ = false;
    ShowPosition();
}

void T_urahnlrb1::ShowPosition()
{
    if (!numberBox_->hasFocus())
        numberBox_->setText(QString::number(position + 1));
    countLabel_->setText(QString::number(currentList ? currentList->Count() : 0));
}

void T_urahnlrb1::OpenList()
{
    StartTicks();
    if (FileExists(ResolvePath(ListFolder() + listFile)))
        ShowListName();
    if (std::unique_ptr<tmoiel> loaded = LoadExerciseList(listFile)) {
        wordList = std::move(loaded);
        currentList = wordList.get();
        if (ExerciseSettings().wuerfeln == 1)
            Shuffle(*currentList);
        if (position >= currentList->Count())
            position = 0;
        if (currentList->Valid(position)) {
            AddListMarker();
            TakeCurrentEntry();
        }
        return;
    }
    UsePlaceholderList(false);
    ChooseList();
}

void T_urahnlrb1::UsePlaceholderList(bool pictureFieldToo)
{
    wordList = PlaceholderList(pictureFieldToo);
    currentList = wordList.get();
    position = 0;
    listNumber = 0;
    TakeCurrentEntry();
}

void T_urahnlrb1::ShowListName()
{
    SetListNameCaption(FileNamePart(listFile), listFile);
}

void T_urahnlrb1::AddListMarker()
{
    const bool errors = currentList && currentList == errorList.get();
    AppendListMarker(errors ? QStringLiteral("Fehlerliste") : listFile);
}

// ---- List choice ----------------------------------------------------------------

void T_urahnlrb1::ChooseList()
{
    QString chosen;
    if (!ChooseListFile(this, listFile, chosen)) {
        if (ignoreNextClick)
            PostCommand(kNext, 0);
        return;
    }
    if (!chosen.isEmpty() && FileExists(chosen)) {
        WriteResults(ResultsMoment::ListChange);
        listFile = ListKeyOf(chosen);
        ShowListName();
        if (std::unique_ptr<tmoiel> loaded = LoadExerciseList(listFile))
            wordList = std::move(loaded);
        // Choosing a list ends the practice of the error list.
        currentList = wordList.get();
        Ini::WriteString(ResolvePath(CurrentProfilePath()), section, QStringLiteral("Dateiname"), listFile);
        ShowButton(kRemove, false);
    }
    if (ExerciseSettings().wuerfeln == 1 && currentList)
        Shuffle(*currentList);
    if (currentList && currentList->Count() > 0) {
        position = 0;
        AddListMarker();
        TakeCurrentEntry();
    } else {
        UsePlaceholderList(true);
    }
    ListOpened();
    SetPending(kPrevious);
    PostPending();
}

void T_urahnlrb1::PractiseErrorList()
{
    if (!errorList || errorList->IsEmpty())
        return;
    // The answers given on the list so far are written before the switch.
    WriteResults(ResultsMoment::ListChange);
    SetListNameCaption(QStringLiteral("Lernkartei"), QStringLiteral("Lernkartei"));
    currentList = errorList.get();
    position = 0;
    AddListMarker();
    TakeCurrentEntry();
    ListOpened();
    PostCommand(kPrevious, 0);
    ShowButton(kRemove, true);
}

void T_urahnlrb1::RemoveFromErrorList()
{
    if (!currentList || !currentList->Valid(position))
        return;
    currentList->Remove(position);
    currentEntry.reset();
    currentList->SaveBack();
    if (position >= currentList->Count())
        position = currentList->Count() - 1;
    if (currentList->Count() > 0) {
        TakeCurrentEntry();
        PostCommand(kPrevious, 0);
        return;
    }
    position = 0;
    ShowButton(kRemove, false);
    ShowButton(kLearnCards, false);
    ChooseList();
}

void T_urahnlrb1::CommitNumberBox(const QString& text)
{
    int target = 0;
    if (!NumberBoxTarget(text, currentList ? currentList->Count() : 0, &target))
        return;
    EntryChosenByNumber();
    position = target - 1;
    PostCommand(kNext, kOwnCode);
}

// ---- Sound boxes --------------------------------------------------------------

void T_urahnlrb1::SoundBoxToggled()
{
    if (!settingBoxes_)
        SoundBoxesChanged();
}

void T_urahnlrb1::SoundBoxesChanged()
{
    speechOn = speechBox_->isChecked();
    noiseOn = noiseBox_->isChecked();
    if (noiseOn)
        soundNumber = 1;
    if (!speechOn && !noiseOn)
        ExerciseSettings().mitSound = 1;
    else if (ExerciseSettings().mitSound < 2)
        ExerciseSettings().mitSound = 2;
}

void T_urahnlrb1::RereadSoundBoxes()
{
    soundNumber = 0;
    speechOn = speechBox_->isChecked();
    noiseOn = noiseBox_->isChecked();
    if (noiseOn)
        soundNumber = 1;
}

// ---- Commands -------------------------------------------------------------------

bool T_urahnlrb1::FilterCommand(int number, int& code)
{
    if (isHidden() || SharedExerciseState().ticksPaused)
        return false;
    if (number == 15 || number == 16) {
        if ((quint32(code) >> 16) == 0x501)
            code = kOwnCode;
    } else if (code == 0) {
        code = kOwnCode;
    }
    if (code == 3)
        RereadSoundBoxes();
    if (number >= kPlay && number <= kLetter)
        for (int n : {kPlay, kStop, kSpell, kLetter})
            RedrawButton(n);
    return true;
}

void T_urahnlrb1::ButtonClicked(int number)
{
    switch (number) {
    case kOptions:
        OptionsPressed();
        break;
    case kEnd:
        RequestLeave();
        break;
    case kChooseList:
    case kChooseList2:
        ChooseList();
        break;
    case kRemove:
        RemoveFromErrorList();
        break;
    case kLearnCards:
        PractiseErrorList();
        break;
    default:
        if (KeepsPending(number))
            PressKeepingPending(number);
        else
            PressButton(number);
        break;
    }
}

void T_urahnlrb1::OptionsPressed()
{
    Spelling().Stop();
    StopSound();
}

// ---- Leaving -----------------------------------------------------------------------

bool T_urahnlrb1::LeaveWindow()
{
    T_urahnlrb::LeaveWindow();
    return ConfirmLeave();
}

// ---- Reminder ----------------------------------------------------------------------

void T_urahnlrb1::FrameworkTick()
{
    if (ticksToReminder != 0)
        return;   // the reminder counter moves on every sixth tick only
    if (reminderCount > 0)
        lastPostedCommand = 0;
    if (pendingCommand != 0 && reminderCount > 2)
        ShowReminder();
}

void T_urahnlrb1::ShowReminder()
{
    if (listNameAnimating)
        return;
    listNameAnimating = true;
    const QString text = QStringLiteral("Taste !");
    const QString caption = ListNameCaption();
    const QString hint = ListNameHint();
    for (int i = 1; i <= text.size(); ++i) {
        SetListNameCaption(text.left(i), hint);
        RepaintButton(kListName);
        Wait(i % 5, false);
    }
    Wait(100, false);
    SetListNameCaption(caption, hint);
    RepaintButton(kListName);
    listNameAnimating = false;
}

void T_urahnlrb1::SetBarCounts(int left, int right)
{
    barCountLeft = left;
    barCountRight = right;
    RedrawButton(kPrevious);
    RedrawButton(kNext);
}

void T_urahnlrb1::LoadingTextChanged()
{
    RedrawButton(kHelp);
}

// ---- Results ---------------------------------------------------------------------

void T_urahnlrb1::WriteResults(ResultsMoment moment)
{
    AnswerLists& answers = ProtocolAnswers();
    if (currentList) {
        CollectAnswers(*currentList, errorList, answers,
                       [this](const QString& record) { return NormaliseAnswer(record); });
        for (int i = 0; i < currentList->Count(); ++i)
            if (WordEntry* entry = currentList->Entry(i))
                entry->ClearAnswer();
        AnswersTaken();
    }
    ExerciseShared& shared = SharedExerciseState();
    const QString summary =
        moment != ResultsMoment::ListChange || shared.summaryDue ? SettingsSummary() : QString();
    const ResultsContext context = CurrentResultsContext(listFile);
    WriteProtocol(section, summary, answers, context);
    AppendResultsHistory(section, answers, context);
    WriteFurtherResults(moment, answers, context);
    SaveErrorList(errorList.get(), CurrentProfilePath());
    // Nothing is written for a block without answers; the next block then
    // still gets the header and summary this one would have had.
    const bool written = HasAnsweredWords(answers);
    if (written && !summary.isEmpty())
        shared.summaryDue = false;
    answers.Clear();
    if (written || moment == ResultsMoment::Closing)
        ResultsHeaderFlag() = moment == ResultsMoment::Closing;
    if (moment == ResultsMoment::Settings)
        AddListMarker();
    ShowButton(kLearnCards, errorList && !errorList->IsEmpty());
}

void T_urahnlrb1::WriteFurtherResults(ResultsMoment, const AnswerLists& answers, const ResultsContext& context)
{
    WriteCertificateData(section, answers, context);
}

void T_urahnlrb1::SetSummaryDue()
{
    SharedExerciseState().summaryDue = true;
}

void T_urahnlrb1::AppendListMarker(const QString& marker)
{
    ProtocolAnswers().AddListMarker(marker);
}
