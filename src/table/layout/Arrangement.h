#pragma once

#include "model/GameDef.h"
#include "table/layout/LayoutFrame.h"
#include "table/layout/LayoutInputs.h"
#include "table/layout/PlacementCode.h"
#include "table/layout/TMainGame.h"

// Internal to the layout: what the arrangement steps share while TableLayout runs.

namespace tindle::layout {

struct ArrangeContext {
    TMainGame& tm;
    const GameDef& def;
    const LayoutInputs& in;
    const LayoutFrame& frame;
    PlacementCodes codes;
    LayoutCounts counts;
    int cw = 0;  // card width
    int ch = 0;  // card height

    // Left by the tableau step for the steps after it.
    int tableauGap = 0;
    int columnStep = 0;  // distance between neighbouring columns (CardWidth + gap)
    int firstColumnX = 0;

    // X of column k. For a column of the game it is the column's own X; the steps that
    // align other piles with columns the game does not have (fewer columns than
    // foundations, say) get the row continued at the column step instead of an off-table
    // slot.
    int ColumnX(int k) const;
    int M() const { return frame.margin; }
    int W() const { return frame.width; }
    bool ShortScreen() const { return in.screenHeight < 500; }
};

// The tableau arrangements of the second group (one row, or several rows for "018"). They
// place the tableau only; false when the code is not one of them.
bool PlaceTableau(ArrangeContext& c);
// Stock family, foundations, reserves and Mazzo_Waste by their own codes, after the tableau.
void PlaceCommon(ArrangeContext& c);
// "052": five columns in a cross, foundations in its corners, stock and waste to the left.
void PlaceCross(ArrangeContext& c);
// The placement of the codes that have no geometry of their own yet.
void PlaceGeneric(ArrangeContext& c);

}  // namespace tindle::layout
