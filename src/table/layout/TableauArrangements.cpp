// The tableau arrangements whose piles the common placement then joins: one row of columns
// spaced over the width ("001", "014", "015"), one centred row with a fixed gap ("002"), one
// row leaving room for the stock at its left ("003", "011", "012", "021"), and the tableau
// in several rows ("018").

#include <algorithm>

#include "model/RuleCodes.h"
#include "table/layout/Arrangement.h"
#include "table/layout/Nearest.h"

namespace tindle::layout {

namespace {

constexpr int kNarrowScreen = 650;

// Lays columns 0..n-1 in one row from x0, each `StepAfter(i)` right of column i - 1.
template <typename StepAfter>
void LayRow(ArrangeContext& c, int x0, StepAfter stepAfter) {
    const int y = c.frame.RowTop(c.codes.tableau.Row());
    int x = x0;
    for (int i = 0; i < c.counts.tableau; ++i) {
        if (i > 0) x += stepAfter(i);
        c.tm.SetFilaX(i, x);
        c.tm.SetFilaY(i, y);
    }
    c.firstColumnX = x0;
}

// "001", "014", "015": the gap spreads the columns over the width, within 4..20 pixels.
void SpreadRow(ArrangeContext& c) {
    const int n = c.counts.tableau;
    const int code = c.codes.tableau.arrangement;
    const bool stockInRow = c.codes.stock.Is(stockPlace::AboveFirstColumns) ||
                            c.codes.secondWaste.Is(secondWastePlace::BesideStockInRow);

    int gap = std::clamp(Nearest((c.W() - n * c.cw) / static_cast<double>(n + 1)), 4, 20);
    // Piles of the stock family above the first columns need room for their thickness.
    if (code == tableauPlace::SpreadRow && stockInRow) gap = std::max(gap, 15);
    int x0 = Nearest((c.W() - (n * c.cw + (n - 1) * gap)) / 2.0);
    if (x0 < c.M()) {
        if (code == tableauPlace::SpreadRow) {
            x0 = c.M();
        } else {
            if (n > 1) {
                gap -= Nearest((c.M() - x0) / static_cast<double>(n - 1) + 0.99);
                gap = std::clamp(gap, 4, 20);
            }
            x0 = c.in.screenWidth < kNarrowScreen ? c.M() - 2 : c.M();
        }
    }
    bool widenUnderStock =
        code != tableauPlace::SpreadRow && gap < 15 && c.counts.stockPiles > 0 && stockInRow;
    const int stockColumns = c.counts.stockPiles;
    // Every column stays on the table: where the room under the stock (or the gap itself)
    // would push the last column past the table's edge, that room goes first, then the gap
    // narrows (a row of ten columns with a stock at 800 x 600, or in the preview).
    const auto rowEnd = [&] {
        const int widening = widenUnderStock ? stockColumns * (15 - gap) : 0;
        return x0 + n * c.cw + (n - 1) * gap + widening;
    };
    if (rowEnd() > c.W()) widenUnderStock = false;
    if (rowEnd() > c.W() && n > 1) gap = std::max(1, (c.W() - x0 - n * c.cw) / (n - 1));
    LayRow(c, x0,
           [&](int i) { return widenUnderStock && i <= stockColumns ? c.cw + 15 : c.cw + gap; });
    c.tableauGap = gap;
    c.columnStep = c.cw + gap;
}

// "002": centred with a fixed gap.
void CentredRow(ArrangeContext& c) {
    const int n = c.counts.tableau;
    const int gap = c.W() >= kNarrowScreen ? 10 : 5;
    const int x0 = Nearest((c.W() - n * c.cw - (n - 1) * gap) / 2.0);
    LayRow(c, x0, [&](int) { return c.cw + gap; });
    c.tableauGap = gap;
    c.columnStep = c.cw + gap;
}

// "003", "012" leave room for one stock-family column at the left, "011", "021" for two.
void RowRightOfStock(ArrangeContext& c) {
    const int n = c.counts.tableau;
    const int code = c.codes.tableau.arrangement;
    const int stockColumns = code == tableauPlace::RightOfTwoStockColumns ||
                                     code == tableauPlace::RightOfTwoStockColumnsClose
                                 ? 2
                                 : 1;
    const int all = n + stockColumns;

    int gap = Nearest((c.W() - all * c.cw - 32) / static_cast<double>(all + 1));
    if (gap < 4) {
        gap = 4;
    } else if (gap > 20) {
        gap = 15;
    }
    if (code == tableauPlace::RightOfTwoStockColumnsClose) gap = 2;
    int x0 = std::max(Nearest((c.W() - 40 - all * c.cw - (all - 2) * gap) / 2.0), c.M());
    x0 += stockColumns * (c.cw + 22);
    if (code == tableauPlace::RightOfTwoStockColumns ||
        code == tableauPlace::RightOfOneStockColumnWide)
        x0 += 15;
    LayRow(c, x0, [&](int) { return c.cw + gap; });
    c.tableauGap = gap;
    c.columnStep = c.cw + gap;
}

// "018": r rows of c columns, on the tops of four vertically centred rows, starting with
// the one of the tableau's row digit.
void SeveralRows(ArrangeContext& c) {
    const int n = c.counts.tableau;
    const int rows = std::max(1, static_cast<int>(c.def[gd::TableauRows]));
    const int perRow = std::max(1, Nearest(n / static_cast<double>(rows)));
    int gap = std::min(Nearest((c.W() - perRow * c.cw - 2) / static_cast<double>(perRow + 1)),
                       Nearest(1.5 * c.cw));
    // On a table too narrow for the row, columns still must not lie on one another.
    gap = std::max(gap, 2);
    const int x0 = c.M() + (c.ShortScreen() ? 15 : 10);
    int row = std::max(c.codes.tableau.Row(), 1) - 1;
    int x = x0;
    for (int k = 0; k < n; ++k) {
        if (k > 0) {
            if (k % perRow != 0) {
                x += c.cw + gap;
            } else {
                x = x0;
                ++row;
            }
        }
        c.tm.SetFilaX(k, x);
        c.tm.SetFilaY(k, c.frame.V4(row));
    }
    c.firstColumnX = x0;
    c.tableauGap = gap;
    c.columnStep = c.cw + gap;
}

}  // namespace

int ArrangeContext::ColumnX(int k) const {
    const int n = counts.tableau;
    if (k >= 0 && k < n) return tm.FilaX(k);
    if (n == 0) return firstColumnX + k * columnStep;
    if (k < 0) return tm.FilaX(0) + k * columnStep;
    return tm.FilaX(n - 1) + (k - n + 1) * columnStep;
}

bool PlaceTableau(ArrangeContext& c) {
    switch (c.codes.tableau.arrangement) {
        case tableauPlace::SpreadRow:
        case tableauPlace::SpreadRowKeepingMargin:
        case tableauPlace::SpreadRowRaised:
            SpreadRow(c);
            return true;
        case tableauPlace::CentredRow:
            CentredRow(c);
            return true;
        case tableauPlace::RightOfOneStockColumn:
        case tableauPlace::RightOfTwoStockColumns:
        case tableauPlace::RightOfOneStockColumnWide:
        case tableauPlace::RightOfTwoStockColumnsClose:
            RowRightOfStock(c);
            return true;
        case tableauPlace::SeveralRows:
            SeveralRows(c);
            return true;
        default:
            return false;
    }
}

}  // namespace tindle::layout
