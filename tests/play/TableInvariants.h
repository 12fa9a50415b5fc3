#pragma once

#include <map>
#include <string>

#include "model/Game.h"

// What must hold of the table after every move, undo and redo of any game: no card lost or
// doubled, the face flags as the game's piles keep them, and undo followed by redo giving back
// the same table.

namespace tindle::test {

// Card number -> how many times it lies in the piles (gaps and the selection copies on
// foundation 1 of the selection games left out).
std::map<int, int> CardCounts(const Game& game);

// "" when the table holds exactly the cards of `deck` once each and its face flags follow
// the game's rules; otherwise what is wrong.
std::string CheckTable(const Game& game, const std::map<int, int>& deck);

}  // namespace tindle::test
