#pragma once

#include <optional>
#include <string_view>

#include "model/Game.h"
#include "model/Ports.h"
#include "model/Random.h"
#include "play/TableView.h"
#include "shell/settings/SettingsRecord.h"

// The winning animation: when a game is won, card pictures are stamped over the table in one
// of six patterns for a set time, or until the player interrupts it by clearing
// Game::flags.animationRunning (the main window's input filter does that on a key or
// mouse-button press). Every card goes to the window and into TableImage, so the stamped
// cards stay on the table until the next full repaint.
//
// The animation runs inside the caller's event handler: it busy-waits its short pauses on the
// tick count and lets pending window events run at fixed points through the time port, which
// is how the interruption and a close request reach it.

namespace tindle {

// The patterns, in the order of their names in the preferences.
enum class WinningPattern { OpenOrder, LeftToRight, UpToDown, Festoons, Lines, Circles };

// The stored name of a pattern ("Open order", "Left to right", ...).
std::string_view WinningPatternName(WinningPattern pattern);
// The pattern of a stored name (case and surrounding blanks ignored); nullopt for
// "(Random)" and for any name that is not a pattern.
std::optional<WinningPattern> WinningPatternFromName(std::string_view name);

// What the animation needs to know of the window, in the coordinates of TableView::DrawCard.
// The window size is the whole window (with its frame where the platform has one), the client
// size its drawing area; both are the same where the frame is not known.
struct WinningAnimationArea {
    int windowWidth = 0;
    int windowHeight = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    // The top edge of the free table: the bottom of the visible toolbar, else 5.
    int top = 5;
    int cardWidth = 71;
    int cardHeight = 96;
};

// The objects the animation works with; all must outlive the call.
struct WinningAnimationPorts {
    Game& game;                      // flags.animationRunning is set, watched and cleared
    TableView& view;                 // every stamp: DrawCard(card, x, y, false, Both)
    TimePort& time;                  // clock, busy pauses, letting window events run
    Random& random;                  // positions, directions and cards
    const SettingsRecord& settings;  // Speed_Move_Card and the winning animation's options
};

// Runs the winning animation to its end and returns. patternName and seconds take the place
// of the preferences Winning_Animations ("(Random)" by default) and Winning_Animations_Time
// (30 by default), which are taken from the settings record's options when not given.
// "(Random)" picks one of the first three patterns; a name that is not a pattern counts as
// "(Random)". A negative duration counts as 0; a duration of 0 still runs the first pass of
// the pattern. AnimationRunning is set at the start and always clear at the end. Returns the
// pattern that ran.
WinningPattern PlayWinningAnimation(const WinningAnimationPorts& ports,
                                    const WinningAnimationArea& area,
                                    std::optional<std::string_view> patternName = std::nullopt,
                                    std::optional<int> seconds = std::nullopt);

}  // namespace tindle
