#pragma once

#include <string>
#include <string_view>
#include <vector>

// The undo and redo histories: every snapshot is 57 lines (3 stock-family piles, 16
// foundations, 28 tableau columns, 10 reserves), each line the pile's cards bottom first as
// four characters (three-digit card number and face flag; "0000" for a gap). A history keeps
// one list of lines per pile family and a marks text with one ","-terminated entry per
// snapshot.
//
// The operations below are the only writers of a history. Each one that records into or
// clears a history sets that history's availability mark in the settings record
// (field::UndoAvailable, field::RedoAvailable) to "0".

namespace tindle {

class Game;
class SettingsRecord;

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

enum class HistoryKind { Undo, Redo };

History& HistoryOf(Game& game, HistoryKind kind);

// Appends a snapshot of the current piles and face flags, and an empty marks entry (",").
// The move executor calls it on the undo history before it changes any pile. The redo
// history is left alone. Without `withPiles` (a search, which never steps back) the snapshot's
// lines are left empty: the count of snapshots and their marks are kept all the same.
void RecordSnapshot(Game& game, HistoryKind kind, SettingsRecord& settings, bool withPiles = true);

// Empties the redo history and its marks (after every move that was made).
void ClearRedo(Game& game, SettingsRecord& settings);

// Removes the last snapshot and its marks entry; nothing when the history is empty.
void DropLastSnapshot(History& history);
// Removes the snapshot before the last one and its marks entry; the last entry's marker stays
// with the last snapshot. Nothing when the history holds fewer than two snapshots.
void DropPreviousSnapshot(History& history);

// Replaces the last entry of the undo marks by the three-digit code ("001,"); nothing when
// the undo history is empty.
void SetMarker(Game& game, int code);
// The text of the last marks entry without its ',' (empty when there is none), and its
// replacement.
std::string LastMarksEntry(const History& history);
void ReplaceLastMarksEntry(History& history, std::string_view entry);
// Occurrences of the three-digit code over all entries of the history's marks.
int CountMarker(const History& history, int code);

// For a new deal (both true): both histories and their marks are emptied. When play starts
// again without emptying the piles (both false): only the redo history.
void ClearHistories(Game& game, SettingsRecord& settings, bool both);

}  // namespace tindle
