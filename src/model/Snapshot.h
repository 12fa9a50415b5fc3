#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/Pile.h"

// A snapshot of the table: 57 lines, one per pile, in a fixed order (Mazzo, Mazzo_Vis,
// Mazzo_Waste, Dest1..Dest16, Fila1..Fila28, Appogg1..Appogg10). A line holds the pile's
// cards bottom first, four characters each: the three-digit card number and its face flag
// ('1' up, '0' down); a gap is "0000"; an empty pile gives an empty line.

namespace tindle {

class CardTable;
class Game;
class GameDef;
struct PileRef;

constexpr int kSnapshotLines = 57;
constexpr int kSnapshotCardChars = 4;

using Snapshot = std::array<std::string, kSnapshotLines>;

// The pile of snapshot line i (0..56).
PileRef SnapshotPile(int line);

// Writes the line of one pile into `line` (its buffer is reused).
void WriteSnapshotLine(const CardTable& cards, std::string_view pile, std::string& line);

// Games played by selecting cards keep their selection on foundation 1, and two special
// games use it for their own purposes: its line is recorded empty and never written back.
bool FoundationOneExcluded(const GameDef& def);

// All 57 lines of the current table.
void TakeSnapshot(const Game& game, Snapshot& snapshot);

// Writes a snapshot back into the piles and the face flags. Foundation 1 is left as it is
// when the game excludes it from the history.
void RestoreSnapshot(Game& game, const Snapshot& snapshot);

}  // namespace tindle
