#pragma once

#include <atomic>
#include <vector>

#include "model/Move.h"
#include "solve/Solver.h"

// The depth-first search finds a win, not a short one: its lines carry cards to a free place and
// back, or on detours, for the sake of lines it later left. Played by Demo, or followed move by
// move from Hint, such a line shows the player pointless moves. Shortening takes out of a won
// line, one at a time, a move of a card together with the next move of the same card (there and
// back), or the first of the two alone (a detour: the card goes straight to the second one's
// place), wherever the rest of the line, replayed as the player would play it, still wins.

namespace tindle {

struct PlayContext;

// The time Hint, Demo and `tindle-cli solve` give it: the longest lines of the catalogue's games
// take a fraction of it.
inline constexpr long kWonLineShorteningMs = 500;

// Shortens the moves of a `won` result of a search from the position of ctx.game (its first
// move with them), for at most `milliseconds` or until `cancel` is set; they stay a line of
// LegalMoves that wins. Other results are left alone. Plays on ctx and gives it back as it was.
void ShortenWonLine(PlayContext& ctx, SolveResult& result, long milliseconds,
                    const std::atomic<bool>* cancel = nullptr);

}  // namespace tindle
