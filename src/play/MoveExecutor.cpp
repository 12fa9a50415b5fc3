#include "play/MoveExecutor.h"

#include <algorithm>

#include "model/GameEnd.h"
#include "model/History.h"
#include "model/SpecialGames.h"
#include "play/ExecutorSteps.h"
#include "play/FaceUp.h"
#include "play/GameStatistics.h"
#include "play/PlayHistory.h"
#include "play/PlayUi.h"
#include "play/ScoreDisplay.h"
#include "play/TableView.h"
#include "table/layout/PileHitTest.h"
#include "table/layout/TMainGame.h"

namespace tindle {

namespace {

constexpr int kFirstMoveDone = 2;

// While the tableau-filling phase is open only a tableau card may move, and only to a
// foundation.
bool FillPhaseAccepts(const Game& game, const Move& move) {
    const bool toFoundation =
        move.kind == MoveKind::ToFoundation || move.kind == MoveKind::ToFoundationAuto;
    return toFoundation && LocIsTableau(game.Locate(move.card));
}

// The move's pile lies within its pile list (the index is not read by the other kinds).
bool PileExists(const Move& move) {
    auto within = [&](int count) { return move.index >= 0 && move.index < count; };
    switch (move.kind) {
        case MoveKind::ToColumn:
        case MoveKind::DealColumn:
            return within(kFilaPiles);
        case MoveKind::ToFoundation:
        case MoveKind::ToFoundationAuto:
            return within(kDestPiles);
        case MoveKind::ToReserve:
        case MoveKind::DealReserve:
            return within(kAppoggPiles);
        default:
            return true;
    }
}

bool StockRunningLow(const Game& game) {
    return PileEmpty(game.piles.Stock()) && PileCount(game.piles.Waste()) <= 1;
}

bool Dispatch(PlayContext& ctx, const Move& move, exec::CallState& call) {
    const int card = move.card;
    switch (move.kind) {
        case MoveKind::ToColumn:
            return exec::MoveToColumn(ctx, card, move.index, call);
        case MoveKind::ToFoundation:
        case MoveKind::ToFoundationAuto:
            return exec::MoveToFoundation(ctx, card, move.index,
                                          move.kind == MoveKind::ToFoundationAuto, call);
        case MoveKind::ToReserve:
            return exec::MoveToReserve(ctx, card, move.index, call);
        case MoveKind::ToWaste:
            return exec::MoveToWastePile(ctx, card, false, call);
        case MoveKind::ToSecondWaste:
            return exec::MoveToWastePile(ctx, card, true, call);
        case MoveKind::TurnToWaste:
        case MoveKind::TurnToSecondWaste:
        case MoveKind::RedealRequest:
            return exec::StockMove(ctx, move.kind, call);
        case MoveKind::DealColumns:
        case MoveKind::DealColumnsAll:
        case MoveKind::FillColumns:
        case MoveKind::DealColumn:
        case MoveKind::DealReserves:
        case MoveKind::DealReserve:
            return exec::DealMove(ctx, move, call);
        case MoveKind::RemoveSelection:
            return exec::RemoveSelection(ctx, call);
        case MoveKind::RefillColumns:
            return exec::RefillColumns(ctx, call);
        case MoveKind::CloseGridGaps:
            return exec::CloseGridGaps(ctx, call);
        case MoveKind::StockClick:
        case MoveKind::WasteClick:
        case MoveKind::TurnUp:
        case MoveKind::Select:
            return false;  // player moves (PlayMove), no executor moves
    }
    return false;
}

void StoreScrollExtent(PlayContext& ctx) {
    const auto extent = TableExtent(ctx.layout, ctx.game);
    const int bottom = extent ? std::max(extent->bottom, 0) : 0;
    const int unscrolled = bottom + ctx.layout.scrollOffset;
    ctx.layout.tableBottom = static_cast<int16_t>(std::clamp(unscrolled, 0, 32767));
    ctx.ui.ScrollExtentChanged(unscrolled);
}

}  // namespace

namespace exec {

void TakeSnapshot(PlayContext& ctx, CallState& call) {
    if (call.snapshotTaken) return;
    RecordMove(ctx);
    call.snapshotTaken = true;
}

void FlyCard(PlayContext& ctx, int card, Point from, Point to, bool faceDown) {
    FlightOptions options;
    options.faceDown = faceDown;
    ctx.view.AnimateMove(faceDown ? -1 : card, from.x, from.y, to.x, to.y, options);
}

}  // namespace exec

bool Execute(PlayContext& ctx, const Move& move) {
    Game& game = ctx.game;
    if (!PileExists(move)) return false;
    if (FillPhaseOpen(game) && !FillPhaseAccepts(game, move)) return false;

    const bool stockHeldCards = !StockRunningLow(game);
    exec::CallState call;
    call.moved = Dispatch(ctx, move, call);

    if (stockHeldCards && StockRunningLow(game)) ctx.view.DrawEmptyStockMark();
    // A search's score is never shown and no rule reads it (the win by score counts it
    // afresh): only the player's moves compute it.
    if (call.moved && !ctx.session.searching) ComputeScore(ctx);
    if (call.fromTableau && !AutoplayOn(ctx)) TurnUpColumnTops(ctx);
    if (call.moved) ClearRedoMoves(ctx);
    if (call.moved) StatisticsMoveMade(ctx);
    // A resumed game keeps its clock stopped until the player's first move.
    if (call.moved && game.flags.gameInProgress && !game.flags.clockRunning) {
        ctx.ui.StartClock();
        game.flags.clockRunning = true;
    }

    if (game.counters.firstMoveMark < kFirstMoveDone) {
        ++game.counters.firstMoveMark;
        if (game.counters.firstMoveMark == 1 && game.def[gd::FillAfterFirstMove] == 1) {
            game.counters.firstMoveMark = kFirstMoveDone;
            Execute(ctx, {MoveKind::FillColumns, 0, 0});
        }
    }
    if (!ctx.session.searching) StoreScrollExtent(ctx);
    const int special = SpecialOf(game.def);
    if (special == special::AcesAlone || special == special::ScoreRedColumns ||
        special == special::ScoreSecondWaste) {
        game.flags.gameWon = IsGameWon(game, ctx.settings);
    }
    return call.moved;
}

}  // namespace tindle
