#pragma once

#include <array>
#include <cstdint>

// Untidy columns: small X offsets that make the cards of a downward-fanned tableau column
// lie slightly askew, as real cards do. Seven rows of thirteen offsets, drawn afresh for
// every new game; a column uses row (c < 7 ? c : c mod 6) + 1 and the entry of its depth.

namespace tindle {

class Random;

class ColumnJitter {
  public:
    static constexpr int kRows = 7;
    static constexpr int kEntries = 13;

    // All offsets 0 (a tidy table) until the first regeneration.
    ColumnJitter() = default;

    // Draws new offsets. Each row starts with 0; the following entries are small steps whose
    // running sum never leaves -2..2, and a step away from 0 is mostly followed by a return.
    void Regenerate(Random& random);

    // Entry i (0..12) of row 1..7; 0 outside the table.
    int Entry(int row, int i) const;

    // The offset of the card at depth d (0-based) of tableau column c (0-based): depths above
    // 12 wrap (d mod 12); a negative depth has no offset.
    int ColumnOffset(int column, int depth) const;

  private:
    std::array<std::array<int16_t, kEntries>, kRows> rows_{};
};

}  // namespace tindle
