#include "play/PlayMove.h"

#include "play/DropTargets.h"
#include "play/EndGame.h"
#include "play/Gestures.h"
#include "play/PlayContext.h"
#include "play/PlayHistory.h"
#include "play/Pointer.h"

namespace tindle {

namespace {

bool SendAndRelease(PlayContext& ctx, int card, DropTarget target) {
    PlayerAction action(ctx, PlayerAction::Start::New);
    const bool moved = SendCardTo(ctx, card, target, false);
    EndGameIfWon(ctx);
    imgSfondoMouseUp(ctx, ctx.game.pointer.pressX, ctx.game.pointer.pressY);
    return moved;
}

}  // namespace

bool PlayDemoMove(PlayContext& ctx, const Move& move) {
    StatisticsSession& statistics = ctx.session.statistics;
    statistics.demoPlayed = true;
    statistics.demoMoving = true;
    const bool moved = PlayMove(ctx, move);
    statistics.demoMoving = false;
    return moved;
}

bool PlayMove(PlayContext& ctx, const Move& move) {
    switch (move.kind) {
        case MoveKind::ToColumn:
            return SendAndRelease(ctx, move.card, {kDropColumn, move.index});
        case MoveKind::ToFoundation:
            return SendAndRelease(ctx, move.card, {kDropFoundation, move.index});
        case MoveKind::ToReserve:
            return SendAndRelease(ctx, move.card, {kDropReserve, move.index});
        case MoveKind::ToWaste:
            return SendAndRelease(ctx, move.card, {kDropWaste, 0});
        case MoveKind::ToSecondWaste:
        case MoveKind::Select:
            return ClickCard(ctx, move.card);
        case MoveKind::StockClick:
            return ClickPile(ctx, {PileKind::Mazzo, 0});
        case MoveKind::WasteClick:
            return ClickPile(ctx, {PileKind::MazzoVis, 0});
        case MoveKind::TurnUp:
            return ClickPile(ctx, {PileKind::Fila, move.index});
        default:
            return false;  // the executor's own moves are no player move
    }
}

}  // namespace tindle
