#pragma once
// Dealing the cards of a memory game: which list entry lies on which card
// and what each card shows.
#include <QString>
#include <vector>

class tmoiel;

enum class CardState {
    FaceDown,   // in play, the back up
    FaceUp,     // in play, the face up
    Taken,      // won by a player, or an empty card that never was in play
};

struct MemoryCard {
    static constexpr const char* kDefaultStyle = "0 98 x4x11";
    static constexpr const char* kFree = "frei";

    int entry = -1;         // list index; -1 or beyond the list: an empty card
    QString caption;        // the word shown; empty for an empty card
    QString picture;        // the entry's picture, or "frei"
    QString style = QString::fromLatin1(kDefaultStyle);
    CardState state = CardState::Taken;
    int takenBy = 0;        // 1 or 2: the player who took it

    bool InGame() const { return !caption.isEmpty(); }
    bool HasPicture() const { return picture != QLatin1String(kFree); }
    // What a taken card shows: its word, or "frei".
    QString TakenText() const { return caption.isEmpty() ? QString::fromLatin1(kFree) : caption; }
};

// The list indices of the pairs: pairs distinct indices out of the list's
// entries, or, when the list has fewer entries than pairs, an arrangement of
// 0 ... pairs - 1 (indices beyond the list give empty cards). Each index is
// drawn at random and moved on by one (wrapping) while it was drawn before.
std::vector<int> DrawPairIndices(int pairs, int entries);

// The index on every card position: the drawn indices twice, then count
// random swaps.
std::vector<int> DealIndices(int count, int entries);

// What the cards show (caption: the entry's German word without its article
// unless withArticle, in capitals with capitals; "Wort fehlt" for an entry
// without a word; nothing for an empty card), their picture ("frei" without
// one) and style (the entry's picture style or the default); a card with a
// caption lies face down, the others are taken.
struct DealOptions {
    bool withArticle = false;
    bool capitals = false;
};
std::vector<MemoryCard> CardsFor(const std::vector<int>& indices, const tmoiel* list, const DealOptions& options);

// The text all cards are sized on: the longest caption followed by "mi".
QString SizingSample(const std::vector<MemoryCard>& cards);
