#pragma once

#include <optional>
#include <string>

class QWidget;

// Winnable deals only (Customize, General): New game, and a game opened from the chooser (once
// its definition is loaded), draw numbers for the game in play until the solver wins one, each
// number searched for at most kNumberBudgetMs on a thread of its own and all of them for at
// most kPatienceMs, under the wait cursor. A small dialog comes up when the search takes
// longer than a moment; its Cancel (or Escape) gives up, and a number drawn as usual is dealt,
// as it is when no win was found in time. Restart and Select game number deal the number the
// player asked for.

namespace tindle {

struct PlayContext;

inline constexpr long kNumberBudgetMs = 2000;
inline constexpr long kPatienceMs = 10'000;

// The number of a deal the solver has won (the numbers tried are drawn as New game draws
// them), or nothing when the search was given up or ran out of time.
std::optional<std::string> FindWinnableNumber(PlayContext& ctx, QWidget* parent);

}  // namespace tindle
