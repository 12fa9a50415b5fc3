#pragma once

#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "model/Game.h"
#include "model/GameNumber.h"
#include "model/Ports.h"

// What the deal and order commands share: the GAME_ID GAME_NUMBER [GAMES.DAT] arguments and
// a message port that writes the engine's messages to stderr.

namespace tindle::cli {

// Prints every message as "tindle-cli: <text>" on stderr; confirmations answer OK.
class StderrMessages : public MessagePort {
  public:
    void Information(std::string_view text) override;
    bool Confirm(std::string_view text) override;
    void Beep() override {}
    void FatalError(std::string_view text) override;
};

// A game number argument: 1 to 13 decimal digits and nothing else, padded to 13.
std::optional<GameNumber> GameNumberArgument(const std::string& text);

// Parses GAME_ID GAME_NUMBER [GAMES.DAT] and loads the game. On failure prints the error (or
// the command's usage) and gives the exit code in `exitCode`.
struct DealArguments {
    int gameId = 0;
    GameNumber number;
    std::string gameName;
};

// Prints the table as the deal command does: "GameId: <id>", "GameNumber: <13 digits>", then
// one line per pile in snapshot order, the pile's name, ":" and each card as in a snapshot
// (number and face flag, "0000" for a gap) after a single blank.
void PrintTable(int gameId, const GameNumber& number, const Game& game);

// The GAME_ID and GAME_NUMBER arguments (the first two; the caller checks there are two),
// without loading anything; the game name stays empty.
std::optional<DealArguments> ParseGameAndNumber(const CliArgs& args, int& exitCode);

std::optional<DealArguments> LoadDealArguments(const char* command, const CliArgs& args, Game& game,
                                               int& exitCode);

}  // namespace tindle::cli
