// Arrangements other than the two classic ones, each worked out by hand on a 1024x768 table
// with big cards (71x96) unless said otherwise: W = 1022, g = 10, T = 30, B = H - 1, rows
// R0 = 40 (55 with the stock in row 1), then every 10 + 96. ShadowMargin 9.

#include <gtest/gtest.h>

#include <vector>

#include "LayoutTestGames.h"
#include "table/layout/TMainGame.h"

namespace tindle {
namespace {

TMainGame LaidOut(const GameDef& def, LayoutInputs in) {
    TMainGame tm;
    tm.SetFanSteps('B', def);
    tm.TableLayout(in, def);
    return tm;
}
TMainGame LaidOut(const GameDef& def, int width = 1024, int height = 768) {
    return LaidOut(def, test::TableInputs(width, height, 'B'));
}

std::vector<int> ColumnsX(const TMainGame& tm, int n) {
    std::vector<int> x;
    for (int i = 0; i < n; ++i)
        x.push_back(tm.FilaX(i));
    return x;
}

TEST(TableauRow, CentredWithFixedGap002) {
    GameDef def = test::KlondikeDef();
    def[gd::TableauArrangement] = 2;
    def[gd::StockArrangement] = 5;
    // 800 wide: W = 798, gap 10, FilaX[0] = nearest((798 - 497 - 60) / 2) = nearest(120.5).
    TMainGame tm = LaidOut(def, 800, 600);
    EXPECT_EQ(ColumnsX(tm, 7), (std::vector<int>{120, 201, 282, 363, 444, 525, 606}));
    // Stock "005" from the margin M = 10 + 9 + 15: Mazzo at 34, the waste M + 71 further.
    EXPECT_EQ(tm.MazzoX(0), 34);
    EXPECT_EQ(tm.MazzoX(1), 139);
    EXPECT_EQ(tm.MazzoY(1), 55);
    // 640 wide: W = 628 < 650, gap 5: nearest((628 - 497 - 30) / 2) = nearest(50.5) = 50.
    EXPECT_EQ(ColumnsX(LaidOut(def, 640, 480), 2), (std::vector<int>{50, 126}));
}

TEST(TableauRow, LeavesRoomForTheStockAndItsWaste003) {
    GameDef def = test::KlondikeDef();
    def[gd::TableauArrangement] = 3;
    def[gd::TableauRow] = 1;
    def[gd::StockArrangement] = 3;
    def[gd::FoundationArrangement] = 9;
    def[gd::FoundationRow] = 2;
    // gap = nearest((1022 - 8*71 - 32) / 9) = 47 > 20 -> 15; FilaX[0] =
    // nearest((1022 - 40 - 568 - 6*15) / 2) = 162, plus 71 + 22 = 255; columns every 86.
    TMainGame tm = LaidOut(def);
    EXPECT_EQ(ColumnsX(tm, 7), (std::vector<int>{255, 341, 427, 513, 599, 685, 771}));
    EXPECT_EQ(tm.FilaY(0), 55);
    // Stock at FilaX[0] - 71 - 22 in its row, the waste under it on R1, which the stock
    // "003" pushed down by 15: 55 + 10 + 96 + 15.
    EXPECT_EQ(tm.MazzoX(0), 162);
    EXPECT_EQ(tm.MazzoY(0), 55);
    EXPECT_EQ(tm.MazzoX(1), 162);
    EXPECT_EQ(tm.MazzoY(1), 176);
    // Foundations "009": right-aligned with the last column, s = nearest(15 / 3) = 5 apart.
    EXPECT_EQ(tm.DestX(3), 771);
    EXPECT_EQ(tm.DestX(0), 771 - 3 * 76);
    EXPECT_EQ(tm.DestY(0), 176);
}

TEST(TableauRow, TwoStockColumnsWithCentredFoundationsAndReserves011) {
    GameDef def = test::KlondikeDef();
    def[gd::TableauCount] = 8;
    def[gd::TableauArrangement] = 11;
    def[gd::StockArrangement] = 11;
    def[gd::FoundationArrangement] = 2;
    def[gd::ReserveCount] = 2;
    def[gd::ReserveArrangement] = 6;
    def[gd::ReserveRow] = 3;
    // M = 10 + 9. gap = nearest((1022 - 710 - 32) / 11) = 25 -> 15; FilaX[0] =
    // nearest((1022 - 40 - 710 - 120) / 2) = 76, + 2 * (71 + 22) + 15 = 277.
    TMainGame tm = LaidOut(def);
    EXPECT_EQ(tm.FilaX(0), 277);
    EXPECT_EQ(tm.FilaX(7), 277 + 7 * 86);
    EXPECT_EQ(tm.MazzoX(1), 277 - 71 - 45);
    EXPECT_EQ(tm.MazzoX(0), 161 - 71 - 15);
    // Foundations "002": s' = nearest(15 / 2) = 8; first at nearest((1022 - 284 - 24) / 2).
    EXPECT_EQ(tm.DestX(0), 357);
    EXPECT_EQ(tm.DestX(3), 357 + 3 * 79);
    // Reserves "006" from the first column with the foundations' spacing s' = 8, in row 3.
    EXPECT_EQ(tm.AppoggX(0), 277);
    EXPECT_EQ(tm.AppoggX(1), 277 + 79);
    EXPECT_EQ(tm.AppoggY(1), 55 + 2 * 106);
}

TEST(TableauRow, MarginSqueezesTheGapOf014) {
    GameDef def = test::KlondikeDef();
    def[gd::TableauArrangement] = 14;
    // 640x480: W = 628, M = 27; gap nearest(16.375) = 16, FilaX[0] = nearest(17.5) = 18 < M:
    // gap -= nearest((27 - 18) / 6 + 0.99) = 2 -> 14; FilaX[0] = M - 2 on a narrow screen.
    // Gap < 15 with a stock "004": the columns under the two stock piles keep 71 + 15.
    TMainGame tm = LaidOut(def, 640, 480);
    EXPECT_EQ(ColumnsX(tm, 7), (std::vector<int>{25, 111, 197, 282, 367, 452, 537}));
    LayoutInputs in = test::TableInputs(640, 480, 'B');
    in.screenWidth = 800;
    EXPECT_EQ(LaidOut(def, in).FilaX(0), 27);

    // "001" instead keeps its gap but never below 15 under a stock "004", as long as the row
    // fits: 8 columns on 640 at a gap of 15 would end at 700, so the gap narrows to
    // (628 - 27 - 8 * 71) / 7 = 4.
    def[gd::TableauArrangement] = 1;
    def[gd::TableauCount] = 8;
    tm = LaidOut(def, 640, 480);
    EXPECT_EQ(tm.FilaX(0), 27);
    EXPECT_EQ(tm.FilaX(7), 27 + 7 * 75);
}

// Ten columns "014" under a stock "004" and eight foundations "007": on an 800 x 600 table
// and in the open-a-game preview every pile lies wholly on the table, left to right in order.
TEST(TableauRow, TenColumnsWithAStockStayOnTheTable) {
    GameDef def = test::KlondikeDef();
    def[gd::TableauArrangement] = 14;
    def[gd::TableauCount] = 10;
    def[gd::FoundationCount] = 8;
    LayoutInputs preview = test::TableInputs(300, 185, 'L', 0);
    preview.previewMode = true;
    preview.top = 3;
    preview.bottom = 185;
    for (const LayoutInputs& in : {test::TableInputs(800, 600, 'B'), preview}) {
        const TMainGame tm = LaidOut(def, in);
        for (int k = 0; k < 10; ++k) {
            EXPECT_GE(tm.FilaX(k), 0) << in.width << " column " << k;
            EXPECT_LE(tm.FilaX(k) + in.cardWidth, in.width) << in.width << " column " << k;
            if (k > 0) {
                EXPECT_GT(tm.FilaX(k), tm.FilaX(k - 1) + in.cardWidth);
            }
        }
        for (int j = 0; j < 8; ++j)
            EXPECT_LE(tm.DestX(j) + in.cardWidth, in.width) << in.width << " foundation " << j;
        EXPECT_GE(tm.MazzoX(0), 0);
    }
}

TEST(TableauRows, SeveralRowsOnTheFourRowBlocks018) {
    GameDef def = test::FreeCellDef();
    def[gd::TableauCount] = 10;
    def[gd::TableauRows] = 2;
    def[gd::TableauArrangement] = 18;
    def[gd::TableauRow] = 1;
    def[gd::FoundationCount] = 0;
    def[gd::ReserveCount] = 0;
    // c = 5; gap = min(nearest(665 / 6) = 111, nearest(106.5) = 106); FilaX[0] = M + 10 = 20.
    // V4 = 30 + nearest((767 - 30 - 384 - 30) / 2) = 30 + nearest(161.5) = 192.
    TMainGame tm = LaidOut(def);
    EXPECT_EQ(ColumnsX(tm, 10), (std::vector<int>{20, 197, 374, 551, 728, 20, 197, 374, 551, 728}));
    EXPECT_EQ(tm.FilaY(4), 192);
    EXPECT_EQ(tm.FilaY(5), 192 + 106);
    def[gd::TableauRow] = 2;
    EXPECT_EQ(LaidOut(def).FilaY(0), 298);

    // Right-fanned columns in different rows reach to the first foundation.
    def[gd::TableauCount] = 2;
    def[gd::TableauFanStyle] = 2;
    def[gd::FoundationCount] = 4;
    def[gd::FoundationArrangement] = 8;
    tm = LaidOut(def);
    EXPECT_EQ(tm.FilaX(1), 20);
    EXPECT_EQ(tm.DestX(3), 1022 - 71 - 10 - 5);
    EXPECT_EQ(tm.filaRoomX, tm.DestX(0) - 20);
}

TEST(Cross052, FiveColumnsWithFoundationsInTheCorners) {
    GameDef def = test::KlondikeDef();
    def[gd::TableauArrangement] = 52;
    def[gd::TableauCount] = 5;
    // 800x600: G = 35; X1 = nearest((798 - 213 - 70) / 2) = nearest(257.5) = 258, X2 = 364,
    // X3 = 470; Y0 = 30 + nearest((599 - 30 - 288 - 70) / 2) = 30 + 106 = 136, Y1 = 267,
    // Y2 = 398.
    TMainGame tm = LaidOut(def, 800, 600);
    EXPECT_EQ(ColumnsX(tm, 5), (std::vector<int>{364, 258, 364, 470, 364}));
    EXPECT_EQ(tm.FilaY(0), 136);
    EXPECT_EQ(tm.FilaY(1), 267);
    EXPECT_EQ(tm.FilaY(4), 398);
    EXPECT_EQ(tm.DestX(0), 265);
    EXPECT_EQ(tm.DestY(0), 143);
    EXPECT_EQ(tm.DestX(3), 463);
    EXPECT_EQ(tm.DestY(3), 391);
    EXPECT_EQ(tm.MazzoX(0), 258 - 71 - 70);
    EXPECT_EQ(tm.MazzoY(1), 267);
    EXPECT_EQ(tm.FilaX(5), kOffTable);
    EXPECT_EQ(tm.FilaX(8), kOffTableFila);
    // 640x480: G = 25; X1 = nearest((628 - 213 - 50) / 2) = nearest(182.5) = 182;
    // Y0 = 30 + nearest((479 - 30 - 288 - 50) / 2) = 30 + 56 = 86.
    tm = LaidOut(def, 640, 480);
    EXPECT_EQ(ColumnsX(tm, 3), (std::vector<int>{278, 182, 278}));
    EXPECT_EQ(tm.FilaY(0), 86);
    EXPECT_EQ(tm.FilaY(1), 86 + 25 + 96);
    EXPECT_EQ(tm.MazzoX(0), 182 - 71 - 50);
}

TEST(Foundations, EveryArrangementCode) {
    // FreeCell's columns on 1024: 157 + 91k; tableau gap 20.
    GameDef def = test::FreeCellDef();
    def[gd::FoundationArrangement] = 1;  // s' = nearest((1022 - 284 - 2) / 5) = 147
    EXPECT_EQ(LaidOut(def).DestX(1), 147 + 71 + 147);
    def[gd::FoundationArrangement] = 8;  // right-aligned: 1022 - 71 - 10 - 5, then 81 apart
    EXPECT_EQ(LaidOut(def).DestX(3), 936);
    EXPECT_EQ(LaidOut(def).DestX(0), 936 - 3 * 81);
    def[gd::FoundationArrangement] = 9;  // s = nearest(20 / 3) = 7
    EXPECT_EQ(LaidOut(def).DestX(0), 794 - 3 * 78);
    def[gd::FoundationArrangement] = 13;
    EXPECT_EQ(LaidOut(def).DestX(0), 521);
    LayoutInputs shortScreen = test::TableInputs(1024, 768, 'B');
    shortScreen.screenHeight = 480;
    EXPECT_EQ(LaidOut(def, shortScreen).DestX(0), 794 - 3 * 72);

    // "017": after the waste (stock "005": Mazzo at 34, waste at 139), on the waste's Y.
    def = test::KlondikeDef();
    def[gd::StockArrangement] = 5;
    def[gd::FoundationArrangement] = 17;
    def[gd::FoundationRow] = 2;
    TMainGame tm = LaidOut(def);
    EXPECT_EQ(tm.DestX(0), 139 + 71 + 20);
    EXPECT_EQ(tm.DestX(3), 230 + 3 * 74);
    EXPECT_EQ(tm.DestY(3), 55);
    shortScreen.screenHeight = 480;
    EXPECT_EQ(LaidOut(def, shortScreen).DestX(1), 139 + 71 + 10 + 72);
}

TEST(Reserves, EveryArrangementCode) {
    GameDef def = test::FreeCellDef();
    def[gd::ReserveArrangement] = 5;
    EXPECT_EQ(LaidOut(def).AppoggX(3), 10 + 3 * 81);
    def[gd::ReserveArrangement] = 7;
    EXPECT_EQ(LaidOut(def).AppoggX(0), 521);
    def[gd::ReserveCount] = 1;
    def[gd::ReserveArrangement] = 12;  // more than 7 columns: FilaX[0] - 71 - 22
    EXPECT_EQ(LaidOut(def).AppoggX(0), 157 - 93);
    def[gd::TableauCount] = 7;  // 7 columns: FilaX[0] - 71 - 45
    EXPECT_EQ(LaidOut(def).AppoggX(0), LaidOut(def).FilaX(0) - 116);

    def = test::KlondikeDef();
    def[gd::ReserveCount] = 1;
    def[gd::ReserveArrangement] = 11;
    def[gd::ReserveRow] = 3;
    TMainGame tm = LaidOut(def);
    EXPECT_EQ(tm.AppoggX(0), 293);
    EXPECT_EQ(tm.AppoggY(0), 55 + 2 * 106);
}

TEST(StockFamily, EveryStockAndSecondWasteCode) {
    // Klondike on 1024 keeps FilaX[0] = 202 for all these stock codes.
    GameDef def = test::KlondikeDef();
    def[gd::StockArrangement] = 13;  // nearest(9 / 2) = 4, + 15; the waste 71 + 15 further
    TMainGame tm = LaidOut(def);
    EXPECT_EQ(tm.MazzoX(0), 19);
    EXPECT_EQ(tm.MazzoX(1), 19 + 86);
    EXPECT_EQ(tm.MazzoY(1), 55);
    def[gd::StockArrangement] = 16;
    tm = LaidOut(def);
    EXPECT_EQ(tm.MazzoX(0), 202 - 101);
    EXPECT_EQ(tm.MazzoX(1), kOffTableStock);
    def[gd::StockArrangement] = 19;
    EXPECT_EQ(LaidOut(def).MazzoX(0), 202 - 131);
    def[gd::StockArrangement] = 21;
    tm = LaidOut(def);
    EXPECT_EQ(tm.MazzoX(1), 202 - 86);
    EXPECT_EQ(tm.MazzoX(0), 116 - 91);
    def[gd::StockArrangement] = 4;
    def[gd::StockUsed] = 0;  // only the waste: it takes the first column's X
    tm = LaidOut(def);
    EXPECT_EQ(tm.MazzoX(1), 202);
    EXPECT_EQ(tm.MazzoX(0), kOffTableStock);

    def = test::KlondikeDef();
    def[gd::SecondWastePresent] = 1;
    def[gd::SecondWasteRow] = 2;
    def[gd::SecondWasteArrangement] = 16;  // under the stock: R0 + 96 + 20
    tm = LaidOut(def);
    EXPECT_EQ(tm.MazzoX(2), 202);
    EXPECT_EQ(tm.MazzoY(2), 55 + 116);
    EXPECT_EQ(tm.savedStock[2].y, 171);
    def[gd::SecondWasteRow] = 1;
    def[gd::SecondWasteArrangement] = 6;
    EXPECT_EQ(LaidOut(def).MazzoX(2), 293);
    def[gd::SecondWasteArrangement] = 7;
    EXPECT_EQ(LaidOut(def).MazzoX(2), 748);
    def[gd::SecondWasteArrangement] = 4;  // the slot after stock and waste
    EXPECT_EQ(LaidOut(def).MazzoX(2), 384);
}

}  // namespace
}  // namespace tindle
