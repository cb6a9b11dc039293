#pragma once
// Tprog1: exercise 1, "Hören und Schreiben" and its variant "Lautierübung".
//
// A picture is shown (or "hören - schreiben" in dictation), the entry's word
// is played (or sounded out in the variant), and the pupil writes it into the
// editor; the typing control checks every key. A right answer blinks the word,
// may speak it and praise, and waits for a key ("Taste!") before the next
// entry; a wrong one gives a hint and keeps the correct letters. Holding the
// rescue picture, or a fourth wrong letter, shows the solution: that word then
// comes again. Closing records the typing of every entry in the protocol, the
// certificate data and the error list.
//
// Commands (besides the list window's): 12/13 previous/next entry, 14 run the
// pending command, 100 picture, 101 word display, 201 check (Textcontrolle 0
// only), 202 play (code 10: the recording after a pause), 203 stop, 204 spell
// out by "Buchstabieren", 205 the letter at the write position, 1000 a sound
// ended (101: the next part of the spoken word; 125: the next spelled unit).
#include "exercises/spiel1/typing_control.h"
#include "exercises/spiel1/typing_host.h"
#include "framework/list_window.h"
#include "sound/twav.h"

#include <QPointer>
#include <QStringList>

class QLabel;
class RescuePicture;
class TypingEditor;
class tdrbutton;

class Tprog1 : public T_urahnlrb1, private TypingHost {
    Q_OBJECT
public:
    static constexpr int kPicture = 100;
    static constexpr int kWordDisplay = 101;
    static constexpr int kRunPending = 14;
    static constexpr int kPlayAfterPause = 10;  // code of command 202
    static constexpr int kSolutionMs = 2000;    // the solution after the fourth wrong letter
    static constexpr int kReleaseMs = 600;      // the solution after releasing the rescue picture
    static constexpr int kMessageEchoMs = 300;  // the pupil's line at the list end

    // lautier: the "Lautierübung" variant.
    explicit Tprog1(bool lautier, QWidget* parent = nullptr);
    ~Tprog1() override;

    bool Lautier() const { return lautier_; }
    TypingControl& Typing() { return typing_; }
    tdrbutton* PictureButton() const { return picture_; }
    tdrbutton* WordButton() const { return word_; }
    TypingEditor* Editor() const { return editor_; }
    RescuePicture* Rescue() const { return rescue_; }
    QLabel* CaptionLabel() const { return caption_; }
    // What the picture button shows now ("hören - schreiben", a picture file,
    // a text, or nothing).
    QString PictureShown() const;
    bool PictureVisible() const;
    // The text shown in place of the word, while one is shown.
    const QString& MessageText() const { return messageText_; }
    bool WaitingForKey() const { return waitingForKey_; }
    bool SolutionShown() const { return solutionShown_; }
    bool ListEnd() const { return listEnd_; }
    // A word is being spelled out (its spelled part is marked).
    bool SpellingOutWord() const { return spelling_; }
    int PraiseCounter() const { return praiseCounter_; }
    const QStringList& SpeechParts() const { return speech_; }

    // Ends a "Taste!" wait as a key would.
    void ContinueWaiting();

    // The answer check (B201, Enter with Textcontrolle 0, or the line equal
    // to the word in automatic control).
    void CheckAnswer();
    // Shows text in the word display letter by letter; stays duration ms, or
    // with duration <= 0 until a key or click ("Taste!").
    void ShowMessageText(const QString& text, int duration);
    // Plays the spoken word by the article rule.
    void SpeakWord(bool articleCounts);

Q_SIGNALS:
    // A text was shown in place of the word (ShowMessageText).
    void messageShown(const QString& text);

protected:
    void Prepare() override;
    void OnShown() override;
    void OnCommand(int number, int code) override;
    void OnTick() override;
    bool LeaveWindow() override;
    void TearDown() override;
    void OptionsPressed() override;
    QString NormaliseAnswer(const QString& record) const override;
    QString SettingsSummary() const override;
    void AnswersTaken() override;
    void LayoutCentre(const QRect& centre) override;
    void EntryChosenByNumber() override;
    void ListOpened() override { newList_ = true; }
    void WriteListKeys(const QString& sectionName) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // TypingHost.
    void PlayFunSound(int setting, const QString& name) override;
    void PlayCaseHint(const QString& file) override;
    void SayLetter(const QString& text, int position, int stimme) override;
    void ShowSolution() override;
    void StartAnswerCheck() override;
    void MakePending(int command) override;
    int SpellPosition() const override;
    void SetSpellPosition(int position) override;
    bool IsSpellingOut() const override;
    void DisplayChanged() override;

    // Task cycle.
    void TakeSettings();
    void PresentEntry();
    void ChangeEntry(int command);
    void FitCaptionFont();
    void UpdatePicture();
    void UpdateWordDisplay();
    void HoldPicture(bool held);
    void DrawPictureButton(tdrbutton& button, QPainter& painter);
    void RightAnswer();
    void WrongAnswer(const QString& written);
    void Praise(int first);
    void WaitForKey();
    void HoldSolution(bool held);
    void ShowSolutionFor(int ms);
    void HideSolution();
    void OpenHelp();
    void CloseWhenIdle();
    void BlinkWord();
    void RecordTyping();
    void KeepTaskAfterCancel();

    // Sound.
    void PlayEntrySound(int code);
    void PlayRecordingAfterPause();
    void SoundEnded(int button);
    void SpellWord();
    void StartSpelling(int from, int to);
    void SayLetterAtWritePosition();
    void StopAllSound();

    // Keys.
    KeyTarget TargetOf(QObject* watched) const;
    bool FilterKeyEvent(QObject* watched, QKeyEvent* event);
    bool FilterMouseRelease(QMouseEvent* event);
    void HandleEditorAction(EditorAction action);
    bool InWindow(QObject* watched) const;

    const bool lautier_;
    TypingControl typing_;
    TWAV wav_;  // WAV1: plays the recording without its trailing article
    tdrbutton* picture_ = nullptr;
    tdrbutton* word_ = nullptr;
    TypingEditor* editor_ = nullptr;
    QLabel* caption_ = nullptr;
    RescuePicture* rescue_ = nullptr;

    int savedTextvorgabe_ = 0;
    int savedAuto3_ = 1;
    bool noiseFlag_ = false;
    bool noisePlaying_ = false;
    QStringList speech_;
    int nextPart_ = 0;
    int praiseCounter_ = 0;
    bool solutionShown_ = false;
    bool solutionVisible_ = false;
    bool pictureRevealed_ = false;  // shown after the right answer
    bool pictureHeld_ = false;      // shown while held (Hilfebild)
    bool pictureContent_ = false;   // the entry has something to show
    qint64 solutionHideAt_ = -1;    // when the shown solution goes (tick time)
    bool presentSameEntry_ = false; // the next command 13 stays on the entry
    bool showingMessage_ = false;
    bool listEnd_ = false;
    bool newList_ = false;          // the next entry is the first of a new list: it is spoken
    bool spelling_ = false;         // a word is being spelled out
    int spellFrom_ = 0;
    int spellTo_ = 0;
    QString messageText_;
    int messageShown_ = 0;
    QChar wordEffect_ = u' ';
    bool waitingForKey_ = false;
    bool checking_ = false;
    bool checkQueued_ = false;
    bool closeRequested_ = false;
    const QKeyEvent* lastKeyEvent_ = nullptr;
    bool lastKeyFiltered_ = false;
};
