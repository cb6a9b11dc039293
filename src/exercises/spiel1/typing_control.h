#pragma once
// The typing control of the writing exercise, without widgets: it prepares
// the editor line for a task (template, given letters, kept letters), checks
// every change of the line against the expected word, refuses, lets pass or
// marks wrong letters, keeps the typing record and decides what each key does.
// The window feeds it the pupil's keys and draws what it holds.
#include "exercises/spiel1/editor_line.h"
#include "exercises/spiel1/typing_settings.h"

#include <QString>
#include <QVector>

class TypingHost;

// Where a key event is aimed.
enum class KeyTarget { Editor, Window, ListPositionField, Other };

struct KeyInput {
    int vk = 0;
    bool down = true;
    bool autoRepeat = false;
    KeyTarget target = KeyTarget::Editor;
};

// What the application-wide key filter and the window do with a key.
enum class KeyVerdict {
    Pass,         // the key goes on to its target
    Drop,         // the key is swallowed
    Close,        // the window closes
    Continue,     // a "Taste!" wait ends; the key is swallowed
    FocusEditor,  // the window gives the editor the focus (the key goes on)
};

// What a key that reaches the editor asks the window to do.
enum class EditorAction { None, PlayEntrySound, CheckAnswer, Close };

// How one letter of the word display looks.
enum class LetterLook {
    Hidden,    // not typed yet: keeps its place, not drawn
    Template,  // an underscore of the template: drawn as a gap with a bar
    Given,     // given by the task (article, every second letter, ...)
    Typed,     // written by the pupil
    ToCopy,    // copying: still to be typed over
    Extra,     // typed beyond the end of the word
};

struct DisplayLetter {
    QChar ch;
    LetterLook look = LetterLook::Hidden;
    bool wrong = false;  // the first wrong letter, marked while blinking
};

class TypingControl {
public:
    explicit TypingControl(TypingHost& host);

    TypingSettings& Settings() { return settings_; }
    const TypingSettings& Settings() const { return settings_; }
    // The "Lautierübung" variant keeps the spelling position on control keys.
    void SetLautierVariant(bool on) { lautier_ = on; }

    EditorLine& Line() { return line_; }
    const EditorLine& Line() const { return line_; }

    // The task: the entry's German word (empty: none) and its typing record.
    void SetWord(const QString& germanWord) { word_ = germanWord; }
    const QString& Word() const { return word_; }
    QString& Record() { return record_; }
    const QString& Record() const { return record_; }
    // What the line held at each refused key, up to that key (typing_record.h).
    QStringList& RefusedAttempts() { return refused_; }

    // Builds the line for the current task, keeping the letters of previous
    // that stand where the expected text has them. The change check is not run.
    void PrepareLine(const QString& previous);
    // After a wrong answer: the line again with the correct letters of the
    // written text kept where they stand in the expected text.
    void PrepareRetry(const QString& written);
    QString RetryTextOf(const QString& written) const;
    // Runs after every change of the line by the pupil.
    void CheckLine();
    bool LineEqualsWord() const;
    // Sets (show) or clears the marks of the first wrong letter.
    void MarkWrongLetters(bool show);
    void ClearMarks();
    // The window's 100 ms tick; every sixth one blinks the first wrong letter
    // while Blinken is 1. Returns true when the display changed.
    bool Tick(bool listEnd);

    // Keys. FilterKey is the application-wide filter that sees every key
    // first; EditorKeyDown/Up are the editor's handlers; EditKey is what the
    // editor does with the key (typing, deleting, moving the caret), followed
    // by the change check when the line was edited; WindowKey is the window's
    // own handler for keys that do not reach the editor.
    KeyVerdict FilterKey(const KeyInput& key, bool waitingForKey);
    KeyVerdict FilterMouseRelease(bool leftButton, bool inCloseCorner, bool waitingForKey) const;
    EditorAction EditorKeyDown(int vk);
    void EditorKeyUp(int vk);
    void EditKey(int vk, const QString& text);
    static KeyVerdict WindowKey(int vk, bool listFieldFocused);

    // State the window reads.
    bool HasWord() const { return hasWord_; }
    const QString& Expected() const { return expected_; }
    const QString& DisplayWord() const { return display_; }
    const QString& Typed() const { return typed_; }
    int WritePosition() const { return writePos_; }
    const QString& Marks() const { return marks_; }
    QVector<DisplayLetter> DisplayLetters() const;
    // The start of the blank-separated part of the expected text that holds
    // the write position.
    int WordPartStart() const;

    bool KeyTyped() const { return keyTyped_; }
    bool KeyReleased() const { return keyReleased_; }
    void SetKeyReleased() { keyReleased_ = true; }

    // Wrong letters and wrong answers of the current task.
    int WrongCount() const { return wrongCount_; }
    void ResetWrongCount() { wrongCount_ = 0; }
    // A wrong answer: the count goes up and wraps from 6 to 0.
    void CountWrongAnswer();

private:
    // Steps of the change check.
    int CutTemplateOverflow();
    void CorrectCase();
    void RecordOnEnterControl();
    bool RefuseWrongLetter();
    bool FlagWrongLetter();
    void SkipGivenLetters();
    void TakeTypedText();
    void SoundCorrectKey(int spellBack);
    // Pieces.
    void CountWrongLetter();
    void SoundDifference(QChar typed, QChar expected, int position);
    void ApplyCase(QString& text) const;
    QChar ExpectedAt(int i) const;

    TypingHost& host_;
    TypingSettings settings_;
    EditorLine line_;
    bool lautier_ = false;

    QString word_;
    QString record_;
    QStringList refused_;
    bool hasWord_ = false;
    QString expected_;
    QString display_;
    QString typed_;
    int writePos_ = 0;
    QString marks_;
    QVector<bool> given_;       // letters given by the task
    QVector<bool> typedOver_;   // copying: letters the pupil typed over
    bool keyTyped_ = false;
    bool keyReleased_ = true;
    int wrongCount_ = 0;
    int ticks_ = 0;
    bool blinkShown_ = false;
};

// Helpers of the typing rules.
bool HasArticle(const QString& word);
bool IsPunctuationSign(QChar c);
// Auto4: typed stands for expected on a German keyboard without Shift.
bool IsShiftPair(QChar typed, QChar expected);
