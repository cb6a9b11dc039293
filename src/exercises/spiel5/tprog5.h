#pragma once
// Tprog5: exercise 5, "Bildmemory", the pairs game on a word list.
//
// The entries are dealt as pairs of face-down cards (6, 12, 20, 24 or 32);
// players turn two cards per turn, keep matching pairs and score a point for
// each; one pupil alone, two pupils, or a pupil against the computer. The
// rules live in MemoryGame and MemoryPlay; this window lays out and draws the
// cards (faces rendered once, flips animated from those images), speaks the
// cards, shows the players and turns clicks, keys and its buttons into
// commands. Tprog6 (spiel6) changes only the faces and the sound rules.
//
// Commands: 100 ... highest card turn it; 12 the list changed; 13 new game;
// 201 new game (pending 13); 202 speak the selected card; 203 stop; 1000
// from card 101 the next part of the spoken word; 14 redraw the turn display.
#include "exercises/spiel5/card_flip.h"
#include "exercises/spiel5/memory_game.h"
#include "exercises/spiel5/memory_host.h"
#include "exercises/spiel5/memory_play.h"
#include "framework/exercise_window.h"
#include "sound/twav.h"

#include <QBasicTimer>
#include <QColor>
#include <QImage>
#include <QStringList>
#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class tdrbutton;

// The 3-D frame of a card: lines as passed to the frame routine, colours of
// the upper-left and lower-right edges.
struct CardFrame {
    int lines = 1;
    QColor upperLeft;
    QColor lowerRight;
};

class Tprog5 : public T_urahnlrb, private MemoryHost {
    Q_OBJECT
public:
    // Button and command numbers.
    static constexpr int kListChanged = 12;
    static constexpr int kNewGame = 13;
    static constexpr int kTurnDisplayRedraw = 14;
    static constexpr int kOptions = 48;
    static constexpr int kBackPainter = 50;
    static constexpr int kEnd = 150;
    static constexpr int kChooseList = 660;
    static constexpr int kNewGameButton = 201;
    static constexpr int kSpeak = 202;
    static constexpr int kStopSpeaking = 203;
    static constexpr int kPile1 = 12;
    static constexpr int kPile2 = 13;
    static constexpr int kTurnDisplay = 14;
    static constexpr int kListName = 251;
    static constexpr int kSpeaker = 101;   // the card whose player speaks every card
    static constexpr int kRightBarWidth = 136;
    static constexpr int kBottomBarHeight = 144;
    static constexpr int kPraiseMs = 600;

    explicit Tprog5(QWidget* parent = nullptr);
    ~Tprog5() override;

    const MemoryGame& Game() const { return game_; }
    const MemoryPlay& Play() const { return play_; }
    tdrbutton* CardButton(int number) const;
    QCheckBox* SpeechBox() const { return speechBox_; }
    QCheckBox* NoiseBox() const { return noiseBox_; }
    QLabel* CaptionLabel() const { return caption_; }
    QLabel* ScoreLabel(int player) const { return player == 1 ? score1_ : score2_; }
    QLineEdit* NameField(int player) const { return player == 1 ? name1_ : name2_; }
    // What the turn display shows now and the texts it showed, in order.
    QString TurnText() const;
    const QStringList& TurnTexts() const { return turnTexts_; }
    // The "Mit Sound" the window plays with.
    int SoundMode() const { return soundMode_; }
    // Picture files loaded since the window was created (one per distinct
    // file and deal).
    int PictureLoads() const { return pictureLoads_; }
    // The texts shown on cards in place of their faces (new-game words,
    // praise), in order.
    const QStringList& CardTexts() const { return cardTexts_; }
    // The card being flipped and the flip (benchmarks draw its frames).
    const CardFlip& Flip() const { return flip_; }
    // Renders the whole look of a card in a state (frame and face).
    QImage CardImage(int number, CardState state, bool selected);
    // The frame period of the flip, from the screen's refresh rate.
    int FrameMs() const;

    // Turns a card as a click on it does (select it, then its command).
    void ClickCard(int number);
    void RightClickCard(int number);

Q_SIGNALS:
    // Every card of a new deal has been drawn once.
    void cardsDrawn();

protected:
    // Tprog6 takes over what differs.
    Tprog5(const QString& section, const QString& caption, QWidget* parent);
    // The face of a card in a state, of the given size (the frame lies around it).
    virtual QImage CardFace(int number, CardState state, QSize size);
    virtual CardFrame FrameOf(CardState state, bool selected) const;
    // Space between the card's edge and its frame.
    virtual int FrameInset() const;
    // The style a text shown in place of a face is drawn with.
    virtual QString CardTextStyle() const;
    // The settings dialog of the exercise.
    virtual void OpenSettingsDialog();
    // "Mit Sound" for this window from the profile's value.
    virtual int SoundModeFor(int profileValue) const { return profileValue; }
    // After the check boxes were set or one of them was clicked.
    virtual void SoundBoxesChanged() {}
    // Whether the faces show the entries' pictures (they are loaded then).
    virtual bool ShowsPictures() const { return true; }

