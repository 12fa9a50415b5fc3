// tindle-cli fields GAME_ID [GAMES.DAT]: the game's loaded definition as "index=value" lines,
// one per field 0..401.
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliGamesDat.h"
#include "model/Game.h"
#include "model/GamesDat.h"

namespace tindle::cli {

namespace {

int Fields(const CliArgs& args) {
    if (args.empty() || args.size() > 2) return UsageError("fields");
    const auto gameId = GameIdArgument(args[0]);
    if (!gameId) return Fail("'" + args[0] + "' is not a game id");
    Game game;
    if (auto status = LoadGame(GamesDatArgument(args, 1), *gameId, game); !status.Ok()) {
        return Fail(status.error);
    }
    for (int i = 0; i < GameDef::kFields; ++i)
        std::printf("%d=%d\n", i, game.def[i]);
    return 0;
}

const CliRegistrar kRegister("fields", "fields GAME_ID [GAMES.DAT]", Fields);

}  // namespace

}  // namespace tindle::cli
