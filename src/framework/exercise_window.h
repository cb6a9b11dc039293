#pragma once
// T_urahnlrb: the root of every exercise window.
//
// It fixes what all exercises share: the window covering its monitor, the life
// cycle with its profile keys, the word list and error list it holds, a 100 ms
// tick, numbered commands, the waiting texts and small services. The
// list-driven window T_urahnlrb1 (framework/list_window.h) adds the bars; the
// memory games derive from this class directly.
//
// Commands. Every user action and most internal steps reach the exercise as a
// (number, code) command queued to its own window and handled after the
// current handler has returned, in order:
//   - a press of a drawn button: PressButton(number) sets the pending command
//     to the button's number with code 0 and calls PostPending();
//   - internal steps: SetPending(number, code) + PostPending(), or
//     PostCommand(number, code); code 2 marks a command the window gave itself;
//   - the end of a sound played by a drawn button: command 1000 with the
//     button's number as code (1001 is delivered as 1000);
//   - spelling out posts 1000 with code 125 after a blank (see SpellingOut).
// Each command passes FilterCommand() (the list-driven window turns code 0
// into 2 there) and then reaches OnCommand(), the exercise's one handler.
//
// Ticks. StartTicks() runs a 100 ms timer; each tick counts in the shared tick
// counter (unless ticks are paused), raises the reminder counter every sixth
// tick (wrapping at 60) and then calls OnTick(). Tests call Tick() directly.
//
// Life cycle: construction calls Setup(); showing stops the background
// window's check, runs Prepare(), ReadListKeys(), OpenList(), ResetNumbers()
// and then OnShown() (from show(), or with ShowModal() just after the window
// has been mapped); closing (the end button or the window's close) runs
// LeaveWindow(), which may keep the window open; a window that closes is torn
// down (TearDown()).
#include <QBasicTimer>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <memory>

#include "data/word_list.h"

class QEventLoop;
class ButtonSoundPlayer;
class SpellingOut;
class tdrbutton;

class T_urahnlrb : public QWidget {
    Q_OBJECT
public:
    // Command numbers the framework itself uses.
    static constexpr int kSoundFinished = 1000;   // a sound ended; code: the button's number
    static constexpr int kSoundFinished2 = 1001;  // delivered as kSoundFinished
    static constexpr int kEndButton = 125;        // end button; plays the spelled units
    static constexpr int kHelpButton = 49;        // help button; plays praise and hints
    static constexpr int kOwnCode = 2;            // code of a command the window gave itself
    static constexpr int kTickMs = 100;
    static constexpr int kTimerId = 1000;

    explicit T_urahnlrb(QWidget* parent = nullptr);
    ~T_urahnlrb() override;

    // ---- Life cycle ---------------------------------------------------
    // Called from the exercise's constructor: mode is the variant the main
    // window started, sectionName the exercise's profile section. Loads the
    // praise and hint tables and the pupil's error list.
    void Setup(int mode, const QString& sectionName);
    // Shows the window over the monitor that shows it and returns when it has
    // closed (the main window's modal start of an exercise).
    void ShowModal();
    // The end button: the pupil asks to leave; LeaveWindow() decides.
    void RequestLeave();
    bool IsTornDown() const { return tornDown_; }
    // The show steps have run (the first task is presented).
    bool ShowStepsDone() const { return showStepsDone_; }

    // ---- Commands -----------------------------------------------------
    // The common click handler of drawn buttons: unless the ignore-next-click
    // flag is set (it is then only cleared), pending := (number, code 0) and
    // PostPending().
    void PressButton(int number);
    // A press of a button that carries out the pending command (the picture,
    // the word display, the list-name button): the command (number, 0)
    // reaches the exercise with the pending command left in place, so the
    // exercise can run it. The ignore-next-click flag applies as above.
    void PressKeepingPending(int number);
    // Makes (command, code) the pending command without posting it; a later
    // key, click or PostPending() carries it out.
    void SetPending(int command, int code = kOwnCode);
    // Posts the pending command if there is one, then clears it (code back to
    // 2) and discards the key input already queued for the window.
    void PostPending();
    int PendingCommand() const { return pendingCommand; }
    int PendingCode() const { return pendingCode; }
    // Queues a command for this window / handles one at once.
    void PostCommand(int number, int code);
    void SendCommand(int number, int code);

    // ---- Ticks ----------------------------------------------------------
    void StartTicks();
    void StopTicks();
    bool TicksRunning() const { return timer_.isActive(); }
    // What one tick does (the timer calls it every 100 ms).
    void Tick();
    // The reminder counter: one up every sixth tick, 0 again after 60.
    int ReminderCount() const { return reminderCount; }
    // Exercises call this when the pupil acts.
    void ResetReminder() { reminderCount = 0; }

    // ---- Services ---------------------------------------------------------
    // The text in capitals when the setting "Auto2" is 1.
    QString ToDisplayCase(const QString& text) const;
    // Shows the next of the seven waiting texts on the help button.
    void ShowLoadingText();
    void HideLoadingText();
    bool LoadingTextShown() const { return !loadingText.isEmpty(); }
    const QString& LoadingTextCaption() const { return loadingText; }
    // The drawn button of this window with number n, or the one that is the
    // given widget; nullptr when there is none.
    tdrbutton* ButtonHandleByNumber(int n) const;
    tdrbutton* ButtonByHandle(const QObject* handle) const;
    // Praise and hint choice with their sounds, and their texts (by voice).
    int PickMotivation(int first, int last, int variant);
    int PickHint(int first, int last, int variant);
    QString MotivationText(int index, int variant) const;
    QString HintText(int index, int variant) const;
    // Spelling out unit by unit (position, running flag, SpellStep).
    SpellingOut& Spelling() { return *spelling_; }
    // Stops any playing button sound.
    void StopSound();
    // A button sound is playing.
    bool SoundPlaying() const;
    // The sound player of the button with that number: its sounds end as
    // command 1000 with the number as code.
    ButtonSoundPlayer& SoundPlayer(int number);
    // Plays file on the button with that number; false when it did not start.
    bool PlayOnButton(int number, const QString& file);
    // Sets the sound control string of a button.
    void SetButtonControlString(int number, const QString& controlString);
    // Plays a file without a button: returns at once, or when wait is set
    // after the sound has ended.
    void PlayDirect(const QString& file, bool wait);

