#pragma once
// What a turn of the memory game asks of its window: showing flips, speaking,
// waiting, the player display, praise and the computer's press. Tests use
// tests/exercises/spiel5/fake_memory_host.h.
#include "exercises/spiel5/memory_deal.h"

class MemoryHost {
public:
    virtual ~MemoryHost() = default;

    // The card has turned (the game holds the new state): the flip animation.
    virtual void ShowFlip(int card, CardState from, CardState to) = 0;
    // The card's look changed without a flip (taken).
    virtual void RedrawCard(int card) = 0;
    // Speaks the card's word (or noise); StopSound silences it.
    virtual void Speak(int card) = 0;
    virtual void StopSound() = 0;
    virtual bool SoundPlaying() = 0;
    // Waits ms while the window keeps handling its messages.
    virtual void Wait(int ms) = 0;
    // Scores, piles and whose turn it is changed.
    virtual void PlayersChanged() = 0;
    // Praise on the two cards of a pair just found.
    virtual void ShowPairPraise(int a, int b) = 0;
    // Every card is taken: the new game is made pending (and, with praise at
    // the end, the praise is shown).
    virtual void GameWon(bool praise) = 0;
    // Throws away the clicks and keys that came during the turn and starts a
    // pending new game.
    virtual void EndOfTurn() = 0;
    // The computer selects the card and presses it, as a pupil's click.
    virtual void PressCard(int card) = 0;
};
