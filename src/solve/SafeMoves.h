#pragma once

#include <vector>

#include "model/Move.h"

// Moves no better line of play can do without: a card sent to a foundation when no card still
// in play could ever be built on it in a column, nor in a reserve or on the waste. Every line
// of play that wins from the position wins as well after such a move, so the solver plays it
// alone and tries nothing else there.

namespace tindle {

class Game;

// The index in `moves` (the LegalMoves of `game`) of such a foundation move; -1 when there is
// none, or when the game's rules are not all of the plain kind this is known for (building
// rules that read only the two cards, free cells, no drops on the waste).
int SafeFoundationMove(const Game& game, const std::vector<Move>& moves);

}  // namespace tindle
