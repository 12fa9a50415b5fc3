#pragma once

#include <array>
#include <string>

#include "model/GameDef.h"
#include "table/layout/LayoutInputs.h"
#include "table/layout/PlacementCode.h"

// The frame every arrangement is built in: the gap between rows, the usable width, the tops
// of the four rows, the vertically centred blocks, the left margin, which rows the other pile
// kinds occupy, and the room a tableau column has to fan into.

namespace tindle {

// Extra room above a stock-family pile for its thickness: a full stack draws its top card up
// and left of the pile's place by as many pixels.
inline constexpr int kStockRowLift = 15;

struct LayoutFrame {
    int gap = 10;    // g: 10, or 5 on a table less than 500 pixels high
    int width = 0;   // W after trimming the borders
    int top = 0;     // T
    int bottom = 0;  // B
    int cardWidth = 0;
    int cardHeight = 0;
    std::array<int, 4> rowTop{};  // R0..R3: the tops of rows 1..4
    int lowestTop = 0;            // lowest top at which a card is still fully visible
    int v3 = 0;                   // first top of three vertically centred rows
    int v4 = 0;                   // first top of four vertically centred rows
    int margin = 0;               // M: left margin
    std::string occupiedRows;     // row digits of stock, foundations, reserves (blank: none)
    int filaRoomY = 0;
    int filaRoomX = 0;

    // Top of row 1..4; any other row number gives the first row.
    int RowTop(int row) const { return row >= 1 && row <= 4 ? rowTop[row - 1] : rowTop[0]; }
    // Top of the i-th (0-based) of three or four centred rows; further rows keep the pitch.
    int V3(int i) const { return v3 + i * (cardHeight + 10); }
    int V4(int i) const { return v4 + i * (cardHeight + 10); }
};

LayoutFrame ComputeLayoutFrame(const LayoutInputs& in, const GameDef& def);

}  // namespace tindle
