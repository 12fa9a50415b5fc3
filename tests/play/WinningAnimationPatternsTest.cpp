// Where the winning patterns put their cards.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "play/WinningAnimationCircle.h"
#include "play/WinningAnimationFakes.h"
#include "play/WinningAnimationFestoons.h"

namespace tindle::test {
namespace {

// The test window: 800 x 600, table from y = 40, cards 71 x 96.
constexpr int kTop = 40;

TEST(WinningPatterns, LeftToRightSweepsRowsDownTheTable) {
    AnimationBench bench;
    bench.Play("Left to right", 60);
    const auto& s = bench.view.stamps;
    ASSERT_GT(s.size(), 1100u);
    // The first row: from x = -20 in steps of 71 / 5.8 = 12 until the right edge.
    for (size_t i = 0; i < 69; ++i) {
        ASSERT_EQ(s[i].x, -20 + 12 * static_cast<int>(i));
        ASSERT_EQ(s[i].y, kTop);
    }
    // The second row starts a third of a card left of the edge, 35 lower, after a wait.
    EXPECT_EQ(s[69].x, -24);
    EXPECT_EQ(s[69].y, kTop + 35);
    EXPECT_GE(s[69].time - s[68].time, 700u);
    // Rows go on 35 apart; then the sweep starts again from the top, shifted by 35.
    int rows = 1;
    size_t i = 69;
    for (; i < s.size() && s[i].y > s[i - 1].y; ++rows) {
        EXPECT_EQ(s[i].y, kTop + 35 * rows);
        EXPECT_EQ(s[i].x, rows % 2 == 1 ? -24 : -18);
        while (i + 1 < s.size() && s[i + 1].y == s[i].y)
            ++i;
        ++i;
    }
    EXPECT_EQ(rows, 14);  // the 15th row would reach the bottom (530 + 96 >= 600)
    ASSERT_LT(i, s.size());
    EXPECT_EQ(s[i].y, 35);
    EXPECT_EQ(s[i].x, -18);
}

TEST(WinningPatterns, UpToDownSweepsColumnsAcrossTheTable) {
    AnimationBench bench;
    bench.Play("Up to down", 5);
    const auto& s = bench.view.stamps;
    ASSERT_GT(s.size(), 40u);
    // The first column: from y = 40 in steps of 96 / 5.3 = 18 until the bottom.
    for (size_t i = 0; i < 32; ++i) {
        ASSERT_EQ(s[i].x, -10);
        ASSERT_EQ(s[i].y, kTop + 18 * static_cast<int>(i));
    }
    // The next column starts a third of a card above the window, 71 / 1.5 = 47 further right.
    EXPECT_EQ(s[32].x, 37);
    EXPECT_EQ(s[32].y, -32);
    EXPECT_EQ(s[33].y, -14);
    EXPECT_GE(s[32].time - s[31].time, 700u);
}

bool AtEdge(const WinningAnimationArea& a, int x, int y) {
    return x <= 0 || x + a.cardWidth >= a.clientWidth || y <= a.top ||
           y + a.cardHeight >= a.clientHeight;
}

TEST(WinningPatterns, LinesRunAtFortyFiveDegreesFromEdgeToEdge) {
    for (uint32_t seed : {1u, 2u, 3u, 4u}) {
        AnimationBench first(seed);
        first.Play("Lines", 0);
        const auto& s = first.view.stamps;
        ASSERT_GE(s.size(), 2u);
        EXPECT_EQ(s[0].y, kTop);
        EXPECT_GE(s[0].x, 0);
        EXPECT_LE(s[0].x, 800 - 71);
        const int dx = s[1].x - s[0].x;
        const int dy = s[1].y - s[0].y;
        EXPECT_EQ(std::abs(dx), std::abs(dy));
        EXPECT_GE(std::abs(dx), 4);
        EXPECT_LE(std::abs(dx), 11);
        EXPECT_GT(dy, 0);
        for (size_t i = 1; i < s.size(); ++i) {
            ASSERT_EQ(s[i].x - s[i - 1].x, dx);
            ASSERT_EQ(s[i].y - s[i - 1].y, dy);
            ASSERT_FALSE(AtEdge(first.area, s[i].x, s[i].y)) << i;
        }
        const int endX = s.back().x + dx;
        const int endY = s.back().y + dy;
        EXPECT_TRUE(AtEdge(first.area, endX, endY));

        // With more time the next card sets off where this one stopped, again at 45 degrees,
        // and the cards bounce around inside the table, never further out than one step.
        AnimationBench longer(seed);
        longer.Play("Lines", 10);
        const auto& t = longer.view.stamps;
        ASSERT_GT(t.size(), s.size() + 1);
        EXPECT_EQ(t[s.size()].x, endX);
        EXPECT_EQ(t[s.size()].y, endY);
        EXPECT_EQ(std::abs(t[s.size() + 1].x - endX), std::abs(t[s.size() + 1].y - endY));
        for (const Stamp& st : t) {
            ASSERT_GT(st.x, -11);
            ASSERT_LT(st.x + 71, 800 + 11);
            ASSERT_GT(st.y, kTop - 11);
            ASSERT_LT(st.y + 96, 600 + 11);
        }
    }
}

TEST(WinningPatterns, CirclePointsLieRoundTheCircleFromItsTop) {
    const auto& points = CirclePoints();
    int filled = 0;
    for (const CirclePoint& p : points) {
        if (p.x == kNoCirclePoint) {
            EXPECT_EQ(p.y, kNoCirclePoint);
            continue;
        }
        ASSERT_EQ(filled, &p - points.data()) << "a filled point after an unfilled one";
        ++filled;
        double r = std::hypot(p.x - 149.5, p.y - 149.5);
        EXPECT_NEAR(r, 150.0, 1.0) << p.x << "," << p.y;
        // Mirrored about the vertical axis, some point lies close by.
        double nearest = 1e9;
        for (const CirclePoint& q : points) {
            nearest = std::min(nearest, std::hypot(q.x - (299 - p.x), q.y - p.y));
        }
        EXPECT_LE(nearest, 6.0) << p.x << "," << p.y;
    }
    EXPECT_GE(filled, 100);
    EXPECT_LE(filled, 300);
    EXPECT_EQ(points[0].x, 150);
    EXPECT_EQ(points[0].y, 0);
    // Down the right half, then up the left half.
    EXPECT_GE(points[filled / 4].x, 280);
    EXPECT_LE(points[3 * filled / 4].x, 20);
}

TEST(WinningPatterns, CircleOutlineIsClosedAndFillsThePicture) {
    const auto outline = CircleOutline();
    int pixels = 0;
    for (int y = 0; y < kCirclePictureSize; ++y) {
        for (int x = 0; x < kCirclePictureSize; ++x) {
            if (!outline[y][x]) continue;
            ++pixels;
            int neighbours = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    int ny = y + dy, nx = x + dx;
                    if ((dx || dy) && ny >= 0 && nx >= 0 && ny < 300 && nx < 300 &&
                        outline[ny][nx]) {
                        ++neighbours;
                    }
                }
            }
            ASSERT_GE(neighbours, 2) << x << "," << y;
            ASSERT_TRUE(outline[y][299 - x] && outline[299 - y][x] && outline[x][y]);
        }
    }
    EXPECT_TRUE(outline[0][150] && outline[299][149] && outline[150][0] && outline[149][299]);
    EXPECT_GT(pixels, 800);
}

