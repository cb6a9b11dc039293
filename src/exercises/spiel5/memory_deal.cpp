#include "exercises/spiel5/memory_deal.h"

#include "data/text_helpers.h"
#include "data/word_list.h"
#include "platform/random.h"

#include <algorithm>
#include <utility>

std::vector<int> DrawPairIndices(int pairs, int entries)
{
    const int range = entries < pairs ? pairs : entries;
    std::vector<int> drawn;
    drawn.reserve(size_t(std::max(0, pairs)));
    for (int p = 0; p < pairs; ++p) {
        int r = RandomNumber(range);
        // range >= pairs > p, so a free index is always found.
        while (std::find(drawn.begin(), drawn.end(), r) != drawn.end())
            r = r + 1 >= range ? 0 : r + 1;
        drawn.push_back(r);
    }
    return drawn;
}

std::vector<int> DealIndices(int count, int entries)
{
    const int pairs = count / 2;
    std::vector<int> positions = DrawPairIndices(pairs, entries);
    positions.insert(positions.end(), positions.begin(), positions.end());
    for (int i = 0; i < count; ++i) {
        const int a = RandomNumber(29 * count) % count;
        const int b = RandomNumber(17 * count) % count;
        std::swap(positions[size_t(a)], positions[size_t(b)]);
    }
    return positions;
}

std::vector<MemoryCard> CardsFor(const std::vector<int>& indices, const tmoiel* list, const DealOptions& options)
{
    std::vector<MemoryCard> cards(indices.size());
    for (size_t i = 0; i < indices.size(); ++i) {
        MemoryCard& card = cards[i];
        card.entry = indices[i];
        const WordEntry* entry = list && list->Valid(card.entry) ? list->Entry(card.entry) : nullptr;
        card.picture = QString::fromLatin1(MemoryCard::kFree);
        if (entry) {
            QString word = entry->Field(FieldWord).trimmed();
            if (!options.withArticle)
                word = WithoutArticle(word).trimmed();
            if (options.capitals)
                word = word.toUpper();
            card.caption = word.isEmpty() ? QStringLiteral("Wort fehlt") : word;
            if (!entry->Field(FieldPicture).isEmpty())
                card.picture = entry->Field(FieldPicture);
            if (!entry->Field(FieldStyle).trimmed().isEmpty())
                card.style = entry->Field(FieldStyle);
        }
        card.state = card.InGame() ? CardState::FaceDown : CardState::Taken;
    }
    return cards;
}

QString SizingSample(const std::vector<MemoryCard>& cards)
{
    QString longest;
    for (const MemoryCard& card : cards)
        if (card.caption.size() > longest.size())
            longest = card.caption;
    return longest + QStringLiteral("mi");
}
