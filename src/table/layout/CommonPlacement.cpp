// The piles that join a tableau row: the stock family, the foundations, the reserves and the
// second waste pile, each placed by its own arrangement code in its own row.

#include <algorithm>

#include "model/RuleCodes.h"
#include "table/layout/Arrangement.h"
#include "table/layout/Nearest.h"

namespace tindle::layout {

namespace {

constexpr int kMazzo = 0;
constexpr int kMazzoVis = 1;
constexpr int kMazzoWaste = 2;

void PutMazzo(ArrangeContext& c, int pile, int x, int y) {
    c.tm.SetMazzoX(pile, x);
    c.tm.SetMazzoY(pile, y);
}

int StoredMazzoY(const ArrangeContext& c, int pile) {
    return c.tm.StoredPileY(PileRef{pile == kMazzo      ? PileKind::Mazzo
                                    : pile == kMazzoVis ? PileKind::MazzoVis
                                                        : PileKind::MazzoWaste,
                                    0});
}

// From the left margin: pile 0 at M, each further one M + CardWidth to the right.
void StockFromMargin(ArrangeContext& c, int y) {
    PutMazzo(c, kMazzo, c.M(), y);
    for (int k = 1; k < c.counts.stockPiles; ++k) {
        PutMazzo(c, k, c.tm.MazzoX(k - 1) + c.M() + c.cw, y);
    }
}

void PlaceStockFamily(ArrangeContext& c) {
    if (c.counts.stockPiles <= 0) return;
    const int y = c.frame.RowTop(c.codes.stock.Row());
    c.tm.SetMazzoY(kMazzo, y);
    const bool mazzo = c.counts.stockUsed;
    const bool vis = c.counts.wasteUsed;
    const int usedPile = mazzo ? kMazzo : kMazzoVis;
    switch (c.codes.stock.arrangement) {
        case stockPlace::AboveFirstColumns:
            if (mazzo && vis) {
                PutMazzo(c, kMazzo, c.ColumnX(0), y);
                PutMazzo(c, kMazzoVis, c.ColumnX(1), y);
            } else if (vis) {
                PutMazzo(c, kMazzoVis, c.ColumnX(0), y);
            } else if (mazzo) {
                PutMazzo(c, kMazzo, c.ColumnX(0), y);
            }
            break;
        case stockPlace::FromMargin:
            StockFromMargin(c, y);
            break;
        case stockPlace::LeftOfTableauWasteBelow:
            PutMazzo(c, kMazzo, c.ColumnX(0) - c.cw - 22, y);
            if (vis) PutMazzo(c, kMazzoVis, c.ColumnX(0) - c.cw - 22, c.frame.rowTop[1]);
            break;
        case stockPlace::WasteThenStockLeft: {
            const int visX = c.ColumnX(0) - c.cw - 45;
            PutMazzo(c, kMazzoVis, visX, y);
            PutMazzo(c, kMazzo, visX - c.cw - 15, y);
            break;
        }
        case stockPlace::AtLeftEdge: {
            int s = c.in.shadowMargin > 1 ? Nearest(c.in.shadowMargin / 2.0) : c.in.shadowMargin;
            if (c.ShortScreen()) s = 0;
            PutMazzo(c, kMazzo, s + 15, y);
            c.tm.SetMazzoY(kMazzoVis, y);
            if (c.counts.stockPiles > 1) c.tm.SetMazzoX(kMazzoVis, c.tm.MazzoX(kMazzo) + c.cw + 15);
            break;
        }
        case stockPlace::LeftOfTableau30:
            PutMazzo(c, usedPile, c.ColumnX(0) - c.cw - 30, y);
            break;
        case stockPlace::LeftOfTableau60:
            PutMazzo(c, usedPile, c.ColumnX(0) - c.cw - 60, y);
            break;
        case stockPlace::WasteThenStockClose: {
            const int visX = c.ColumnX(0) - c.cw - 15;
            PutMazzo(c, kMazzoVis, visX, y);
            PutMazzo(c, kMazzo, visX - c.cw - 20, y);
            break;
        }
        default:
            // None named (or, from a GAMES.DAT the compiler did not check, a code the layout
            // does not know): from the left margin, so that a game's stock is never left off
            // the table.
            StockFromMargin(c, y);
            break;
    }
}

// Foundations from `first` at `step` to the right, or from the last one leftwards.
void FoundationsRightwards(ArrangeContext& c, int first, int step) {
    for (int i = 0; i < c.counts.foundations; ++i)
        c.tm.SetDestX(i, first + i * step);
}
void FoundationsLeftwards(ArrangeContext& c, int last, int step) {
    const int g = c.counts.foundations;
    for (int i = g - 1; i >= 0; --i)
        c.tm.SetDestX(i, last - (g - 1 - i) * step);
}

// Returns the spacing the reserves take over: the foundations' own gap after "001" and
// "002", otherwise a third of the tableau gap (at least 1).
int PlaceFoundations(ArrangeContext& c) {
    const int third = std::max(1, Nearest(c.tableauGap / 3.0));
    const int g = c.counts.foundations;
    if (g <= 0) return third;
    const int n = c.counts.tableau;
    int y = c.frame.RowTop(c.codes.foundations.Row());
    int spacing = third;
    switch (c.codes.foundations.arrangement) {
        case foundationPlace::AboveLastColumnsOrClose:
            if (c.ShortScreen()) {
                FoundationsLeftwards(c, c.ColumnX(n - 1), c.cw + 1);
                break;
            }
            [[fallthrough]];
        case foundationPlace::AboveLastColumns:
            for (int i = 0; i < g; ++i)
                c.tm.SetDestX(i, c.ColumnX(n - g + i));
            break;
        case foundationPlace::RightAlignedWithLastColumn:
            FoundationsLeftwards(c, c.ColumnX(n - 1), c.cw + third);
            break;
        case foundationPlace::SpreadOverWidth:
            spacing = std::max(1, Nearest((c.W() - g * c.cw - 2) / static_cast<double>(g + 1)));
            FoundationsRightwards(c, spacing, c.cw + spacing);
            break;
        case foundationPlace::Centred:
            spacing = std::max(1, Nearest(c.tableauGap / 2.0));
            FoundationsRightwards(c, Nearest((c.W() - g * c.cw - (g - 1) * spacing) / 2.0),
                                  c.cw + spacing);
            break;
        case foundationPlace::AfterStock: {
            const int a = c.ShortScreen() ? 10 : 20;
            const int b = c.ShortScreen() ? 1 : 3;
            const int pile = c.counts.wasteUsed ? kMazzoVis : kMazzo;
            const int px = c.tm.MazzoX(pile);
            const int py = StoredMazzoY(c, pile);
            if (IsOffTable(px) || IsOffTable(py)) {
                // No stock on the table to follow: start at the margin of the row instead.
                FoundationsRightwards(c, c.M(), c.cw + b);
            } else {
                y = py;
                FoundationsRightwards(c, px + c.cw + a, c.cw + b);
            }
            break;
        }
        case foundationPlace::RightAligned:
        default:  // also when none is named
            FoundationsLeftwards(c, c.W() - c.cw - c.M() - 5, c.cw + c.M());
            break;
    }
    for (int i = 0; i < g; ++i)
        c.tm.SetDestY(i, y);
    return spacing;
}

void PlaceReserves(ArrangeContext& c, int s) {
    const int r = c.counts.reserves;
    if (r <= 0) return;
    const int n = c.counts.tableau;
    const int y = c.frame.RowTop(c.codes.reserves.Row());
    auto rightwardsFrom = [&](int first, int step) {
        for (int k = 0; k < r; ++k)
            c.tm.SetAppoggX(k, first + k * step);
    };
    switch (c.codes.reserves.arrangement) {
        case reservePlace::FromFirstColumn:
            rightwardsFrom(c.ColumnX(0), c.cw + s);
            break;
        case reservePlace::AboveColumns:
            for (int k = 0; k < r; ++k)
                c.tm.SetAppoggX(k, c.ColumnX(k));
            break;
        case reservePlace::AboveLastColumns:
            for (int k = 0; k < r; ++k)
                c.tm.SetAppoggX(k, c.ColumnX(n - r + k));
            break;
        case reservePlace::AtWasteX: {
            const int visX = c.tm.MazzoX(kMazzoVis);
            rightwardsFrom(IsOffTable(visX) ? c.M() : visX, c.cw + s);
            break;
        }
        case reservePlace::LeftOfTableau: {
            const int x = c.ColumnX(0) - c.cw - (n > 7 ? 22 : 45);
            for (int k = 0; k < r; ++k)
                c.tm.SetAppoggX(k, x - k * (c.cw + s));
            break;
        }
        case reservePlace::FromMargin:
        default:  // also when none is named
            rightwardsFrom(c.M(), c.cw + c.M());
            break;
    }
    for (int k = 0; k < r; ++k)
        c.tm.SetAppoggY(k, y);
}

void PlaceSecondWaste(ArrangeContext& c) {
    if (!c.counts.secondWaste) return;
    const int d = c.codes.secondWaste.Row();
    const int n = c.counts.tableau;
    switch (c.codes.secondWaste.arrangement) {
        case secondWastePlace::UnderStock:
            // The top of the row above row d, one card and 20 pixels down (a pile in row 1
            // measures from the first row's top).
            PutMazzo(c, kMazzoWaste, c.tm.MazzoX(kMazzo), c.frame.RowTop(d - 1) + c.ch + 20);
            break;
        case secondWastePlace::AboveSecondColumn:
            PutMazzo(c, kMazzoWaste, c.ColumnX(1), c.frame.RowTop(d));
            break;
        case secondWastePlace::BesideStockInRow: {
            // Beside the stock piles above the first columns: the next column slot.
            int slot = 0;
            if (!IsOffTable(c.tm.MazzoX(kMazzo))) ++slot;
            if (!IsOffTable(c.tm.MazzoX(kMazzoVis))) ++slot;
            PutMazzo(c, kMazzoWaste, c.ColumnX(slot), c.frame.RowTop(d));
            break;
        }
        case secondWastePlace::AboveLastColumn:
        default:  // also when none is named
            PutMazzo(c, kMazzoWaste, c.ColumnX(n - 1), c.frame.RowTop(d));
            break;
    }
}

}  // namespace

void PlaceCommon(ArrangeContext& c) {
    PlaceStockFamily(c);
    const int spacing = PlaceFoundations(c);
    PlaceReserves(c, spacing);
    PlaceSecondWaste(c);
}

}  // namespace tindle::layout
