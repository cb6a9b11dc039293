#pragma once
// Tprog2: exercise 2, "Welches Wort stimmt?", in normal and uncovering mode.
//
// The picture of the current entry (or only its spoken word, "?") stands
// beside a column of two to six word fields; the pupil clicks, or selects
// with Up/Down and Enter, the word that belongs to it. A wrong word is
// answered with an error sound and "nimm ein anderes", the right one with
// praise; the task stays open until the right word is found, then the next
// key or click goes on. In uncovering mode ("Aufdeckmodus") the picture lies
// under a grid of pieces uncovered by the timer or by clicks, every task
// starts with 100 points, and the end writes the result summary; normal mode
// writes the protocol and the certificate data.
//
// Commands (besides the list window's): 12/13 previous/next task, 14 and 201
// run the pending command, 100 picture field, 101..106 word fields (code 3:
// ignored), 202 speak, 203 stop, 204 spell out, 170 help, 1000 a sound ended
// (100: speech after the noise; 101: the next recording; 125: the next letter).
// tprog2.cpp lays out and shows, tprog2_answer.cpp judges a choice and
// animates the messages, tprog2_sound.cpp speaks and spells, tprog2_commands.cpp
// dispatches commands and keys, tprog2_uncover.cpp runs the covered picture,
// tprog2_results.cpp the settings and the ending.
#include "exercises/choice/message_animation.h"
#include "exercises/choice/spoken_word_chain.h"
#include "exercises/spiel2/uncover_board.h"
#include "framework/list_window.h"

#include <QImage>
#include <QString>
#include <QVector>

#include <array>
#include <vector>

class CoveredPicture;
class QGroupBox;
class QLineEdit;
class tdrbutton;

class Tprog2 : public T_urahnlrb1, private MessageSurface {
    Q_OBJECT
public:
    static constexpr int kRunPending = 14;
    static constexpr int kPicture = 100;
    static constexpr int kFirstWord = 101;
    static constexpr int kLastWord = 106;
    static constexpr int kUserOptions = 48;
    static constexpr int kUserEnd = 150;
    static constexpr int kUserHelp = 170;
    static constexpr int kIgnoredCode = 3;   // a word field command with this code does nothing
    static constexpr int kMessageMs = 1000;

    // uncover: "Aufdeckmodus", fixed for the run of the window.
    explicit Tprog2(bool uncover, QWidget* parent = nullptr);
    ~Tprog2() override;

    bool UncoverMode() const { return uncover_; }
    bool Ready() const { return ready_; }
    int FieldCount() const;                 // Felderanzahl, below 2 counted as 6
    int SlotOfField(int field) const;       // the entry index field 101..106 offers
    QString FieldCaption(int field) const;  // its caption ("" when empty)
    bool FieldVisible(int field) const;
    int SelectedField() const { return selected_; }
    int RightField() const;                 // the visible field of the current entry, or 0
    const QString& SizingSample() const { return sizingText_; }
    bool TaskSolved() const { return taskSolved_; }
    bool Evaluating() const { return evaluating_; }
    // The text shown by a running message animation and its field (0: none).
    const MessageAnimator& Messages() const { return animator_; }
    const UncoverBoard& Board() const { return board_; }
    QString TotalPointsText() const;   // "Gesamt:"
    QString TaskPointsText() const;    // "Aufgabe:"
    bool PointsVisible() const;
    // What the picture field shows: the picture file, "?" or a text.
    QString PictureShown() const;
    CoveredPicture* Cover() const { return cover_; }
    tdrbutton* WordButton(int field) const;
    tdrbutton* PictureButton() const { return picture_; }
    // The next automatic uncovering step is due (tick time), or -1.
    qint64 UncoverDueAt() const { return uncoverDueAt_; }

