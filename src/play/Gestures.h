#pragma once

#include "model/Piles.h"

// Whole mouse gestures on the table, for tools and tests that play a game the way a player
// does: each is made of the same presses, moves and releases the main window forwards, at
// the points where the cards are drawn.

namespace tindle {

struct PlayContext;

// Drags the block whose lowest card is `card` and releases it with the block lying exactly
// over the target pile's top-card place (its own place when empty). True when the block was
// put on a pile; false when it could not be lifted or went back.
bool DragCardTo(PlayContext& ctx, int card, PileRef target);

// A left click (press and release without a move) on the pile's top card, or on the empty
// pile. True when the click changed the table by itself.
bool ClickPile(PlayContext& ctx, PileRef pile);

// A left click (press and release without a move) on the card. True when the click changed
// the table by itself.
bool ClickCard(PlayContext& ctx, int card);

// A double click on the card: press, release, the double click and the press and release
// that belong to it. True when the double click sent the card somewhere.
bool DoubleClickCard(PlayContext& ctx, int card);

// The point of a card that the pointer's hit test gives back as that card; false when no
// point of it does (a card hidden under others, or one off the table).
bool PointOnCard(const PlayContext& ctx, int card, int& x, int& y);

}  // namespace tindle
