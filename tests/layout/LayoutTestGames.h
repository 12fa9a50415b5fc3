#pragma once

#include "model/GameDef.h"
#include "table/layout/CardSize.h"
#include "table/layout/LayoutInputs.h"

// Game definitions and table inputs shared by the layout tests.

namespace tindle::test {

// FreeCell: no stock, 4 foundations above the last columns, 8 columns fanned downwards in
// row 2, 4 free cells above the first columns.
inline GameDef FreeCellDef() {
    GameDef d;
    d[gd::StockPileCount] = 0;
    d[gd::FoundationCount] = 4;
    d[gd::TableauCount] = 8;
    d[gd::ReserveCount] = 4;
    d[gd::TableauFanStyle] = 1;
    d[gd::FoundationFanStyle] = 3;
    d[gd::ReserveFanStyle] = 3;
    d[gd::FoundationArrangement] = 7;
    d[gd::FoundationRow] = 1;
    d[gd::TableauArrangement] = 1;
    d[gd::TableauRow] = 2;
    d[gd::ReserveArrangement] = 4;
    d[gd::ReserveRow] = 1;
    return d;
}

// Klondike: stock and waste above the first two columns in row 1, 4 foundations above the
// last four of 7 columns.
inline GameDef KlondikeDef() {
    GameDef d;
    d[gd::StockPileCount] = 2;
    d[gd::StockUsed] = 1;
    d[gd::WasteUsed] = 1;
    d[gd::FoundationCount] = 4;
    d[gd::TableauCount] = 7;
    d[gd::ReserveCount] = 0;
    d[gd::TableauFanStyle] = 1;
    d[gd::FoundationFanStyle] = 3;
    d[gd::StockArrangement] = 4;
    d[gd::StockRow] = 1;
    d[gd::FoundationArrangement] = 7;
    d[gd::FoundationRow] = 1;
    d[gd::TableauArrangement] = 1;
    d[gd::TableauRow] = 2;
    return d;
}

// A main-window table of width x height below a 30-pixel toolbar, on a screen of the same
// size, cards with shadows (ShadowMargin 9), not scrolled: B = height - 1, T = 30.
inline LayoutInputs TableInputs(int width, int height, char size, int shadowMargin = 9) {
    const CardDimensions card = *CardSizeFor(size);
    LayoutInputs in;
    in.width = width;
    in.height = height;
    in.bottom = height - 1;
    in.top = 30;
    in.screenWidth = width;
    in.screenHeight = height;
    in.cardWidth = card.width;
    in.cardHeight = card.height;
    in.shadowMargin = shadowMargin;
    return in;
}

}  // namespace tindle::test
