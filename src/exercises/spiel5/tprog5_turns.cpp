// Tprog5: what a turn asks of the window (flips, waits, praise, the end of a
// game, the computer's press) and starting a new game with its words.
#include "exercises/spiel5/tprog5.h"

#include "controls/tdrbutton.h"
#include "data/exercise_settings.h"
#include "framework/input_discard.h"
#include "platform/clock.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimerEvent>

#include <cmath>
#include <utility>
#include <vector>

namespace {

// The words shown one per card when a new game starts, with the time each
// stays before the next.
std::vector<std::pair<const char*, int>> NewGameWords(int cards)
{
    switch (cards) {
    case 6: return {{" Neues ", 400}, {" Spiel ", 100}, {" beginnt ", 1000}};
    case 12: return {{" Spiel ", 400}, {" fängt ", 200}, {" neu ", 100}, {" an. ", 1000}};
    case 20: return {{" Die ", 400}, {" Karten ", 200}, {" werden ", 100}, {" neu ", 10}, {" verteilt. ", 1000}};
    case 24:
        return {{" Neues ", 400}, {" Spiel  ", 200}, {" Neues  ", 100}, {" Glück  ", 10}, {" Gleiche", 1000},
                {" Karten ", 1000}};
    default: return {};
    }
}

} // namespace

int Tprog5::FrameMs() const
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const double rate = s ? s->refreshRate() : 60.0;
    return rate >= 10.0 ? std::max(1, int(std::lround(1000.0 / rate))) : 16;
}

// ---- Flips ------------------------------------------------------------------------

void Tprog5::ShowFlip(int card, CardState from, CardState to)
{
    tdrbutton* b = CardButton(card);
    if (!b || !b->isVisible()) {
        if (b)
            b->update();
        return;
    }
    const bool selected = card == game_.Selected();
    flip_.Start(card, CardImage(card, from, selected), CardImage(card, to, selected), TickCount());
    // The frames are drawn by the frame timer from the two images; the turn
    // waits here for the flip to end, handling messages (a click only stops
    // the sound, MemoryPlay is busy).
    frameTimer_.start(FrameMs(), Qt::PreciseTimer, this);
    while (flip_.Running(TickCount()) && !IsTornDown())
        ::Wait(FrameMs(), true);
    frameTimer_.stop();
    flip_.Stop();
    b->repaint();
}

void Tprog5::FlipFrame()
{
    if (tdrbutton* b = CardButton(flip_.Card()); b && flip_.Running(TickCount()))
        b->repaint();
}

void Tprog5::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == frameTimer_.timerId()) {
        FlipFrame();
        return;
    }
    T_urahnlrb::timerEvent(event);
}

void Tprog5::RedrawCard(int card)
{
    if (game_.IsCard(card))
        cardText_[size_t(MemoryGame::IndexOf(card))].clear();
    if (tdrbutton* b = CardButton(card))
        b->repaint();
}

// ---- Waits and sound -----------------------------------------------------------------

void Tprog5::Wait(int ms)
{
    ::Wait(ms, true);
}

void Tprog5::Speak(int card)
{
    SelectCard(card);
    SpeakSelected();
}

void Tprog5::StopSound()
{
    StopSpeaking();
}

bool Tprog5::SoundPlaying()
{
    return T_urahnlrb::SoundPlaying();
}

// ---- Players, praise, the end of a game ---------------------------------------------------

void Tprog5::PlayersChanged()
{
    ShowPlayers();
}

void Tprog5::ShowPairPraise(int a, int b)
{
    const int voice = ExerciseSettings().stimme;
    for (int card : {a, b}) {
        const QString text = MotivationText(PickMotivation(0, -1, voice), voice);
        if (text.isEmpty())
            continue;
        ShowTextOnCard(card, text);
        ::Wait(kPraiseMs, true);
    }
}

void Tprog5::GameWon(bool praise)
{
    SetPending(kNewGame);
    if (!praise)
        return;
    const int voice = ExerciseSettings().stimme;
    const QString text = MotivationText(PickMotivation(0, -1, voice), voice);
    if (text.isEmpty())
        return;
    ShowTextOnCard(CardLayout::kFirstCard, text);
    ::Wait(kPraiseMs, true);
    RedrawCard(CardLayout::kFirstCard);
}

void Tprog5::EndOfTurn()
{
    DiscardQueuedInput(this, QueuedInput::Keys | QueuedInput::LeftMouseDown);
    PostPending();
}

void Tprog5::PressCard(int card)
{
    // A command asked for during the turn ("Neu", "Datei", ...) comes
    // before the computer's next card.
    if (PendingCommand() != 0) {
        PostPending();
        return;
    }
    // The computer's card is selected and pressed like a pupil's click.
    SelectCard(card);
    PressButton(card);
}

// ---- New game ----------------------------------------------------------------------------

void Tprog5::NewGame()
{
    StopSpeaking();
    game_.Deal(currentList, GameSettings());
    play_.Reset();
    LayOutCards();
    ShowNewGameWords();
    LoadPictures();
    RedrawAllCards();
    ShowPlayers();
}

void Tprog5::ShowNewGameWords()
{
    int card = CardLayout::kFirstCard;
    for (const auto& [word, ms] : NewGameWords(game_.Layout().count)) {
        ShowTextOnCard(card++, QString::fromUtf8(word));
        ::Wait(ms, false);
    }
    for (int n = CardLayout::kFirstCard; n < card; ++n)
        cardText_[size_t(MemoryGame::IndexOf(n))].clear();
}
