// The memory game without a window: card counts and layout, dealing, turns,
// scores, praise counting, the computer player and the keyboard selection.
#include "data/word_list.h"
#include "exercises/spiel5/memory_game.h"
#include "exercises/spiel5/memory_play.h"
#include "platform/random.h"
#include "support/fake_memory_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

// A list of n entries "der Wort<i>" with a picture each.
std::unique_ptr<tmoiel> ListOf(int n)
{
    auto list = std::make_unique<tmoiel>();
    for (int i = 0; i < n; ++i) {
        auto entry = std::make_shared<WordEntry>();
        entry->Field(FieldWord) = QStringLiteral("der Wort%1").arg(i);
        entry->Field(FieldPicture) = QStringLiteral("Bilder\\b%1.png").arg(i);
        list->Append(entry);
    }
    return list;
}

// How often each entry index lies on the cards; empty cards under -1.
std::map<int, int> EntryCounts(const MemoryGame& game, int entries)
{
    std::map<int, int> counts;
    for (const MemoryCard& c : game.Cards())
        ++counts[c.entry < entries ? c.entry : -1];
    return counts;
}

TEST(MemoryLayout, CardCountFollowsSettingAndListLength)
{
    struct Case {
        bool haveList;
        int entries, bilderanzahl, count, columns, rows;
    };
    const Case cases[] = {
        {true, 20, 0, 6, 3, 2},  {false, 0, 4, 6, 3, 2}, {true, 3, 4, 6, 3, 2},   {true, 2, 4, 6, 3, 2},
        {true, 4, 4, 12, 4, 3},  {true, 20, 1, 12, 4, 3}, {true, 6, 4, 12, 4, 3}, {true, 7, 4, 20, 5, 4},
        {true, 20, 2, 20, 5, 4}, {true, 11, 3, 24, 6, 4}, {true, 11, 4, 32, 8, 4}, {true, 40, 4, 32, 8, 4},
    };
    for (const Case& c : cases) {
        const CardLayout l = CardLayoutFor(c.haveList, c.entries, c.bilderanzahl);
        EXPECT_EQ(l.count, c.count) << c.entries << " entries, Bilderanzahl " << c.bilderanzahl;
        EXPECT_EQ(l.columns, c.columns);
        EXPECT_EQ(l.rows, c.rows);
        EXPECT_EQ(l.Highest(), 99 + c.count);
    }
}

TEST(MemoryLayout, CardsAreSquareCellsCentredInTheArea)
{
    // 1280 x 800: cells (1280 - 136 - 8) / 8 = 142 wide, (800 - 144) / 4 = 164 high.
    const std::vector<QRect> places = CardPlaces({1280, 800}, 136, 144, CardLayout{32, 8, 4});
    ASSERT_EQ(places.size(), 32u);
    EXPECT_EQ(places[0], QRect(0, 11 + 1, 142, 141));                  // card 100
    EXPECT_EQ(places[1].left(), 143);                                  // card 101: one pixel apart
    EXPECT_EQ(places[8], QRect(0, 164 + 11 + 1, 142, 141));            // card 108 starts row 1
    EXPECT_EQ(places[31].topLeft(), QPoint(7 * 143, 3 * 164 + 12));    // card 131
}

TEST(MemoryDeal, ShortListsAreFilledWithFreePairs)
{
    SeedRandom(7);
    struct Case {
        int entries, bilderanzahl, count;
    };
    for (const Case c : {Case{2, 4, 6}, Case{11, 3, 24}}) {
        const auto list = ListOf(c.entries);
        MemoryGame game;
        game.Deal(list.get(), MemorySettings{c.bilderanzahl});
        ASSERT_EQ(game.Layout().count, c.count);
        const std::map<int, int> counts = EntryCounts(game, c.entries);
        for (int i = 0; i < c.entries; ++i)
            EXPECT_EQ(counts.at(i), 2) << "entry " << i;
        EXPECT_EQ(counts.at(-1), 2) << "one pair without an entry";
        for (const MemoryCard& card : game.Cards()) {
            if (card.entry < c.entries) {
                EXPECT_EQ(card.state, CardState::FaceDown);
                continue;
            }
            EXPECT_FALSE(card.InGame());
            EXPECT_EQ(card.state, CardState::Taken);
            EXPECT_EQ(card.TakenText(), QStringLiteral("frei"));
            EXPECT_EQ(card.picture, QStringLiteral("frei"));
        }
        EXPECT_FALSE(game.AllTaken());
    }
}

