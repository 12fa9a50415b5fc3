// tindle-cli play GAME_ID GAME_NUMBER [--autoplay] [GAMES.DAT]: deals the game, then plays the
// moves read from standard input, one per line, exactly as the player's mouse would on a
// 1024x768 table. The moves are written as model/MoveText.h writes them:
//   <card> <pile>     drag the block whose lowest card is <card> (three digits) and drop it
//                     exactly on Fila<n>, Dest<n>, Appogg<n> or Mazzo_Vis; <card> Mazzo_Waste
//                     plays a card of the second-waste games (a click on it)
//   click <pile>      a left click on the pile's top card (or on the empty pile); Mazzo is
//                     the stock
//   click <card>      a left click on the card (the selection and pairing games)
//   dblclick <card>   a double click on the card
//   undo, redo        the Undo and Redo commands
// Blank lines and "#" comments are ignored. With --autoplay the Autoplay command is on (as
// after the deal and after every release in the program). A move the game refuses prints
// "refused: line <n>: <move>" on stderr and ends with exit code 2. At the end the table is
// printed as the deal command prints it, then "Score: <n>" and "Won: yes" or "Won: no".
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliDeal.h"
#include "cli/CliGamesDat.h"
#include "model/MoveText.h"
#include "play/Commands.h"
#include "play/Gestures.h"
#include "play/HeadlessPlay.h"
#include "play/PlayMove.h"

namespace tindle::cli {

namespace {

constexpr int kRefused = 2;

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// The pile a dragged block is dropped on; nullopt for a move that is no drag.
std::optional<PileRef> DropPile(const Move& move) {
    switch (move.kind) {
        case MoveKind::ToColumn:
            return PileRef{PileKind::Fila, move.index};
        case MoveKind::ToFoundation:
            return PileRef{PileKind::Dest, move.index};
        case MoveKind::ToReserve:
            return PileRef{PileKind::Appogg, move.index};
        case MoveKind::ToWaste:
            return PileRef{PileKind::MazzoVis, 0};
        default:
            return std::nullopt;
    }
}

enum class Outcome { Done, Refused, Unreadable };

Outcome PlayLine(PlayContext& ctx, const std::vector<std::string>& w) {
    if (w.size() == 1 && w[0] == "undo") return UndoCommand(ctx) ? Outcome::Done : Outcome::Refused;
    if (w.size() == 1 && w[0] == "redo") return RedoCommand(ctx) ? Outcome::Done : Outcome::Refused;
    if (w.size() != 2) return Outcome::Unreadable;
    auto outcome = [](bool acted) { return acted ? Outcome::Done : Outcome::Refused; };
    const auto move = ParseMove(w[0] + " " + w[1]);
    if (w[0] == "click") {
        // The clicks LegalMoves names, and a click on any other pile's top card.
        if (move) return outcome(PlayMove(ctx, *move));
        const auto pile = ParsePileName(w[1]);
        if (!pile) return Outcome::Unreadable;
        return outcome(ClickPile(ctx, *pile));
    }
    if (w[0] == "dblclick") {
        const auto card = ParseMove("click " + w[1]);
        if (!card || card->kind != MoveKind::Select) return Outcome::Unreadable;
        return outcome(DoubleClickCard(ctx, card->card));
    }
    if (!move) return Outcome::Unreadable;
    if (const auto pile = DropPile(*move)) return outcome(DragCardTo(ctx, move->card, *pile));
    if (move->kind == MoveKind::ToSecondWaste) return outcome(PlayMove(ctx, *move));
    return Outcome::Unreadable;
}

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

    std::string line;
    for (int n = 1; std::getline(std::cin, line); ++n) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::vector<std::string> words = Words(line);
        if (words.empty()) continue;
        switch (PlayLine(play.ctx, words)) {
            case Outcome::Done:
                break;
            case Outcome::Refused:
                std::fprintf(stderr, "refused: line %d: %s\n", n, line.c_str());
                return kRefused;
            case Outcome::Unreadable:
                std::fprintf(stderr, "tindle-cli: line %d: not a move: %s\n", n, line.c_str());
                return kRefused;
        }
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
