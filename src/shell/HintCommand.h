#pragma once

#include <QObject>

#include <atomic>
#include <thread>

#include "model/Piles.h"

// The Hint command (Game menu, H): the solver searches the position in play on a copy of the
// game, on a thread of its own so that the window goes on; its first move is then shown, the
// card and where it goes drawn selected for a moment. A move made meanwhile makes the answer
// stale: it is not shown. When the search proves that no line of play wins, a message says
// so; when its time runs out, the move it rates best is shown.

namespace tindle {

struct PlayContext;
struct SolveResult;

class HintCommand : public QObject {
    Q_OBJECT
  public:
    HintCommand(PlayContext& ctx, QObject* parent);
    ~HintCommand() override;

    // Starts a search (a search still running is given up first).
    void Run();

    static constexpr long kBudgetMs = 2000;
    static constexpr int kShownMs = 900;

  private:
    void Stop();
    void Show(const SolveResult& result, const Piles& asked);

    PlayContext& ctx_;
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

}  // namespace tindle
