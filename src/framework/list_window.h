#pragma once
// T_urahnlrb1: the window of the exercises that step through a word list
// entry by entry (exercises 1, 2, 3, 4 and 7).
//
// It adds to T_urahnlrb the right bar (help, options, "Sprache", "Geräusch",
// a second "Datei", the end button) and the bottom bar (entry navigation with
// the number box, the check button, the four sound buttons, list choice,
// "Lernkartei" and removing from the error list), opens the list, asks before
// leaving and shows the "Taste !" reminder. The exercise fills the centre
// (CentreRect(), LayoutCentre()) and answers the commands in OnCommand():
//
//   12 previous entry       13 next entry (also after the number box, code 2)
//   14 list-name button (the pending command is still in place)
//   49 help                 201 check the answer
//   202 play                203 stop            204 spell out (running flag set)
//   205 the one unit at the typing position     1000 a sound ended (code: button)
//
// Every command arrives with code 2 for a button press as for an internal step
// (code 0 becomes 2 here); commands 15 and 16 get code 2 only when the high
// half of their code is 0x501. The buttons 48 (options: OptionsPressed()),
// 125 (leave), 660/669 (choose list), 661 (remove) and 662 (Lernkartei) act
// directly.
#include "framework/exercise_window.h"
#include "framework/list_window_layout.h"

#include <QHash>

struct AnswerLists;
struct ResultsContext;
class QCheckBox;
class QLabel;
class TNumberBox;
class tdrbutton;

class T_urahnlrb1 : public T_urahnlrb {
    Q_OBJECT
public:
    // Numbers of the framework's buttons (and the commands they give).
    enum ButtonNumber {
        kPrevious = 12, kNext = 13, kListName = 14, kOptions = 48, kHelp = 49,
        kEnd = 125, kCheck = 201, kPlay = 202, kStop = 203, kSpell = 204, kLetter = 205,
        kChooseList = 660, kRemove = 661, kLearnCards = 662, kChooseList2 = 669,
    };

    explicit T_urahnlrb1(QWidget* parent = nullptr);
    ~T_urahnlrb1() override;

    // Centre area left to the exercise, in window coordinates.
    QRect CentreRect() const { return layout_.centre; }
    const ListWindowLayout& Layout() const { return layout_; }
    // Widths of the right bar and heights of the bottom bar as laid out.
    int RightBarWidth() const { return layout_.rightBar.width(); }
    int BottomBarHeight() const { return layout_.bottomBar.height(); }

    // The two counts shown as bar columns on B12 and B13 when "Bedienung" is
    // not 0.
    void SetBarCounts(int left, int right);

    // Actions of the direct buttons (public so that the main window and
    // tests can trigger them as a click would).
    void ChooseList();
    void PractiseErrorList();     // "Lernkartei"
    void RemoveFromErrorList();   // "raus"
    void CommitNumberBox(const QString& text);

    bool SpeechOn() const { return speechOn; }
    bool NoiseOn() const { return noiseOn; }
    QCheckBox* SpeechBox() const { return speechBox_; }
    QCheckBox* NoiseBox() const { return noiseBox_; }
    TNumberBox* NumberBox() const { return numberBox_; }
    bool SoundPanelVisible() const;
    // The caption and hint of the list-name button.
    QString ListNameCaption() const;
    QString ListNameHint() const;
    // Enables the check button (its look follows).
    void SetCheckEnabled(bool enabled);
    bool CheckEnabled() const { return checkEnabled_; }

protected:
    // Overridden operations of the base.
    void Prepare() override;
    void ResetNumbers(bool speechOnValue, bool noiseOnValue) override;
    void OpenList() override;
    bool LeaveWindow() override;
    bool FilterCommand(int number, int& code) override;
    void FrameworkTick() override;
    void LoadingTextChanged() override;
    void CommandDone() override { ShowPosition(); }

    // The options button: stops spelling out and any sound. Exercises
    // override it to open their settings and call the inherited one first.
    virtual void OptionsPressed();
    // The number box is about to go to the entry typed (position is set to
    // the one before it and 13 follows): exercises drop what would keep them
    // on the current entry.
    virtual void EntryChosenByNumber() {}
    // Another list (or the error list) was opened: its first entry comes
    // next, by command 12.
    virtual void ListOpened() {}
    // Whether a press of that bar button reaches the exercise with the
    // pending command left in place (the list-name button always does), so
    // the exercise can carry it out instead of losing it.
    virtual bool KeepsPending(int number) const { return number == kListName; }
    // The pupil changed "Sprache" or "Geräusch": the base takes both into the
    // window's state and keeps "Mit Sound" in step (1 with both off, at
    // least 2 otherwise). An exercise with its own rule for the boxes
    // replaces it.
    virtual void SoundBoxesChanged();
    // Lays out the exercise's own controls in the centre after a resize.
    virtual void LayoutCentre(const QRect& centre) { Q_UNUSED(centre); }
    // Gives the two sound boxes one font size at which both captions fit
    // their present width; exercises that move the boxes call it again.
    void FitSoundBoxCaptions();

