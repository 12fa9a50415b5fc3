#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <vector>

#include "model/Move.h"
#include "shell/HintCommand.h"

// The Demo command (Game menu): the solver searches the position in play (BackgroundSolve),
// then its solution is played move by move as the player would make them, with the card
// flights of the player's preferences, and the won game ends as every won game does. Any key
// or click stops the demo (and is used for nothing else); a message says when no move leads
// to a won game (while autoplay is on, as Hint says it), or when none was found in time.

namespace tindle {

class BackgroundSolve;
struct PlayContext;
struct SolveAnswer;

class DemoCommand : public QObject {
    Q_OBJECT
  public:
    DemoCommand(PlayContext& ctx, QObject* parent);
    ~DemoCommand() override;

    void Run();
    bool Running() const { return !moves_.empty(); }

    static constexpr long kBudgetMs = 5000;
    static constexpr int kStepMs = 350;
    // The pause before each move (tests shorten it).
    int stepMs = kStepMs;

    // Where each move is brought into view before it is played (none: nowhere).
    RevealPlace reveal;
    // The search behind the command (its Busy() and busyChanged).
    BackgroundSolve& Search() { return *solve_; }
    // What follows each change the Demo makes on the table (none: nothing): its start, where
    // it takes over from the keyboard as the mouse does (the lifted cards put down, the focus
    // hidden), and each move played. The window fits its table to the piles, which a move may
    // have made longer than the window, and redraws the keyboard's marks.
    std::function<void()> changed;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Begin(const SolveAnswer& result);
    void Step();
    void Stop();

    PlayContext& ctx_;
    BackgroundSolve* solve_;
    std::vector<Move> moves_;
    size_t next_ = 0;
    QTimer timer_;
};

}  // namespace tindle
