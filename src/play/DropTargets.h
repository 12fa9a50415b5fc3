#pragma once

#include <optional>

#include <vector>
#include "model/Move.h"

#include "play/DropSearch.h"
#include "play/TablePlaces.h"

// Where a lifted block may go and how it gets there. The block is the pointer state's
// dragCard (its lowest card) and every card above it in its pile; it stands at the pointer
// state's dragRect.

namespace tindle {

struct PlayContext;

// The piles a released block may land on, each with its top card's place: the used
// foundations, columns (not in the tableau styles 8 and 9), reserves and the waste (unless
// WasteNotDropTarget), as far as they lie on the table.
std::vector<DropCandidate> DropCandidates(const PlayContext& ctx);

// The move that puts the block whose lowest card is `card` on the target (ToFoundationAuto
// for autoplay's moves to a foundation).
Move DropMove(DropTarget target, bool autoplay, int card);

// One target tried: the block must still overlap it and be accepted (Accepts of
// model/MoveRules.h, by the player or by autoplay); it then flies (or,
// without card animation, is put) from `from` to its place on the pile and the move is
// executed. True when the move was made.
bool TryDropTarget(PlayContext& ctx, DropTarget target, bool autoplay, Point from);

// The release of a dragged block: the overlapped piles in order of preference, at most four,
// until one takes it. False when none did.
bool DropCard(PlayContext& ctx, bool autoplay);

// A block sent to a known pile (shortcuts and autoplay): it is placed exactly over the pile's
// top card, its picture built, and the target tried, the card flying from its own place.
bool SendCardTo(PlayContext& ctx, int card, DropTarget target, bool autoplay);

// The block goes back to where it lies, flying when cards are animated.
void FlyBack(PlayContext& ctx);

// The pile of a drop target.
PileRef TargetPile(DropTarget target);

}  // namespace tindle
