#include "play/Commands.h"

#include "model/Game.h"
#include "play/Autoplay.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "play/PlayUi.h"
#include "play/ScoreDisplay.h"
#include "play/TableView.h"

namespace tindle {

namespace {

bool Step(PlayContext& ctx, bool (*step)(PlayContext&)) {
    Game& game = ctx.game;
    if (!game.flags.gameInProgress || game.flags.animationRunning) return false;
    if (game.pointer.dragCard != 0) return false;
    if (!step(ctx)) return false;
    game.pointer.stockPressed = false;
    game.flags.gameWon = false;
    ComputeScore(ctx);
    // The whole table again: the background first, so that nothing of the table left behind
    // shows through.
    ctx.view.PaintBackground();
    ctx.view.RepaintTable(false);
    ctx.view.PresentTable();
    return true;
}

}  // namespace

bool UndoCommand(PlayContext& ctx) {
    return Step(ctx, &UndoMove);
}

bool RedoCommand(PlayContext& ctx) {
    return Step(ctx, &RedoMove);
}

void SetAutoplay(PlayContext& ctx, bool on) {
    if (ctx.ui.AutoplayTicked() == on) return;
    ctx.ui.SetAutoplayTicked(on);
    if (on && ctx.game.flags.gameInProgress) {
        PlayerAction action(ctx, PlayerAction::Start::New);
        AutoFillAndAutoplay(ctx);
    }
}

void AutoplayCommand(PlayContext& ctx) {
    SetAutoplay(ctx, !ctx.ui.AutoplayTicked());
}

}  // namespace tindle
