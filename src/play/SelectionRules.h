#pragma once

#include <string_view>

// The tests of the selection games: given the selection (card numbers in click order, the
// card just clicked last) a game's rule answers whether it is rejected, still incomplete, or
// complete (and is then removed). The rule is chosen by the game's win-condition code
// (SpecialGame).

namespace tindle {

class Game;

enum class SelectionVerdict { Rejected, Incomplete, Complete };

SelectionVerdict JudgeSelection(const Game& game, std::string_view selection);

// Which family of test a code uses (exposed for tests and for the click handling).
enum class SelectionFamily {
    TouchingPairs,     // two cards of one rank in touching cells of the grid (codes 8, 18, 23, 45)
    SumsOfTen,         // card values (courts count 10) adding up to 10, 20 or 30 (codes 14, 20)
    SameRankPairs,     // two face-up cards of one rank (codes 1, 25, 41, 47, 48)
    ElevensAndCourts,  // two pip cards making 11, or Jack, Queen and King (codes 16, 26)
    SumsOfThirteen,    // a King alone, or two cards making 13 (code 17)
    SumsOfFourteen,    // two cards making 14 (code 24)
    RowNeighbours,     // one or two cards between two cards of a suit or a rank (codes 21, 22)
};

SelectionFamily FamilyOf(int specialGame);

// The families that select only face-up cards (a click on a face-down top card turns it up).
bool SelectsFaceUpOnly(SelectionFamily family);

}  // namespace tindle