TEST(WinningPatterns, CirclesStampOneCircleOfPointsPerCard) {
    AnimationBench bench;
    bench.Play("Circles", 0);
    const auto& s = bench.view.stamps;
    ASSERT_FALSE(s.empty());
    // Some corner puts every stamp on a circle point, in the points' order.
    std::optional<std::pair<int, int>> corner;
    for (const CirclePoint& candidate : CirclePoints()) {
        if (candidate.x == kNoCirclePoint) break;
        int x0 = s[0].x - candidate.x, y0 = s[0].y - candidate.y;
        size_t next = 0;
        for (const CirclePoint& p : CirclePoints()) {
            if (next < s.size() && s[next].x == x0 + p.x && s[next].y == y0 + p.y) ++next;
        }
        if (next == s.size()) corner = {x0, y0};
    }
    EXPECT_TRUE(corner.has_value());
    for (const Stamp& st : s) {
        EXPECT_TRUE(st.x + 71 >= 0 && st.x <= 800 && st.y + 96 >= 0 && st.y <= 600);
    }
}

TEST(WinningPatterns, FestoonCardsFallAlongTheFallTableToTheBottom) {
    for (uint32_t seed : {1u, 5u, 9u}) {
        AnimationBench bench(seed);
        bench.Play("Festoons", 0);
        const auto& s = bench.view.stamps;
        ASSERT_GT(s.size(), 10u);
        EXPECT_GE(s[0].y, kTop - 50);
        EXPECT_LT(s[0].y, kTop - 10);
        const int h = s[1].x - s[0].x;
        EXPECT_GE(std::abs(h), 2);
        EXPECT_LE(std::abs(h), 6);
        size_t i = 1;
        for (const FestoonStep& step : kFestoonFall) {
            for (int k = 0; k < step.stamps && i < s.size(); ++k, ++i) {
                ASSERT_EQ(s[i].y - s[i - 1].y, step.dy) << "stamp " << i;
                ASSERT_EQ(s[i].x - s[i - 1].x, h);
            }
        }
        // The fall ends with the card just above the bottom edge.
        EXPECT_LT(s.back().y + 96, 600);
        EXPECT_GE(s.back().y + 96 + 19, 600);
    }
}

TEST(WinningPatterns, FestoonFirstBounceReturnsToTheFloorAndRollsOnLongEnoughToLeave) {
    int firstBounceStamps[4] = {};
    for (int n : {2, 3}) {
        const auto steps = FestoonBounce(n);
        int rise = 0;
        for (size_t i = 0; i < 22; ++i) {
            rise += steps[i].dy * steps[i].stamps;
            firstBounceStamps[n] += steps[i].stamps;
        }
        EXPECT_EQ(rise, 0) << n;
        EXPECT_GE(steps.back().stamps * 2, 2000);  // slowest drift 2 px, beyond any window
        EXPECT_EQ(steps.back().dy, 0);
    }
    // The higher bounce holds each of its 18 middle steps one stamp longer.
    EXPECT_EQ(firstBounceStamps[3] - firstBounceStamps[2], 18);
    // After the fall a card still on the window goes up again from the bottom edge.
    int bounced = 0;
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        AnimationBench once(seed), longer(seed);
        once.Play("Festoons", 0);
        longer.Play("Festoons", 60);
        const auto& f = once.view.stamps;
        const int x = 2 * f.back().x - f[f.size() - 2].x;
        if (x < -50 || x > 780) continue;  // (nearly) drifted off sideways while falling
        ++bounced;
        const auto& t = longer.view.stamps;
        ASSERT_GT(t.size(), f.size() + 2);
        EXPECT_EQ(t[f.size()].x, x);
        EXPECT_GE(t[f.size()].y + 96, 600);
        EXPECT_EQ(t[f.size() + 1].y - t[f.size()].y, -19);
        EXPECT_EQ(t[f.size() + 2].y - t[f.size() + 1].y, -17);
    }
    EXPECT_GT(bounced, 3);
}

}  // namespace
}  // namespace tindle::test