TEST(MemoryDeal, PairIndicesAreDistinctAndCoverShortLists)
{
    for (quint64 seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        const std::vector<int> many = DrawPairIndices(16, 40);
        EXPECT_EQ(std::set<int>(many.begin(), many.end()).size(), 16u);
        EXPECT_TRUE(std::all_of(many.begin(), many.end(), [](int i) { return i >= 0 && i < 40; }));
        // Fewer entries than pairs: an arrangement of 0 ... pairs - 1.
        std::vector<int> few = DrawPairIndices(12, 11);
        std::sort(few.begin(), few.end());
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(few[size_t(i)], i);
        // Every index lies on exactly two cards.
        const std::vector<int> dealt = DealIndices(20, 15);
        std::map<int, int> counts;
        for (int i : dealt)
            ++counts[i];
        for (const auto& [index, n] : counts)
            EXPECT_EQ(n, 2) << index;
    }
}

TEST(MemoryDeal, CaptionsPicturesAndStyles)
{
    tmoiel list;
    auto add = [&](const char* word, const char* picture, const char* style) {
        auto e = std::make_shared<WordEntry>();
        e->Field(FieldWord) = QString::fromUtf8(word);
        e->Field(FieldPicture) = QString::fromUtf8(picture);
        e->Field(FieldStyle) = QString::fromUtf8(style);
        list.Append(e);
    };
    add("der Hund", "Bilder\\hund.png", "7 95 x4 11");
    add("", "Bilder\\leer.png", "");
    add("die Straße", "", "");
    const std::vector<int> indices = {0, 1, 2, 5};

    std::vector<MemoryCard> cards = CardsFor(indices, &list, {false, false});
    EXPECT_EQ(cards[0].caption, QStringLiteral("Hund"));
    EXPECT_EQ(cards[0].picture, QStringLiteral("Bilder\\hund.png"));
    EXPECT_EQ(cards[0].style, QStringLiteral("7 95 x4 11"));
    EXPECT_EQ(cards[1].caption, QStringLiteral("Wort fehlt"));
    EXPECT_EQ(cards[1].style, QStringLiteral("0 98 x4x11"));
    EXPECT_EQ(cards[2].caption, QString::fromUtf8("Straße"));
    EXPECT_EQ(cards[2].picture, QStringLiteral("frei"));
    EXPECT_FALSE(cards[2].HasPicture());
    EXPECT_TRUE(cards[3].caption.isEmpty());
    EXPECT_EQ(cards[3].state, CardState::Taken);
    EXPECT_EQ(SizingSample(cards), QStringLiteral("Wort fehltmi"));

    cards = CardsFor(indices, &list, {true, true});
    EXPECT_EQ(cards[0].caption, QStringLiteral("DER HUND"));
}

// A game on a list of n entries with a recording host.
class MemoryTurnTest : public ::testing::Test {
protected:
    std::unique_ptr<tmoiel> list;
    MemoryGame game;
    FakeMemoryHost host;
    MemoryPlay play{game, host};

    void Deal(int entries, MemorySettings settings)
    {
        SeedRandom(11);
        list = ListOf(entries);
        game.Deal(list.get(), settings);
        host.play = &play;
        host.Take();
    }
    // Two face-down cards of the same entry (the pair after `skip` pairs whose
    // cards are both face down), or of different entries.
    std::pair<int, int> Pair(int skip = 0) const
    {
        std::map<int, std::vector<int>> byEntry;
        for (size_t i = 0; i < game.Cards().size(); ++i)
            if (game.Cards()[i].state == CardState::FaceDown)
                byEntry[game.Cards()[i].entry].push_back(MemoryGame::NumberOf(int(i)));
        for (const auto& [entry, cards] : byEntry)
            if (cards.size() >= 2 && skip-- == 0)
                return {cards[0], cards[1]};
        ADD_FAILURE() << "no face-down pair left";
        return {0, 0};
    }
    std::pair<int, int> Mismatch() const { return {Pair(0).first, Pair(1).first}; }
    CardState StateOf(int card) const { return game.Card(card)->state; }
};

