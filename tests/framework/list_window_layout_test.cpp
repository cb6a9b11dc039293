// The bars of the list-driven window at common screen sizes: every control
// inside its bar, none overlapping another, the centre left free.
#include "framework/list_window_layout.h"

#include <gtest/gtest.h>

TEST(ListWindowLayout, ControlsStayInTheirBarsWithoutOverlapping)
{
    for (const QSize client : {QSize(1220, 688), QSize(1920, 1080), QSize(1024, 768), QSize(800, 600)}) {
        const ListWindowLayout l = LayoutListWindow(client);
        const std::vector<QRect> bottom = {l.labelNr, l.numberBox, l.labelVon, l.count, l.previous, l.next,
                                           l.check, l.labelTon, l.play, l.stop, l.spell, l.letter,
                                           l.fileBottom, l.learnCards, l.remove, l.listName};
        const std::vector<QRect> right = {l.help, l.options, l.speech, l.noise, l.fileRight, l.end};
        for (const QRect& r : bottom)
            EXPECT_TRUE(l.bottomBar.contains(r)) << client.width();
        for (const QRect& r : right)
            EXPECT_TRUE(l.rightBar.contains(r)) << client.width();
        std::vector<QRect> all = bottom;
        all.insert(all.end(), right.begin(), right.end());
        for (size_t i = 0; i < all.size(); ++i)
            for (size_t j = i + 1; j < all.size(); ++j)
                EXPECT_FALSE(all[i].intersects(all[j])) << client.width() << " " << i << " " << j;
        EXPECT_FALSE(l.centre.intersects(l.bottomBar));
        EXPECT_FALSE(l.centre.intersects(l.rightBar));
        EXPECT_EQ(l.rightBar.right(), client.width() - 1);
        EXPECT_EQ(l.bottomBar.bottom(), client.height() - 1);
    }
}
