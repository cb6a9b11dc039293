#include "exercises/spiel5/memory_play.h"

namespace {

struct BusyGuard {
    bool& flag;
    explicit BusyGuard(bool& f) : flag(f) { flag = true; }
    ~BusyGuard() { flag = false; }
};

} // namespace

void MemoryPlay::Reset()
{
    spokenCard_ = 0;
    computerPress_ = 0;
}

void MemoryPlay::TurnCard(int number)
{
    if (busy_) {
        host_.StopSound();
        return;
    }
    const MemoryCard* card = game_.Card(number);
    if (!card || card->state == CardState::Taken)
        return;
    if (game_.ComputerTurn() && number != computerPress_)
        return;   // the pupil waits for the computer's move
    computerPress_ = 0;
    BusyGuard guard(busy_);

    CloseOpenPair(number);
    FlipShown(number);

    std::vector<int> up = game_.FaceUpCards();
    if (up.empty() && game_.TwoPlayers()) {
        game_.PassTurn();
        host_.PlayersChanged();
    }

    if (up.size() == 2 && game_.IsPair(up[0], up[1])) {
        TakePair(up[0], up[1]);
        up = game_.FaceUpCards();
    }

    const bool won = game_.AllTaken();
    if (won)
        host_.GameWon(game_.Settings().motivation == 1);

    game_.RememberFaceUpCards();

    if (up.size() == 2 && game_.TwoPlayers()) {
        host_.Wait(kMismatchShownMs);
        game_.PassTurn();
        host_.PlayersChanged();
        while (host_.SoundPlaying())
            host_.Wait(kSoundPollMs);
        host_.StopSound();
        CloseOpenPair(0);
    }

    host_.EndOfTurn();

    if (!won && game_.ComputerTurn()) {
        host_.Wait(kComputerPauseMs);
        while (host_.SoundPlaying())
            host_.Wait(kSoundPollMs);
        ComputerMove();
    }
}

void MemoryPlay::FlipShown(int number)
{
    const CardState from = game_.Card(number)->state;
    const CardState to = game_.Flip(number);
    host_.ShowFlip(number, from, to);
    if (!SpeakOnTurning())
        return;
    if (to == CardState::FaceUp) {
        spokenCard_ = number;
        host_.Speak(number);
    } else if (number == spokenCard_) {
        spokenCard_ = 0;
        host_.StopSound();
    }
}

void MemoryPlay::CloseOpenPair(int except)
{
    std::vector<int> up = game_.FaceUpCards();
    std::erase(up, except);
    if (up.size() != 2)
        return;
    for (int n : up) {
        const CardState from = game_.Card(n)->state;
        host_.ShowFlip(n, from, game_.Flip(n));
        if (n == spokenCard_) {
            spokenCard_ = 0;
            host_.StopSound();
        }
    }
}

void MemoryPlay::TakePair(int a, int b)
{
    const bool byPupil = !game_.ComputerTurn();
    WaitWhileSound(kSoundWaitStepMs, kSoundWaitRounds);
    host_.Wait(kPairShownMs);
    if (byPupil && game_.Settings().motivation == 0 && game_.CountPairForPraise())
        host_.ShowPairPraise(a, b);
    game_.TakePair(a, b);
    spokenCard_ = 0;
    host_.RedrawCard(a);
    host_.RedrawCard(b);
    host_.PlayersChanged();
}

void MemoryPlay::WaitWhileSound(int stepMs, int maxRounds)
{
    for (int round = 0; round < maxRounds && host_.SoundPlaying(); ++round)
        host_.Wait(stepMs);
}

void MemoryPlay::ComputerMove()
{
    const int index = game_.Computer().ChooseCard(game_.Cards());
    if (index < 0)
        return;
    computerPress_ = MemoryGame::NumberOf(index);
    host_.PressCard(computerPress_);
}
