#pragma once
// Tprog3: exercise 3, "Bild zum Wort", and the base of its variants "Bild zum
// Ton" (Tprog4) and "Lesen lernen" (Tprog7).
//
// The word of the current entry stands in the word field (100) at the top and
// is spoken; below it two to fourteen picture fields (101 ...) show the
// pictures of entries of the same list, one of them the right one. The pupil
// clicks a picture, or selects one with the arrow keys and takes it with
// Enter or Space. The chosen word is typed over the picture; a right choice
// is praised and the next key or click goes on, a wrong one is answered with
// an error sound.
//
// Commands (besides the list window's): 12/13 previous/next task, 14 and 201
// run the pending command, 100 word field (speaks unless a command is
// pending), 101 ... last picture: a choice, 202 speak, 203 stop, 204 spell
// out in the word field, 1000 a sound ended (100: the next sound of the
// chain; 125: the next letter). A picture field's number with code 5 (the
// drawing notice, posted after a choice) opens that picture again.
// tprog3.cpp lays out and shows the fields, tprog3_answer.cpp judges a choice
// and steps through the list, tprog3_sound.cpp speaks and spells,
// tprog3_commands.cpp dispatches commands, keys and clicks, tprog3_drawing.cpp
// draws the fields with their bevels and effects, tprog3_results.cpp the
// settings and the ending.
#include "exercises/choice/message_animation.h"
#include "exercises/choice/spoken_word_chain.h"
#include "framework/list_window.h"

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QString>

#include <array>
#include <vector>

class tdrbutton;

class Tprog3 : public T_urahnlrb1, private MessageSurface {
    Q_OBJECT
public:
    static constexpr int kRunPending = 14;
    static constexpr int kWordField = 100;
    static constexpr int kFirstPicture = 101;
    static constexpr int kFieldCount = 15;        // the word field and fourteen pictures
    static constexpr int kNoticeCode = 5;         // the drawing notice after a choice
    static constexpr int kMessageMs = 1000;
    static constexpr int kEffectMs = 120;         // an opening or closing effect at most

    explicit Tprog3(QWidget* parent = nullptr);
    ~Tprog3() override;

    // ---- State for callers and tests --------------------------------------
    int PictureCount() const { return count_; }
    int LastPicture() const { return kWordField + count_; }
    int RowLength() const { return rowLength_; }
    // The entry index picture field `field` offers (-1: an empty field).
    int SlotOfField(int field) const;
    // The caption remembered for a picture field ("" for an empty field).
    QString FieldCaption(int field) const;
    // What the field shows: its picture file or text.
    QString FieldPictureName(int field) const;
    bool FieldVisible(int field) const;
    QRect FieldGeometry(int field) const;
    // The picture field of the current entry, or 0.
    int RightField() const;
    int SelectedField() const { return selected_; }
    bool TaskSolved() const { return taskSolved_; }
    bool SpellingWord() const { return spelling_; }
    // The letter of the word field marked while it is spelled out (-1: none).
    int SpellMark() const { return spellMark_; }
    // The word field's caption ("???" is drawn in its place with Mit Sound 3).
    const QString& WordCaption() const { return wordCaption_; }
    QString WordShown() const;
    const MessageAnimator& Messages() const { return animator_; }
    const SpokenWordChain& Chain() const { return chain_; }
    tdrbutton* Field(int number) const;
    bool EffectRunning() const { return effectField_ != 0; }
    // Every message typed over a field, in order.
    const QStringList& MessageLog() const { return messageLog_; }

    // A click on a picture field (B107Click), as the mouse gives it.
    void ClickPicture(int field);

protected:
    // Variants: the section is their program name.
    Tprog3(const QString& sectionName, QWidget* parent);

