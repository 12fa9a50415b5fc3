#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

// The player's statistics per game: how many games were played and won, the current and the
// longest winning streak, the shortest time and the best score of a won game. They live in
// the player's statistics file in DATA (shell/settings/StatisticsFiles.h), written atomically
// after every change and read once per run, with a size limit and every field checked; a file
// that fails a check is replaced by fresh statistics and the player is told, and no other
// file is touched.
//
// What counts:
// - a game counts as played once the player's first move is made (the moves of the deal and
//   of the autoplay that follows it are not the player's);
// - a won game counts a win: the streak grows, and its time and score may be the best;
// - a played game given up (New game, Open, Restart, a number dealt) counts a loss: the
//   current streak goes back to 0. Restarting a deal the player has moved in gives that game
//   up too: the restarted deal is a new game;
// - a game held at exit is neither won nor lost: it resumes at the next start as the same
//   played game, counted once. A played game that is neither held nor ended (the program was
//   killed, its held file was discarded) is lost at the next start;
// - a game the Demo played a part of is played but not won: winning it is the Demo's, not the
//   player's, so it ends the streak as a loss does.

namespace tindle {

struct PlayContext;

inline constexpr int kStatisticsVersion = 1;

struct GameRecord {
    int played = 0;
    int won = 0;
    int currentStreak = 0;
    int longestStreak = 0;
    std::optional<int> bestSeconds;  // the shortest won game
    std::optional<int> bestScore;    // the highest score of a won game that keeps a score

    bool operator==(const GameRecord&) const = default;
};

struct Statistics {
    // By GameId; a game never played has no record. Records of games no longer in the
    // catalogue are kept as they are.
    std::map<int, GameRecord> games;
    // The game counted as played that has been neither won nor given up (-1 none).
    int unfinished = -1;

    GameRecord Of(int gameId) const;
    bool operator==(const Statistics&) const = default;
};

// ---- The bookkeeping.
void CountPlayed(Statistics& stats, int gameId);
void CountWon(Statistics& stats, int gameId, int seconds, std::optional<int> score);
void CountLost(Statistics& stats, int gameId);

// ---- The file's text, and the statistics read back from it (nullopt, with the reason, when
// the text fails any check).
std::string StatisticsText(const Statistics& stats);
std::optional<Statistics> ParseStatistics(std::string_view text, std::string& problem);

// ---- What the player is shown.
// "h:mm:ss", the hours without a leading zero.
std::string ElapsedTimeText(int seconds);
// The won game's line: "Won in 0:04:31 — 12 of 20 won, streak 3".
std::string WonLine(const GameRecord& record, int seconds);
// The same for a game the Demo won (not counted as a win); the time alone where the game was
// never played.
std::string DemoWonLine(const GameRecord& record, int seconds);
// The won share in whole percent ("60%"), empty when nothing was played.
std::string WinRateText(const GameRecord& record);

// ---- The player's statistics in play (the PlaySession's).
struct StatisticsSession {
    // Statistics are kept (the program's window sets it; tools and most tests keep none).
    bool kept = false;
    // Read from the file at the first use of the run.
    std::optional<Statistics> stats;
    // The file could not be written, and the player was told (once a run).
    bool writeFailureTold = false;
    // The game in progress is counted as played.
    bool gamePlayed = false;
    // The Demo played moves in the game in progress.
    bool demoPlayed = false;
    // The Demo is making a move: it is not the player's, and counts no game as played.
    bool demoMoving = false;
    // A deal is being made and the autoplay after it runs: its moves are not the player's.
    bool dealing = false;
};

// The player's statistics, read from the file at the first call of the run. A file that
// cannot be read or fails a check is replaced by fresh statistics, and the player is told.
Statistics& PlayerStatistics(PlayContext& ctx);

// A move was made on the table: the player's first move of a game counts it as played.
void StatisticsMoveMade(PlayContext& ctx);

// The game in progress ends, won or not, after `seconds` of play. Answers the line to show
// after the winning animation (nothing when the game was not won or no statistics are kept).
std::optional<std::string> StatisticsGameEnded(PlayContext& ctx, bool won, int seconds);

// At the start of the program, after a held game was resumed (its GameId) or not (-1): the
// resumed game stays the played game it was; any other unfinished game is lost.
void StatisticsAtStart(PlayContext& ctx, int resumedGameId);

// Every game back to nothing played, written at once.
void ResetStatistics(PlayContext& ctx);

}  // namespace tindle
