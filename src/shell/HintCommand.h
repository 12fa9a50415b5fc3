#pragma once

#include <QObject>

#include <functional>
#include <vector>

#include "model/TableRect.h"

// The Hint command (Game menu, H): the solver searches the position in play on a copy of the
// game, on a thread of its own so that the window goes on; its first move is then shown, the
// card and where it goes drawn selected for a moment. A move made meanwhile makes the answer
// stale: it is not shown. When the search proves that no line of play wins, a message says
// so (that none does while autoplay is on, where the position is not also lost without it);
// when its time runs out, the move it rates best is shown.

namespace tindle {

class BackgroundSolve;
struct PlayContext;
struct SolveAnswer;

// What Hint and Demo say when no move of the position leads to a won game, and when none does
// while autoplay is on but the position is not known to be lost without it.
extern const char* const kNoWinningMove;
extern const char* const kNoWinningMoveWithAutoplay;
const char* NoWinningMoveText(const SolveAnswer& answer);

// Brings a place of the table into the window's view (a table larger than the window scrolls
// to it).
using RevealPlace = std::function<void(const TableRect&)>;
// Before a move is shown or played: its places (HintPlaces) all in view where they fit
// together, else the first, the card the move takes.
void RevealPlaces(const std::vector<TableRect>& places, const RevealPlace& reveal);

class HintCommand : public QObject {
    Q_OBJECT
  public:
    HintCommand(PlayContext& ctx, QObject* parent);

    // Starts a search (one of the same position still running goes on, and one that has
    // answered answers again at once; any other is given up first).
    void Run();

    static constexpr long kBudgetMs = 2000;
    static constexpr int kShownMs = 900;

    // Where the move is brought into view before it is shown (none: nowhere).
    RevealPlace reveal;
    // The search behind the command (its Busy() and busyChanged).
    BackgroundSolve& Search() { return *solve_; }

  private:
    void Show(const SolveAnswer& result);
    // The table drawn as it lies: no hint shown.
    void DrawTable();

    PlayContext& ctx_;
    BackgroundSolve* solve_;
    int shows_ = 0;  // hints shown so far
    int shown_ = 0;  // the hint on the table (its number), 0 for none
};

}  // namespace tindle
