#include "play/PlayHistory.h"

#include <numeric>

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

// The actions of a history, made to add up to its snapshots: when a snapshot was recorded or
// stepped elsewhere, every snapshot becomes an action of its own.
std::vector<int>& ActionsOf(std::vector<int>& actions, const History& history) {
    if (std::accumulate(actions.begin(), actions.end(), 0) != history.Count())
        actions.assign(static_cast<size_t>(history.Count()), 1);
    return actions;
}

}  // namespace

void RecordMove(PlayContext& ctx) {
    PlaySession& session = ctx.session;
    auto& kept = session.undoCounters;
    if (!InStep(kept, ctx.game.undo)) kept.clear();
    std::vector<int>& actions = ActionsOf(session.undoActions, ctx.game.undo);
    RecordSnapshot(ctx.game, HistoryKind::Undo, ctx.settings, !session.searching);
    if (static_cast<int>(kept.size()) + 1 == ctx.game.undo.Count())
        kept.push_back(ctx.game.counters);
    if (session.actionOpen && session.actionRecorded && !actions.empty()) {
        ++actions.back();
    } else {
        actions.push_back(1);
        session.actionRecorded = session.actionOpen;
    }
    OfferHistorySteps(ctx);
}

void DropLastMove(PlayContext& ctx) {
    PlaySession& session = ctx.session;
    auto& kept = session.undoCounters;
    const bool inStep = InStep(kept, ctx.game.undo);
    std::vector<int>& actions = ActionsOf(session.undoActions, ctx.game.undo);
    DropLastSnapshot(ctx.game.undo);
    if (inStep && !kept.empty()) kept.pop_back();
    if (!actions.empty() && --actions.back() == 0) {
        actions.pop_back();
        session.actionRecorded = false;
    }
    OfferHistorySteps(ctx);
}

void ClearRedoMoves(PlayContext& ctx) {
    ClearRedo(ctx.game, ctx.settings);
    ctx.session.redoCounters.clear();
    ctx.session.redoActions.clear();
    OfferHistorySteps(ctx);
}

void ClearMoveHistories(PlayContext& ctx, bool both) {
    ClearHistories(ctx.game, ctx.settings, both);
    ctx.session.redoCounters.clear();
    ctx.session.redoActions.clear();
    if (both) {
        ctx.session.undoCounters.clear();
        ctx.session.undoActions.clear();
    }
    OfferHistorySteps(ctx);
}

namespace {

// One snapshot from one history to the other, with its counters.
bool StepSnapshot(PlayContext& ctx, bool (*step)(Game&, SettingsRecord&),
                  std::vector<GameCounters>& from, const History& fromHistory,
                  std::vector<GameCounters>& to, const History& toHistory) {
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
    return true;
}

// One player action from one history to the other: all its snapshots, the latest first.
bool StepAction(PlayContext& ctx, HistoryKind fromKind) {
    PlaySession& session = ctx.session;
    const bool undo = fromKind == HistoryKind::Undo;
    const History& fromHistory = undo ? ctx.game.undo : ctx.game.redo;
    const History& toHistory = undo ? ctx.game.redo : ctx.game.undo;
    std::vector<int>& fromActions =
        ActionsOf(undo ? session.undoActions : session.redoActions, fromHistory);
    std::vector<int>& toActions =
        ActionsOf(undo ? session.redoActions : session.undoActions, toHistory);
    if (fromActions.empty()) return false;
    auto& fromCounters = undo ? session.undoCounters : session.redoCounters;
    auto& toCounters = undo ? session.redoCounters : session.undoCounters;
    const int snapshots = fromActions.back();
    fromActions.pop_back();
    int stepped = 0;
    while (stepped < snapshots && StepSnapshot(ctx, undo ? &Undo : &Redo, fromCounters, fromHistory,
                                               toCounters, toHistory))
        ++stepped;
    if (stepped > 0) toActions.push_back(stepped);
    session.actionRecorded = false;
    OfferHistorySteps(ctx);
    return stepped > 0;
}

}  // namespace

void OfferHistorySteps(PlayContext& ctx) {
    const Game& game = ctx.game;
    const bool playing = game.flags.gameInProgress;
    ctx.ui.SetHistoryStepsAvailable(playing && !game.undo.Empty(), playing && !game.redo.Empty());
}

bool UndoMove(PlayContext& ctx) {
    return StepAction(ctx, HistoryKind::Undo);
}

bool RedoMove(PlayContext& ctx) {
    return StepAction(ctx, HistoryKind::Redo);
}

PlayerAction::PlayerAction(PlayContext& ctx, Start start)
    : ctx_(ctx), start_(start), wasOpen_(ctx.session.actionOpen) {
    if (!wasOpen_ && start == Start::New) ctx_.session.actionRecorded = false;
    ctx_.session.actionOpen = true;
}

PlayerAction::~PlayerAction() {
    ctx_.session.actionOpen = wasOpen_;
    // The release ends the action: whatever comes after it is a step of its own.
    if (!wasOpen_ && start_ == Start::Continued) ctx_.session.actionRecorded = false;
}

}  // namespace tindle