    void Prepare() override;
    void OpenList() override;
    void OnShown() override;
    void OnCommand(int number, int code) override;
    bool LeaveWindow() override;
    void TearDown() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

    // Shared with Tprog6.
    QColor WindowColour() const;
    // The face of a drawn button at that size, rendered once and then kept.
    QImage FaceOfButton(tdrbutton& button, QSize size);
    // A text face (in the exercise's font, with the cards' common size when
    // useSample is set).
    QImage TextFace(const QString& text, const QString& style, QSize size, bool useSample);
    const QString& CaptionText() const { return captionText_; }

private:
    // MemoryHost.
    void ShowFlip(int card, CardState from, CardState to) override;
    void RedrawCard(int card) override;
    void Speak(int card) override;
    void StopSound() override;
    bool SoundPlaying() override;
    void Wait(int ms) override;
    void PlayersChanged() override;
    void ShowPairPraise(int a, int b) override;
    void GameWon(bool praise) override;
    void EndOfTurn() override;
    void PressCard(int card) override;

    // Controls and layout (tprog5.cpp).
    void CreateControls();
    tdrbutton* MakeButton(int number, const QString& name, const QString& caption, const QString& font,
                          const QString& style);
    void LayoutControls();
    void TakeSettings();
    MemorySettings GameSettings() const;
    void ShowListName();

    // Cards (tprog5_cards.cpp).
    void LayOutCards();
    void LoadPictures();
    void DrawCard(tdrbutton& button, QPainter& painter);
    void DrawPile(tdrbutton& button, QPainter& painter, int score);
    void RedrawAllCards();
    void DropCardFaces();
    QRect FaceRect(const QRect& card) const;
    void ShowTextOnCard(int number, const QString& text);

    // Turns and games (tprog5_turns.cpp).
    void NewGame();
    void ShowNewGameWords();
    void FlipFrame();

    // Sound (tprog5_sound.cpp).
    void SpeakSelected();
    void SpeechPartEnded();
    void StopSpeaking();

    // Players (tprog5_players.cpp).
    void ShowPlayers();
    void RunTurnCaption(const QString& text, bool fromLeft);

    // Commands and keys (tprog5_commands.cpp).
    void ChooseList();
    void OptionsPressed();
    // Options, end and list buttons: at once, or pending until the turn ends.
    void RunOrKeepForTurnEnd(int number);
    void OpenHelp();
    bool HandleKey(QKeyEvent* event);
    // Moves the selection frame to the card; redraws the two cards.
    void SelectCard(int number);
    void SelectionMoved(int before);
    void ConnectCard(tdrbutton* card);

    const QString captionText_;
    MemoryGame game_;
    MemoryPlay play_{game_, *this};
    CardFlip flip_;
    QBasicTimer frameTimer_;
    TWAV wav_;
    int soundMode_ = 2;

    QWidget* rightBar_ = nullptr;
    QWidget* cardArea_ = nullptr;
    QWidget* bottomBar_ = nullptr;
    QLabel* caption_ = nullptr;
    QCheckBox* speechBox_ = nullptr;
    QCheckBox* noiseBox_ = nullptr;
    QLabel* score1_ = nullptr;
    QLabel* score2_ = nullptr;
    QLabel* nameLabel1_ = nullptr;
    QLabel* nameLabel2_ = nullptr;
    QLineEdit* name1_ = nullptr;
    QLineEdit* name2_ = nullptr;
    QWidget* soundPanel_ = nullptr;
    std::array<tdrbutton*, CardLayout::kMaxCards> cards_{};
    tdrbutton* back_ = nullptr;
    tdrbutton* textFace_ = nullptr;   // renders texts shown on cards
    tdrbutton* pile1_ = nullptr;
    tdrbutton* pile2_ = nullptr;
    tdrbutton* turnDisplay_ = nullptr;
    tdrbutton* listName_ = nullptr;

    std::array<QString, CardLayout::kMaxCards> shownPicture_;   // what each card button holds
    std::array<QString, CardLayout::kMaxCards> cardText_;        // a text shown instead of the face
    std::array<QImage, CardLayout::kMaxCards> takenFace_;
    std::array<bool, CardLayout::kMaxCards> drawnOnce_{};
    QImage backFace_;
    int pictureLoads_ = 0;
    bool waitingForDraw_ = false;

    QStringList speech_;
    int nextPart_ = 0;
    bool noisePlaying_ = false;

    QString turnShown_;
    QStringList turnTexts_;
    QStringList cardTexts_;
    bool settingBoxes_ = false;
};
