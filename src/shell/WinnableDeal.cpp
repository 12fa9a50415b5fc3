#include "shell/WinnableDeal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#include "play/HeadlessPlay.h"
#include "play/NewGame.h"
#include "play/PlayUi.h"
#include "shell/BackgroundSolve.h"
#include "shell/BackgroundThread.h"
#include "solve/Solver.h"

namespace tindle {

namespace {

// The dialog stays away while the search is this quick (most games' first number).
constexpr int kDialogAfterMs = 400;
constexpr int kEventsMs = 20;

// Whether the solver wins the deal of `number` on a copy of the game in play within `budgetMs`;
// the window's events go on meanwhile, the dialog's Cancel stopping the search.
bool SolverWins(const PlayContext& ctx, const std::string& number, long budgetMs,
                QProgressDialog& progress, const QElapsedTimer& clock) {
    std::shared_ptr<HeadlessPlay> copy = SearchCopyOf(ctx);
    copy->settings.Put(field::GameNumber, number);
    if (!StartGame(copy->ctx, true, false, kDealStoredNumber, true)) return false;
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    bool won = false;
    std::thread worker = StartBackgroundThread([&] {
        won = Solve(copy->ctx, {4'000'000, budgetMs}, &cancel).verdict == SolveVerdict::Won;
        done = true;
    });
    while (!done) {
        if (!progress.isVisible() && clock.elapsed() >= kDialogAfterMs) progress.show();
        // Until the (window-modal) dialog shows, the player's input waits.
        QCoreApplication::processEvents(
            progress.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents,
            kEventsMs);
        if (progress.wasCanceled()) cancel = true;
    }
    worker.join();
    return won && !progress.wasCanceled();
}

}  // namespace

std::optional<std::string> FindWinnableNumber(PlayContext& ctx, QWidget* parent) {
    QProgressDialog progress(QStringLiteral("Looking for a deal that can be won..."),
                             QStringLiteral("Cancel"), 0, 0, parent);
    progress.setWindowTitle(QStringLiteral("Winnable deals only"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kDialogAfterMs);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.hide();
    ctx.ui.BeginBusyCursor();
    QElapsedTimer clock;
    clock.start();
    std::optional<std::string> found;
    while (!progress.wasCanceled() && clock.elapsed() < kPatienceMs) {
        // Drawn aside: the stored number and the title stay the game's on the table until a
        // deal is made.
        const std::string number = DrawGameNumber(ctx.random);
        const long left = kPatienceMs - static_cast<long>(clock.elapsed());
        if (SolverWins(ctx, number, std::min(kNumberBudgetMs, left), progress, clock)) {
            found = number;
            break;
        }
    }
    ctx.ui.RestoreCursor();
    return found;
}

}  // namespace tindle
