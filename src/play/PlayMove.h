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

}  // namespace tindle