TEST_F(MemoryTurnTest, FaceUpCardTurnedBackPassesTheTurnWithTwoPlayers)
{
    for (int bedienung : {1, 0}) {
        Deal(6, {1, bedienung, 1});
        const int card = Pair().first;
        play.TurnCard(card);
        EXPECT_EQ(StateOf(card), CardState::FaceUp);
        EXPECT_TRUE(game.PlayerOneTurn());
        play.TurnCard(card);
        EXPECT_EQ(StateOf(card), CardState::FaceDown);
        EXPECT_EQ(game.PlayerOneTurn(), bedienung != 1) << "Bedienung " << bedienung;
    }
}

TEST_F(MemoryTurnTest, OnePlayersMismatchStaysOpenUntilTheNextClick)
{
    Deal(6, {1, 0, 1});
    const auto [a, b] = Mismatch();
    play.TurnCard(a);
    play.TurnCard(b);
    const auto [lo, hi] = std::minmax(a, b);
    EXPECT_EQ(StateOf(a), CardState::FaceUp);
    EXPECT_EQ(StateOf(b), CardState::FaceUp);
    EXPECT_FALSE(host.events.contains(QStringLiteral("wait 1000")));
    host.Take();
    const int c = Pair(2).first;
    play.TurnCard(c);
    EXPECT_EQ(host.Take().mid(0, 3),
              (QStringList{QStringLiteral("flip %1 down").arg(lo), QStringLiteral("flip %1 down").arg(hi),
                           QStringLiteral("flip %1 up").arg(c)}));
    EXPECT_EQ(game.FaceUpCards(), std::vector<int>{c});
}

TEST_F(MemoryTurnTest, TwoPlayersMismatchIsShownThenClosedAndTheTurnPasses)
{
    Deal(6, {1, 1, 1});
    const auto [a, b] = Mismatch();
    play.TurnCard(a);
    host.Take();
    play.TurnCard(b);
    const auto [lo, hi] = std::minmax(a, b);
    const QStringList events = host.Take();
    EXPECT_EQ(events, (QStringList{QStringLiteral("flip %1 up").arg(b), QStringLiteral("wait 1000"),
                                   QStringLiteral("players"), QStringLiteral("stop"),
                                   QStringLiteral("flip %1 down").arg(lo), QStringLiteral("flip %1 down").arg(hi),
                                   QStringLiteral("end")}));
    EXPECT_FALSE(game.PlayerOneTurn());
}

TEST_F(MemoryTurnTest, PairScoresForThePlayerOnTurnWhoKeepsTheTurn)
{
    Deal(6, {1, 1, 2});
    const auto [a, b] = Mismatch();
    play.TurnCard(a);
    play.TurnCard(b);   // player 2's turn now
    const auto [c, d] = Pair();
    play.TurnCard(c);
    host.soundRounds = 3;
    play.TurnCard(d);
    EXPECT_EQ(StateOf(c), CardState::Taken);
    EXPECT_EQ(game.Card(d)->takenBy, 2);
    EXPECT_EQ(game.Score(2), 1);
    EXPECT_EQ(game.Score(1), 0);
    EXPECT_FALSE(game.PlayerOneTurn());
    // The word plays out (3 polls of 5 ms) before the pair is shown 400 ms.
    const QStringList events = host.events;
    const qsizetype at = events.indexOf(QStringLiteral("speak %1").arg(d));
    ASSERT_GE(at, 0);
    EXPECT_EQ(events.mid(at + 1, 4), (QStringList{QStringLiteral("wait 5"), QStringLiteral("wait 5"),
                                                  QStringLiteral("wait 5"), QStringLiteral("wait 400")}));
}

TEST_F(MemoryTurnTest, SpokenCardTurnedBackStopsItsSound)
{
    Deal(6, {1, 0, 2});
    const int card = Pair().first;
    play.TurnCard(card);
    EXPECT_EQ(play.SpokenCard(), card);
    host.Take();
    play.TurnCard(card);
    EXPECT_EQ(host.Take().mid(0, 2), (QStringList{QStringLiteral("flip %1 down").arg(card), QStringLiteral("stop")}));
    // With Mit Sound 1 turning speaks nothing.
    Deal(6, {1, 0, 1});
    play.TurnCard(Pair().first);
    EXPECT_FALSE(host.Take().join(u' ').contains(QStringLiteral("speak")));
}

