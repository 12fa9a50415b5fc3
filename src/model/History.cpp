#include "model/History.h"

#include <array>
#include <string_view>

#include "model/Game.h"
#include "model/Pile.h"
#include "model/Snapshot.h"
#include "shell/settings/SettingsRecord.h"

namespace tindle {

namespace {

constexpr char kEntryEnd = ',';
constexpr int kMarkerDigits = 3;

SettingField AvailabilityMark(HistoryKind kind) {
    return kind == HistoryKind::Undo ? field::UndoAvailable : field::RedoAvailable;
}

// Start and length (without the ',') of marks entry `index`, or npos when there is none.
struct EntrySpan {
    size_t start = std::string::npos;
    size_t length = 0;
};

EntrySpan MarksEntry(const std::string& marks, int index) {
    size_t start = 0;
    for (int i = 0; start < marks.size(); ++i) {
        size_t end = marks.find(kEntryEnd, start);
        if (end == std::string::npos) end = marks.size();
        if (i == index) return {start, end - start};
        start = end + 1;
    }
    return {};
}

int MarksEntryCount(const std::string& marks) {
    int n = 0;
    for (char c : marks)
        n += c == kEntryEnd;
    return n;
}

template <class Lines>
void EraseBlock(Lines& lines, int perSnapshot, int snapshot) {
    auto first = lines.begin() + static_cast<std::ptrdiff_t>(snapshot) * perSnapshot;
    lines.erase(first, first + perSnapshot);
}

void DropSnapshotAt(History& h, int snapshot) {
    EraseBlock(h.stockLines, kMazzoPiles, snapshot);
    EraseBlock(h.foundationLines, kDestPiles, snapshot);
    EraseBlock(h.tableauLines, kFilaPiles, snapshot);
    EraseBlock(h.reserveLines, kAppoggPiles, snapshot);
    EntrySpan e = MarksEntry(h.marks, snapshot);
    if (e.start != std::string::npos) h.marks.erase(e.start, e.length + 1);
}

}  // namespace

void History::Clear() {
    stockLines.clear();
    foundationLines.clear();
    tableauLines.clear();
    reserveLines.clear();
    marks.clear();
}

History& HistoryOf(Game& game, HistoryKind kind) {
    return kind == HistoryKind::Undo ? game.undo : game.redo;
}

void RecordSnapshot(Game& game, HistoryKind kind, SettingsRecord& settings, bool withPiles) {
    History& h = HistoryOf(game, kind);
    if (!withPiles) {
        h.stockLines.resize(h.stockLines.size() + kMazzoPiles);
        h.foundationLines.resize(h.foundationLines.size() + kDestPiles);
        h.tableauLines.resize(h.tableauLines.size() + kFilaPiles);
        h.reserveLines.resize(h.reserveLines.size() + kAppoggPiles);
        h.marks += kEntryEnd;
        settings.Put(AvailabilityMark(kind), "0");
        return;
    }
    const bool foundationOneOut = FoundationOneExcluded(game.def);
    const Piles& piles = game.piles;
    for (const auto& pile : piles.mazzo)
        WriteSnapshotLine(game.cards, pile, h.stockLines.emplace_back());
    for (int j = 0; j < kDestPiles; ++j) {
        std::string& line = h.foundationLines.emplace_back();
        if (j == 0 && foundationOneOut) continue;
        WriteSnapshotLine(game.cards, piles.dest[static_cast<size_t>(j)], line);
    }
    for (const auto& pile : piles.fila)
        WriteSnapshotLine(game.cards, pile, h.tableauLines.emplace_back());
    for (const auto& pile : piles.appogg)
        WriteSnapshotLine(game.cards, pile, h.reserveLines.emplace_back());
    h.marks += kEntryEnd;
    settings.Put(AvailabilityMark(kind), "0");
}

void ClearRedo(Game& game, SettingsRecord& settings) {
    game.redo.Clear();
    settings.Put(field::RedoAvailable, "0");
}

void DropLastSnapshot(History& history) {
    if (history.Empty()) return;
    DropSnapshotAt(history, history.Count() - 1);
}

void DropPreviousSnapshot(History& history) {
    if (history.Count() < 2) return;
    DropSnapshotAt(history, history.Count() - 2);
}

std::string LastMarksEntry(const History& history) {
    EntrySpan e = MarksEntry(history.marks, MarksEntryCount(history.marks) - 1);
    if (e.start == std::string::npos) return {};
    return history.marks.substr(e.start, e.length);
}

void ReplaceLastMarksEntry(History& history, std::string_view entry) {
    EntrySpan e = MarksEntry(history.marks, MarksEntryCount(history.marks) - 1);
    if (e.start == std::string::npos) return;
    history.marks.replace(e.start, e.length, entry);
}

void SetMarker(Game& game, int code) {
    ReplaceLastMarksEntry(game.undo, CardText(code));
}

int CountMarker(const History& history, int code) {
    const std::string wanted = CardText(code);
    int count = 0;
    std::string_view rest = history.marks;
    while (!rest.empty()) {
        size_t end = rest.find(kEntryEnd);
        std::string_view entry = rest.substr(0, end);
        for (size_t at = 0; at + kMarkerDigits <= entry.size(); at += kMarkerDigits) {
            count += entry.substr(at, kMarkerDigits) == wanted;
        }
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return count;
}

void ClearHistories(Game& game, SettingsRecord& settings, bool both) {
    if (both) {
        game.undo.Clear();
        settings.Put(field::UndoAvailable, "0");
    }
    ClearRedo(game, settings);
}

}  // namespace tindle
