#include "exercises/spiel5/memory_game.h"

#include "data/word_list.h"

#include <algorithm>

Players PlayersFor(int bedienung)
{
    if (bedienung == 1)
        return Players::Two;
    if (bedienung == 3)
        return Players::Computer;
    return Players::One;
}

void MemoryGame::Deal(const tmoiel* list, const MemorySettings& settings)
{
    settings_ = settings;
    const int entries = list ? list->Count() : 0;
    layout_ = CardLayoutFor(list != nullptr, entries, settings.bilderanzahl);
    cards_ = CardsFor(DealIndices(layout_.count, entries), list, {settings.mitArtikel, settings.capitals});
    sample_ = SizingSample(cards_);
    players_ = PlayersFor(settings.bedienung);
    playerOneTurn_ = true;
    score1_ = score2_ = 0;
    pairsSincePraise_ = 0;
    computer_.Reset(cards_);
    if (!IsCard(selected_))
        selected_ = std::min(kFirstSelected, layout_.Highest());
}

const MemoryCard* MemoryGame::Card(int number) const
{
    return IsCard(number) ? &cards_[size_t(IndexOf(number))] : nullptr;
}

void MemoryGame::PassTurn()
{
    if (TwoPlayers())
        playerOneTurn_ = !playerOneTurn_;
}

std::vector<int> MemoryGame::FaceUpCards() const
{
    std::vector<int> up;
    for (size_t i = 0; i < cards_.size(); ++i)
        if (cards_[i].state == CardState::FaceUp)
            up.push_back(NumberOf(int(i)));
    return up;
}

bool MemoryGame::AllTaken() const
{
    return std::all_of(cards_.begin(), cards_.end(), [](const MemoryCard& c) { return c.state == CardState::Taken; });
}

bool MemoryGame::InPlay() const
{
    return !AllTaken();
}

CardState MemoryGame::Flip(int number)
{
    if (!IsCard(number))
        return CardState::Taken;
    MemoryCard& card = cards_[size_t(IndexOf(number))];
    if (card.state == CardState::FaceDown)
        card.state = CardState::FaceUp;
    else if (card.state == CardState::FaceUp)
        card.state = CardState::FaceDown;
    return card.state;
}

bool MemoryGame::IsPair(int a, int b) const
{
    const MemoryCard* ca = Card(a);
    const MemoryCard* cb = Card(b);
    return ca && cb && a != b && ca->state == CardState::FaceUp && cb->state == CardState::FaceUp
           && ca->entry == cb->entry;
}

void MemoryGame::TakePair(int a, int b)
{
    if (!IsPair(a, b))
        return;
    const int player = playerOneTurn_ ? 1 : 2;
    (player == 1 ? score1_ : score2_) += 1;
    for (int n : {a, b}) {
        MemoryCard& card = cards_[size_t(IndexOf(n))];
        card.state = CardState::Taken;
        card.takenBy = player;
        computer_.CardTaken(IndexOf(n));
    }
}

void MemoryGame::RememberFaceUpCards()
{
    for (size_t i = 0; i < cards_.size(); ++i)
        if (cards_[i].state == CardState::FaceUp)
            computer_.SawCard(int(i), cards_[i].entry);
}

bool MemoryGame::CountPairForPraise()
{
    if (++pairsSincePraise_ < std::max(1, settings_.motzahl))
        return false;
    pairsSincePraise_ = 0;
    return true;
}

void MemoryGame::Select(int number)
{
    selected_ = std::clamp(number, int(CardLayout::kFirstCard), layout_.Highest());
}

void MemoryGame::MoveSelection(MoveKey key)
{
    switch (key) {
    case MoveKey::Left: Select(selected_ - 1); break;
    case MoveKey::Right: Select(selected_ + 1); break;
    case MoveKey::Up: Select(selected_ - layout_.columns); break;
    case MoveKey::Down: Select(selected_ + layout_.columns); break;
    }
}
