// The placement of the arrangement codes that have no geometry of their own yet: the
// tableau codes "051", "054", "057", "066", "103", "108", "123".."130", "010", "013", "020",
// and any code a definition may carry that the layout does not know.
//
// It is deliberately plain and safe: every pile of the given counts lands on the table and
// no two piles lie on one another. The stock family, the reserves and the foundations flow
// left to right from the margin M along the frame's rows R0, R1, ... (a new row when the
// width is used up), and the tableau columns follow in the rows below them, spread over the
// width like a single tableau row (gap 4..20) and, when they need several rows, balanced
// between the rows and spaced down to the lowest usable top so that downward fans have
// room. The codes' own stock, foundation and reserve refinements are not applied here, since
// they could put piles onto the generic tableau; a game that needs a particular geometry
// brings it as an arrangement of its own.

#include <algorithm>
#include <vector>

#include "table/layout/Arrangement.h"

#include "model/RuleCodes.h"
#include "table/layout/Nearest.h"

namespace tindle::layout {

namespace {

// Top of the l-th (0-based) row of the frame; rows after the fourth keep the pitch.
int RowTopAt(const ArrangeContext& c, int l) {
    if (l < 4) return c.frame.rowTop[static_cast<size_t>(l)];
    return c.frame.rowTop[3] + (l - 3) * (c.ch + c.frame.gap);
}

void Put(ArrangeContext& c, PileRef ref, int x, int y) {
    c.tm.SetPilePosition(ref, x, y);
}

std::vector<PileRef> UpperPiles(const ArrangeContext& c) {
    std::vector<PileRef> piles;
    if (c.counts.stockPiles > 0) {
        if (c.counts.stockUsed) piles.push_back({PileKind::Mazzo, 0});
        if (c.counts.wasteUsed) piles.push_back({PileKind::MazzoVis, 0});
        if (!c.counts.stockUsed && !c.counts.wasteUsed) {
            piles.push_back({PileKind::Mazzo, 0});
            if (c.counts.stockPiles > 1) piles.push_back({PileKind::MazzoVis, 0});
        }
    }
    if (c.counts.secondWaste) piles.push_back({PileKind::MazzoWaste, 0});
    for (int i = 0; i < c.counts.reserves; ++i)
        piles.push_back({PileKind::Appogg, i});
    for (int i = 0; i < c.counts.foundations; ++i)
        piles.push_back({PileKind::Dest, i});
    return piles;
}

}  // namespace

void PlaceGeneric(ArrangeContext& c) {
    // Start from "nothing used": the slots that receive no pile below stay off the table.
    for (int i = 0; i < TMainGame::kMazzoSlots; ++i) {
        c.tm.SetMazzoX(i, kOffTable);
        c.tm.SetMazzoY(i, kOffTable);
    }
    for (int i = 0; i < TMainGame::kDestSlots; ++i) {
        Put(c, {PileKind::Dest, i}, kOffTable, kOffTable);
    }
    for (int i = 0; i < TMainGame::kFilaSlots; ++i) {
        Put(c, {PileKind::Fila, i}, kOffTable, kOffTable);
    }
    for (int i = 0; i < TMainGame::kAppoggSlots; ++i) {
        Put(c, {PileKind::Appogg, i}, kOffTable, kOffTable);
    }

    const int g = c.frame.gap;
    const int m = c.M();
    const int w = c.W();

    // The upper piles, row by row. A stock-family pile is drawn thicker up and to the left as
    // it fills, so the pile after it keeps 15 pixels away.
    int line = 0;
    int x = m;
    bool lineUsed = false;
    const auto upper = UpperPiles(c);
    for (size_t i = 0; i < upper.size(); ++i) {
        if (lineUsed && x + c.cw > w) {
            ++line;
            x = m;
        }
        Put(c, upper[i], x, RowTopAt(c, line));
        lineUsed = true;
        x += c.cw + (IsStockFamily(upper[i].kind) ? std::max(g, 15) : g);
    }
    const int tableauTop = RowTopAt(c, lineUsed ? line + 1 : 0);

    // The tableau.
    const int n = c.counts.tableau;
    constexpr int kMinGap = 4;
    constexpr int kMaxGap = 20;
    const int fit = std::max(1, (w - 2 * m + kMinGap) / (c.cw + kMinGap));
    const int rows = n > 0 ? (n + fit - 1) / fit : 1;
    const int perRow = n > 0 ? (n + rows - 1) / rows : 1;
    // The gap that spreads the row over the width, but never so wide that the row would
    // reach into the margins.
    int gap = Nearest((w - perRow * c.cw) / static_cast<double>(perRow + 1));
    if (perRow > 1) gap = std::min(gap, (w - 2 * m - perRow * c.cw) / (perRow - 1));
    gap = std::clamp(gap, kMinGap, kMaxGap);
    const int x0 = std::max(m, Nearest((w - (perRow * c.cw + (perRow - 1) * gap)) / 2.0));

    const int style = c.def[gd::TableauFanStyle];
    const bool fansDown = style == fan::Down || style == fan::FirstStepped;
    int pitch = c.ch + g;
    if (fansDown && rows > 1) {
        pitch = std::max(pitch, (c.frame.lowestTop + c.ch - tableauTop) / rows);
    }
    for (int k = 0; k < n; ++k) {
        Put(c, {PileKind::Fila, k}, x0 + (k % perRow) * (c.cw + gap),
            tableauTop + (k / perRow) * pitch);
    }
    if (style == fan::Down) {
        c.tm.filaRoomY =
            static_cast<int16_t>(rows > 1 ? pitch : std::max(c.ch, c.in.height - tableauTop));
    }
    c.tableauGap = gap;
    c.columnStep = c.cw + gap;
    c.firstColumnX = x0;
}

}  // namespace tindle::layout
