#include "framework/exercise_window.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "data/idle_check.h"
#include "data/path_helpers.h"
#include "data/program_state.h"
#include "framework/certificate_data.h"
#include "framework/exercise_shared.h"
#include "framework/input_discard.h"
#include "framework/loading_texts.h"
#include "framework/results_files.h"
#include "framework/size_class.h"
#include "framework/spelling_out.h"
#include "framework/unsaved_results.h"
#include "platform/command_event.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "platform/session_end.h"
#include "sound/button_sound_player.h"
#include "sound/motivation.h"
#include "sound/simple_sound.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QScreen>
#include <QTimerEvent>

namespace {

QString ProfileFile()
{
    return ResolvePath(CurrentProfilePath());
}

// Loads a table or list; a list that cannot be read counts as empty.
std::unique_ptr<tmoiel> LoadList(const QString& file, bool exerciseMode)
{
    std::unique_ptr<tmoiel> list;
    if (!Load(list, file, exerciseMode) || !list)
        list = std::make_unique<tmoiel>();
    if (SwissMode())
        ToSwissSpelling(list.get());
    return list;
}

} // namespace

void T_urahnlrb::SwitchBackgroundCheck(bool run)
{
    if (run)
        StartIdleCheck();
    else
        StopIdleCheck();
}

T_urahnlrb::T_urahnlrb(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      spelling_(std::make_unique<SpellingOut>(*this))
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));   // silver
    setPalette(p);
    setFocusPolicy(Qt::StrongFocus);
}

T_urahnlrb::~T_urahnlrb()
{
    if (!tornDown_ && shownOnce_)
        TearDown();
}

// ---- Life cycle -----------------------------------------------------------

void T_urahnlrb::Setup(int modeValue, const QString& sectionName)
{
    pendingCommand = 0;
    pendingCode = kOwnCode;
    lastPostedCommand = 0;
    lastPostedCode = 0;
    ignoreNextClick = false;
    closingByUser = false;
    reminderCount = 0;
    ticksToReminder = 0;
    listNumber = 0;
    position = 0;
    pictureNumber = 0;
    soundNumber = 0;
    tornDown_ = false;
    setWindowState(windowState() | Qt::WindowMaximized);
    section = sectionName;
    mode = modeValue;
    ProtocolAnswers().Clear();
    motivationList = LoadFeedbackTable(kPraiseTable);
    hintList = LoadFeedbackTable(kHintTable);
    const QString errorFile = ChangeExtension(CurrentProfilePath(), QStringLiteral(".fhl"));
    errorList = LoadList(errorFile, true);
    // A pupil without an error list gets a new one under its own title.
    if (errorList->IsEmpty() && !FileExists(ResolvePath(errorFile)))
        errorList->title = QStringLiteral("Fehlerliste");
}

void T_urahnlrb::RecordMonitor()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    monitorWidth = area.width();
    monitorHeight = area.height();
    setGeometry(area);
}

void T_urahnlrb::ShowModal()
{
    QEventLoop loop;
    modalLoop_ = &loop;
    setWindowModality(Qt::ApplicationModal);
    // Qt sends the show event before the window is mapped: the show steps
    // run from the loop instead, so the window is on the screen at once and
    // what the first task draws, animates or waits for is seen there.
    deferShowSteps_ = true;
    show();
    if (!tornDown_ && isVisible())
        loop.exec();
    modalLoop_ = nullptr;
}

void T_urahnlrb::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    if (deferShowSteps_)
        QMetaObject::invokeMethod(this, &T_urahnlrb::RunShowSteps, Qt::QueuedConnection);
    else
        RunShowSteps();
}

void T_urahnlrb::RunShowSteps()
{
    if (tornDown_ || !isVisible())
        return;
    if (monitorWidth == 0)
        RecordMonitor();
    SwitchBackgroundCheck(false);
    // No control has the focus: the window itself takes the keys.
    setFocus(Qt::OtherFocusReason);
    Prepare();
    ReadListKeys(section);
    OpenList();
    ResetNumbers(true, false);
    OnShown();
    showStepsDone_ = true;
}

void T_urahnlrb::RequestLeave()
{
    closingByUser = true;
    close();
}

void T_urahnlrb::closeEvent(QCloseEvent* event)
{
    if (tornDown_) {
        event->accept();
        return;
    }
    if (leaving_) {
        event->ignore();
        return;
    }
    leaving_ = true;
    const bool leave = LeaveWindow();
    leaving_ = false;
    if (!leave) {
        event->ignore();
        return;
    }
    TearDown();
    // Results the data folder would not take are kept; what is still unsaved
    // now is said, unless the session ends and nobody is there to read it.
    if (SessionEnding())
        RetryUnsavedResults();
    else
        ReportUnsavedResults();
    event->accept();
    if (modalLoop_)
        modalLoop_->quit();
    Q_EMIT Closed();
}

