#pragma once

#include "model/Game.h"
#include "model/RuleCodes.h"

// Passes through the stock (StockPasses, passes::): the game's pass counter starts at 1 and
// every redeal raises it.

namespace tindle {

// Another pass may begin: the passes are unlimited, or fewer than StockPasses were made.
inline bool PassAllowed(const Game& game) {
    const int passes = game.def[gd::StockPasses];
    return passes == passes::Unlimited || game.counters.passCounter < passes;
}

}  // namespace tindle
