// tindle-cli order GAME_ID GAME_NUMBER [GAMES.DAT]: the game's deal order for the number, one
// line of three-digit entries separated by blanks ("000" for an entry left free).
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliDeal.h"
#include "model/DeckOrder.h"

namespace tindle::cli {

namespace {

int OrderCommand(const CliArgs& args) {
    Game game;
    int exitCode = 0;
    const auto parsed = LoadDealArguments("order", args, game, exitCode);
    if (!parsed) return exitCode;
    StderrMessages messages;
    const DeckOrder order = fnGameNumberCardsArray(game.def, parsed->number, &messages);
    std::printf("%s\n", order.Text().c_str());
    return order.DeckError() ? 1 : 0;
}

const CliRegistrar kRegister("order", "order GAME_ID GAME_NUMBER [GAMES.DAT]", OrderCommand);

}  // namespace

}  // namespace tindle::cli
