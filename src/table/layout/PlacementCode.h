#pragma once

#include "model/GameDef.h"

// Where a pile kind goes: the row it sits in (the first character of its row field, "1".."4")
// and the number of its arrangement (the arrangement field, compared as the three-digit code
// "001", "014", ...).

namespace tindle {

struct PlacementCode {
    char rowDigit = '0';
    int arrangement = 0;

    // The row 1..4, or 0 when the row field names none of them.
    int Row() const { return rowDigit >= '1' && rowDigit <= '4' ? rowDigit - '0' : 0; }
    bool Is(int code) const { return arrangement == code; }
};

struct PlacementCodes {
    PlacementCode stock;
    PlacementCode foundations;
    PlacementCode tableau;
    PlacementCode reserves;
    PlacementCode secondWaste;
};

PlacementCode MakePlacementCode(int rowField, int arrangementField);
PlacementCodes ReadPlacementCodes(const GameDef& def);

// The pile counts of a definition, cut to the slots the table has.
struct LayoutCounts {
    int stockPiles = 0;  // stock-family piles laid out (0: the game has no stock)
    int foundations = 0;
    int tableau = 0;
    int reserves = 0;
    bool secondWaste = false;
    bool stockUsed = false;  // the game uses Mazzo
    bool wasteUsed = false;  // the game uses Mazzo_Vis
};

LayoutCounts ReadLayoutCounts(const GameDef& def);

}  // namespace tindle