    // ---- Steps the variants change ------------------------------------------
    // The entries the picture fields offer for the current position.
    virtual void DrawSlots();
    // The settings dialog of the exercise (while the task is open).
    virtual void RunSettingsDialog();
    // The help page of the exercise.
    virtual QString HelpPage() const;
    // The control value of the drawing notice.
    virtual int NoticeCode() const { return kNoticeCode; }
    // The drawing notice: the chosen picture opens again.
    virtual void DrawingNotice(int field);
    // The word field shows a new word.
    virtual void WordChanged() {}
    // Speaking the word of a new task.
    virtual void SpeakNewTask() { PlaySpoken(); }

    // ---- Framework hooks --------------------------------------------------------
    void Prepare() override;
    void OnShown() override;
    void OnCommand(int number, int code) override;
    bool LeaveWindow() override;
    void OptionsPressed() override;
    // The list-name button, OK, help and the sound buttons keep the next
    // task pending: hearing the word again after a solved task does not
    // lose it.
    bool KeepsPending(int number) const override
    {
        return number == kListName || number == kCheck || number == kHelp || (number >= kPlay && number <= kLetter);
    }
    void LayoutCentre(const QRect& centre) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

    // ---- Task cycle (shared with the variants) -----------------------------------
    void MakeLayout();
    // Candidates, captions and the word field (step 3); slots drawn by DrawSlots().
    void MakeCandidates();
    void ShowPictures();
    void ChangeTask(int command);
    void AnswerChoice(int field);
    void ResetFieldSelection();
    void SetWordFieldText(const QString& text);
    void ShowCurrentWord();
    void RepaintFields();
    void RunPending();
    // After a solved task the next task waits as the pending command: a
    // press that would set the task up again carries it out instead.
    // False (nothing done) while the task is open.
    bool GoOnFromSolvedTask();
    void ClearFocus();
    void PlaySpoken();
    void SpellOut();
    void StopAll();
    void SoundEnded(int button);
    void StartEffect(int field, bool opening);
    void ApplySoundBoxes();
    // After the settings dialog: the profile's settings taken, the list
    // shuffled when shuffling was switched on, the layout and candidates new.
    void TakeNewSettings();
    // The current task once more, through the next-task command.
    void RepeatTask();

    // Typing a message over a field (with its reference text widened when the
    // message is longer) and erasing it.
    void TypeMessage(int field, const QString& text, bool highlighted, int holdMs);
    void EraseMessage(int field, const QString& text, bool highlighted, int waitMs);

    std::vector<int> slots_;
    int count_ = 6;
    int rowLength_ = 3;
    int selected_ = kFirstPicture;
    bool taskSolved_ = false;
    bool ready_ = false;
    int motivationCount_ = 0;
    QString currentWord_;
    QString wordCaption_;
    bool spelling_ = false;
    int spellMark_ = -1;
    bool missingPicture_ = false;
    MessageAnimator animator_;
    SpokenWordChain chain_;

private:
    struct FieldMemory {
        QString caption;
        QString picture;
        QString font;
        QString style;
    };

    void CreateFields();
    void FitWordFieldFont();
    void DrawWordField(tdrbutton& b, QPainter& painter);
    void DrawPictureField(tdrbutton& b, QPainter& painter);
    void DrawBevel(QPainter& painter, const QRect& rect) const;
    void DrawEffect(QPainter& painter, const QImage& face, const QRect& rect, int field) const;
    QString WordStyle(bool highlighted) const;
    void PraiseText(int field);
    void OpenHelpPage();
    int FrameWidth() const;

    // MessageSurface.
    void ShowMessageFrame(int field, const QString& text) override;
    void EndMessage(int field) override;
    void DiscardMouseInput() override;

    std::array<tdrbutton*, kFieldCount> fields_{};
    std::array<FieldMemory, kFieldCount> memory_{};
    tdrbutton* messageFace_ = nullptr;   // renders messages over picture fields
    QString reference_;                  // the fields' font-size reference text
    QString messageReference_;           // while a longer message runs
    QStringList messageLog_;
    QRect area_;
    bool showingPictures_ = false;
    // Opening/closing effect of one field, stepped by a timer.
    QBasicTimer effectTimer_;
    QElapsedTimer effectClock_;
    int effectField_ = 0;
    bool effectOpening_ = true;
};