    // A click on word field 101..106, as the pupil makes it.
    void ClickWordField(int field);
    // A click on the covered picture at a point of it (manual uncovering).
    void ClickCover(QPoint point);
    // One step of the uncovering timer.
    void UncoverTimerStep();

Q_SIGNALS:
    // A message was typed or shown on a word field (its full text).
    void messageShown(const QString& text);
    // The first task is fully drawn: the picture field and every visible
    // word field have been painted once.
    void firstTaskDrawn();

protected:
    void Prepare() override;
    void ReadListKeys(const QString& sectionName) override;
    void ResetNumbers(bool speechOnValue, bool noiseOnValue) override;
    void OnShown() override;
    void OnCommand(int number, int code) override;
    void OnTick() override;
    bool LeaveWindow() override;
    void TearDown() override;
    void OptionsPressed() override;
    // The sound buttons keep the next task pending (hearing the word again
    // after a solved task does not lose it).
    bool KeepsPending(int number) const override
    {
        return number == kListName || number == kHelp || (number >= kPlay && number <= kLetter);
    }
    void LayoutCentre(const QRect& centre) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // MessageSurface.
    void ShowMessageFrame(int field, const QString& text) override;
    void EndMessage(int field) override;
    void DiscardMouseInput() override;

    // Showing (tprog2.cpp).
    void CreateOwnControls();
    void HideRightBar();
    void DrawCandidates();
    void LayoutFields();
    void ShowPicture();
    void ChangeTask(int command);
    void RepaintFields();
    void DrawWordField(tdrbutton& button, QPainter& painter);
    void DrawPictureField(tdrbutton& button, QPainter& painter);
    void DrawEndButton(tdrbutton& button, QPainter& painter);
    void SetSelected(int field);
    int FrameWidth() const;
    QString ReferenceOf(int field) const;
    void NotePainted(int number);

    // Answering (tprog2_answer.cpp).
    void AnswerChoice(int field);
    void RightChoice(int field);
    void WrongChoice(int field);
    void TypeMessage(int field, const QString& text, bool highlighted, int holdMs);
    void EraseMessage(int field, const QString& text, bool highlighted, int waitMs);
    void DiscardQueuedCommands();

    // Sound (tprog2_sound.cpp).
    void SpeakWord();
    void SoundEnded(int button);
    void Play(const ChainPlay& play);
    void SpellWord();
    void StopAllSound();

    // Commands and keys (tprog2_commands.cpp).
    void OpenHelp();
    void CarryOutPending();
    void EndPressed();

    // Uncovering (tprog2_uncover.cpp).
    void StartUncovering();
    void ApplyStep(const UncoverBoard::Step& step);
    void RenderCover();
    void PrepareFullPicture();
    void ShowPoints();
    void StopUncoverTimer();

    // Results (tprog2_results.cpp).
    void WriteFurtherResults(ResultsMoment moment, const AnswerLists& answers, const ResultsContext& context) override;
    // sameTask: the current task is set up again, else the next one comes.
    void ApplyNewSettings(int oldMitSound, int oldPieces, int oldManual, bool sameTask);

    const bool uncover_;
    tdrbutton* picture_ = nullptr;
    std::array<tdrbutton*, 6> words_{};
    std::array<QString, 6> captions_;
    tdrbutton* userOptions_ = nullptr;
    tdrbutton* userHelp_ = nullptr;
    tdrbutton* userEnd_ = nullptr;
    CoveredPicture* cover_ = nullptr;
    QGroupBox* points_ = nullptr;
    QLineEdit* totalEdit_ = nullptr;
    QLineEdit* taskEdit_ = nullptr;

    std::vector<int> slots_ = std::vector<int>(6, -1);
    int selected_ = kFirstWord;
    QString sizingText_ = QStringLiteral("  MMMMMMM  ");
    QString messageReference_;   // the reference text while a message needs its own
    int messageField_ = 0;
    bool taskSolved_ = false;
    bool evaluating_ = false;
    bool ready_ = false;
    bool showingPicture_ = false;
    bool sameTaskAgain_ = false;   // the next command 13 sets the task up again
    int motivationCount_ = 0;
    int boxMitSound_ = 0;          // "Mit Sound" when a sound box was pressed
    QString currentWord_;

    MessageAnimator animator_{*this};
    SpokenWordChain chain_;
    bool spelling_ = false;

    UncoverBoard board_;
    QImage full_;
    QImage shown_;
    QString lastPicture_;
    QVector<QRect> pieces_;
    qint64 uncoverDueAt_ = -1;
    unsigned painted_ = 0;        // fields painted before the first task was reported drawn
    bool firstDrawn_ = false;
};
