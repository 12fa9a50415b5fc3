#include "model/UndoRedo.h"

#include <string>

#include "model/Game.h"
#include "model/Snapshot.h"

namespace tindle {

namespace {

void ReadLastSnapshot(const History& h, Snapshot& snapshot) {
    const size_t k = static_cast<size_t>(h.Count() - 1);
    size_t line = 0;
    for (size_t i = 0; i < kMazzoPiles; ++i)
        snapshot[line++] = h.stockLines[k * kMazzoPiles + i];
    for (size_t i = 0; i < kDestPiles; ++i)
        snapshot[line++] = h.foundationLines[k * kDestPiles + i];
    for (size_t i = 0; i < kFilaPiles; ++i)
        snapshot[line++] = h.tableauLines[k * kFilaPiles + i];
    for (size_t i = 0; i < kAppoggPiles; ++i)
        snapshot[line++] = h.reserveLines[k * kAppoggPiles + i];
}

// Moves one step from history `from` to history `to`: the current table is recorded on `to`
// with the step's marker, and `from`'s last snapshot becomes the table.
bool Step(Game& game, SettingsRecord& settings, HistoryKind from, HistoryKind to) {
    History& source = HistoryOf(game, from);
    if (source.Empty()) return false;
    Snapshot snapshot;
    ReadLastSnapshot(source, snapshot);
    const std::string marker = LastMarksEntry(source);

    RecordSnapshot(game, to, settings);
    ReplaceLastMarksEntry(HistoryOf(game, to), marker);
    RestoreSnapshot(game, snapshot);
    DropLastSnapshot(source);
    return true;
}

}  // namespace

bool Undo(Game& game, SettingsRecord& settings) {
    return Step(game, settings, HistoryKind::Undo, HistoryKind::Redo);
}

bool Redo(Game& game, SettingsRecord& settings) {
    return Step(game, settings, HistoryKind::Redo, HistoryKind::Undo);
}

}  // namespace tindle
