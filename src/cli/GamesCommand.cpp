// tindle-cli games [GAMES.DAT]: the catalogue, one game per line as "<GameId> <type> <name>".
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliGamesDat.h"
#include "model/Catalogue.h"

namespace tindle::cli {

namespace {

int Games(const CliArgs& args) {
    if (args.size() > 1) return UsageError("games");
    Catalogue catalogue;
    if (auto status = catalogue.Read(GamesDatArgument(args, 0)); !status.Ok()) {
        return Fail(status.error);
    }
    for (const auto& e : catalogue.Entries()) {
        std::printf("%d %d %s\n", e.gameId, e.type, e.name.c_str());
    }
    return 0;
}

const CliRegistrar kRegister("games", "games [GAMES.DAT]", Games);

}  // namespace

}  // namespace tindle::cli
