#pragma once

#include <optional>
#include <vector>

#include "model/CardPlaces.h"
#include "model/Piles.h"
#include "model/TableRect.h"

// Play with the keyboard. A focus rests on one pile of the table; the arrow keys move it to
// the nearest pile in their direction (by the piles' places on the table), Tab and Shift+Tab
// through the piles in a fixed order (KeyboardPiles). Activate (Space or Enter) on a pile
// either clicks it, as a mouse click would (the stock, the empty waste, a face-down column
// top, every pile of the games played by clicks and selections), or lifts its movable cards:
// the longest block the lift rules allow, which Up and Down shorten and lengthen while the
// focus stays on that pile. Activate on another pile then drops the block there through the
// drop rules, the flight and the move executor of a shortcut, with the release's automatic
// moves and end of game after it; a drop the pile refuses beeps and keeps the block lifted.
// Activate on the block's own pile, or Cancel (Escape), puts it down again. While the mouse
// holds cards, Cancel sends them back to their pile and the other keys do nothing.
//
// Everything is in the table's own (window) coordinates and pile references, so that the
// front end only maps keys and draws the focus and the lifted block where they say.

namespace tindle {

struct PlayContext;

enum class TableKey { Left, Right, Up, Down, Next, Previous, Activate, Cancel };

// The keyboard's state, kept with the play session (PlaySession::keyboard).
struct KeyboardFocus {
    bool shown = false;       // a table key was used since the last press of the mouse
    PileRef pile{};           // the focused pile (checked against the table before each use)
    int liftedCard = 0;       // the lowest card of the lifted block, 0 when nothing is lifted
    CardPlace liftedPlace{};  // where that card lay when it was lifted
};

// The piles on the table that the focus visits, in the order of Tab: stock, waste, second
// waste, reserves, foundations, columns (each kind first to last). Empty without a game.
std::vector<PileRef> KeyboardPiles(const PlayContext& ctx);

// Handles a table key; false when the key did nothing that belongs to the table (no game in
// progress, or Cancel with nothing lifted), so that the window may use it.
bool TableKeyPress(PlayContext& ctx, TableKey key);

// The mouse takes over: the lifted block is put down and the focus is no longer shown.
void HideKeyboardFocus(PlayContext& ctx);

// The focused pile while the focus is shown.
std::optional<PileRef> FocusedPile(const PlayContext& ctx);
// Where the lifted block lies (its pile and lowest card's position), if a block is lifted.
std::optional<CardPlace> LiftedBlock(const PlayContext& ctx);

// What the front end draws: a frame around the focused pile and the lifted cards marked, in
// window coordinates; empty rectangles when there is nothing to draw.
TableRect KeyboardFocusRect(const PlayContext& ctx);
TableRect LiftedBlockRect(const PlayContext& ctx);

}  // namespace tindle
