// tindle-cli fields GAME_ID [GAMES.DAT]: the game's loaded definition as "index=value" lines,
// one per field 0..401; a value of a coded field is followed by the name of its code
// ("12=-5 ByFreeCells").
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliGamesDat.h"
#include "model/Game.h"
#include "model/GamesDat.h"
#include "model/RuleCodes.h"

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
    for (int i = 0; i < GameDef::kFields; ++i) {
        const RuleCode* code = FindRuleCode(i, game.def[i]);
        if (code == nullptr) {
            std::printf("%d=%d\n", i, game.def[i]);
        } else {
            std::printf("%d=%d %.*s\n", i, game.def[i], static_cast<int>(code->name.size()),
                        code->name.data());
        }
    }
    return 0;
}

const CliRegistrar kRegister("fields", "fields GAME_ID [GAMES.DAT]", Fields);

}  // namespace

}  // namespace tindle::cli
