#pragma once

#include <optional>
#include <string_view>

#include "model/Move.h"
#include "model/Piles.h"

// The tests of the selection games: given the selection (card numbers in click order, the
// card just clicked last) a game's rule answers whether it is rejected, still incomplete, or
// complete (and is then removed). The rule is chosen by the game's win-condition code
// (SpecialGame).

namespace tindle {

class Game;

enum class SelectionVerdict { Rejected, Incomplete, Complete };

// The cards a click of the pairing games (IsPairingGame) selects: PairsOf14 the top card of a
// column or reserve, the pyramid an uncovered card of a row or the top card of the stock or
// the waste, MarkOnly any card.
bool PairingClickable(const Game& game, PileRef pile, int card);

SelectionVerdict JudgeSelection(const Game& game, std::string_view selection);

// Which family of test a code uses (exposed for tests and for the click handling).
enum class SelectionFamily {
    TouchingPairs,     // two cards of one rank in touching cells of the grid
    SumsOfTen,         // card values (courts count 10) adding up to 10, 20 or 30
    SameRankPairs,     // two face-up cards of one rank
    ElevensAndCourts,  // two pip cards making 11, or Jack, Queen and King
    SumsOfThirteen,    // a King alone, or two cards making 13
    SumsOfFourteen,    // two cards making 14
    RowNeighbours,     // one or two cards between two cards of a suit or a rank
};

SelectionFamily FamilyOf(int specialGame);

// The move a click on the stock makes in a selection game: closing the grid's gaps
// (MonteCarlo, FourColumnsLeft) or a card to each column (the games that deal by the stock);
// nullopt for the games whose stock click is the ordinary one.
std::optional<MoveKind> SelectionStockMove(int specialGame);

// The families that select only face-up cards (a click on a face-down top card turns it up).
bool SelectsFaceUpOnly(SelectionFamily family);

}  // namespace tindle
