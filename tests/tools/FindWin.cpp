// Test tooling: finds a won line of play for a deal and prints it as a move file for
// `tindle-cli play` (without --autoplay). The deal is taken from the engine itself (the game
// dealt by number from the built GAMES.DAT) and searched by the engine's solver (solve/Solver.h),
// or with --nested=LEVEL by its nested Monte Carlo search alone (solve/NestedSearch.h, which
// suits the one-pass stock games; level 1 is quick, level 2 strong). "freecell" and "klondike"
// name the games of id 1 and 2.
//
//   tindle-find-win [--nested=LEVEL] freecell|klondike|GAME_ID GAMES.DAT FIRST_NUMBER
//                   [TRIES [MAX_MOVES [NODES]]]
//
// prints "# <game> <number>" and the moves of the first of TRIES numbers (default 50) from
// FIRST_NUMBER on whose search wins within NODES positions (default 2 000 000) in at most
// MAX_MOVES moves (default 200). The budget is in positions only, so a run finds the same
// lines on any machine.

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "model/MoveText.h"
#include "play/HeadlessPlay.h"
#include "solve/NestedSearch.h"
#include "solve/Solver.h"

namespace {

using namespace tindle;

struct Found {
    bool won = false;
    std::vector<Move> moves;
};

Found Search(HeadlessPlay& play, int nested, long nodes, long long number) {
    const SolveBudget budget{nodes, std::numeric_limits<long>::max()};
    if (nested > 0) {
        NestedResult result =
            NestedSearch(play.ctx, nested, budget, nullptr, static_cast<uint32_t>(number));
        std::fprintf(stderr, "%013lld: best line scores %d\n", number, result.score);
        return {result.won, std::move(result.moves)};
    }
    SolveResult result = Solve(play.ctx, budget);
    std::fprintf(stderr, "%013lld: %s\n", number, std::string(VerdictName(result.verdict)).c_str());
    return {result.verdict == SolveVerdict::Won, std::move(result.moves)};
}

int FindWin(int argc, char** argv) {
    int nested = 0;
    if (argc > 1 && std::string(argv[1]).rfind("--nested=", 0) == 0) {
        nested = std::atoi(argv[1] + 9);
        --argc;
        ++argv;
    }
    if (argc < 4 || nested < 0) {
        std::fprintf(stderr,
                     "usage: tindle-find-win [--nested=LEVEL] freecell|klondike|GAME_ID GAMES.DAT "
                     "FIRST_NUMBER [TRIES [MAX_MOVES [NODES]]]\n");
        return 2;
    }
    const std::string which = argv[1];
    const int gameId = which == "freecell" ? 1 : which == "klondike" ? 2 : std::atoi(argv[1]);
    const long long first = std::atoll(argv[3]);
    const int tries = argc > 4 ? std::atoi(argv[4]) : 50;
    const size_t maxMoves = argc > 5 ? static_cast<size_t>(std::atoi(argv[5])) : 200;
    const long nodes = argc > 6 ? std::atol(argv[6]) : 2'000'000;
    for (long long n = first; n < first + tries; ++n) {
        const auto number = ParseGameNumber(std::to_string(n));
        if (!number) break;
        HeadlessPlay play;
        std::string error;
        if (!play.Open(argv[2], gameId, *number, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        const Found found = Search(play, nested, nodes, n);
        // Longer lines of play are not taken: the move files stay short enough to read.
        if (!found.won || found.moves.size() > maxMoves) continue;
        const std::string title = gameId > 2 ? play.catalogue.GameName(gameId) : which;
        const std::string how = nested > 0 ? " --nested=" + std::to_string(nested) : "";
        std::printf("# %s %s: a won game, found by tests/tools/FindWin.cpp%s\n", title.c_str(),
                    number->Text().c_str(), how.c_str());
        for (const Move& m : found.moves)
            std::printf("%s\n", MoveText(m).c_str());
        return 0;
    }
    std::fprintf(stderr, "no won game found\n");
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    return FindWin(argc, argv);
}
