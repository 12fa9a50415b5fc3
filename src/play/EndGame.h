#pragma once

// The end of a game, won or abandoned: the clock stops, the game-state flags are cleared and
// any autoplay run is told to stop; a won game plays the "Won" sound and the winning
// animation, and then the open-a-game dialog is offered. A close of the window asked for
// during the animation is carried out at its end.

namespace tindle {

struct PlayContext;

// Only while a game is in progress (otherwise false at once). Games with a target score are
// won by their score. Answers whether the game was won.
bool EndGame(PlayContext& ctx);

// EndGame when the game-won flag is set (after a move that may have won it).
bool EndGameIfWon(PlayContext& ctx);

}  // namespace tindle
