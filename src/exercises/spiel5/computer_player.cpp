#include "exercises/spiel5/computer_player.h"

#include "platform/random.h"

void ComputerMemory::Reset(const std::vector<MemoryCard>& cards)
{
    states_.assign(cards.size(), NoCard);
    entries_.assign(cards.size(), -1);
    for (size_t i = 0; i < cards.size(); ++i)
        if (cards[i].InGame())
            states_[i] = NeverSeen;
    lastChoice_ = -1;
}

void ComputerMemory::SawCard(int index, int entry)
{
    if (index < 0 || size_t(index) >= states_.size() || states_[size_t(index)] == NoCard
        || states_[size_t(index)] == Gone)
        return;
    states_[size_t(index)] = Seen;
    entries_[size_t(index)] = entry;
}

void ComputerMemory::CardTaken(int index)
{
    if (index >= 0 && size_t(index) < states_.size() && states_[size_t(index)] != NoCard)
        states_[size_t(index)] = Gone;
}

ComputerMemory::State ComputerMemory::StateOf(int index) const
{
    return index >= 0 && size_t(index) < states_.size() ? states_[size_t(index)] : NoCard;
}

int ComputerMemory::ChooseCard(const std::vector<MemoryCard>& cards)
{
    const int count = int(states_.size());
    bool inPlay = false;
    for (State s : states_)
        inPlay = inPlay || s == NeverSeen || s == Seen || s == Chosen;
    if (!inPlay || cards.size() != states_.size())
        return -1;

    int choice = -1;
    for (int i = 0; i < count && choice < 0; ++i)
        if (states_[size_t(i)] == Chosen)
            choice = i;

    for (int a = 0; a < count && choice < 0; ++a) {
        if (states_[size_t(a)] != Seen)
            continue;
        for (int k = 0; k < count; ++k) {
            if (k == a || states_[size_t(k)] != Seen || entries_[size_t(k)] != entries_[size_t(a)])
                continue;
            const bool aFaceDown = cards[size_t(a)].state == CardState::FaceDown;
            const bool turnA = a != lastChoice_ && (k == lastChoice_ || aFaceDown);
            choice = turnA ? a : k;
            states_[size_t(turnA ? k : a)] = Chosen;
            break;
        }
    }

    if (choice < 0) {
        std::vector<int> unseen;
        for (int i = 0; i < count; ++i)
            if (states_[size_t(i)] == NeverSeen)
                unseen.push_back(i);
        if (unseen.empty())
            return -1;
        const int k = int(unseen.size());
        choice = unseen[size_t(RandomNumber(13 * k) % k)];
    }
    lastChoice_ = choice;
    return choice;
}
