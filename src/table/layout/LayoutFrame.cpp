#include "table/layout/LayoutFrame.h"

#include "model/RuleCodes.h"

#include <algorithm>

#include "table/layout/Nearest.h"

namespace tindle {

namespace {

constexpr int kWideTable = 650;  // from this width on, margins and gaps are the wide ones
constexpr int kTallTable = 500;  // below this height, the gaps shrink

bool StockMakesRoomOnLeft(const PlacementCodes& codes) {
    switch (codes.stock.arrangement) {
        case stockPlace::LeftOfTableauWasteBelow:
        case stockPlace::AboveFirstColumns:
        case stockPlace::FromMargin:
        case stockPlace::LeftOfTableau30:
        case stockPlace::LeftOfTableau60:
            return true;
        default:
            return codes.secondWaste.Is(secondWastePlace::BesideStockInRow);
    }
}

}  // namespace

LayoutFrame ComputeLayoutFrame(const LayoutInputs& in, const GameDef& def) {
    const PlacementCodes codes = ReadPlacementCodes(def);
    const LayoutCounts counts = ReadLayoutCounts(def);
    const int ch = in.cardHeight;

    LayoutFrame f;
    f.top = in.top;
    f.bottom = in.bottom;
    f.cardWidth = in.cardWidth;
    f.cardHeight = ch;

    // Gaps and the usable width: a low table has smaller gaps and loses 10 more pixels.
    f.gap = in.height >= kTallTable ? 10 : 5;
    f.width = in.width - 2 - (in.height < kTallTable ? 10 : 0);

    // Row tops. A stock in row 1 pushes the rows down (its thickness grows up and left), a
    // stock in row 2 or laid out above its waste ("003") pushes the rows below it.
    int r0 = in.top + f.gap + (codes.stock.rowDigit == '1' ? kStockRowLift : 0);
    int r1 = r0 + f.gap + ch +
             (codes.stock.rowDigit == '2' || codes.stock.Is(stockPlace::LeftOfTableauWasteBelow)
                  ? kStockRowLift
                  : 0);
    int r2 = r1 + f.gap + ch;
    int r3 = r2 + f.gap + ch;
    if (codes.tableau.Is(tableauPlace::SpreadRowRaised)) {
        r0 = in.top + 15;
        r1 = in.top + ch + 20;
        r2 = in.top + 2 * ch + 25;
    }
    f.rowTop = {r0, r1, r2, r3};

    f.lowestTop =
        in.height > 0.8 * in.screenHeight ? in.height - ch - 50 : in.screenHeight - ch - 30;

    f.v3 = std::max(in.top + Nearest((in.bottom - in.top - 3 * ch - 20) / 2.0), in.top + 2);
    f.v4 = std::max(in.top + Nearest((in.bottom - in.top - 4 * ch - 30) / 2.0), in.top + 2);

    f.margin = f.width >= kWideTable ? 10 : 3;
    if (counts.stockPiles > 0) {
        f.margin += in.shadowMargin;
        if (StockMakesRoomOnLeft(codes)) f.margin += 15;
    }

    f.occupiedRows = {counts.stockPiles > 0 ? codes.stock.rowDigit : ' ',
                      counts.foundations > 0 ? codes.foundations.rowDigit : ' ',
                      counts.reserves > 0 ? codes.reserves.rowDigit : ' '};

    // A column fanned downwards may reach down to the next row that holds other piles, or
    // to the bottom of the table when none lies below it.
    f.filaRoomY = ch;
    f.filaRoomX = in.cardWidth;
    const int k = codes.tableau.Row();
    if (def[gd::TableauFanStyle] == fan::Down && k >= 1 && k <= 3) {
        f.filaRoomY = in.height - f.RowTop(k);
        for (int m = k + 1; m <= 4; ++m) {
            if (f.occupiedRows.find(static_cast<char>('0' + m)) != std::string::npos) {
                f.filaRoomY = f.RowTop(m) - f.RowTop(k);
                break;
            }
        }
    }
    return f;
}

}  // namespace tindle
