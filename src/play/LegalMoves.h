#pragma once

#include <vector>

#include "model/Move.h"

// Every move the player may make in the position in play: each card that may be lifted with
// every pile that takes it, the clicks on the stock and the empty waste, the turn-up of a
// face-down column top, and the clicks of the selection, pairing and second-waste games.

namespace tindle {

struct PlayContext;

// Fills `out` (emptied first) with the legal moves, in a fixed order: the stock click and the
// waste click, then the piles' cards (waste, foundations, columns, reserves), each card's
// targets in drop order (foundations, columns, reserves, waste). Nothing while no game is in
// progress.
void LegalMoves(PlayContext& ctx, std::vector<Move>& out);

}  // namespace tindle
