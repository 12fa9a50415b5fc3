// FreeCell and Klondike laid out on three table sizes with each card size. The expected
// positions were worked out by hand from the layout rules, with these inputs: table width W
// and height H as named, B = H - 1, T = 30 (toolbar bottom), screen = table size,
// ShadowMargin 9, scroll position 0. "nearest" rounds a half to the even neighbour.
//
// FreeCell, 1024x768, big cards (71x96):
//   H >= 500: g = 10; W = 1024 - 2 = 1022; no stock, so R0 = T + g = 40 and
//   R1 = R0 + g + 96 = 146 (the tableau's row 2); M = 10.
//   "001", n = 8: gap = nearest((1022 - 8*71) / 9) = nearest(50.4) = 50 -> clamped to 20;
//   FilaX[0] = nearest((1022 - (568 + 7*20)) / 2) = 157, then every 71 + 20 = 91 pixels.
//   Foundations "007": above the last 4 columns: FilaX[4..7]; free cells "004": FilaX[0..3];
//   both on R0. Occupied rows " 11": nothing in rows 3, 4 -> FilaRoomY = H - R1 = 622.
// Klondike, 640x480, big cards:
//   H < 500: g = 5; W = 640 - 2 - 10 = 628; the stock in row 1 adds 15: R0 = 30 + 5 + 15 = 50,
//   R1 = 50 + 5 + 96 = 151. M = 3 (W < 650) + 9 (shadow) + 15 (stock "004") = 27.
//   gap = nearest((628 - 497) / 8) = nearest(16.375) = 16 (at least 15 with a stock "004");
//   FilaX[0] = nearest((628 - (497 + 96)) / 2) = nearest(17.5) = 18 < M, so FilaX[0] = 27;
//   columns every 87: 27, 114, .., 549. Stock "004": Mazzo at FilaX[0], Mazzo_Vis at FilaX[1]
//   on R0; foundations at FilaX[3..6] on R0; FilaRoomY = 480 - 151 = 329.
// Klondike, 1024x768, big cards: FilaX[0] = nearest((1022 - 617) / 2) = nearest(202.5) = 202
// (the even neighbour; rounding halves up would give 203).

#include <gtest/gtest.h>

#include <vector>

#include "LayoutTestGames.h"
#include "table/layout/TMainGame.h"

namespace tindle {
namespace {

struct Expected {
    int width, height;
    char size;
    std::vector<int> filaX;
    int filaY;
    int rowOneY;  // Y of foundations, free cells, stock and waste
    int filaRoomY;
};

void ExpectColumns(const TMainGame& tm, const Expected& e) {
    for (size_t i = 0; i < e.filaX.size(); ++i) {
        EXPECT_EQ(tm.FilaX(static_cast<int>(i)), e.filaX[i]) << "column " << i;
        EXPECT_EQ(tm.FilaY(static_cast<int>(i)), e.filaY) << "column " << i;
    }
    EXPECT_EQ(tm.FilaX(static_cast<int>(e.filaX.size())), kOffTableFila);
    EXPECT_EQ(tm.filaRoomY, e.filaRoomY);
    EXPECT_EQ(tm.filaRoomX, tm.cardWidth);
}

class FreeCellLayout : public testing::TestWithParam<Expected> {};

TEST_P(FreeCellLayout, PlacesEveryPileWhereWorkedOutByHand) {
    const Expected& e = GetParam();
    TMainGame tm;
    const GameDef def = test::FreeCellDef();
    tm.SetFanSteps(e.size, def);
    tm.TableLayout(test::TableInputs(e.width, e.height, e.size), def);
    SCOPED_TRACE(testing::Message() << e.width << "x" << e.height << " " << e.size);

    ExpectColumns(tm, e);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tm.DestX(i), e.filaX[static_cast<size_t>(4 + i)]);
        EXPECT_EQ(tm.DestY(i), e.rowOneY);
        EXPECT_EQ(tm.AppoggX(i), e.filaX[static_cast<size_t>(i)]);
        EXPECT_EQ(tm.AppoggY(i), e.rowOneY);
    }
    EXPECT_EQ(tm.DestX(4), kOffTableDest);
    EXPECT_EQ(tm.AppoggX(4), kOffTableAppogg);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tm.MazzoX(i), kOffTableStock);
        EXPECT_EQ(tm.savedStock[static_cast<size_t>(i)].x, kOffTableStock);
    }
}

