#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "model/Move.h"
#include "solve/Solver.h"

// A nested Monte Carlo search over the moves LegalMoves lists, each played by PlayMove as the
// player makes it, for the games a depth-first search drowns in: the one-pass stock games,
// where each turned card must be placed at once and a wrong place shows only dozens of moves
// later. Level 0 is a greedy random playout: a card that can go home goes home, otherwise any
// move (the stock click among them) is picked at random, and a card moved three times only goes
// home afterwards. Level n tries every move of the position, each followed by a level n-1
// search, plays the first move of the best line found so far and goes on from there until the
// game ends. Lines are scored by their cards on the foundations and their empty columns; a win
// ends the search.
//
// It proves wins only: a failed search says nothing about the deal. For a given position,
// seed and budget in positions it plays the same lines.

namespace tindle {

class Game;
struct PlayContext;

struct NestedResult {
    bool won = false;
    std::vector<Move> moves;  // the best line: from the start to the win when won
    int score = 0;            // of the best line: 4 per card on a foundation, 1 per empty column
    long positions = 0;       // moves played, each counted as a position reached
    long milliseconds = 0;
};

// Searches at `level` from the position of ctx.game, which is given back as it was at the
// start (as Solve does, see Solver.h). A spent budget, or `cancel` once set, ends the search;
// `cancel` is read as often as the clock.
NestedResult NestedSearch(PlayContext& ctx, int level, const SolveBudget& budget,
                          const std::atomic<bool>* cancel = nullptr, uint32_t seed = 1);

// The search tried level 1 first and then again with other seeds while the budget lasts: the
// same search the solver falls back on when its depth-first search has not decided.
NestedResult NestedSearchRepeated(PlayContext& ctx, const SolveBudget& budget,
                                  const std::atomic<bool>* cancel = nullptr);

// Whether the nested search may win deals of the game the depth-first search does not decide:
// games with a stock, unless it turns one card at a time without end (the depth-first search
// then meets every card of the stock at each position, and the nested search, measured over
// the first sixty numbers of Klondike at two seconds, won none it did not). Without a stock
// the depth-first search decides FreeCell and its kind on its own within the budget.
bool NestedSearchMayHelp(const Game& game);

// The part of the solver's budget its depth-first search is given: all of it where the nested
// search may not help, else a share; the nested search may spend what that leaves
// (NestedSearchRest).
SolveBudget DepthFirstShare(const Game& game, const SolveBudget& budget);

// After a depth-first search of `result` that has not decided within its share of `budget`,
// the repeated nested search within the rest: a win makes `result` won with its moves.
// It never answers lost.
void NestedSearchRest(PlayContext& ctx, const SolveBudget& budget, const std::atomic<bool>* cancel,
                      SolveResult& result);

}  // namespace tindle
