#pragma once

#include "model/Move.h"

// The move executor: the one road by which play changes the piles. Given a typed move
// (model/Move.h: its kind, the pile it goes to or deals to, the card it moves), it carries the
// move out, records it for undo, redraws what changed, plays the move's sound and brings the score
// and the game-won flag up to date. Whether the move is legal is decided by the caller (pointer,
// shortcuts, autoplay, automatic fills); the executor checks only what follows.
//
// Every call runs the same frame around its move:
//  1. while the tableau-filling phase is open (FillPhaseRule), only a tableau card going to
//     a foundation is carried out; anything else changes nothing;
//  2. the move itself, one undo snapshot for it (unless a move says otherwise);
//  3. the empty-stock mark when this move emptied the stock and left the waste with at most
//     one card;
//  4. the score, when a move was made;
//  5. the automatic face-up of uncovered column tops, when the card came from a column and
//     autoplay (which turns them itself) is off;
//  6. the redo history is emptied, when a move was made;
//  7. the first-move mark, raised by every call up to 2; with FillAfterFirstMove the first
//     call is followed by "Fill_Tableaus";
//  8. the piles' lowest extent for the scroll range;
//  9. the game-won flag again in the games whose win is tested after every move
//     (special::AcesAlone, ScoreRedColumns, ScoreSecondWaste).

namespace tindle {

struct PlayContext;

// True when the piles changed. A player move (the clicks of PlayMove), a move from or to a
// pile that does not exist, a turn or a deal from an empty stock, and a redeal past the
// passes allowed change nothing and answer false.
bool Execute(PlayContext& ctx, const Move& move);

}  // namespace tindle
