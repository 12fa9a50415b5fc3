// tindle-cli play GAME_ID GAME_NUMBER [--autoplay] [GAMES.DAT]: deals the game, then plays the
// moves of the move file read from standard input (MoveFile.h) exactly as the player's mouse
// would on a 1024x768 table. With --autoplay the Autoplay command is on (as after the deal and
// after every release in the program). A move the game refuses prints
// "refused: line <n>: <move>" on stderr and ends with exit code 2. At the end the table is
// printed as the deal command prints it, then "Score: <n>" and "Won: yes" or "Won: no".
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliDeal.h"
#include "cli/CliGamesDat.h"
#include "cli/MoveFile.h"
#include "play/HeadlessPlay.h"

namespace tindle::cli {

namespace {

constexpr int kRefused = 2;

int PlayCommand(const CliArgs& given) {
    CliArgs args;
    bool autoplay = false;
    for (const std::string& a : given) {
        if (a == "--autoplay") {
            autoplay = true;
        } else {
            args.push_back(a);
        }
    }
    if (args.size() < 2 || args.size() > 3) return UsageError("play");
    int exitCode = 0;
    const std::optional<DealArguments> game = ParseGameAndNumber(args, exitCode);
    if (!game) return exitCode;

    StderrMessages messages;
    HeadlessPlay play(&messages);
    play.ui.autoplayTicked = autoplay;
    std::string error;
    if (!play.Open(GamesDatArgument(args, 2), game->gameId, game->number, error))
        return Fail(error);

    const MoveFileResult played = PlayMoveFile(play.ctx, std::cin);
    switch (played.outcome) {
        case MoveFileResult::Outcome::Played:
            break;
        case MoveFileResult::Outcome::Refused:
            std::fprintf(stderr, "refused: line %d: %s\n", played.line, played.text.c_str());
            return kRefused;
        case MoveFileResult::Outcome::Unreadable:
            std::fprintf(stderr, "tindle-cli: line %d: not a move: %s\n", played.line,
                         played.text.c_str());
            return kRefused;
    }
    PrintTable(game->gameId, game->number, play.game);
    std::printf("Score: %s\nWon: %s\n", play.settings.Get(field::Score).c_str(),
                play.ctx.session.lastGameWon ? "yes" : "no");
    return 0;
}

const CliRegistrar kRegister("play", "play GAME_ID GAME_NUMBER [--autoplay] [GAMES.DAT] < MOVES",
                             PlayCommand);

}  // namespace

}  // namespace tindle::cli
