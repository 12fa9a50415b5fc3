#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Piles.h"
#include "model/TableRect.h"

// What lies under a point of the table: the extent of a pile's cards, the card of a pile
// that owns a point (the fan search), and the search over all piles in the order in which
// they are tried. All coordinates are window (scrolled) coordinates, as the pointer gives
// them; rectangles hold their left and top edges but not their right and bottom ones.

namespace tindle {

class Game;
class TMainGame;

// The rectangle the cards of a pile cover: for a pile fanned downwards (styles 1, 3, 5, 7)
// from its top to the bottom of its last card, one card wide; fanned to the right (2, 4, 6)
// from its left edge to the right edge of its last card, one card high; otherwise, and for
// an empty pile, one card at its place. The stock family and the foundations are one card at
// the place of their top card. nullopt for a pile off the table.
std::optional<TableRect> PileExtent(const TMainGame& tm, const Game& game, PileRef ref);

// The piles of the game that lie on the table: of the stock family, and of the foundations,
// columns and reserves the game uses.
std::vector<PileRef> PilesOnTable(const TMainGame& tm, const Game& game);

// Everything of the game on the table: the union of the extents of its piles (PilesOnTable).
// nullopt when none lies on the table.
std::optional<TableRect> TableExtent(const TMainGame& tm, const Game& game);

struct CardHit {
    int position = 0;  // 0 = the bottom card of the pile
    int card = 0;      // the card number there (0 for a gap)
    TableRect rect;    // the card's own rectangle
};

// The fan search: each card of the pile, from the bottom, owns a band from its own top (or
// left) edge, and the next card starts where the band ends; the top card's band is the whole
// card. Bands: styles 1 and 3 the face-up or face-down Y step by the card's face; style 7
// the face-up step for the first card and nothing for the others; style 5 the stack's Y
// step; style 2 the face-up or face-down X step; style 6 the diagonal X step; style 4 one
// card width followed by a gap of the spread gap that belongs to no card. In style 3 the
// card found is always the top card, at the pile's place. For any other style (no spread)
// the top card is found when the point lies on it. nullopt for an empty pile or a point that
// no band holds.
std::optional<CardHit> FanSearch(const TMainGame& tm, const Game& game, PileRef ref, int x, int y);

struct PileHit {
    PileRef pile;
    int card = 0;  // the card under the point (the top card for the stock family and the
                   // foundations), 0 when none
    TableRect rect;
};

// The piles tried in order: the stock family (one card each, also when empty); the tableau
// columns first to last (last to first when they lie side by side, style 4), the first whose
// extent holds the point is searched and counts only when the search finds a card; the
// foundations by the place of their top card; the reserves that hold cards, by the fan
// search. Side-by-side columns (style 4) and columns of style 8 (whose cards all lie on one
// spot and whose extent is the whole table) are tried on until one yields a card. nullopt
// when the point hits no pile.
std::optional<PileHit> HitTestTable(const TMainGame& tm, const Game& game, int x, int y);

}  // namespace tindle