    // ---- State for callers and tests ----------------------------------
    const QString& Section() const { return section; }
    int Mode() const { return mode; }
    const QString& ListFile() const { return listFile; }
    tmoiel* CurrentList() const { return currentList; }
    tmoiel* ErrorList() const { return errorList.get(); }
    WordEntry* CurrentEntry() const { return currentEntry.get(); }
    int Position() const { return position; }
    int SoundNumber() const { return soundNumber; }
    QChar SizeClass() const { return sizeClass; }
    bool ClosingByUser() const { return closingByUser; }

Q_SIGNALS:
    // Emitted once the window has closed for good (after tear-down).
    void Closed();

protected:
    // ---- Virtual operations, in their slot order ------------------------
    // 1. Called when the window is shown: size class, the shared flags, and
    //    the input made during loading is thrown away.
    virtual void Prepare();
    // 2. Writes the certificate data of the answers collected so far.
    virtual void WriteCertificate();
    // 3. Picture and sound number back to 0 (the list window also sets the
    //    sound boxes and the number box).
    virtual void ResetNumbers(bool speechOn, bool noiseOn);
    // 4. Settings of the section, then "Dateiname", "Listenstelle", "Soundnr".
    virtual void ReadListKeys(const QString& sectionName);
    // 5. "Liste", "Listenstelle", "Bildnr", "Soundnr".
    virtual void WriteListKeys(const QString& sectionName);
    // 6. Frees the lists and the answer lists; the window is done.
    virtual void TearDown();
    // 7. Opens the word list (the list window's rules).
    virtual void OpenList() {}

    // ---- Hooks of the exercises ------------------------------------------
    // The exercise's command handler, after the framework's filtering.
    virtual void OnCommand(int number, int code);
    // After the framework's tick work.
    virtual void OnTick() {}
    // After the framework's show steps (the first task is presented here).
    virtual void OnShown() {}
    // Close requested: the base stops the ticks and the sound and switches the
    // background check on again. Returns whether the window may close; the
    // list window asks "Wirklich verlassen?". Exercises that record results on
    // leaving override it and call the inherited one last.
    virtual bool LeaveWindow();
    // Asks "Wirklich verlassen?": on Yes the sound stops and the list keys
    // are written (true); on No the window works on as before (false).
    bool ConfirmLeave();

    // ---- Framework hooks (used by the list window) -------------------------
    // Decides whether a command reaches OnCommand and may change its code.
    virtual bool FilterCommand(int number, int& code);
    // Runs after every command the exercise handled.
    virtual void CommandDone() {}
    // Runs on every counted tick before OnTick().
    virtual void FrameworkTick() {}
    // The waiting text was shown or hidden (the help button redraws).
    virtual void LoadingTextChanged() {}

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

    // Loads the current list's entry at position into currentEntry (none when
    // the position is not valid).
    void TakeCurrentEntry();
    // Switches the background window's idle check (data/idle_check.h).
    static void SwitchBackgroundCheck(bool run);

    // ---- Per-window state ----------------------------------------------------
    QString section;                  // profile section, the exercise's name
    int mode = 0;                     // variant started by the main window
    QString listFile;                 // list file relative to "listen\"
    // The list worked on: the loaded word list (or the placeholder), or the
    // error list while "Lernkartei" is practised. Not owned.
    tmoiel* currentList = nullptr;
    std::unique_ptr<tmoiel> wordList;      // the list loaded from "listen"
    WordEntryPtr currentEntry;
    int listNumber = 0;               // "Liste"
    int position = 0;                 // "Listenstelle"
    int pictureNumber = 0;            // "Bildnr"
    int soundNumber = 0;              // "Soundnr"
    std::unique_ptr<tmoiel> errorList;
    std::unique_ptr<tmoiel> motivationList;
    std::unique_ptr<tmoiel> hintList;
    int pendingCommand = 0;
    int pendingCode = kOwnCode;
    int lastPostedCommand = 0;        // copies made by PostPending
    int lastPostedCode = 0;
    bool ignoreNextClick = false;     // the next press only clears this flag
    QChar sizeClass = u'c';
    int monitorHeight = 0;
    int monitorWidth = 0;
    bool closingByUser = false;
    int reminderCount = 0;
    int ticksToReminder = 0;
    QString loadingText;              // shown on the help button while set

private:
    void DispatchCommand(int number, int code);
    void RecordMonitor();
    // The show steps: Prepare() to OnShown().
    void RunShowSteps();

    QBasicTimer timer_;
    std::map<int, std::unique_ptr<ButtonSoundPlayer>> players_;
    std::unique_ptr<SpellingOut> spelling_;
    QPointer<QEventLoop> modalLoop_;
    bool shownOnce_ = false;
    bool deferShowSteps_ = false;   // ShowModal: the steps follow the mapping
    bool showStepsDone_ = false;
    bool tornDown_ = false;
    bool leaving_ = false;
};