bool T_urahnlrb::LeaveWindow()
{
    StopTicks();
    StopSound();
    SwitchBackgroundCheck(true);
    return true;
}

bool T_urahnlrb::ConfirmLeave()
{
    // At the end of the session nobody is there to answer.
    if (SessionEnding() || AskQuestion(QStringLiteral("Wirklich verlassen?"), QStringLiteral("Frage")) == Answer::Yes) {
        StopSound();
        WriteListKeys(section);
        return true;
    }
    StartTicks();
    closingByUser = false;
    SwitchBackgroundCheck(false);
    return false;
}

// ---- Virtual operations -----------------------------------------------------

void T_urahnlrb::Prepare()
{
    SharedExerciseState().ticksPaused = false;
    SharedExerciseState().windowOpen = true;
    if (monitorWidth == 0)
        RecordMonitor();
    sizeClass = SizeClassFor(monitorWidth, IsLargeDialogFont(QApplication::font()));
    DiscardQueuedInput(this, QueuedInput::Keys | QueuedInput::LeftMouseDown);
}

void T_urahnlrb::WriteCertificate()
{
    WriteCertificateData(section, ProtocolAnswers(), CurrentResultsContext(listFile));
}

void T_urahnlrb::ResetNumbers(bool, bool)
{
    pictureNumber = 0;
    soundNumber = 0;
}

void T_urahnlrb::ReadListKeys(const QString& sectionName)
{
    LoadSettings(sectionName);
    const QString profile = ProfileFile();
    listFile = Ini::ReadString(profile, sectionName, QStringLiteral("Dateiname"), QString(), 255);
    if (listFile.isEmpty())
        listFile = QStringLiteral("standard.txt");
    position = Ini::ReadInt(profile, sectionName, QStringLiteral("Listenstelle"), 0);
    pictureNumber = 0;
    soundNumber = Ini::ReadInt(profile, sectionName, QStringLiteral("Soundnr"), 0);
    if (ExerciseSettings().wuerfeln == 1)
        position = 0;
}

void T_urahnlrb::WriteListKeys(const QString& sectionName)
{
    const QString profile = ProfileFile();
    Ini::WriteInt(profile, sectionName, QStringLiteral("Liste"), listNumber);
    Ini::WriteInt(profile, sectionName, QStringLiteral("Listenstelle"), position);
    Ini::WriteInt(profile, sectionName, QStringLiteral("Bildnr"), pictureNumber);
    Ini::WriteInt(profile, sectionName, QStringLiteral("Soundnr"), soundNumber);
}

void T_urahnlrb::TearDown()
{
    if (tornDown_)
        return;
    tornDown_ = true;
    StopTicks();
    spelling_->Stop();
    ProtocolAnswers().Clear();
    currentEntry.reset();
    currentList = nullptr;
    wordList.reset();
    errorList.reset();
    motivationList.reset();
    hintList.reset();
    SharedExerciseState().windowOpen = false;
}

void T_urahnlrb::TakeCurrentEntry()
{
    currentEntry = currentList && currentList->Valid(position) ? currentList->SharedEntry(position)
                                                                 : nullptr;
}

// ---- Commands ---------------------------------------------------------------

void T_urahnlrb::PressButton(int number)
{
    if (ignoreNextClick) {
        ignoreNextClick = false;
        return;
    }
    pendingCommand = number;
    pendingCode = 0;
    PostPending();
}

void T_urahnlrb::PressKeepingPending(int number)
{
    if (ignoreNextClick) {
        ignoreNextClick = false;
        return;
    }
    PostCommand(number, 0);
}

void T_urahnlrb::SetPending(int command, int code)
{
    pendingCommand = command;
    pendingCode = code;
}

void T_urahnlrb::PostPending()
{
    if (pendingCommand != 0) {
        lastPostedCommand = pendingCommand;
        lastPostedCode = pendingCode;
        PostCommand(pendingCommand, pendingCode);
    }
    pendingCommand = 0;
    pendingCode = kOwnCode;
    DiscardQueuedInput(this, QueuedInput::Keys);
}

void T_urahnlrb::PostCommand(int number, int code)
{
    ::PostCommand(this, number, code);
}

