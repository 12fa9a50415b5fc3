#pragma once

#include <optional>

#include "model/Pile.h"

// The end of a game as the rules see it: whether the table in play is won (by the game's
// win-condition code, SpecialGame) and the game's score. Pure questions of the table; the
// play code shows the score and runs the end-of-game sequence.

namespace tindle {

class Game;
class SettingsRecord;

// The scoring system whose standard score this program keeps (settings field
// ScoringSystem); start-up always sets it.
inline constexpr const char* kStandardScoring = "01";

// Whether the table in play is won. Games won by score compare ScoreOf with TargetScore.
bool IsGameWon(const Game& game, const SettingsRecord& settings);

// The score of the table by the game's code; nullopt when the game keeps no score (code 9)
// and when a game scored by the standard formula is played under another scoring system
// (the score is then left as it stands).
std::optional<int> ScoreOf(const Game& game, const SettingsRecord& settings);

// The standard formula: 5 for every card on the foundations and on the second waste, 5 for
// every bonus unit, minus the deck's cards and 5 for every joker. Foundation 1 does not
// count in the games that keep their selection there.
int StandardScore(const Game& game);

// While FillPhaseRule is 1 and the first move has not been made, only cards of the tableau
// may go, and only to the foundations; autoplay and the automatic column filling wait.
bool FillPhaseOpen(const Game& game);

// A column of exactly nine cards of ranks 9, 8, .., 1 from the bottom up (special::NineDown).
bool ColumnIsNineDown(const Pile& pile);

}  // namespace tindle
