#include "solve/StockCycle.h"

#include "model/AppendCard.h"
#include "model/Game.h"

namespace tindle {

bool ClicksOnlyTurn(const Game& game) {
    const GameDef& def = game.def;
    return def[gd::FillRule] == 0 && def[gd::FillPhaseRule] == 0 &&
           def[gd::FillAfterFirstMove] == 0;
}

bool TurnCycle(Game& game) {
    Pile& stock = game.piles.Stock();
    Pile& waste = game.piles.Waste();
    if (PileEmpty(stock)) {
        // Turning a single card back would bring the same card up again: the click refuses.
        if (PileCount(waste) < 2) return false;
        const char face = game.def[gd::StockFaceDown] != 0 ? kFaceDown : kFaceUp;
        while (!PileEmpty(waste))
            AppendCard(game.cards, stock, PilePopTop(waste), face);
        ++game.counters.passCounter;
    }
    AppendCard(game.cards, waste, PilePopTop(stock), kFaceUp);
    // The running count of turned cards, as the click keeps it.
    ++game.counters.runningCounter;
    return true;
}

}  // namespace tindle
