#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <thread>

// The solver run on a copy of the game in play on a thread of its own, so that the window
// goes on (Hint, Demo). The answer comes back on the window's thread, and only while the table
// is as it was asked about: a move made meanwhile drops it.

namespace tindle {

struct PlayContext;
struct SolveResult;

class BackgroundSolve : public QObject {
    Q_OBJECT
  public:
    using Done = std::function<void(const SolveResult&)>;

    BackgroundSolve(PlayContext& ctx, QObject* parent);
    ~BackgroundSolve() override;

    // Searches the position in play (a search still running is given up first); nothing while
    // no game is in progress.
    void Start(long budgetMs, Done done);
    // Gives up a running search.
    void Stop();

  private:
    PlayContext& ctx_;
    std::atomic<bool> cancel_{false};
    std::thread worker_;
};

}  // namespace tindle
