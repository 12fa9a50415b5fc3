// The placement of the arrangement codes without a geometry of their own: every pile of the
// given counts must land on the table, inside its width, and no two piles may overlap.

#include <gtest/gtest.h>

#include <vector>

#include "LayoutTestGames.h"
#include "model/Game.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/TMainGame.h"

namespace tindle {
namespace {

struct Counts {
    int stock;  // 0 none, 1 Mazzo only, 2 Mazzo and Mazzo_Vis, 3 also Mazzo_Waste
    int foundations, tableau, reserves;
};

GameDef GenericDef(int code, Counts n) {
    GameDef d;
    d[gd::TableauArrangement] = code;
    d[gd::TableauRow] = 2;
    d[gd::TableauFanStyle] = 1;
    d[gd::StockPileCount] = n.stock;
    d[gd::StockUsed] = n.stock >= 1;
    d[gd::WasteUsed] = n.stock >= 2;
    d[gd::SecondWastePresent] = n.stock >= 3;
    d[gd::StockArrangement] = 4;
    d[gd::StockRow] = 1;
    d[gd::FoundationCount] = n.foundations;
    d[gd::FoundationArrangement] = 7;
    d[gd::FoundationRow] = 1;
    d[gd::TableauCount] = n.tableau;
    d[gd::ReserveCount] = n.reserves;
    d[gd::ReserveArrangement] = 4;
    d[gd::ReserveRow] = 1;
    return d;
}

std::vector<PileRef> UsedPiles(Counts n) {
    std::vector<PileRef> piles;
    if (n.stock >= 1) piles.push_back({PileKind::Mazzo, 0});
    if (n.stock >= 2) piles.push_back({PileKind::MazzoVis, 0});
    if (n.stock >= 3) piles.push_back({PileKind::MazzoWaste, 0});
    for (int i = 0; i < n.foundations; ++i)
        piles.push_back({PileKind::Dest, i});
    for (int i = 0; i < n.tableau; ++i)
        piles.push_back({PileKind::Fila, i});
    for (int i = 0; i < n.reserves; ++i)
        piles.push_back({PileKind::Appogg, i});
    return piles;
}

bool Overlap(const TableRect& a, const TableRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Checks one layout; returns false at the first fault so a sweep reports it once.
bool CheckLayout(const TMainGame& tm, Counts n, const LayoutInputs& in) {
    const Game empty;
    const auto used = UsedPiles(n);
    std::vector<TableRect> rects;
    for (const PileRef& p : used) {
        const auto r = PileExtent(tm, empty, p);
        EXPECT_TRUE(r) << PileName(p) << " is off the table";
        if (!r) return false;
        EXPECT_GE(r->left, 0) << PileName(p);
        EXPECT_LE(r->right, in.width) << PileName(p);
        EXPECT_GE(r->top, in.top) << PileName(p);
        if (r->left < 0 || r->right > in.width || r->top < in.top) return false;
        for (size_t j = 0; j < rects.size(); ++j) {
            EXPECT_FALSE(Overlap(*r, rects[j])) << PileName(p) << " on " << PileName(used[j]);
            if (Overlap(*r, rects[j])) return false;
        }
        rects.push_back(*r);
    }
    // Nothing beyond the counts is on the table.
    EXPECT_FALSE(tm.OnTable({PileKind::Fila, n.tableau}));
    EXPECT_FALSE(tm.OnTable({PileKind::Dest, n.foundations}));
    EXPECT_FALSE(tm.OnTable({PileKind::Appogg, n.reserves}));
    if (n.stock < 3) {
        EXPECT_FALSE(tm.OnTable({PileKind::MazzoWaste, 0}));
    }
    return true;
}

TEST(GenericPlacement, EveryPileOnTheTableWithoutOverlapsForManyCounts) {
    const int stocks[] = {0, 1, 2, 3};
    const int foundations[] = {0, 1, 4, 8, 16};
    const int tableaus[] = {0, 1, 7, 10, 13, 28};
    const int reserves[] = {0, 1, 4, 10};
    const int sizes[][2] = {{1024, 768}, {800, 600}, {640, 480}};
    for (char size : {'B', 'M', 'L'}) {
        for (const auto& wh : sizes) {
            const LayoutInputs in = test::TableInputs(wh[0], wh[1], size);
            for (int s : stocks) {
                for (int f : foundations) {
                    for (int t : tableaus) {
                        for (int r : reserves) {
                            const Counts n{s, f, t, r};
                            TMainGame tm;
                            const GameDef def = GenericDef(123, n);
                            tm.SetFanSteps(size, def);
                            tm.TableLayout(in, def);
                            ASSERT_TRUE(CheckLayout(tm, n, in))
                                << size << " " << wh[0] << "x" << wh[1] << " stock " << s
                                << " foundations " << f << " tableau " << t << " reserves " << r;
                        }
                    }
                }
            }
        }
    }
}

TEST(GenericPlacement, TakesEveryCodeWithoutAGeometryOfItsOwn) {
    const Counts n{2, 8, 10, 4};
    const LayoutInputs in = test::TableInputs(1024, 768, 'B');
    for (int code :
         {51, 54, 57, 66, 103, 108, 123, 124, 125, 126, 127, 128, 129, 130, 10, 13, 20, 0, 999}) {
        TMainGame tm;
        tm.TableLayout(in, GenericDef(code, n));
        EXPECT_TRUE(CheckLayout(tm, n, in)) << "code " << code;
    }
}

TEST(GenericPlacement, ColumnsInSeveralRowsShareTheRoomDownToTheLowestTop) {
    // 28 big columns on 800: 10 fit in a row -> 3 rows of 10, 10 and 8, spaced so that the
    // last row's top is no lower than the lowest usable top (600 - 96 - 50 = 454).
    TMainGame tm;
    const Counts n{0, 0, 28, 0};
    tm.TableLayout(test::TableInputs(800, 600, 'B'), GenericDef(51, n));
    EXPECT_EQ(tm.FilaY(0), tm.FilaY(9));
    EXPECT_GT(tm.FilaY(10), tm.FilaY(9));
    EXPECT_EQ(tm.FilaX(10), tm.FilaX(0));
    EXPECT_LE(tm.FilaY(27), tm.Frame().lowestTop);
    EXPECT_EQ(tm.filaRoomY, tm.FilaY(10) - tm.FilaY(0));
    EXPECT_GE(tm.filaRoomY, 96 + 10);
}

}  // namespace
}  // namespace tindle
