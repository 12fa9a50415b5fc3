// "052": five columns in a cross in the middle of the table, the four foundations tucked
// into its corners, the stock and its waste at the left of the cross.

#include <algorithm>

#include "table/layout/Arrangement.h"
#include "table/layout/Nearest.h"

namespace tindle::layout {

void PlaceCross(ArrangeContext& c) {
    const int gap = c.in.height < 500 ? 25 : 35;
    constexpr int kInset = 7;
    const int cw = c.cw;
    const int ch = c.ch;

    const int x1 = std::max(Nearest((c.W() - 3 * cw - 2 * gap) / 2.0), cw + 2 * gap + 25);
    const int x2 = x1 + cw + gap;
    const int x3 = x2 + cw + gap;
    const int top = c.frame.top;
    const int y0 =
        std::max(top + Nearest((c.frame.bottom - top - 3 * ch - 2 * gap) / 2.0), c.frame.rowTop[0]);
    const int y1 = y0 + gap + ch;
    const int y2 = y1 + gap + ch;

    struct Point {
        int x, y;
    };
    const Point columns[5] = {{x2, y0}, {x1, y1}, {x2, y1}, {x3, y1}, {x2, y2}};
    for (int i = 0; i < std::min(c.counts.tableau, 5); ++i) {
        c.tm.SetFilaX(i, columns[i].x);
        c.tm.SetFilaY(i, columns[i].y);
    }
    for (int i = 5; i < 8; ++i) {
        c.tm.SetFilaX(i, kOffTable);
        c.tm.SetFilaY(i, kOffTable);
    }
    const Point corners[4] = {{x1 + kInset, y0 + kInset},
                              {x3 - kInset, y0 + kInset},
                              {x1 + kInset, y2 - kInset},
                              {x3 - kInset, y2 - kInset}};
    for (int i = 0; i < std::min(c.counts.foundations, 4); ++i) {
        c.tm.SetDestX(i, corners[i].x);
        c.tm.SetDestY(i, corners[i].y);
    }
    if (c.counts.stockPiles > 0) {
        const int x = x1 - cw - 2 * gap;
        // On a low table the cross starts just under the toolbar: the stock then stands lower
        // than the top row, so that a full stack keeps its top card on the table.
        c.tm.SetMazzoX(0, x);
        c.tm.SetMazzoY(0, std::max(y0, top + kStockRowLift));
        c.tm.SetMazzoX(1, x);
        c.tm.SetMazzoY(1, y1);
    }
    c.tableauGap = gap;
    c.columnStep = cw + gap;
    c.firstColumnX = x2;
}

}  // namespace tindle::layout
