#include <gtest/gtest.h>

#include <set>

#include "model/Random.h"
#include "table/layout/ColumnJitter.h"

namespace tindle {
namespace {

TEST(ColumnJitter, RunningSumStaysWithinTwoPixelsForManySeeds) {
    std::set<int> seen;
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        Random random(seed);
        ColumnJitter j;
        j.Regenerate(random);
        for (int row = 1; row <= 7; ++row) {
            EXPECT_EQ(j.Entry(row, 0), 0);
            int sum = 0;
            for (int i = 1; i < 13; ++i) {
                const int d = j.Entry(row, i);
                seen.insert(d);
                sum += d;
                ASSERT_GE(sum, -2) << "seed " << seed << " row " << row << " entry " << i;
                ASSERT_LE(sum, 2) << "seed " << seed << " row " << row << " entry " << i;
            }
        }
    }
    // Every step the generator can make does occur: one to the left, none, one or two right.
    EXPECT_EQ(seen, (std::set<int>{-1, 0, 1, 2}));
}

TEST(ColumnJitter, ColumnsShareRowsAndDeepCardsWrap) {
    Random random(3);
    ColumnJitter j;
    j.Regenerate(random);
    for (int d = 0; d <= 12; ++d) {
        EXPECT_EQ(j.ColumnOffset(0, d), j.Entry(1, d));
        EXPECT_EQ(j.ColumnOffset(6, d), j.Entry(7, d));
        EXPECT_EQ(j.ColumnOffset(7, d), j.Entry(2, d));   // 7 mod 6 = 1
        EXPECT_EQ(j.ColumnOffset(12, d), j.Entry(1, d));  // 12 mod 6 = 0
        EXPECT_EQ(j.ColumnOffset(27, d), j.Entry(4, d));  // 27 mod 6 = 3
    }
    EXPECT_EQ(j.ColumnOffset(2, 13), j.Entry(3, 1));
    EXPECT_EQ(j.ColumnOffset(2, 24), j.Entry(3, 0));
    EXPECT_EQ(j.ColumnOffset(2, -1), 0);
    EXPECT_EQ(j.Entry(8, 0), 0);
    // Before any regeneration the table is tidy.
    EXPECT_EQ(ColumnJitter().ColumnOffset(3, 5), 0);
}

}  // namespace
}  // namespace tindle