TEST_F(MemoryTurnTest, ClickDuringATurnOnlyStopsTheSound)
{
    Deal(6, {1, 1, 1});
    const auto [a, b] = Mismatch();
    const int other = Pair(2).first;
    play.TurnCard(a);
    host.onWait = [&] { play.TurnCard(other); };
    play.TurnCard(b);
    host.onWait = nullptr;
    EXPECT_EQ(StateOf(other), CardState::FaceDown);
    EXPECT_EQ(host.events.count(QStringLiteral("flip %1 up").arg(other)), 0);
    EXPECT_GE(host.events.count(QStringLiteral("stop")), 2);
    EXPECT_FALSE(play.Busy());
}

TEST_F(MemoryTurnTest, TakenCardsIgnoreClicks)
{
    Deal(6, {1, 1, 1});
    const auto [a, b] = Pair();
    play.TurnCard(a);
    play.TurnCard(b);
    host.Take();
    play.TurnCard(a);
    EXPECT_TRUE(host.Take().isEmpty());
    EXPECT_TRUE(game.PlayerOneTurn());
}

TEST_F(MemoryTurnTest, PraiseAfterEveryMotzahlPupilPairs)
{
    MemorySettings settings{1, 0, 1};
    settings.motzahl = 2;
    Deal(6, settings);
    QStringList praised;
    for (int pair = 0; pair < 6; ++pair) {
        const auto [a, b] = Pair();
        play.TurnCard(a);
        play.TurnCard(b);
        for (const QString& e : host.Take())
            if (e.startsWith(QStringLiteral("praise")))
                praised << e;
    }
    EXPECT_EQ(praised.size(), 3);
    EXPECT_TRUE(game.AllTaken());
}

TEST_F(MemoryTurnTest, WholeGameAloneEndsWonOnce)
{
    MemorySettings settings{2, 2, 2};
    settings.motivation = 1;
    Deal(10, settings);
    ASSERT_EQ(game.Layout().count, 20);
    // A mismatch first, then every pair.
    const auto [x, y] = Mismatch();
    play.TurnCard(x);
    play.TurnCard(y);
    for (int turn = 0; game.InPlay() && turn < 100; ++turn) {
        const auto [a, b] = Pair();
        play.TurnCard(a);
        play.TurnCard(b);
    }
    EXPECT_EQ(game.Score(1), 10);
    EXPECT_EQ(host.events.count(QStringLiteral("won praise")), 1);
    EXPECT_EQ(host.events.back(), QStringLiteral("end"));
    EXPECT_TRUE(game.PlayerOneTurn());
    // The next deal starts afresh.
    game.Deal(list.get(), settings);
    EXPECT_EQ(game.Score(1), 0);
    EXPECT_EQ(game.FaceUpCards().size(), 0u);
    EXPECT_FALSE(game.AllTaken());
}

TEST_F(MemoryTurnTest, ComputerPlaysItsTurnsThroughPresses)
{
    // The pupil makes a mismatch every turn; the computer must clear the
    // board with its memory, and never turns a seen card while an unseen
    // one is turned at random.
    Deal(12, {4, 3, 1});
    ASSERT_EQ(game.Layout().count, 32);
    int turns = 0;
    while (game.InPlay() && turns++ < 200) {
        ASSERT_TRUE(game.PlayerOneTurn());
        std::vector<int> down;
        for (size_t i = 0; i < game.Cards().size(); ++i)
            if (game.Cards()[i].state == CardState::FaceDown)
                down.push_back(MemoryGame::NumberOf(int(i)));
        if (down.size() == 2 && game.Card(down[0])->entry == game.Card(down[1])->entry) {
            play.TurnCard(down[0]);
            play.TurnCard(down[1]);
            break;
        }
        const auto [a, b] = Mismatch();
        play.TurnCard(a);
        play.TurnCard(b);
        host.RunPresses();
    }
    EXPECT_TRUE(game.AllTaken());
    EXPECT_EQ(game.Score(1) + game.Score(2), 12);   // four pairs are empty
    EXPECT_GT(game.Score(2), game.Score(1));
}

