// The rules of "Welches Wort stimmt?" that need no window: the sizing text,
// the praise turn, and the uncovering board with its points.
#include "exercises/spiel2/praise_turn.h"
#include "exercises/spiel2/sizing_text.h"
#include "exercises/spiel2/uncover_board.h"
#include "platform/random.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SizingText, LongestCaptionAtLeastSevenM)
{
    EXPECT_EQ(SizingText({"Hund", "Katze"}), "  MMMMMMM  ");
    EXPECT_EQ(SizingText({"Hundehaus"}), "  AAAAAAAAA  ");
    EXPECT_EQ(SizingText({"Hundeha", ""}), "  MMMMMMM  ");
    EXPECT_EQ(SizingText({}), "  MMMMMMM  ");
}

TEST(PraiseTurn, MotzahlTwoAlternatesRichtigAndPraise)
{
    int count = 0;
    const RightFeedback expected[] = {RightFeedback::Richtig, RightFeedback::Praise, RightFeedback::Richtig,
                                      RightFeedback::Praise};
    for (RightFeedback e : expected)
        EXPECT_EQ(NextRightFeedback(count, 0, 2, 3), e);
    count = 0;
    EXPECT_EQ(NextRightFeedback(count, 0, 1, 3), RightFeedback::Praise);
    EXPECT_EQ(NextRightFeedback(count, 1, 2, 3), RightFeedback::None);
    EXPECT_EQ(NextRightFeedback(count, 0, 2, 1), RightFeedback::None);  // too few praises
}

TEST(UncoverBoard, CostTable)
{
    // Uncovering everything automatically leaves these points.
    const struct {
        int pieces, left;
    } cases[] = {{9, 20}, {16, 0}, {25, 3}, {36, 5}};
    for (const auto& c : cases) {
        SeedRandom(3);
        UncoverBoard board;
        board.StartTask(c.pieces, false);
        std::set<int> pieces;
        int steps = 0;
        for (;;) {
            const UncoverBoard::Step s = board.Advance();
            ++steps;
            if (s.piece >= 0)
                EXPECT_TRUE(pieces.insert(s.piece).second) << "piece twice";
            if (s.finished) {
                EXPECT_TRUE(s.whole);
                break;
            }
        }
        EXPECT_EQ(steps, c.pieces + 1) << c.pieces;
        EXPECT_EQ(int(pieces.size()), c.pieces - 1) << c.pieces;  // the last step shows the whole picture
        EXPECT_EQ(board.TaskPoints(), c.left) << c.pieces;
        EXPECT_EQ(board.StepCounter(), 0);
    }
    EXPECT_EQ(StepCost(12, 5), 0);
    EXPECT_EQ(StepCost(9, 2), 0);
    EXPECT_EQ(StepCost(16, 16), 6);
}

TEST(UncoverBoard, ThirtyPointsAfterFourStepsAndOneWrongChoice)
{
    UncoverBoard board;
    board.StartTask(9, false);
    EXPECT_TRUE(board.Advance().covered);   // t = 1: the covered picture
    for (int i = 0; i < 3; ++i)
        EXPECT_GE(board.Advance().piece, 0);  // t = 2, 3, 4
    EXPECT_EQ(board.TaskPoints(), 80);
    board.WrongChoice();
    const UncoverBoard::Step step = board.RightChoice();
    EXPECT_TRUE(step.whole);
    EXPECT_TRUE(step.finished);
    EXPECT_EQ(board.TaskPoints(), 30);
    EXPECT_EQ(board.TotalPoints(), 30);
    EXPECT_EQ(board.SolvedCount(), 1);

    // The next task: a right choice at once uncovers everything at no cost.
    board.StartTask(9, false);
    board.Advance();
    EXPECT_TRUE(board.RightChoice().whole);
    EXPECT_EQ(board.TaskPoints(), 100);
    EXPECT_EQ(board.TotalPoints(), 130);
    EXPECT_EQ(board.SolvedCount(), 2);
    board.StartTask(9, false);
    board.WrongChoice();
    board.WrongChoice();
    board.WrongChoice();
    EXPECT_EQ(board.TaskPoints(), 0);
}

TEST(UncoverBoard, ManualClicks)
{
    UncoverBoard board;
    board.StartTask(9, true);
    board.Advance();
    UncoverBoard::Step step;
    ASSERT_TRUE(board.Click(4, &step));
    EXPECT_TRUE(step.clearCover);  // the request text goes with the first piece
    EXPECT_EQ(step.piece, 4);
    const int points = board.TaskPoints();
    EXPECT_FALSE(board.Click(4, &step));  // uncovered already: the beep, no cost
    EXPECT_EQ(board.TaskPoints(), points);
    EXPECT_FALSE(board.Click(9, &step));
    for (int p : {0, 1, 2, 3, 5, 6, 7}) {
        ASSERT_TRUE(board.Click(p, &step));
        EXPECT_EQ(step.piece, p);
    }
    ASSERT_TRUE(board.Click(8, &step));
    EXPECT_TRUE(step.whole);
    EXPECT_TRUE(board.Complete());
    // Everything is shown: further clicks only beep.
    EXPECT_FALSE(board.Click(0, &step));
    EXPECT_EQ(board.TaskPoints(), 20);
}

TEST(UncoverBoard, GridAndHitTest)
{
    const QVector<QRect> pieces = PieceRects(QSize(100, 90), 9);
    ASSERT_EQ(pieces.size(), 9);
    EXPECT_EQ(pieces[0], QRect(0, 0, 33, 30));
    EXPECT_EQ(pieces[2], QRect(66, 0, 34, 30));  // the last column reaches the edge
    EXPECT_EQ(pieces[8], QRect(66, 60, 34, 30));
    EXPECT_EQ(PieceAt(pieces, QPoint(32, 0)), 0);
    EXPECT_EQ(PieceAt(pieces, QPoint(33, 0)), 1);   // the left edge belongs to the piece
    EXPECT_EQ(PieceAt(pieces, QPoint(99, 89)), 8);
    EXPECT_EQ(PieceAt(pieces, QPoint(100, 0)), -1);
    EXPECT_EQ(PieceRects(QSize(100, 100), 36).size(), 36);
}

} // namespace
