#pragma once

#include <algorithm>

#include "model/Game.h"

// How many piles of each kind the game in play uses, held inside the pile lists whatever the
// definition says.

namespace tindle {

inline int UsedFoundationCount(const Game& game) {
    return std::clamp(game.FoundationCount(), 0, kDestPiles);
}
inline int UsedColumnCount(const Game& game) {
    return std::clamp(game.TableauCount(), 0, kFilaPiles);
}
inline int UsedReserveCount(const Game& game) {
    return std::clamp(game.ReserveCount(), 0, kAppoggPiles);
}

}  // namespace tindle
