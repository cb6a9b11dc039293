// Picture counts, their codes and the places of the fields of "Bild zum Wort".
#include "exercises/spiel3/picture_layout.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

TEST(PictureLayout, CountIsLoweredToTheListAndItsCodeWrittenBack)
{
    const struct {
        int code, entries, count, written;
    } cases[] = {
        {2, 9, 8, 1},    // 14 -> 12 -> 10 -> 8
        {2, 13, 14, 2},  // stops at 12: the code of 14 stays, 14 fields laid out
        {2, 12, 14, 2},
        {2, 11, 8, 1},
        {2, 14, 14, 2},
        {2, 3, 2, 4},
        {1, 7, 6, 0},
        {0, 5, 4, 3},
        {0, 6, 6, 0},
        {3, 3, 2, 4},
        {4, 1, 2, 4},   // two pictures are the least, whatever the list
        {4, 0, 2, 4},
        {0, 0, 2, 4},
        {9, 20, 6, 0},  // an unknown code reads as 6 pictures
        {-1, 2, 2, 4},
    };
    for (const auto& c : cases) {
        const PictureChoice choice = ChoosePictureCount(c.code, c.entries);
        EXPECT_EQ(choice.count, c.count) << c.code << " " << c.entries;
        EXPECT_EQ(choice.code, c.written) << c.code << " " << c.entries;
    }
}

TEST(PictureLayout, FieldsTileTheAreaWithoutOverlap)
{
    const int w = 1200, h = 800;
    const struct {
        int count;
        QRect word, first, last;
    } cases[] = {
        {6, {0, 0, 1200, 200}, {0, 200, 400, 300}, {800, 500, 400, 300}},
        {8, {400, 0, 400, 266}, {0, 0, 400, 266}, {800, 533, 400, 266}},  // rows at H/3 and 2H/3
        {14, {300, 0, 600, 200}, {0, 0, 300, 200}, {900, 600, 300, 200}},
        {4, {0, 0, 1200, 200}, {0, 200, 600, 300}, {600, 500, 600, 300}},
        {2, {0, 0, 1200, 200}, {0, 200, 600, 600}, {600, 200, 600, 600}},
    };
    for (const auto& c : cases) {
        const auto places = PictureFieldPlaces(c.count, w, h);
        ASSERT_EQ(int(places.size()), c.count + 1) << c.count;
        EXPECT_EQ(places.at(100), c.word) << c.count;
        EXPECT_EQ(places.at(101), c.first) << c.count;
        EXPECT_EQ(places.at(100 + c.count), c.last) << c.count;
        for (auto a = places.begin(); a != places.end(); ++a) {
            EXPECT_TRUE(QRect(0, 0, w, h).contains(a->second)) << c.count << " field " << a->first;
            for (auto b = std::next(a); b != places.end(); ++b)
                EXPECT_FALSE(a->second.intersects(b->second)) << c.count << ": " << a->first << " " << b->first;
        }
    }
    // Fourteen pictures: 102 beside the word on the right, then rows of four.
    const auto places = PictureFieldPlaces(14, w, h);
    EXPECT_EQ(places.at(102), QRect(900, 0, 300, 200));
    EXPECT_EQ(places.at(103), QRect(0, 200, 300, 200));
    EXPECT_EQ(places.at(107), QRect(0, 400, 300, 200));
    EXPECT_EQ(places.at(110), QRect(900, 400, 300, 200));
}

TEST(PictureLayout, KeysMoveByRowLengthWithinTheFields)
{
    EXPECT_EQ(RowLength(14), 4);
    EXPECT_EQ(RowLength(8), 3);
    EXPECT_EQ(RowLength(6), 3);
    EXPECT_EQ(RowLength(4), 2);
    EXPECT_EQ(RowLength(2), 2);
    EXPECT_EQ(MoveSelection(101, -1, 106), 101);
    EXPECT_EQ(MoveSelection(101, 3, 106), 104);
    EXPECT_EQ(MoveSelection(105, 3, 106), 106);
    EXPECT_EQ(MoveSelection(113, 4, 114), 114);
    EXPECT_EQ(MoveSelection(103, -4, 114), 101);
}
