#pragma once

#include "play/WinningAnimation.h"

// The winning animation on the main window. The game-end handling calls it after the "Won"
// sound, with the window's animation hook installed, so that a key or button press stops it;
// a close asked for meanwhile is refused by the window and carried out by the caller once
// this returns (TfrmMain::ExitRequested).

namespace tindle {

class TfrmMain;

// The sizes the animation works with: the whole window (its frame included), the table widget
// on which the cards are stamped (the table view's coordinates), the bottom of the visible
// toolbar row over the table (5 when none shows) and the card size in use.
WinningAnimationArea MeasureWinningArea(TfrmMain& window);

// Gives the window the focus and runs the animation, pattern and time from the preferences,
// until it ends or is interrupted. The stamped cards stay on the table until it is redrawn.
WinningPattern PlayWinningAnimationOn(TfrmMain& window);

}  // namespace tindle
