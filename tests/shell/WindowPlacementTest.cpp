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
    // Sizes below the minimum are held at it.
    EXPECT_EQ(SafeWindowRect(60, 70, 200, -5, kScreen),
              QRect(60, 70, kMinWindowWidth, kMinWindowHeight));
    // A place off the screen moves to the default place.
    EXPECT_EQ(SafeWindowRect(5000, 5000, 800, 600, kScreen).topLeft(), QPoint(50, 50));
    // A size beyond the screen (damaged, or the window of a larger screen the last session ran
    // on) is not cut to the screen's edges: the window gets this screen's default place and size.
    EXPECT_EQ(SafeWindowRect(INT_MAX, INT_MIN, INT_MAX, INT_MAX, kScreen),
              DefaultWindowRect(kScreen));
    EXPECT_EQ(SafeWindowRect(50, 50, 1770, 930, kScreen), DefaultWindowRect(kScreen));
    EXPECT_EQ(SafeWindowRect(600, 300, 1281, 700, kScreen), DefaultWindowRect(kScreen));
    // The default place of a screen right of the first one lies on that screen.
    EXPECT_EQ(DefaultWindowRect(QRect(1280, 0, 1024, 768)), QRect(1330, 50, 874, 618));
}

}  // namespace
}  // namespace tindle
