#include <gtest/gtest.h>

#include "shell/HeaderArrangement.h"

namespace tindle {
namespace {

HeaderInputs Wide() {
    HeaderInputs in;
    in.referenceWidth = 808;
    in.clockWidth = 80;
    in.scoreWidth = 70;
    in.toolBarRight = 200;
    in.rowBottom = 24;
    return in;
}

TEST(HeaderArrangement, ClockAtTheRightEndAndScoreLeftOfIt) {
    const HeaderPlacement p = ArrangeHeaderPanels(Wide());
    EXPECT_EQ(p.clockLeft, 808 - 80 - 15);
    EXPECT_EQ(p.scoreLeft, 808 - 80 - 15 - 70 - 5);
    EXPECT_TRUE(p.clockVisible);
    EXPECT_TRUE(p.scoreVisible);
    // The grey line at the bottom of the row, the black one a pixel lower, both full width.
    EXPECT_EQ(p.greyLineTop, 24);
    EXPECT_EQ(p.blackLineTop, 25);
    EXPECT_EQ(p.lineWidth, 808);
}

TEST(HeaderArrangement, WithoutTheClockTheScoreTakesTheRightEnd) {
    HeaderInputs in = Wide();
    in.showTime = false;
    const HeaderPlacement p = ArrangeHeaderPanels(in);
    EXPECT_EQ(p.scoreLeft, 808 - 70 - 15);
    EXPECT_FALSE(p.clockVisible);
    EXPECT_TRUE(p.scoreVisible);

    in.showScore = false;
    EXPECT_FALSE(ArrangeHeaderPanels(in).scoreVisible);
}

TEST(HeaderArrangement, APanelThatWouldTouchTheToolbarStaysHidden) {
    HeaderInputs in = Wide();
    // The score panel is shown only when its left is more than 3 pixels right of the
    // toolbar's right end.
    const int scoreLeft = ArrangeHeaderPanels(in).scoreLeft;
    in.toolBarRight = scoreLeft - 3;
    HeaderPlacement p = ArrangeHeaderPanels(in);
    EXPECT_FALSE(p.scoreVisible);
    EXPECT_TRUE(p.clockVisible);
    in.toolBarRight = scoreLeft - 4;
    EXPECT_TRUE(ArrangeHeaderPanels(in).scoreVisible);

    // A window narrower than the toolbar hides both.
    in.referenceWidth = 250;
    p = ArrangeHeaderPanels(in);
    EXPECT_FALSE(p.scoreVisible);
    EXPECT_FALSE(p.clockVisible);
}

}  // namespace
}  // namespace tindle
