#pragma once
// The state of one memory game, without any window: the cards and their
// layout, whose turn it is, the scores, the keyboard selection, the pairs
// counted for praise and the computer player's memory.
#include "exercises/spiel5/computer_player.h"
#include "exercises/spiel5/memory_deal.h"
#include "exercises/spiel5/memory_layout.h"

#include <vector>

class tmoiel;

// "Bedienung": 1 two pupils, 3 a pupil against the computer, anything else
// one pupil.
enum class Players { One, Two, Computer };
Players PlayersFor(int bedienung);

// The settings a game is dealt and played with.
struct MemorySettings {
    int bilderanzahl = 0;
    int bedienung = 0;
    int mitSound = 2;        // 1: spoken on request (right click), 2 and more: on turning
    int motivation = 0;      // 0 praise every motzahl pairs, 1 at the game's end, else none
    int motzahl = 2;
    bool mitArtikel = false;
    bool capitals = false;   // "Auto2" 1
};

enum class MoveKey { Left, Right, Up, Down };

class MemoryGame {
public:
    static constexpr int kFirstSelected = 101;

    // Lays out and deals a new game for the list (may be null): cards face
    // down, scores 0, player 1's turn, the praise counter and the computer's
    // memory cleared. The selection stays where it was when it is still a
    // card.
    void Deal(const tmoiel* list, const MemorySettings& settings);

    const MemorySettings& Settings() const { return settings_; }
    const CardLayout& Layout() const { return layout_; }
    const std::vector<MemoryCard>& Cards() const { return cards_; }
    // A card of the deal (before the first deal there is none).
    bool IsCard(int number) const { return layout_.IsCard(number) && size_t(IndexOf(number)) < cards_.size(); }
    const MemoryCard* Card(int number) const;
    static int IndexOf(int number) { return number - CardLayout::kFirstCard; }
    static int NumberOf(int index) { return index + CardLayout::kFirstCard; }
    QString Sample() const { return sample_; }

    // Players and turns.
    Players PlayerMode() const { return players_; }
    bool TwoPlayers() const { return players_ != Players::One; }
    bool PlayerOneTurn() const { return playerOneTurn_; }
    bool ComputerTurn() const { return players_ == Players::Computer && !playerOneTurn_; }
    void PassTurn();
    int Score(int player) const { return player == 1 ? score1_ : score2_; }

    // Cards.
    std::vector<int> FaceUpCards() const;   // numbers, in card order
    bool AllTaken() const;
    bool InPlay() const;
    // Face down becomes face up and back; a taken card stays taken. Returns
    // the state after the flip.
    CardState Flip(int number);
    // Two face-up cards of the same entry.
    bool IsPair(int a, int b) const;
    // The player whose turn it is wins the pair: both cards taken, a point.
    void TakePair(int a, int b);
    // A face-up card was seen by the computer.
    void RememberFaceUpCards();
    ComputerMemory& Computer() { return computer_; }
    const ComputerMemory& Computer() const { return computer_; }

    // Praise after every motzahl pairs found by a pupil: counts the pair and
    // tells whether praise is due now (the counter then starts again).
    bool CountPairForPraise();
    int PairsSincePraise() const { return pairsSincePraise_; }

    // Keyboard selection, kept between 100 and the highest card.
    int Selected() const { return selected_; }
    void Select(int number);
    void MoveSelection(MoveKey key);

private:
    MemorySettings settings_;
    CardLayout layout_;
    std::vector<MemoryCard> cards_;
    QString sample_;
    Players players_ = Players::One;
    bool playerOneTurn_ = true;
    int score1_ = 0;
    int score2_ = 0;
    int pairsSincePraise_ = 0;
    int selected_ = kFirstSelected;
    ComputerMemory computer_;
};