void T_urahnlrb::SendCommand(int number, int code)
{
    ::SendCommand(this, number, code);
}

bool T_urahnlrb::event(QEvent* event)
{
    if (event->type() == CommandEvent::EventType()) {
        const auto* command = static_cast<CommandEvent*>(event);
        DispatchCommand(command->Number(), command->Code());
        return true;
    }
    return QWidget::event(event);
}

void T_urahnlrb::DispatchCommand(int number, int code)
{
    if (tornDown_)
        return;
    if (number == kSoundFinished2)
        number = kSoundFinished;
    if (!FilterCommand(number, code))
        return;
    if (number == kSoundFinished && code == kEndButton)
        spelling_->Continue();
    OnCommand(number, code);
    if (!tornDown_)
        CommandDone();
}

bool T_urahnlrb::FilterCommand(int, int&)
{
    return true;
}

void T_urahnlrb::OnCommand(int, int) {}

// ---- Ticks ------------------------------------------------------------------

void T_urahnlrb::StartTicks()
{
    timer_.start(kTickMs, this);
}

void T_urahnlrb::StopTicks()
{
    timer_.stop();
}

void T_urahnlrb::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == timer_.timerId())
        Tick();
    else
        QWidget::timerEvent(event);
}

void T_urahnlrb::Tick()
{
    if (tornDown_)
        return;
    ExerciseShared& shared = SharedExerciseState();
    if (!shared.ticksPaused) {
        ++shared.tickCount;
        if (++ticksToReminder >= 6) {
            ticksToReminder = 0;
            if (++reminderCount >= 60)
                reminderCount = 0;
        }
        FrameworkTick();
    }
    OnTick();
}

// ---- Services -----------------------------------------------------------------

QString T_urahnlrb::ToDisplayCase(const QString& text) const
{
    return ExerciseSettings().auto2 == 1 ? text.toUpper() : text;
}

void T_urahnlrb::ShowLoadingText()
{
    loadingText = TakeLoadingText();
    LoadingTextChanged();
}

void T_urahnlrb::HideLoadingText()
{
    loadingText.clear();
    LoadingTextChanged();
}

tdrbutton* T_urahnlrb::ButtonHandleByNumber(int n) const
{
    const auto buttons = findChildren<tdrbutton*>();
    for (tdrbutton* b : buttons)
        if (b->Number() == n && b->Owner() == this)
            return b;
    return nullptr;
}

tdrbutton* T_urahnlrb::ButtonByHandle(const QObject* handle) const
{
    const auto buttons = findChildren<tdrbutton*>();
    for (tdrbutton* b : buttons)
        if (b == handle)
            return b;
    return nullptr;
}

void T_urahnlrb::StopSound()
{
    SoundStopRequest();
}

bool T_urahnlrb::SoundPlaying() const
{
    return IsSoundPlaying();
}

ButtonSoundPlayer& T_urahnlrb::SoundPlayer(int number)
{
    if (tdrbutton* button = ButtonHandleByNumber(number))
        return button->Sound();
    // A number without a drawn button (yet) plays through a player of the
    // window, with the same command at its end.
    std::unique_ptr<ButtonSoundPlayer>& player = players_[number];
    if (!player)
        player = std::make_unique<ButtonSoundPlayer>(this, number);
    return *player;
}

bool T_urahnlrb::PlayOnButton(int number, const QString& file)
{
    return SoundPlayer(number).PlaySoundFile(file);
}

void T_urahnlrb::SetButtonControlString(int number, const QString& controlString)
{
    SoundPlayer(number).SetSoundControlString(controlString);
}

void T_urahnlrb::PlayDirect(const QString& file, bool wait)
{
    PlaySimpleSound(file, wait ? SimpleSoundMode::Sync : SimpleSoundMode::Async);
}

int T_urahnlrb::PickMotivation(int first, int last, int variant)
{
    const int index = ::PickMotivation(motivationList.get(), first, last, variant, &SoundPlayer(kHelpButton));
    DiscardQueuedInput(this, QueuedInput::Keys);
    return index;
}

int T_urahnlrb::PickHint(int first, int last, int variant)
{
    const int index = ::PickHint(hintList.get(), first, last, variant, &SoundPlayer(kHelpButton));
    DiscardQueuedInput(this, QueuedInput::Keys);
    return index;
}

QString T_urahnlrb::MotivationText(int index, int variant) const
{
    return ::MotivationText(motivationList.get(), index, variant);
}

QString T_urahnlrb::HintText(int index, int variant) const
{
    return ::HintText(hintList.get(), index, variant);
}
