#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The flow that starts play: confirming that the current game is abandoned, loading a game's
// definition, drawing a game number, dealing, and letting autoplay run.

namespace tindle {

class Random;
struct PlayContext;

// The number mode of StartGame and OpenGame that draws a new game number; any other mode
// (kDealStoredNumber) deals the GameNumber of the settings record again.
inline constexpr int kDrawNewNumber = 2;
inline constexpr int kDealStoredNumber = 0;

inline constexpr std::string_view kQuitThisGame = "Quit this game?";

// The 13-digit text of a x b (a game number drawn from two random integers).
std::string GameNumberText(long long a, long long b);

// A new GameNumber's text (a in 0..9 999 998, b in 0..999 998 from the random generator).
std::string DrawGameNumber(Random& random);
// Draws a new GameNumber, stores it in the settings record and refreshes the caption.
void NewGameNumber(PlayContext& ctx);

// False while an animation runs; true without asking when ConfirmQuitGame is "N"; otherwise,
// while a game is in progress and not won, the player's answer to `text`.
bool ConfirmAbandon(PlayContext& ctx, std::string_view text = kQuitThisGame);

// Loads the definition of the settings record's GameId, applies the screen-class rule, resets
// the pile positions, sets the Autoplay, Save and Undo availability from the definition and
// lays the table out. A definition that cannot be loaded shows the error and answers false;
// nothing is dealt from it.
bool LoadGame(PlayContext& ctx);

// The new-game driver. newDeal empties the table and deals (restoring the deal fields of the
// loaded definition, or loading it); otherwise play restarts on the table as it is. animate:
// the deal is drawn card by card (Deal_Animation allowing); quiet: nothing is drawn.
bool StartGame(PlayContext& ctx, bool newDeal, bool animate, int numberMode, bool quiet);

// Chooses the number of a new deal after the current game has ended (Winnable deals only): the
// number, or nothing for a number drawn as usual.
using DealNumberChoice = std::function<std::optional<std::string>()>;

// The open-a-game flow (the dialog passes kDrawNewNumber). Opening the game in progress for
// the same player does nothing. With kDrawNewNumber, `choose` (when given) is asked for the
// number once the game's definition is loaded. Answers whether a game was started.
bool OpenGame(PlayContext& ctx, int gameId, std::string_view gameName, int treeNumber,
              std::string_view playerName, int numberMode, bool remember,
              const DealNumberChoice& choose = {});

// The New game command: confirm, end the current game, the "New" sound, a new deal of the
// same game with a new number (the one `choose` answers, when given).
void NewGameCommand(PlayContext& ctx, const DealNumberChoice& choose = {});

// The Restart game command: confirm, end the current game, deal its GameNumber again (the
// same cards, the clock and the score from zero).
void RestartGameCommand(PlayContext& ctx);

// The Select game number command with the number chosen: 1 to 13 digits, stored padded to 13
// with '0' on the left and dealt, after the same confirmation. Anything else is refused and
// changes nothing. Answers whether the number was dealt.
bool SelectGameNumberCommand(PlayContext& ctx, std::string_view number);

// The step the deal runs last (the deal's postDealStep): the new table's score.
void PostDealStep(PlayContext& ctx);

}  // namespace tindle
