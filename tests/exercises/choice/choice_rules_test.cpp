// The shared rules of the choice exercises: drawing the candidates, the
// result mark, the displayed word and the message animations.
#include "data/exercise_settings.h"
#include "data/word_list.h"
#include "exercises/choice/candidate_draw.h"
#include "exercises/choice/displayed_word.h"
#include "exercises/choice/message_animation.h"
#include "exercises/choice/result_mark.h"
#include "platform/random.h"
#include "support/fake_clock.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(CandidateDraw, ShortListOffersTheRightWordAndLeavesFieldsEmpty)
{
    // Felderanzahl 4, three entries: the six slots are a permutation of 0..5,
    // so at least one of the four fields has no entry.
    for (quint64 seed = 1; seed <= 200; ++seed) {
        SeedRandom(seed);
        const int right = int(seed % 3);
        std::vector<int> slots(6, -1);
        DrawCandidates(slots, 4, 3, right, 6);
        int empty = 0;
        std::set<int> valid;
        for (int k = 0; k < 4; ++k) {
            if (slots[size_t(k)] >= 3)
                ++empty;
            else
                EXPECT_TRUE(valid.insert(slots[size_t(k)]).second) << "seed " << seed;
        }
        EXPECT_GE(empty, 1) << "seed " << seed;
        EXPECT_GE(SlotOf(slots, 4, right), 0) << "seed " << seed;
    }
}

TEST(CandidateDraw, LongListGivesDifferentEntriesAndKeepsHiddenSlots)
{
    for (quint64 seed = 1; seed <= 200; ++seed) {
        SeedRandom(seed);
        std::vector<int> slots = {-1, -1, -1, 41, 42, 43};
        const int right = int(seed % 10);
        DrawCandidates(slots, 3, 10, right, 6);
        const std::set<int> shown(slots.begin(), slots.begin() + 3);
        EXPECT_EQ(shown.size(), 3u) << "seed " << seed;
        EXPECT_TRUE(shown.count(right)) << "seed " << seed;
        for (int v : shown)
            EXPECT_TRUE(v >= 0 && v < 10);
        EXPECT_EQ(std::vector<int>(slots.begin() + 3, slots.end()), (std::vector<int>{41, 42, 43}));
    }
}

TEST(CandidateDraw, DrawingRuleMovesOnPastTakenValues)
{
    // Only one value is free: every draw lands on it.
    for (quint64 seed = 1; seed <= 50; ++seed) {
        SeedRandom(seed);
        EXPECT_EQ(DrawSlotValue({0, 1, 3, 4}, 4, 5), 2);
    }
    // More earlier slots than values cannot loop for ever.
    EXPECT_LT(DrawSlotValue({0, 1, 2}, 3, 2), 2);
}

TEST(ResultMark, WrongChoicesThenRight)
{
    QString mark;
    for (const char* word : {"A", "B", "C"})
        EXPECT_TRUE(RecordWrongChoice(mark, QString::fromLatin1(word)));
    RecordRightChoice(mark);
    EXPECT_EQ(mark, "A; B; C; -OK-");

    QString first;
    RecordRightChoice(first);
    EXPECT_EQ(first, "-OK-");
}

TEST(ResultMark, LimitAndClosedMark)
{
    QString mark(490, u'x');
    EXPECT_FALSE(RecordWrongChoice(mark, QStringLiteral("1234567")));  // 7 + 490 + 3 = 500
    EXPECT_EQ(mark.size(), 490);
    EXPECT_TRUE(RecordWrongChoice(mark, QStringLiteral("123456")));    // 499
    EXPECT_EQ(mark.size(), 498);

    // A task solved once keeps its mark when it comes again.
    QString solved = QStringLiteral("-OK-");
    EXPECT_FALSE(RecordWrongChoice(solved, QStringLiteral("B")));
    RecordRightChoice(solved);
    EXPECT_EQ(solved, "-OK-");
}

