#pragma once

#include <array>
#include <string>
#include <string_view>

#include "table/layout/LayoutInputs.h"

// The zoom of the table: the layout is computed in table pixels for a table of the window's
// size divided by the zoom, and the table is drawn that many times larger, so that every
// geometry of the layout and the drawing holds unchanged in table pixels. The player picks
// a zoom in the Customize dialog ("Card size") or lets the program pick the largest at
// which the game fits the window (Automatic, recomputed at every layout).

namespace tindle {

class GameDef;
class TMainGame;

// The zooms offered, in percent.
inline constexpr std::array<int, 6> kZoomPercents{100, 125, 150, 200, 250, 300};
// The Automatic choice.
inline constexpr int kAutomaticZoom = 0;
// The preference (section Preference) and its text for Automatic.
inline constexpr std::string_view kCardZoomKey = "Card_Zoom";
inline constexpr std::string_view kAutomaticZoomText = "Automatic";

// The zoom a stored preference asks for: one of kZoomPercents, or kAutomaticZoom for
// "Automatic" and for anything that is not one of them.
int ParseCardZoom(std::string_view stored);
// The stored text of a choice: "Automatic" or the percentage ("150").
std::string CardZoomText(int percent);

// The layout's inputs for the table at a zoom: the window's sizes, its top and the screen
// divided by the zoom (the top rounded up, so that nothing goes under the toolbars).
LayoutInputs ZoomedInputs(const LayoutInputs& window, int percent);

// Whether a computed layout fits its table: every pile's place lies inside it, and below
// the top of a column fanned downwards there is room for a whole suit of face-up cards.
bool LayoutFits(const TMainGame& layout, const GameDef& def, const LayoutInputs& in);

// The inputs of a table too small for the game's piles at their card size (a large zoom in a
// small window): where the places of the piles overlap one another, or lie left of or above
// the table, more than they do on a table with room for every pile side by side, the inputs
// widened, then heightened, by the least whole quarter cards at which they no longer do; the
// window then scrolls over the larger table. Elsewhere the inputs as they are.
LayoutInputs RoomForPiles(const LayoutInputs& in, const GameDef& def, char cardSizeLetter);

// The largest zoom of kZoomPercents at which the game's layout fits the window with room for
// its piles (RoomForPiles), 100 when none does. window holds the window's inputs at zoom 100.
int AutomaticZoomPercent(const LayoutInputs& window, const GameDef& def, char cardSizeLetter);

}  // namespace tindle
