// The pictures of "Lesen lernen" in list order, and the records of its clicks.
#include "exercises/spiel7/reading_order.h"

#include <gtest/gtest.h>

TEST(ReadingOrder, SlotsFollowTheListAndWrapAround)
{
    using V = std::vector<int>;
    EXPECT_EQ(ReadingOrderSlots(3, 5, 4), (V{3, 4, 0, 1}));
    EXPECT_EQ(ReadingOrderSlots(0, 5, 4), (V{0, 1, 2, 3}));
    EXPECT_EQ(ReadingOrderSlots(1, 2, 6), (V{1, 0, 1, 0, 1, 0}));  // shown more than once
    EXPECT_EQ(ReadingOrderSlots(0, 1, 2), (V{0, 0}));
    EXPECT_EQ(ReadingOrderSlots(0, 0, 2), (V{-1, -1}));
    EXPECT_EQ(ReadingOrderSlots(7, 5, 2), (V{-1, -1}));
    EXPECT_EQ(ReadingOrderSlots(-1, 5, 2), (V{-1, -1}));
}

TEST(ReadingOrder, ClickRecordsTheCaptionForTheEntryThatWasCurrent)
{
    // The current picture itself, twice: the same record gets both parts each time.
    QString own;
    RecordReadingClick(own, own, "Hund");
    EXPECT_EQ(own, "Hund; -OK-");
    RecordReadingClick(own, own, "Hund");
    EXPECT_EQ(own, "Hund; -OK-Hund; -OK-");

    // Another picture: its word stays with the entry that was current.
    QString before, after;
    RecordReadingClick(before, after, "Katze");
    EXPECT_EQ(before, "Katze; ");
    EXPECT_EQ(after, "-OK-");
}

TEST(ReadingOrder, RecordsStopBelowFiveHundredCharacters)
{
    QString mark;
    for (int i = 0; i < 200; ++i)
        RecordReadingClick(mark, mark, "Schmetterling");
    EXPECT_LT(mark.size(), 500);
    EXPECT_GT(mark.size(), 450);
    const QString full = mark;
    RecordReadingClick(mark, mark, "Schmetterling");
    EXPECT_EQ(mark, full);
}
