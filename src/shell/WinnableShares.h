#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The share of deals the solver wins, measured per game and kept as data beside GAMES.DAT
// (WINNABLE.DAT, written by `make winnable-shares`): the open-a-game dialog shows it in place
// of the game's own guess. A line holds a GameId, the deals won, the deals searched and the
// game's name:
//
//   # comment
//   1 986 1000 Freecell
//
// A line counts only for the game of the same id and name, so a game renumbered or renamed
// since the measurement falls back on its guess. A missing, unreadable or damaged file, and any
// line that is not of this form, give no share: never an error.

namespace tindle {

inline constexpr std::string_view kWinnableSharesFileName = "WINNABLE.DAT";

struct WinnableShare {
    int gameId = -1;
    std::string name;
    int won = 0;       // deals the solver won: a lower bound of the winnable ones
    int searched = 0;  // deals searched (more than 0, at least `won`)
};

using WinnableShares = std::vector<WinnableShare>;

// The well-formed lines of a file's text.
WinnableShares ParseWinnableShares(std::string_view text);

// The shares of the file at `path`; none when it is missing, unreadable or too large.
WinnableShares ReadWinnableShares(const std::filesystem::path& path);

// The measurement of the game with this id and name (its first line), if any.
std::optional<WinnableShare> FindWinnableShare(const WinnableShares& shares, int gameId,
                                               std::string_view name);

// "at least 98.6 % (solver)": the share rounded down to a tenth, as the solver's unknown
// verdicts may hide more winnable deals. It fits the dialog's value column; the counts go
// into WinnableShareDetail.
std::string WinnableShareText(const WinnableShare& share);

// "The solver won 986 of 1000 deals. A deal it could not decide in time may be winnable too."
std::string WinnableShareDetail(const WinnableShare& share);

// The chance-of-winning class (0 very high .. 4 very low) of the share: one class per fifth.
int WinnableShareClass(const WinnableShare& share);

// Whether Winnable deals only searches for a game with this measurement: not where the solver
// won fewer than one deal in five, as each number may take the search its whole budget and
// most searches would then end without a win, the player having waited for an ordinary deal.
// A game never measured is searched.
bool WinnableSearchPays(const std::optional<WinnableShare>& share);

}  // namespace tindle