TEST_F(MemoryTurnTest, PupilCannotTurnCardsForTheComputer)
{
    Deal(6, {1, 3, 1});
    const auto [a, b] = Mismatch();
    play.TurnCard(a);
    play.TurnCard(b);
    ASSERT_TRUE(game.ComputerTurn());
    ASSERT_EQ(host.presses.size(), 1u);
    const int pressed = host.presses.front();
    int other = 100;
    while (other == pressed)
        ++other;
    host.Take();
    play.TurnCard(other);
    EXPECT_EQ(StateOf(other), CardState::FaceDown);
    EXPECT_TRUE(host.Take().isEmpty());
    host.RunPresses();
    EXPECT_EQ(host.events.value(0), QStringLiteral("flip %1 up").arg(pressed));
}

// The computer's choice on a board set up by hand: cards 0..5 with entries
// 0 0 1 1 2 2.
class ComputerChoiceTest : public ::testing::Test {
protected:
    std::vector<MemoryCard> cards;
    ComputerMemory memory;

    void SetUp() override
    {
        for (int entry : {0, 0, 1, 1, 2, 2}) {
            MemoryCard c;
            c.entry = entry;
            c.caption = QStringLiteral("w%1").arg(entry);
            c.state = CardState::FaceDown;
            cards.push_back(c);
        }
        memory.Reset(cards);
    }
};

TEST_F(ComputerChoiceTest, RandomPicksAreAlwaysUnseenCards)
{
    memory.SawCard(0, 0);
    memory.SawCard(2, 1);
    memory.SawCard(4, 2);
    for (quint64 seed = 1; seed <= 50; ++seed) {
        SeedRandom(seed);
        ComputerMemory m = memory;
        const int choice = m.ChooseCard(cards);
        EXPECT_TRUE(choice == 1 || choice == 3 || choice == 5) << choice;
    }
}

TEST_F(ComputerChoiceTest, KnownPairIsCompletedOverTwoMoves)
{
    memory.SawCard(1, 0);
    memory.SawCard(4, 2);
    memory.SawCard(5, 2);
    const int first = memory.ChooseCard(cards);
    EXPECT_EQ(first, 4);
    cards[4].state = CardState::FaceUp;
    EXPECT_EQ(memory.StateOf(5), ComputerMemory::Chosen);
    EXPECT_EQ(memory.ChooseCard(cards), 5);
}

TEST_F(ComputerChoiceTest, SecondCardCompletesThePairOfTheFirst)
{
    // The computer turned card 3 at random and has seen card 2 before.
    memory.SawCard(2, 1);
    SeedRandom(3);
    int first = -1;
    while (first != 3) {
        ComputerMemory m = memory;
        first = m.ChooseCard(cards);
        if (first == 3)
            memory = m;
    }
    cards[3].state = CardState::FaceUp;
    memory.SawCard(3, 1);
    EXPECT_EQ(memory.ChooseCard(cards), 2);
}

TEST_F(ComputerChoiceTest, NothingToTurnWhenEveryCardIsGone)
{
    for (int i = 0; i < 6; ++i)
        memory.CardTaken(i);
    EXPECT_EQ(memory.ChooseCard(cards), -1);
}

TEST(MemorySelection, NoCardsBeforeTheFirstDeal)
{
    const MemoryGame game;
    EXPECT_FALSE(game.IsCard(100));
    EXPECT_EQ(game.Card(100), nullptr);
}

TEST(MemorySelection, ArrowKeysStopAtTheFirstAndHighestCard)
{
    const auto list = ListOf(20);
    MemoryGame game;
    game.Deal(list.get(), MemorySettings{2});
    EXPECT_EQ(game.Selected(), 101);
    game.MoveSelection(MoveKey::Left);
    game.MoveSelection(MoveKey::Left);
    EXPECT_EQ(game.Selected(), 100);
    game.MoveSelection(MoveKey::Up);
    EXPECT_EQ(game.Selected(), 100);
    game.MoveSelection(MoveKey::Down);
    EXPECT_EQ(game.Selected(), 105);
    for (int i = 0; i < 5; ++i)
        game.MoveSelection(MoveKey::Down);
    EXPECT_EQ(game.Selected(), 119);
    game.MoveSelection(MoveKey::Right);
    EXPECT_EQ(game.Selected(), 119);
    game.Select(140);
    EXPECT_EQ(game.Selected(), 119);
}

} // namespace
