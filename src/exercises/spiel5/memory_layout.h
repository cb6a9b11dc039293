#pragma once
// How many cards a memory game has and where they lie.
//
// Cards are numbered 100 ... 99 + count, row by row from the top left; the
// card in column c (1-based) of row r (0-based) is 99 + c + r * columns.
#include <QRect>
#include <QSize>
#include <vector>

struct CardLayout {
    int count = 6;
    int columns = 3;
    int rows = 2;

    static constexpr int kFirstCard = 100;
    static constexpr int kMaxCards = 32;
    static constexpr int kLastPlaceholder = 131;

    int Highest() const { return kFirstCard - 1 + count; }
    int Pairs() const { return count / 2; }
    bool IsCard(int number) const { return number >= kFirstCard && number <= Highest(); }
};

// The card count for a list of entries and the setting "Bilderanzahl"
// (0 = 6, 1 = 12, 2 = 20, 3 = 24, 4 = 32 cards): a short list lowers the
// count to the smallest layout that holds two cards of every entry (without a
// list, 6 cards).
CardLayout CardLayoutFor(bool haveList, int entries, int bilderanzahl);

// The places of the cards 100 ... Highest() in the card area of a window of
// the given size beside the right bar and above the bottom bar: square cells
// (one pixel less high than wide), centred in their share of the area.
std::vector<QRect> CardPlaces(QSize window, int rightBarWidth, int bottomBarHeight, const CardLayout& layout);
