#pragma once

#include <vector>

#include "model/Move.h"

// Every move the player may make in the position in play, as typed moves: each card that may
// be lifted (MayLift) with every pile that takes it (Accepts), the clicks on the stock and on
// the empty waste, the turn-up of a face-down column top, and the clicks of the selection,
// pairing and second-waste games. A solver searches it with the executor (or PlayMove) on a
// copy of the game; it reads the game alone and allocates nothing when `out` has room.

namespace tindle {

class Game;

// Fills `out` (emptied first), in a fixed order:
//  - MoveKind::StockClick when a click on the stock may change the table, then
//    MoveKind::WasteClick (the redeal request on the empty waste of a redeal mode);
//  - then the cards of the waste, the foundations, the columns and the reserves, bottom to
//    top, each with its moves:
//    - the drag games: ToFoundation / ToColumn / ToReserve / ToWaste (index: the pile, card:
//      the lowest card of the block) for every other pile that takes it, in the order
//      foundations, columns, reserves, waste; TurnUp (index: the column) for a face-down
//      column top;
//    - click-play games: the one move the click makes (the first pile that takes the card,
//      in the shortcuts' order);
//    - second-waste games: ToSecondWaste (card) for a top card that fits there;
//    - selection and pairing games: Select (card) for each card a click selects.
// Nothing while no game is in progress.
void LegalMoves(const Game& game, std::vector<Move>& out);

}  // namespace tindle