TEST(DisplayedWord, ArticleRule)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"der Hund", "Hund"}, {"Die Katze", "Katze"}, {"EINE Maus", "Maus"}, {"ein Ball", "Ball"},
                 {"der große Hund", "der große Hund"}, {"Hund", "Hund"}, {"mein Hund", "mein Hund"}};
    for (const auto& c : cases)
        EXPECT_EQ(WithoutLeadingArticle(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;

    tmoiel list;
    auto entry = std::make_shared<WordEntry>();
    entry->Field(FieldWritten) = entry->Field(FieldWord) = QStringLiteral("das Haus");
    list.Append(entry);
    PrepareDisplayedWords(list, false);
    EXPECT_EQ(entry->Field(FieldWord), "Haus");
    PrepareDisplayedWords(list, true);
    EXPECT_EQ(entry->Field(FieldWord), "das Haus");
}

TEST(MessageAnimation, FramesPaddingAndColourPair)
{
    EXPECT_EQ(TypingFrames(QStringLiteral("abc")), (QStringList{"", "a", "ab", "abc"}));
    EXPECT_EQ(ErasingFrames(QStringLiteral("abc")), (QStringList{"abc", "bc", ""}));
    EXPECT_EQ(ErasingFrames(QStringLiteral("abcd")), (QStringList{"abcd", "bc", ""}));
    EXPECT_EQ(ErasingFrames(QString()), (QStringList{""}));

    EXPECT_EQ(PadHighlighted(QStringLiteral("ok"), 0), "ok          ");
    EXPECT_EQ(PadHighlighted(QStringLiteral("ok"), 1), "     ok     ");
    EXPECT_EQ(PadHighlighted(QStringLiteral("ok"), 2), "          ok");

    EXPECT_EQ(HighlightedPair({u'0', u'7'}), (ColourPair{u'7', u'0'}));
    EXPECT_EQ(HighlightedPair({u'7', u'z'}), (ColourPair{u'0', u'7'}));
    EXPECT_EQ(HighlightedPair({u'3', u'z'}), (ColourPair{u'7', u'3'}));
}

class RecordingSurface : public MessageSurface {
public:
    QStringList frames;
    QList<qint64> times;
    int ended = 0;
    int discards = 0;
    FakeClock* clock = nullptr;
    void ShowMessageFrame(int, const QString& text) override
    {
        frames << text;
        times << clock->NowMs();
    }
    void EndMessage(int field) override { ended = field; }
    void DiscardMouseInput() override { ++discards; }
};

TEST(MessageAnimation, AnimatorTimesFramesAndKeepsTheSwappedPair)
{
    FakeClock clock;
    RecordingSurface surface;
    surface.clock = &clock;
    MessageAnimator animator(surface);
    animator.ResetColours({u'0', u'7'});

    const qint64 start = clock.NowMs();
    animator.TypeIn(101, QStringLiteral("ja"), false, 1000, 1);
    EXPECT_EQ(surface.frames, (QStringList{"", "j", "ja"}));
    EXPECT_EQ(surface.times.back() - start, 10);   // two 5 ms steps before the last frame
    EXPECT_EQ(clock.NowMs() - start, 15 + 1000);   // the last pause, then the hold
    EXPECT_EQ(surface.ended, 101);
    EXPECT_EQ(surface.discards, 1);
    EXPECT_FALSE(animator.Running());
    EXPECT_EQ(animator.Colours(), (ColourPair{u'0', u'7'}));

    surface.frames.clear();
    animator.TypeIn(102, QStringLiteral("gut"), true, 100, 1);
    EXPECT_EQ(surface.frames.back(), "     gut     ");
    EXPECT_EQ(animator.Colours(), (ColourPair{u'7', u'0'}));  // stays until the next task
    EXPECT_EQ(animator.ColoursOf(102), (ColourPair{u'7', u'0'}));
    EXPECT_EQ(animator.ColoursOf(101), (ColourPair{u'0', u'7'}));   // on that field only

    surface.frames.clear();
    animator.Erase(102, QStringLiteral("gut"), false, 50, 1);
    EXPECT_EQ(surface.frames, (QStringList{"gut", "ut", ""}));
    EXPECT_EQ(animator.Colours(), (ColourPair{u'0', u'7'}));

    surface.frames.clear();
    animator.ShowAtOnce(103, QStringLiteral("Prima"), true, 1000, 0);
    EXPECT_EQ(surface.frames, (QStringList{"Prima          "}));
}

} // namespace
