#pragma once

#include <optional>

#include "table/layout/PileHitTest.h"

// Pointer input on the table: the main window forwards its four table events here, with
// window (scrolled) coordinates. A press hit-tests the piles and, by the pile and the game's
// rules, lifts a card or a run (the drag follows the pointer), turns a face-down column top,
// clicks the stock, plays a shortcut or a selection click. The release drops the block on
// the best overlapped pile that takes it (or flies it back), then lets the game's automatic
// fills and autoplay run.
//
// A double click is reported as imgSfondoDblClick followed by the press that belongs to it
// (imgSfondoMouseDown, then imgSfondoMouseUp), the way the toolkit of the original platform
// reports it: a double click that acted makes that press ignored.
//
// Each press, release and double click answers whether it changed the table by itself (the
// automatic moves that follow a release are not counted).

namespace tindle {

struct PlayContext;

enum class MouseButton { Left = 0, Right = 1, Middle = 2 };

bool imgSfondoMouseDown(PlayContext& ctx, MouseButton button, bool ctrl, int x, int y);
void imgSfondoMouseMove(PlayContext& ctx, int x, int y);
bool imgSfondoMouseUp(PlayContext& ctx, int x, int y);
bool imgSfondoDblClick(PlayContext& ctx);

// Whether the mouse holds cards lifted from the table (or holds the stock down).
bool PointerHolds(const PlayContext& ctx);
// Escape while the mouse holds cards: they fly back to their pile and the release that
// follows drops nothing; a held stock is let go without a click. False when nothing is held.
bool CancelPointerHold(PlayContext& ctx);

// ---- The parts of a press, shared with the shortcuts and the selection play.

// A left press on the stock: deals, turns or redeals by the game's deal codes.
bool StockClick(PlayContext& ctx);

// Presses in the games played by pairing (IsPairingGame) and by selection (SelectionGame).
bool PairingClick(PlayContext& ctx, const PileHit& hit);
bool SelectionClick(PlayContext& ctx, const PileHit& hit);

// The shortcuts: the double click at the last press point, the right click and the click of
// the click-play games.
bool DoubleClickShortcut(PlayContext& ctx);
bool RightClickShortcut(PlayContext& ctx, const std::optional<PileHit>& hit);
bool ClickPlayShortcut(PlayContext& ctx, const std::optional<PileHit>& hit);

}  // namespace tindle
