#include "table/layout/PlacementCode.h"

#include <algorithm>
#include <string>

#include "model/Piles.h"

namespace tindle {

PlacementCode MakePlacementCode(int rowField, int arrangementField) {
    return PlacementCode{std::to_string(rowField).front(), arrangementField};
}

PlacementCodes ReadPlacementCodes(const GameDef& def) {
    PlacementCodes c;
    c.stock = MakePlacementCode(def[gd::StockRow], def[gd::StockArrangement]);
    c.foundations = MakePlacementCode(def[gd::FoundationRow], def[gd::FoundationArrangement]);
    c.tableau = MakePlacementCode(def[gd::TableauRow], def[gd::TableauArrangement]);
    c.reserves = MakePlacementCode(def[gd::ReserveRow], def[gd::ReserveArrangement]);
    c.secondWaste = MakePlacementCode(def[gd::SecondWasteRow], def[gd::SecondWasteArrangement]);
    return c;
}

LayoutCounts ReadLayoutCounts(const GameDef& def) {
    LayoutCounts c;
    c.stockPiles = std::clamp(def[gd::StockPileCount], 0, kMazzoPiles);
    c.foundations = std::clamp(def[gd::FoundationCount], 0, kDestPiles);
    c.tableau = std::clamp(def[gd::TableauCount], 0, kFilaPiles);
    c.reserves = std::clamp(def[gd::ReserveCount], 0, kAppoggPiles);
    c.secondWaste = def[gd::SecondWastePresent] > 0;
    c.stockUsed = def[gd::StockUsed] == 1;
    c.wasteUsed = def[gd::WasteUsed] == 1;
    return c;
}

}  // namespace tindle
