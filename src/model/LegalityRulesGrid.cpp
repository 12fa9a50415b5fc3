#include <cstdlib>

#include "model/LegalityRules.h"

// The grid games: tableau columns are the cells of rows GridRowWidth wide, numbered from 1
// row by row. A card moves into an empty cell, a step away (GridStep) or jumping over an
// occupied cell (GridJump).

namespace tindle::legality {

namespace {

struct GridMove {
    int from = 0;  // the card's cell, numbered from 1
    int to = 0;    // the destination cell
    int width = 0;
    int Row(int cell) const { return (cell - 1) / width; }
    bool SameRow() const { return Row(from) == Row(to); }
    int Distance() const { return std::abs(from - to); }
};

// The move, when the destination is an empty cell and the card lies in a cell of the grid.
bool IntoEmptyCell(const PlaceContext& c, GridMove& move) {
    move.width = c.game.def[gd::GridRowWidth];
    move.from = c.Source();
    move.to = c.q.destIndex + 1;
    return move.width >= 1 && c.Empty() && LocIsTableau(move.from);
}

}  // namespace

// Into an empty cell from its left or right neighbour in the row, or from the cell above or
// below it.
bool RuleGridStep(const PlaceContext& c) {
    GridMove move;
    if (!IntoEmptyCell(c, move)) return false;
    return (move.SameRow() && move.Distance() == 1) || move.Distance() == move.width;
}

// Into an empty cell two cells away in the row or two rows away in the column, over an
// occupied cell.
bool RuleGridJump(const PlaceContext& c) {
    GridMove move;
    if (!IntoEmptyCell(c, move)) return false;
    const bool jump = (move.SameRow() && move.Distance() == 2) || move.Distance() == 2 * move.width;
    if (!jump) return false;
    return HoldsCards(Column(c.game, JumpedGridCell(c.game, c.q.card, c.q.destIndex)));
}

// The cell halfway between the card's cell and the destination.
int JumpedGridCell(const Game& game, int card, int column) {
    return (game.Locate(card) + column + 1) / 2 - 1;
}

}  // namespace tindle::legality
