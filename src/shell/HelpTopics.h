#pragma once

#include <optional>

#include "model/Catalogue.h"

// The numbered topics of the help file that the program opens.

namespace tindle {

// A game's rules are the topic 3000 + GameId.
inline constexpr int kRulesTopicBase = 3000;

namespace topic {
inline constexpr int Customize = 1019;
inline constexpr int About = 2005;
inline constexpr int Exit = 4004;
inline constexpr int Undo = 4005;
inline constexpr int Redo = 4006;
inline constexpr int Autoplay = 4007;
inline constexpr int Contents = 4012;
inline constexpr int Rules = 4013;
inline constexpr int NewGame = 4014;
inline constexpr int OpenGame = 4015;
inline constexpr int RestartGame = 4016;
inline constexpr int SelectGameNumber = 4017;
inline constexpr int Hint = 4018;
inline constexpr int Demo = 4019;
inline constexpr int Statistics = 4020;
inline constexpr int OnTheWeb = 4036;
inline constexpr int HomePage = 4040;
}  // namespace topic

// The rules topic for a request: a GameId below 0 asks for the current game's rules. Nothing
// for a customised game (kFirstCustomGameId and up), nor when there is no current game.
std::optional<int> RulesTopic(int requestedGameId, int currentGameId);

}  // namespace tindle
