#include "solve/SearchScope.h"

#include <string>
#include <vector>

#include "model/Game.h"
#include "model/History.h"

namespace tindle {

namespace {

// Of the snapshots of `history` only the first one of each marker.
void KeepFirstMarkers(History& history) {
    if (history.marks.find_first_not_of(',') == std::string::npos) {
        history.Clear();
        return;
    }
    History kept;
    std::string seen;
    size_t start = 0;
    for (int s = 0; s < history.Count(); ++s) {
        const size_t end = history.marks.find(',', start);
        const std::string entry = history.marks.substr(start, end - start);
        start = end + 1;
        if (entry.empty() || seen.find(entry + ",") != std::string::npos) continue;
        seen += entry + ",";
        auto copy = [s](const std::vector<std::string>& from, std::vector<std::string>& to,
                        int per) {
            to.insert(to.end(), from.begin() + s * per, from.begin() + (s + 1) * per);
        };
        copy(history.stockLines, kept.stockLines, 3);
        copy(history.foundationLines, kept.foundationLines, 16);
        copy(history.tableauLines, kept.tableauLines, 28);
        copy(history.reserveLines, kept.reserveLines, 10);
        kept.marks += entry + ",";
    }
    history = std::move(kept);
}

}  // namespace

void DropPlayHistory(Game& game) {
    KeepFirstMarkers(game.undo);
    game.redo.Clear();
}

}  // namespace tindle
