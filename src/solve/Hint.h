#pragma once

#include <vector>

#include "model/Move.h"
#include "model/TableRect.h"

// The Hint command's picture of a move: the places on the table to show selected for a
// moment, as a selected card is drawn (the card the move takes with the cards it carries, and
// the top card or the place of the pile it goes to; for a click, what is clicked).

namespace tindle {

struct PlayContext;

std::vector<TableRect> HintPlaces(const PlayContext& ctx, const Move& move);

}  // namespace tindle
