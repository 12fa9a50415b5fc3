#pragma once

// The score of the game in play recomputed (by its win-condition code), stored in the
// settings record and shown; in the joker games the joker labels of the foundations follow.

namespace tindle {

struct PlayContext;

void ComputeScore(PlayContext& ctx);

}  // namespace tindle
