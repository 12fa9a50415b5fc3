#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "model/Game.h"
#include "model/Piles.h"
#include "solve/Solver.h"

// The solver run on a copy of the game in play on a thread of its own, so that the window
// goes on (Hint, Demo). The answer comes back on the window's thread, and only while the table
// is as it was asked about: a move made meanwhile (or the end of the game) drops it and stops
// the search, which the window's thread looks for a few times a second. The answer waits until
// nothing else draws the table (WhenTableFree). Asked again about the same position meanwhile,
// the search goes on rather than starting over, so that asking twice does not wait longer; asked
// again once it has answered, the answer is given again at once.

namespace tindle {

class HeadlessPlay;
struct PlayContext;

// The solver's answer, and whether its `lost` holds only while autoplay is on: autoplay sends
// home cards that a player who switches it off may keep in play, so a position lost with it may
// be won without it. Where a search without autoplay has not proved the position lost as well,
// the answer says so.
struct SolveAnswer : SolveResult {
    bool lostWithAutoplayOnly = false;
};

// A copy of the game in play that the solver may play on: the player's preferences (automatic
// face-up, autoplay) without flights or sounds.
std::shared_ptr<HeadlessPlay> SearchCopyOf(const PlayContext& ctx);

// Runs `then` on the window's thread once nothing else is drawing the table: at once, or when
// a look every BackgroundSolve::kWatchMs finds it so (never, once `context` is gone). The table
// is in use while a deal is drawn card by card or the winning animation runs
// (PlayUi::TableAnimating), whose waits let the window's events and timers run, and while the
// mouse holds cards.
void WhenTableFree(const PlayContext& ctx, QObject* context, std::function<void()> then);

class BackgroundSolve : public QObject {
    Q_OBJECT
  public:
    using Done = std::function<void(const SolveAnswer&)>;

    BackgroundSolve(PlayContext& ctx, QObject* parent);
    ~BackgroundSolve() override;

    // Searches the position in play within `budgetMs` in all; nothing while no game is in
    // progress. A search still running goes on when it was asked the same (the same position,
    // autoplay and budget), its answer then going to `done`; any other is given up first. The
    // same asked again after the answer gets that answer again, at once where the table is
    // free. A won line comes shortened.
    void Start(long budgetMs, Done done);
    // Gives up a running search.
    void Stop();
    // A search is running (it has neither answered nor been given up).
    bool Busy() const { return busy_; }
    // Called on the window's thread whenever Busy() changes (not while this is destroyed).
    std::function<void()> busyChanged;

    static constexpr int kWatchMs = 50;

  private:
    // The table as it was asked about: its cards and the counts the rules go by (passes
    // through the stock, say), which a stock turned through and dealt again can change alone.
    bool TableAsAsked() const;
    // The search is given up once the table is no longer the one asked about.
    void Watch();
    // Gives the answer of search number `search` (on the window's thread, the table free).
    void Answer(const SolveAnswer& result, int search);
    void SetBusy(bool busy);

    PlayContext& ctx_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> busy_{false};
    std::thread worker_;
    QTimer* watch_;
    Piles asked_;
    GameCounters askedCounters_;
    bool askedAutoplay_ = false;
    long askedBudgetMs_ = 0;
    Done done_;                            // used on the window's thread only
    std::optional<SolveAnswer> answered_;  // the answer given for the table asked about
    int searches_ = 0;  // searches started, so that a late answer is told from the last one's
};

}  // namespace tindle
