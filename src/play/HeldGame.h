#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Game.h"
#include "model/History.h"
#include "model/Snapshot.h"

// A game in progress held across a restart of the program: when the program closes during a
// game, everything of that game is written to one file in DATA, and the next start resumes it
// from there instead of offering the game chooser.
//
// The file is text, versioned, written atomically and read with a size limit. Every field is
// checked when it is read, and a checksum over the whole text catches what the field checks
// cannot (a digit changed inside a pile); a file that fails any check is discarded as a
// whole, never half restored. The definition hash ties the held game to the rules it was
// played by: a GAMES.DAT whose definition of that game changed discards it too.

namespace tindle {

class GameDef;
class SettingsRecord;
struct PlayContext;

inline constexpr std::string_view kHeldGameFileName = "HOLD.DAT";
inline constexpr int kHeldGameVersion = 1;

struct HeldGame {
    int gameId = -1;
    std::string gameNumber;       // the 13 digits
    uint64_t definitionHash = 0;  // DefinitionHash of the game's definition as the file gives it
    Snapshot table;               // every pile as it lies (foundation 1 included)
    std::string faces;            // the face flag of every card 1..108
    std::vector<int> dealFields;  // the foundation and tableau bases the deal set
    GameCounters counters;
    History undo;
    History redo;
    // The counters of each snapshot (as many as snapshots, or none) and the player actions
    // (snapshots per action, adding up to the snapshots) of each history.
    std::vector<GameCounters> undoCounters;
    std::vector<GameCounters> redoCounters;
    std::vector<int> undoActions;
    std::vector<int> redoActions;
    std::string markedCards;
    std::string score;
    int seconds = 0;  // the clock's time so far
    // The Demo played moves in it: a win of it is no win of the player's.
    bool demoPlayed = false;

    bool operator==(const HeldGame&) const = default;
};

// A hash of a game's rule fields: any change of the definition changes it.
uint64_t DefinitionHash(const GameDef& def);

// The game in progress of the context, with the clock's time so far.
HeldGame CaptureHeldGame(const PlayContext& ctx, int seconds);

// The file's text, and the held game read back from it (nullopt, with the reason, when the
// text fails any check).
std::string HeldGameText(const HeldGame& held);
std::optional<HeldGame> ParseHeldGame(std::string_view text, std::string& problem);

// Puts the held game on the table as it was: its definition loaded and laid out, the piles,
// the face flags, both histories with their counters and actions, the counters, the score and
// the caption. The clock is left to the caller (it stays stopped until the first move). A game
// that is no longer in the catalogue, or whose definition changed, changes nothing and answers
// false with the reason.
bool ResumeHeldGame(PlayContext& ctx, const HeldGame& held, std::string& problem);

// The file in DATA.
std::filesystem::path HeldGamePath(const SettingsRecord& settings);
// Writes the game in progress (atomically). False when it could not be written.
bool HoldGame(const PlayContext& ctx, int seconds);
// Reads the held game. nullopt when there is none, and also, with the reason in problem, when
// the file cannot be read or fails a check; such a file is deleted.
std::optional<HeldGame> ReadHeldGame(const SettingsRecord& settings, std::string& problem);
// Deletes the file (a held game that was resumed and then won or given up).
void DiscardHeldGame(const SettingsRecord& settings);

// What the player is told when a held game cannot be resumed.
std::string HeldGameDiscardedMessage(const std::string& problem);

}  // namespace tindle
