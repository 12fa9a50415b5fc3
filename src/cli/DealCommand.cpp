// tindle-cli deal GAME_ID GAME_NUMBER [GAMES.DAT]: the game dealt from the number, as
//   GameId: <id>
//   GameNumber: <13 digits>
// and one line per pile in snapshot order (Mazzo, Mazzo_Vis, Mazzo_Waste, Dest1..Dest16,
// Fila1..Fila28, Appogg1..Appogg10): the pile's name, ":" and its cards bottom first as in a
// snapshot (card number and face flag, "0000" for a gap), each after a single blank.
// Arrangement 10 draws from a generator seeded with 1, so the command's output is repeatable.
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliDeal.h"
#include "model/Deal.h"
#include "model/Random.h"

namespace tindle::cli {

namespace {

int DealCommand(const CliArgs& args) {
    Game game;
    int exitCode = 0;
    const auto parsed = LoadDealArguments("deal", args, game, exitCode);
    if (!parsed) return exitCode;

    StderrMessages messages;
    Random random(1);
    DealContext context;
    context.messages = &messages;
    context.random = &random;
    context.gameName = parsed->gameName;
    const DealReport report = DealGame(game, parsed->number, context);

    PrintTable(parsed->gameId, parsed->number, game);
    return report.deckError ? 1 : 0;
}

const CliRegistrar kRegister("deal", "deal GAME_ID GAME_NUMBER [GAMES.DAT]", DealCommand);

}  // namespace

}  // namespace tindle::cli
