#pragma once

#include <string>
#include <vector>

// The undo and redo histories: every snapshot is 57 lines (3 stock-family piles, 16
// foundations, 28 tableau columns, 10 reserves), each line the pile's cards bottom first as
// four characters (three-digit card number and face flag; "0000" for a gap). A history keeps
// one list of lines per pile family and a marks text with one ","-terminated entry per
// snapshot.

namespace tindle {

class Game;

struct History {
    std::vector<std::string> stockLines;       // 3 per snapshot
    std::vector<std::string> foundationLines;  // 16 per snapshot
    std::vector<std::string> tableauLines;     // 28 per snapshot
    std::vector<std::string> reserveLines;     // 10 per snapshot
    std::string marks;

    int Count() const { return static_cast<int>(stockLines.size()) / 3; }
    bool Empty() const { return stockLines.empty(); }
    void Clear();
    bool operator==(const History&) const = default;
};

}  // namespace tindle
