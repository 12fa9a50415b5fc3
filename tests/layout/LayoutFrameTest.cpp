// The frame every arrangement is built in, and its edge cases. Inputs as in the classic
// layouts: B = H - 1, T = 30, screen = table, ShadowMargin 9.

#include <gtest/gtest.h>

#include "LayoutTestGames.h"
#include "table/layout/Nearest.h"
#include "table/layout/TMainGame.h"

namespace tindle {
namespace {

TMainGame LaidOut(const GameDef& def, int width, int height, char size = 'B') {
    TMainGame tm;
    tm.SetFanSteps(size, def);
    tm.TableLayout(test::TableInputs(width, height, size), def);
    return tm;
}

TEST(Nearest, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(Nearest(2.5), 2);
    EXPECT_EQ(Nearest(3.5), 4);
    EXPECT_EQ(Nearest(-0.5), 0);
    EXPECT_EQ(Nearest(-1.5), -2);
    EXPECT_EQ(Nearest(-2.6), -3);
    EXPECT_EQ(Nearest(1.49), 1);
    EXPECT_EQ(Nearest(7.879), 8);
}

TEST(LayoutFrame, PileKindWithoutPilesStaysOffTableAndLeavesABlankRow) {
    GameDef def = test::KlondikeDef();
    def[gd::FoundationCount] = 0;
    TMainGame tm = LaidOut(def, 800, 600);
    EXPECT_EQ(tm.Frame().occupiedRows, "1  ");
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(tm.DestX(i), kOffTableDest) << i;
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(tm.AppoggY(i), kOffTableAppogg) << i;

    EXPECT_EQ(LaidOut(test::FreeCellDef(), 800, 600).Frame().occupiedRows, " 11");
    EXPECT_EQ(LaidOut(test::KlondikeDef(), 800, 600).Frame().occupiedRows, "11 ");
}

TEST(LayoutFrame, LowTableShrinksGapsAndWidth) {
    const GameDef def = test::FreeCellDef();
    const LayoutFrame tall = LaidOut(def, 800, 500).Frame();
    const LayoutFrame low = LaidOut(def, 800, 499).Frame();
    EXPECT_EQ(tall.gap, 10);
    EXPECT_EQ(tall.width, 798);
    EXPECT_EQ(tall.rowTop[0], 40);
    EXPECT_EQ(low.gap, 5);
    EXPECT_EQ(low.width, 788);
    EXPECT_EQ(low.rowTop[0], 35);
    EXPECT_EQ(low.rowTop[1], 35 + 5 + 96);
    EXPECT_EQ(low.rowTop[3], 35 + 3 * (5 + 96));
}

TEST(LayoutFrame, NarrowTableGetsTheSmallMargin) {
    // The margin follows the width left after the 2-pixel trim: 651 - 2 is below 650.
    const GameDef def = test::FreeCellDef();
    EXPECT_EQ(LaidOut(def, 651, 600).Frame().margin, 3);
    EXPECT_EQ(LaidOut(def, 652, 600).Frame().margin, 10);
    // A stock adds the shadow margin, and 15 more when it sits above the columns ("004").
    EXPECT_EQ(LaidOut(test::KlondikeDef(), 652, 600).Frame().margin, 10 + 9 + 15);
    EXPECT_EQ(LaidOut(test::KlondikeDef(), 651, 600).Frame().margin, 3 + 9 + 15);
}

TEST(LayoutFrame, ColumnRoomReachesTheNextOccupiedRow) {
    GameDef def = test::FreeCellDef();
    // Tableau in row 1, foundations in row 3: the columns may fan down to row 3's top.
    def[gd::TableauRow] = 1;
    def[gd::FoundationRow] = 3;
    def[gd::ReserveRow] = 4;
    TMainGame tm = LaidOut(def, 800, 600);
    EXPECT_EQ(tm.filaRoomY, tm.Frame().rowTop[2] - tm.Frame().rowTop[0]);
    EXPECT_EQ(tm.filaRoomY, 2 * (10 + 96));

    // In row 4 a column keeps one card height, whatever lies around it.
    def[gd::TableauRow] = 4;
    EXPECT_EQ(LaidOut(def, 800, 600).filaRoomY, 96);
    EXPECT_EQ(LaidOut(def, 800, 600, 'L').filaRoomY, 32);

    // Squared columns keep one card height too.
    def = test::FreeCellDef();
    def[gd::TableauFanStyle] = 3;
    EXPECT_EQ(LaidOut(def, 800, 600).filaRoomY, 96);
}

TEST(LayoutFrame, StockRowsPushTheRowsDown) {
    GameDef def = test::KlondikeDef();
    def[gd::StockRow] = 2;
    const LayoutFrame f = LaidOut(def, 800, 600).Frame();
    EXPECT_EQ(f.rowTop[0], 40);
    EXPECT_EQ(f.rowTop[1], 40 + 10 + 96 + 15);
    EXPECT_EQ(f.rowTop[2], f.rowTop[1] + 10 + 96);
}

TEST(LayoutFrame, CentredBlocksAndLowestTop) {
    // V3 = T + nearest((B - T - 3*96 - 20) / 2) = 30 + nearest(130.5) = 160; V4 with
    // 4*96 + 30: 30 + nearest(77.5) = 108. H = 600 > 0.8 * 600: lowest top = 600 - 96 - 50.
    const LayoutFrame f = LaidOut(test::FreeCellDef(), 800, 600).Frame();
    EXPECT_EQ(f.v3, 160);
    EXPECT_EQ(f.V3(1), 160 + 106);
    EXPECT_EQ(f.v4, 108);
    EXPECT_EQ(f.lowestTop, 454);
    // A table too low for three rows keeps its blocks 2 pixels under the toolbar.
    EXPECT_EQ(LaidOut(test::FreeCellDef(), 800, 300).Frame().v3, 32);
    // A window much lower than the screen: the screen height decides.
    LayoutInputs in = test::TableInputs(800, 400, 'B');
    in.screenHeight = 1000;
    TMainGame tm;
    tm.TableLayout(in, test::FreeCellDef());
    EXPECT_EQ(tm.Frame().lowestTop, 1000 - 96 - 30);
}

TEST(LayoutFrame, TableauArrangement015ReplacesTheRowTops) {
    GameDef def = test::KlondikeDef();
    def[gd::TableauArrangement] = 15;
    TMainGame tm = LaidOut(def, 1024, 768);
    EXPECT_EQ(tm.Frame().rowTop[0], 30 + 15);
    EXPECT_EQ(tm.Frame().rowTop[1], 30 + 96 + 20);
    EXPECT_EQ(tm.Frame().rowTop[2], 30 + 2 * 96 + 25);
    // R3 keeps its first value: R0 = 30 + 10 + 15, then three rows of 10 + 96.
    EXPECT_EQ(tm.Frame().rowTop[3], 55 + 3 * 106);
    EXPECT_EQ(tm.FilaY(0), 30 + 96 + 20);
    EXPECT_EQ(tm.MazzoY(0), 30 + 15);
}

TEST(LayoutPositions, ResetGivesEachKindItsOwnOffTableValue) {
    TMainGame tm;
    tm.TableLayout(test::TableInputs(800, 600, 'B'), test::KlondikeDef());
    tm.ResetPositions();
    EXPECT_EQ(tm.MazzoX(0), -10000);
    EXPECT_EQ(tm.DestX(16), -10001);
    EXPECT_EQ(tm.FilaY(29), -10002);
    EXPECT_EQ(tm.AppoggX(10), -10003);
    // Out-of-range slots read as off the table and are never written.
    tm.SetFilaX(30, 5);
    tm.SetDestX(-1, 5);
    EXPECT_EQ(tm.FilaX(30), kOffTable);
    // Values beyond 16 bits stop at the end of the range instead of wrapping around.
    tm.SetFilaX(0, 40000);
    tm.SetFilaY(0, -40000);
    EXPECT_EQ(tm.FilaX(0), 32767);
    EXPECT_EQ(tm.StoredPileY({PileKind::Fila, 0}), -32768);
}

TEST(FanSteps, FollowCardSizeAndFanStyles) {
    TMainGame tm;
    GameDef def = test::FreeCellDef();
    tm.SetFanSteps('B', def);
    EXPECT_EQ(tm.faceUpStepY, 18);
    EXPECT_EQ(tm.faceDownStepY, 4);
    EXPECT_EQ(tm.faceUpStepX, 0);
    EXPECT_EQ(tm.diagonalStep[0], 0);
    tm.SetFanSteps('M', def);
    EXPECT_EQ(tm.faceUpStepY, 14);
    tm.SetFanSteps('L', def);
    EXPECT_EQ(tm.faceUpStepY, 3);
    EXPECT_EQ(tm.faceDownStepY, 3);

    // Right-fanned tableau: X steps only; a reserve fanned downwards still brings Y steps.
    def[gd::TableauFanStyle] = 2;
    tm.SetFanSteps('M', def);
    EXPECT_EQ(tm.faceUpStepX, 10);
    EXPECT_EQ(tm.faceDownStepX, 4);
    EXPECT_EQ(tm.faceUpStepY, 0);
    def[gd::ReserveFanStyle] = 1;
    tm.SetFanSteps('M', def);
    EXPECT_EQ(tm.faceUpStepY, 14);

    def[gd::TableauFanStyle] = 6;
    tm.SetFanSteps('B', def);
    EXPECT_EQ(tm.diagonalStep[0], 7);
    EXPECT_EQ(tm.diagonalStep[1], 7);
    EXPECT_EQ(tm.spreadGap, 6);
    EXPECT_EQ(tm.stackStep[1], 3);
    // An unknown letter keeps the sizes of the last known one.
    tm.SetFanSteps('X', def);
    EXPECT_EQ(tm.diagonalStep[0], 7);
}

}  // namespace
}  // namespace tindle
