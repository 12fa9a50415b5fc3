#pragma once

#include "model/Move.h"

// One move of LegalMoves played the way the player makes it: a card sent to its pile through
// the drop rules, the flight and the move executor (as a shortcut sends it), a click pressed
// and released on its pile or card; then what every release brings: the end of a won game,
// the automatic filling of empty columns and, when it is on, autoplay.

namespace tindle {

struct PlayContext;

// True when the move changed the table (the automatic moves that follow are not counted).
bool PlayMove(PlayContext& ctx, const Move& move);

// A move of the Demo, played as PlayMove plays it. The game it is made in is no win of the
// player's, and the move does not count the game as one the player played: a deal only
// watched counts nothing, one the player moved in before or after counts as given up.
bool PlayDemoMove(PlayContext& ctx, const Move& move);

}  // namespace tindle
