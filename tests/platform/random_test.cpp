#include "platform/random.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Random, UniformOverTheRangeAndRepeatableWithASeed)
{
    SeedRandom(42);
    std::vector<int> first;
    std::vector<int> counts(5, 0);
    for (int i = 0; i < 5000; ++i) {
        const int r = RandomNumber(5);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 5);
        ++counts[size_t(r)];
        if (i < 20)
            first.push_back(r);
    }
    for (int c : counts)
        EXPECT_NEAR(c, 1000, 150);
    SeedRandom(42);
    for (int r : first)
        EXPECT_EQ(RandomNumber(5), r);
    EXPECT_EQ(RandomNumber(1), 0);
    EXPECT_EQ(RandomNumber(0), 0);
    EXPECT_EQ(RandomNumber(-3), 0);
}
