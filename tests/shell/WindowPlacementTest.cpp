#include <gtest/gtest.h>

#include <climits>

#include "shell/WindowPlacement.h"

namespace tindle {
namespace {

const QRect kScreen(0, 0, 1280, 800);

TEST(WindowPlacement, DefaultsLeaveAMarginOfTheScreen) {
    EXPECT_EQ(DefaultWindowRect(kScreen), QRect(50, 50, 1130, 650));
}

TEST(WindowPlacement, AStoredPlaceOnTheScreenIsKept) {
    EXPECT_EQ(SafeWindowRect(120, 80, 751, 407, kScreen), QRect(120, 80, 751, 407));
    // Partly off the screen but well within reach.
    EXPECT_EQ(SafeWindowRect(-200, 600, 751, 407, kScreen), QRect(-200, 600, 751, 407));
}

TEST(WindowPlacement, DamagedValuesGiveAReachableWindow) {
    // Sizes beyond the screen or below the minimum are held in range.
    EXPECT_EQ(SafeWindowRect(50, 50, 99999, -5, kScreen), QRect(50, 50, 1280, kMinWindowHeight));
    // A place off the screen moves to the default place.
    EXPECT_EQ(SafeWindowRect(5000, 5000, 800, 600, kScreen).topLeft(), QPoint(50, 50));
    EXPECT_EQ(SafeWindowRect(INT_MAX, INT_MIN, INT_MAX, INT_MAX, kScreen),
              QRect(50, 50, 1280, 800));
}

}  // namespace
}  // namespace tindle
