#pragma once

#include <optional>
#include <string>

#include "model/Catalogue.h"
#include "model/GamesDatText.h"
#include "shell/WinnableShares.h"

// What the open-a-game dialog tells about a game: its decks, its four ratings with their
// pictures and its redeals, from single fields of the game's definition; the chance of winning
// from the solver's measurement instead, where there is one (WinnableShares.h).

namespace tindle {

// The fields the description reads. A field that could not be read holds kGameInfoUnread
// (GamesDat.h), and its text and picture are then empty.
struct GameInfoValues {
    int durationClass;    // 0 long, 1 medium, 2 quick
    int rulesDifficulty;  // 0 easy, 1 medium, 2 hard
    int skillClass;       // 0 difficult .. 4 chance only
    int stockPasses;      // passes through the stock (redeals + 1), -1 unlimited
    int deckCards;        // cards of the deck without jokers
    int wonGamesOf;       // "about wonGames in wonGamesOf"; 0: no figure
    int wonGames;
    int winChance;  // 0 very high .. 4 very low
};

// Every value kGameInfoUnread.
GameInfoValues UnreadGameInfo();

// Reads the values of one game (addressing the field lines by position). On failure the
// status tells why and `values` is left as it was.
GamesDatStatus ReadGameInfoValues(const Catalogue& catalogue, int gameId, GameInfoValues& values);

// A rating: its word and the name of its picture; both empty for a value out of range.
struct Rating {
    std::string text;
    std::string picture;
};

struct GameDescription {
    std::string decks;          // "Decks:"
    Rating gameTime;            // "Game time:"
    Rating difficulty;          // "Difficulty level:"
    Rating skill;               // "Skill level:"
    Rating winning;             // "Chance of winning:", with " (about x in y)" when known
    std::string winningDetail;  // the counts behind a measured share; empty for the guess
    std::string redeals;        // "Redeals:"
};

// `measured`: the game's share of deals the solver wins, which replaces the guess of its
// fields.
GameDescription DescribeGame(const GameInfoValues& values,
                             const std::optional<WinnableShare>& measured = std::nullopt);

// The single texts: whole decks of 52 cards (a part deck is dropped); redeals "Unlimited"
// for -1, otherwise one less than the passes ("0" for 0 passes too).
std::string DecksText(int deckCards);
std::string RedealsText(int stockPasses);
Rating GameTimeRating(int durationClass);
Rating DifficultyRating(int rulesDifficulty);
Rating SkillRating(int skillClass);
Rating WinningRating(int winChance, int wonGames, int wonGamesOf);
// The measured share as its text and the picture of its class.
Rating MeasuredWinningRating(const WinnableShare& share);

}  // namespace tindle
