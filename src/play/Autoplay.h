#pragma once

// What the program plays on the player's behalf: the autoplay passes that send playable top
// cards to the foundations, and the automatic filling of empty columns by the game's fill
// rule (FillRule).

namespace tindle {

struct PlayContext;

// Passes until one moves nothing (or the game ends): each pass sweeps the reserves (again
// while the sweep moves a card), then the waste (unless WasteLocked), then the columns
// (turning a face-down top card up first where the game turns them; with reserves in the
// game the column sweep stops after the first card that moved). Runs only while autoplay is
// on and a game is in progress; a won game is ended. True when a card moved.
bool RunAutoplay(PlayContext& ctx);

// Whether a pass of autoplay would change the table now: a face-up top card of a reserve,
// of the waste (unless WasteLocked) or of a column that a foundation takes, or a face-down
// column top that autoplay turns up. It changes nothing.
bool AutoplayWouldMove(const PlayContext& ctx);

// Every empty used column (and, for fill rule 8, every empty reserve) gets the card(s) of
// the game's fill rule. True when an empty column was found and a fill was tried.
bool AutoFillEmptyColumns(PlayContext& ctx);

// After a release, a new deal or the Autoplay command: the fill, then autoplay followed by
// the fill again as long as autoplay moves cards.
void AutoFillAndAutoplay(PlayContext& ctx);

// A face-up card offered to the foundations in order; true when one took it.
bool OfferToFoundations(PlayContext& ctx, int card);

}  // namespace tindle
