#pragma once

// The undo and redo histories as play keeps them: every snapshot of the table goes with the
// per-game counters of that moment (passes through the stock, the first-move mark, the deal
// and running counters), so that stepping back a redeal gives the pass back and stepping back
// a deal gives the alternating reserves their turn again. The snapshots themselves are the
// model's (History.h); play records, drops and steps them only through here.

namespace tindle {

struct PlayContext;

// A snapshot of the table (and the counters) on the undo history.
void RecordMove(PlayContext& ctx);
// The last snapshot of the undo history taken away again (its step belongs to the one before).
void DropLastMove(PlayContext& ctx);
// The redo history emptied (a new move was made).
void ClearRedoMoves(PlayContext& ctx);
// Both histories emptied (a new deal), or only the redo history.
void ClearMoveHistories(PlayContext& ctx, bool both);
// One player action back or forward, all its snapshots with their counters. False when
// there is nothing to step to.
bool UndoMove(PlayContext& ctx);
bool RedoMove(PlayContext& ctx);
// Undo and Redo offered while a game is in progress and they have a step to take. Every
// function above calls it; so do the start and the end of a game.
void OfferHistorySteps(PlayContext& ctx);

// A player's action, open while the object lives: a press (with the release that ends it), a
// double click, a command that plays cards. Everything recorded while it is open (the move,
// the cards it turns up, the autoplay moves and the column fills it sets off) is one step of
// Undo and Redo; a snapshot recorded outside any action is a step of its own. An action
// opened inside another one belongs to it.
class PlayerAction {
  public:
    // A release continues the action of its press.
    enum class Start { New, Continued };
    PlayerAction(PlayContext& ctx, Start start);
    ~PlayerAction();
    PlayerAction(const PlayerAction&) = delete;
    PlayerAction& operator=(const PlayerAction&) = delete;

  private:
    PlayContext& ctx_;
    Start start_;
    bool wasOpen_;
};

}  // namespace tindle
