#pragma once

// Turning face-down cards on top of tableau columns face up: by the player's click on one
// column, and automatically for every column (AutoFaceUp games, unless the player's
// Automatic_FaceUp preference is "N"). Each turn is a recorded step of the undo history.

namespace tindle {

struct PlayContext;

// Turns the face-down top card of the column (0-based) face up: snapshot, face flag, the
// card drawn face up, "Face_up". False when the top card is not face down.
bool TurnUpColumnTop(PlayContext& ctx, int column);

// The automatic face-up: every used column whose top card lies face down, in order, when
// the game turns them (AutoFaceUp) and the preference allows. True when a card was turned.
bool TurnUpColumnTops(PlayContext& ctx);

// Whether the automatic face-up is on for the game in play.
bool AutomaticFaceUpOn(const PlayContext& ctx);

}  // namespace tindle
