#include "play/PlayHistory.h"

#include "model/Game.h"
#include "model/History.h"
#include "model/UndoRedo.h"
#include "play/PlayContext.h"
#include "play/PlayUi.h"

namespace tindle {

namespace {

// The counters kept with the snapshots only serve while they match the histories one to one
// (a snapshot recorded elsewhere leaves the counters as they are on its step).
bool InStep(const std::vector<GameCounters>& counters, const History& history) {
    return static_cast<int>(counters.size()) == history.Count();
}

}  // namespace

void RecordMove(PlayContext& ctx) {
    auto& kept = ctx.session.undoCounters;
    if (!InStep(kept, ctx.game.undo)) kept.clear();
    RecordSnapshot(ctx.game, HistoryKind::Undo, ctx.settings);
    if (static_cast<int>(kept.size()) + 1 == ctx.game.undo.Count())
        kept.push_back(ctx.game.counters);
    OfferHistorySteps(ctx);
}

void DropLastMove(PlayContext& ctx) {
    auto& kept = ctx.session.undoCounters;
    const bool inStep = InStep(kept, ctx.game.undo);
    DropLastSnapshot(ctx.game.undo);
    if (inStep && !kept.empty()) kept.pop_back();
    OfferHistorySteps(ctx);
}

void ClearRedoMoves(PlayContext& ctx) {
    ClearRedo(ctx.game, ctx.settings);
    ctx.session.redoCounters.clear();
    OfferHistorySteps(ctx);
}

void ClearMoveHistories(PlayContext& ctx, bool both) {
    ClearHistories(ctx.game, ctx.settings, both);
    ctx.session.redoCounters.clear();
    if (both) ctx.session.undoCounters.clear();
    OfferHistorySteps(ctx);
}

namespace {

bool Step(PlayContext& ctx, bool (*step)(Game&, SettingsRecord&), std::vector<GameCounters>& from,
          const History& fromHistory, std::vector<GameCounters>& to, const History& toHistory) {
    const bool fromInStep = InStep(from, fromHistory);
    const bool toInStep = InStep(to, toHistory);
    const GameCounters now = ctx.game.counters;
    if (!step(ctx.game, ctx.settings)) return false;
    if (fromInStep && toInStep && !from.empty()) {
        ctx.game.counters = from.back();
        from.pop_back();
        to.push_back(now);
    } else {
        from.clear();
        to.clear();
    }
    OfferHistorySteps(ctx);
    return true;
}

}  // namespace

void OfferHistorySteps(PlayContext& ctx) {
    const Game& game = ctx.game;
    const bool playing = game.flags.gameInProgress;
    ctx.ui.SetHistoryStepsAvailable(playing && !game.undo.Empty(), playing && !game.redo.Empty());
}

bool UndoMove(PlayContext& ctx) {
    return Step(ctx, &Undo, ctx.session.undoCounters, ctx.game.undo, ctx.session.redoCounters,
                ctx.game.redo);
}

bool RedoMove(PlayContext& ctx) {
    return Step(ctx, &Redo, ctx.session.redoCounters, ctx.game.redo, ctx.session.undoCounters,
                ctx.game.undo);
}

}  // namespace tindle
