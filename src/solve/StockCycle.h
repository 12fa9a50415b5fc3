#pragma once

// A cycling stock (PositionKeys::StockCycles) clicked without the click's pointer, drawing,
// score and history: the search brings every card of the cycle to the waste top, and a click
// played as the player makes it costs as much as a move.

namespace tindle {

class Game;

// Whether a stock click of `game` does nothing but turn its top card onto the waste, or the
// waste back into an empty stock: no rule fills columns or counts the first move after it.
// Assumes the stock cycles.
bool ClicksOnlyTurn(const Game& game);

// One click of a cycling stock where ClicksOnlyTurn holds: the stock's top card turned face up
// onto the waste; on an empty stock the waste is first turned back into it (its top card
// first, so that the first card turned comes up first again). False, and nothing changed,
// where the click changes nothing: an empty stock and at most one card on the waste.
bool TurnCycle(Game& game);

}  // namespace tindle
