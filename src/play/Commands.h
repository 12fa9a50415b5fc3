#pragma once

// The commands of the main window that belong to play: stepping through the histories and
// the Autoplay switch. (New game and opening a game are NewGame.h.)

namespace tindle {

struct PlayContext;

// One step back (or forward) in the histories of the game in play: the table is redrawn and
// the score recomputed. False when there is nothing to step to or no game is in progress.
bool UndoCommand(PlayContext& ctx);
bool RedoCommand(PlayContext& ctx);

// The Autoplay command: ticks it off when on, on when off; switched on during a game, it
// plays every card that may go to the foundations (with the game's column fills) before
// returning.
void AutoplayCommand(PlayContext& ctx);
// Autoplay switched to a given state as the command does (the per-game store applied when a
// game is loaded); nothing when it already is in that state.
void SetAutoplay(PlayContext& ctx, bool on);

}  // namespace tindle