INSTANTIATE_TEST_SUITE_P(
    TableSizes, FreeCellLayout,
    testing::Values(
        Expected{1024, 768, 'B', {157, 248, 339, 430, 521, 612, 703, 794}, 146, 40, 622},
        Expected{1024, 768, 'M', {205, 284, 363, 442, 521, 600, 679, 758}, 130, 40, 638},
        Expected{1024, 768, 'L', {341, 386, 431, 476, 521, 566, 611, 656}, 82, 40, 686},
        Expected{800, 600, 'B', {45, 136, 227, 318, 409, 500, 591, 682}, 146, 40, 454},
        Expected{800, 600, 'M', {93, 172, 251, 330, 409, 488, 567, 646}, 130, 40, 470},
        Expected{800, 600, 'L', {229, 274, 319, 364, 409, 454, 499, 544}, 82, 40, 518},
        // 640x480: g = 5, W = 628, M = 3. Medium: gap 17, FilaX[0] = nearest(18.5) = 18.
        Expected{640, 480, 'B', {6, 84, 162, 240, 318, 396, 474, 552}, 136, 35, 344},
        Expected{640, 480, 'M', {18, 94, 170, 246, 322, 398, 474, 550}, 120, 35, 360},
        Expected{640, 480, 'L', {144, 189, 234, 279, 324, 369, 414, 459}, 72, 35, 408}));

class KlondikeLayout : public testing::TestWithParam<Expected> {};

TEST_P(KlondikeLayout, PlacesEveryPileWhereWorkedOutByHand) {
    const Expected& e = GetParam();
    TMainGame tm;
    const GameDef def = test::KlondikeDef();
    tm.SetFanSteps(e.size, def);
    tm.TableLayout(test::TableInputs(e.width, e.height, e.size), def);
    SCOPED_TRACE(testing::Message() << e.width << "x" << e.height << " " << e.size);

    ExpectColumns(tm, e);
    EXPECT_EQ(tm.MazzoX(0), e.filaX[0]);
    EXPECT_EQ(tm.MazzoX(1), e.filaX[1]);
    EXPECT_EQ(tm.MazzoY(0), e.rowOneY);
    EXPECT_EQ(tm.MazzoY(1), e.rowOneY);
    EXPECT_EQ(tm.MazzoX(2), kOffTableStock);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(tm.DestX(i), e.filaX[static_cast<size_t>(3 + i)]);
        EXPECT_EQ(tm.DestY(i), e.rowOneY);
    }
    EXPECT_EQ(tm.AppoggX(0), kOffTableAppogg);
    // The animations' copy of the stock positions.
    EXPECT_EQ(tm.savedStock[1].x, e.filaX[1]);
    EXPECT_EQ(tm.savedStock[1].y, e.rowOneY);
    EXPECT_EQ(tm.savedStock[1].scrolledY, e.rowOneY);
}

INSTANTIATE_TEST_SUITE_P(
    TableSizes, KlondikeLayout,
    testing::Values(Expected{1024, 768, 'B', {202, 293, 384, 475, 566, 657, 748}, 161, 55, 607},
                    Expected{1024, 768, 'M', {244, 323, 402, 481, 560, 639, 718}, 145, 55, 623},
                    Expected{1024, 768, 'L', {364, 409, 454, 499, 544, 589, 634}, 97, 55, 671},
                    Expected{800, 600, 'B', {90, 181, 272, 363, 454, 545, 636}, 161, 55, 439},
                    Expected{800, 600, 'M', {132, 211, 290, 369, 448, 527, 606}, 145, 55, 455},
                    Expected{800, 600, 'L', {252, 297, 342, 387, 432, 477, 522}, 97, 55, 503},
                    Expected{640, 480, 'B', {27, 114, 201, 288, 375, 462, 549}, 151, 50, 329},
                    Expected{640, 480, 'M', {48, 127, 206, 285, 364, 443, 522}, 135, 50, 345},
                    Expected{640, 480, 'L', {166, 211, 256, 301, 346, 391, 436}, 87, 50, 393}));

TEST(TableLayout, ScrollPositionShiftsEveryYGetterButNoStoredValue) {
    TMainGame tm;
    const GameDef def = test::KlondikeDef();
    LayoutInputs in = test::TableInputs(1024, 768, 'B');
    in.scrollPosition = 40;
    tm.TableLayout(in, def);
    EXPECT_EQ(tm.scrollOffset, 40);
    EXPECT_EQ(tm.FilaY(0), 161 - 40);
    EXPECT_EQ(tm.DestY(0), 55 - 40);
    EXPECT_EQ(tm.FilaX(0), 202);
    EXPECT_EQ(tm.StoredPileY({PileKind::Fila, 0}), 161);
    // The saved stock positions were taken before the scroll position was applied.
    EXPECT_EQ(tm.savedStock[0].scrolledY, 55);
    // A pile off the table stays off the table through the getter.
    EXPECT_TRUE(IsOffTable(tm.AppoggY(0)));
}

}  // namespace
}  // namespace tindle
