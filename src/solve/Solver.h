#pragma once

#include <atomic>
#include <optional>
#include <string_view>
#include <vector>

#include "model/Move.h"

// The solver: a depth-first search over the moves LegalMoves lists, each played by PlayMove
// exactly as the player makes it (the automatic turn-ups, fills and, when it is on, autoplay
// follow as in play), so a solution is a line of play the program itself takes. Positions
// already met are not searched again (PositionKeys); the moves of a position are tried best
// first (MoveOrder.h), and a move that puts back the card the previous move took away is not
// tried.
//
// Three quarters of the depth-first share go first to bold passes, which leave out moves that
// only rearrange (IsShuffle) and so may win sooner but never answer `lost`: depth-first searches
// in slightly different orders and, where the stock cycles, a beam search, which keeps only the
// best positions of each depth and so reaches depths a depth-first search spends its budget
// before.
//
// In the games with a stock that is not turned one card at a time without end, the depth-first
// search has half the budget; when it has not decided, a nested Monte Carlo search
// (NestedSearch.h), which wins the one-pass stock games the depth-first search drowns in,
// spends the rest and may answer `won`, never `lost`. In the other games the depth-first
// search has the whole budget.
//
// Besides the moves that put back what the last move took away, the search leaves out moves
// no shortest win needs: where a card can go home and nothing could ever be built on it, that
// move alone (SafeMoves.h); a card brought off a foundation that nothing in play could come to
// use (OffFoundationRule); after a card played from a cycling stock or brought off a foundation
// to a column, any move that does not build on it (nor, off a foundation, brings down the card
// it covered there, or plays another such card for that card to come down onto: DutyKey in
// Solver.cpp).
//
// A position in which some card can never leave its column or the stock (StuckCards.h) is a dead
// end: none of its moves is tried, and a start position so stuck is lost at once.
//
// `lost` is answered only when every position reachable from the start has been searched
// without a win; a spent budget (or a cancel) answers `unknown`.

namespace tindle {

struct PlayContext;

enum class SolveVerdict { Won, Lost, Unknown };

// "won", "lost", "unknown".
std::string_view VerdictName(SolveVerdict verdict);

struct SolveBudget {
    long positions = 2'000'000;  // positions reached by a move
    long milliseconds = 2000;
};

struct SolveResult {
    SolveVerdict verdict = SolveVerdict::Unknown;
    std::vector<Move> moves;  // won: the moves from the start to the win
    // The first move of the most promising line: the first of `moves` when won, else the
    // best-rated move of the start (none when it has no move).
    std::optional<Move> firstMove;
    long positions = 0;
    long milliseconds = 0;
};

// Searches from the position of ctx.game. The search plays on ctx (its game, the score of
// its settings and its session), which is given back as it was at the start; ctx's ports
// should be quiet and its preferences headless (no flights, no sounds). `cancel`, when given,
// is read as often as the clock: once it is set the search ends with `unknown`.
SolveResult Solve(PlayContext& ctx, const SolveBudget& budget,
                  const std::atomic<bool>* cancel = nullptr);

}  // namespace tindle