    void resizeEvent(QResizeEvent* event) override;

    // The caption of the list-name button (b14) and its hint; exercises use
    // it for "Taste!" and restore the list name from the hint.
    void SetListNameCaption(const QString& caption, const QString& hint);
    // Shows the list's stored name on the list-name button.
    void ShowListName();
    // The number box shows position + 1 and the count label the entry count
    // (done after every command; exercises may call it sooner).
    void ShowPosition();
    // ---- Results: the one collecting path of every list-driven exercise ----
    // When the answers are written.
    enum class ResultsMoment {
        ListChange,  // another list is chosen or "Lernkartei" is pressed
        Settings,    // the settings button, before the settings dialog
        Closing,     // the exercise ends
    };
    // Collects the answer record of every entry of the current list (each
    // through NormaliseAnswer()), writes the protocol block and the
    // certificate data, moves the wrong words into the error list and saves
    // it. The records are taken out of the entries, so nothing is written
    // twice. The protocol block gets SettingsSummary() as its header line: on
    // a list change only while a summary is due, at the settings button and
    // at the end always. After a list change or the settings button the next
    // block continues the same dated block (header flag false); the settings
    // button starts the next block with the list marker again. At the end the
    // header flag goes back to true. "Lernkartei" shows when the error list
    // has entries.
    void WriteResults(ResultsMoment moment);
    // Hook: what the results files get for an entry's answer record. The
    // default keeps the record; an empty result leaves the entry out.
    virtual QString NormaliseAnswer(const QString& record) const { return record; }
    // Hook: the settings summary written as the header line of a protocol
    // block (exercise 1: "Textkontrolle: ..."); empty for none.
    virtual QString SettingsSummary() const { return QString(); }
    // Hook: what is written after the protocol block from the same answers
    // and context; the default writes the certificate data (exercise 2 in
    // uncovering mode writes its result summary at the end instead).
    virtual void WriteFurtherResults(ResultsMoment moment, const AnswerLists& answers, const ResultsContext& context);
    // Hook: the records were taken out of the entries; an exercise that
    // keeps a copy of the current entry's record drops it here, so that the
    // copy is not written again.
    virtual void AnswersTaken() {}
    // Makes the settings summary due in the next block a list change writes
    // (exercise 1: when its window opens and after its settings dialog).
    static void SetSummaryDue();
    // Appends the list marker row of the current list to the answer lists:
    // its stored name, or "Fehlerliste" while the error list is practised.
    void AddListMarker();
    // The placeholder list shown when no list could be loaded.
    void UsePlaceholderList(bool pictureFieldToo);
    // Reads the sound boxes again (a command with code 3).
    void RereadSoundBoxes();
    // Shows or hides one of the framework's buttons; redraws one.
    void ShowButton(int number, bool visible);
    void RedrawButton(int number);
    // Redraws at once (animations).
    void RepaintButton(int number);

    // Window state added to the base.
    bool speechOn = true;
    bool noiseOn = false;
    bool listNameAnimating = false;
    int barCountLeft = 0;
    int barCountRight = 0;
    QString helpStyle = QStringLiteral("f 70 xx 00");   // exercise 2: "f 100xx 00"

private:
    void CreateControls();
    void CreateButtons();
    void LayoutButtons();
    void ApplyLayout();
    // Chooses style and content of a button by the window's state and draws
    // it with its frames.
    void UpdateLook(tdrbutton& button);
    void DrawButton(tdrbutton& button, QPainter& painter);
    void DrawBarColumn(QPainter& painter, const QRect& inner, int count) const;
    void AppendListMarker(const QString& marker);
    void ButtonClicked(int number);
    void SoundBoxToggled();
    void ShowReminder();

    ListWindowLayout layout_;
    QHash<int, tdrbutton*> buttons_;
    QCheckBox* speechBox_ = nullptr;
    QCheckBox* noiseBox_ = nullptr;
    TNumberBox* numberBox_ = nullptr;
    QLabel* labelNr_ = nullptr;
    QLabel* labelVon_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QLabel* labelTon_ = nullptr;
    QWidget* soundPanel_ = nullptr;
    bool settingBoxes_ = false;
    bool checkEnabled_ = true;
    QString listNameCaption_;
    QString listNameHint_;
};
