#include "play/EndGame.h"

#include <optional>
#include <string>

#include "model/Game.h"
#include "model/GameEnd.h"
#include "model/Ports.h"
#include "play/GameStatistics.h"
#include "play/HeldGame.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "play/PlayUi.h"
#include "play/Sounds.h"
#include "play/TableView.h"

namespace tindle {

bool EndGame(PlayContext& ctx) {
    Game& game = ctx.game;
    if (!game.flags.gameInProgress) return false;
    PlayUi& ui = ctx.ui;

    ui.BeginBusyCursor();
    ui.HidePileSizeHint();
    const int target = game.def[gd::TargetScore];
    if (target != 0) {
        const auto score = ScoreOf(game, ctx.settings);
        game.flags.gameWon = score && *score >= target;
    }
    const bool won = game.flags.gameWon;

    ui.StopClock();
    game.flags.clockRunning = false;
    // Counted while the table and its counters are as the game ended.
    const std::optional<std::string> wonLine = StatisticsGameEnded(ctx, won, ui.ClockSeconds());
    ui.SetPauseQuitAvailable(false);
    ui.SetBookmarkAvailable(false);
    game.counters.dealCounter = 0;
    game.counters.runningCounter = 0;
    ui.TickClock();
    game.flags.gameWon = false;
    game.flags.gameInProgress = false;
    game.flags.stopRequest = true;
    // A game that ended has nothing left to step through.
    OfferHistorySteps(ctx);
    ui.ClearExitRequested();
    ctx.session.lastGameWon = won;
    // A game held at an earlier exit is over now: it is not resumed again.
    DiscardHeldGame(ctx.settings);

    if (won) {
        ui.RestoreCursor();
        ctx.time.WaitProcessingEvents(200);
        // A new game started in that moment (a key pressed while the last cards flew home)
        // is dealt and in progress: the won game's animation would cover it. A window closed
        // in that moment shows nothing more.
        if (!game.flags.gameInProgress && !ui.ExitRequested()) {
            ui.SetInputRouting(InputRouting::AnimationInterrupt);
            PlayGatedSound(ctx.settings, ctx.sounds, "Won", field::SoundsGameWon);
            ui.PlayWinningAnimation();
        }
    }
    ui.RestoreCursor();
    if (ui.ExitRequested()) {
        ui.SetInputRouting(InputRouting::Normal);
        ui.CloseMainWindow();
        return won;
    }
    // A new game started before or during the animation (it is in progress again) keeps its
    // table.
    const bool newGameStarted = game.flags.gameInProgress;
    ui.SetInputRouting(InputRouting::Normal);
    if (won && !newGameStarted) {
        // The animation left cards all over the table: the won table is what stays, whatever
        // the player does in the dialog.
        ctx.view.RedrawWholeTable();
        if (wonLine) ctx.messages.Information(*wonLine);
        ui.OpenGameDialog();
    }
    return won;
}

bool EndGameIfWon(PlayContext& ctx) {
    if (!ctx.game.flags.gameWon) return false;
    return EndGame(ctx);
}

}  // namespace tindle
