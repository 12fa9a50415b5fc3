#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "cli/CliCommand.h"

// What the commands that open a game share: where GAMES.DAT is and how a game id is given.

namespace tindle::cli {

// The GAMES.DAT named by args[position] when given, else the one of the program folder.
std::filesystem::path GamesDatArgument(const CliArgs& args, size_t position);

// A game id argument: a decimal number 0 or above; nullopt for anything else.
std::optional<int> GameIdArgument(const std::string& text);

}  // namespace tindle::cli
