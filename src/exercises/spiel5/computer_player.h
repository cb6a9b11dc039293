#pragma once
// The computer player of the memory game. It has a perfect memory: every
// card that was face up is remembered with its list entry, and a pair is
// completed as soon as both of its cards have been seen. Unseen cards are
// only turned when no known pair is left.
#include "exercises/spiel5/memory_deal.h"

#include <vector>

class ComputerMemory {
public:
    enum State {
        NoCard = -1,    // an empty card
        NeverSeen = 0,
        Gone = 1,       // taken
        Seen = 2,
        Chosen = 3,     // to be turned with the next move
    };

    // Forgets everything: cards in play are unseen, the others no cards.
    void Reset(const std::vector<MemoryCard>& cards);
    // Remembers a face-up card (index: position from 0) with its entry.
    void SawCard(int index, int entry);
    void CardTaken(int index);
    State StateOf(int index) const;

    // The position of the card to turn now (-1 when there is nothing to
    // turn), remembered as the last choice:
    //   1. a card chosen with the previous move;
    //   2. one of two seen cards with the same entry (the other is chosen for
    //      the next move); the card turned now is the one that is not already
    //      face up from this move;
    //   3. otherwise a random unseen card, picked among the unseen cards
    //      themselves, so a pick can never miss.
    int ChooseCard(const std::vector<MemoryCard>& cards);
    int LastChoice() const { return lastChoice_; }

private:
    std::vector<State> states_;
    std::vector<int> entries_;
    int lastChoice_ = -1;
};
