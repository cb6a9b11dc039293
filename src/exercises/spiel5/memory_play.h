#pragma once
// One turn of the memory game: what happens when a card is turned (a click,
// a key, or the computer's press), step by step, with the waits and sounds in
// between. Widget-free; the window is a MemoryHost.
//
// While a turn runs (its waits keep the window responsive) another card
// command only stops the sound that plays; it is not kept for later.
#include "exercises/spiel5/memory_game.h"
#include "exercises/spiel5/memory_host.h"

class MemoryPlay {
public:
    static constexpr int kSoundWaitRounds = 300;   // of 5 ms, before a pair is taken
    static constexpr int kSoundWaitStepMs = 5;
    static constexpr int kPairShownMs = 400;
    static constexpr int kMismatchShownMs = 1000;
    static constexpr int kComputerPauseMs = 500;
    static constexpr int kSoundPollMs = 100;

    MemoryPlay(MemoryGame& game, MemoryHost& host) : game_(game), host_(host) {}

    // The card command: turns the card and plays out the turn. Taken cards
    // and cards other than the computer's own choice during its turn are
    // ignored.
    void TurnCard(int number);
    bool Busy() const { return busy_; }
    // The card whose word was spoken last on turning (0: none).
    int SpokenCard() const { return spokenCard_; }
    // The card the computer has pressed and that has not been turned yet.
    int ComputerPress() const { return computerPress_; }
    // A new deal: nothing is pending any more.
    void Reset();

private:
    void FlipShown(int number);
    void CloseOpenPair(int except);
    void TakePair(int a, int b);
    void ComputerMove();
    bool SpeakOnTurning() const { return game_.Settings().mitSound >= 2; }
    void WaitWhileSound(int stepMs, int maxRounds);

    MemoryGame& game_;
    MemoryHost& host_;
    bool busy_ = false;
    int spokenCard_ = 0;
    int computerPress_ = 0;
};
