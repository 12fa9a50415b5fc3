// tindle-cli solve GAME_ID GAME_NUMBER [--budget-ms N] [--moves FILE] [GAMES.DAT]: deals the
// game and searches it for a win (solve/Solver.h), then prints
//   Result: won|lost|unknown
//   Moves: <moves of the solution, 0 unless won>
//   Positions: <positions searched>
//   Time: <milliseconds>
// The solution is the search's line shortened (solve/LineShortening.h); Time is the search's.
// With --moves the solution of a won deal is written to FILE in the form `tindle-cli play`
// reads (without --autoplay, as the solver plays), which replays it to "Won: yes".
//
// tindle-cli solve GAME_ID --range FROM TO [--budget-ms N] [GAMES.DAT] solves the numbers FROM
// to TO, one line each ("<number> <result> <moves> <positions> <ms>"), then the summary:
//   Won: n / Lost: n / Unknown: n, Median time: ms, Worst time: ms (<number>), Positions: n
//   (all deals), CPU time: ms (with the microseconds a position)
// The lines of a range are the search's own, not shortened: the figures are the search's.
// The budget is 2000 ms a deal unless given; --budget-positions N bounds the positions too
// (2,000,000 unless given): a budget that gives the same verdicts on a busy machine.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliDeal.h"
#include "cli/CliGamesDat.h"
#include "model/MoveText.h"
#include "play/HeadlessPlay.h"
#include "solve/LineShortening.h"
#include "solve/Solver.h"

namespace tindle::cli {

namespace {

struct SolveOptions {
    SolveBudget budget;
    std::string movesFile;
    std::optional<std::pair<long long, long long>> range;
    CliArgs rest;  // GAME_ID [GAME_NUMBER] [GAMES.DAT]
};

std::optional<long long> NumberArgument(const std::string& text) {
    if (text.empty() || text.size() > 13 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoll(text);
}

std::optional<SolveOptions> ParseOptions(const CliArgs& args) {
    SolveOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--budget-ms" && hasValue) {
            const auto ms = NumberArgument(args[++i]);
            if (!ms || *ms < 1) return std::nullopt;
            o.budget.milliseconds = static_cast<long>(*ms);
        } else if (a == "--budget-positions" && hasValue) {
            const auto positions = NumberArgument(args[++i]);
            if (!positions || *positions < 1) return std::nullopt;
            o.budget.positions = static_cast<long>(*positions);
        } else if (a == "--moves" && hasValue) {
            o.movesFile = args[++i];
        } else if (a == "--range" && i + 2 < args.size()) {
            const auto from = NumberArgument(args[i + 1]);
            const auto to = NumberArgument(args[i + 2]);
            if (!from || !to || *from > *to) return std::nullopt;
            o.range = std::make_pair(*from, *to);
            i += 2;
        } else if (a.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            o.rest.push_back(a);
        }
    }
    return o;
}

bool WriteMoves(const std::string& path, int gameId, const GameNumber& number,
                const std::vector<Move>& moves) {
    std::ofstream out(path, std::ios::trunc);
    out << "# game " << gameId << " number " << number.Text() << ": won by tindle-cli solve\n";
    for (const Move& m : moves)
        out << MoveText(m) << '\n';
    out.close();
    return static_cast<bool>(out);
}

// One deal solved, its won line shortened when `shorten`; nullopt (after the error is printed)
// when it cannot be dealt.
std::optional<SolveResult> SolveDeal(const std::filesystem::path& gamesDat, int gameId,
                                     const GameNumber& number, const SolveBudget& budget,
                                     bool shorten) {
    StderrMessages messages;
    HeadlessPlay play(&messages);
    std::string error;
    if (!play.Open(gamesDat, gameId, number, error)) {
        Fail(error);
        return std::nullopt;
    }
    SolveResult result = Solve(play.ctx, budget);
    if (shorten) ShortenWonLine(play.ctx, result, kWonLineShorteningMs);
    return result;
}

int SolveOne(const SolveOptions& o) {
    if (o.rest.size() < 2 || o.rest.size() > 3) return UsageError("solve");
    int exitCode = 0;
    const auto game = ParseGameAndNumber(o.rest, exitCode);
    if (!game) return exitCode;
    const auto result =
        SolveDeal(GamesDatArgument(o.rest, 2), game->gameId, game->number, o.budget, true);
    if (!result) return 1;
    std::printf("Result: %s\nMoves: %zu\nPositions: %ld\nTime: %ld\n",
                std::string(VerdictName(result->verdict)).c_str(), result->moves.size(),
                result->positions, result->milliseconds);
    if (!o.movesFile.empty() && result->verdict == SolveVerdict::Won &&
        !WriteMoves(o.movesFile, game->gameId, game->number, result->moves)) {
        return Fail("cannot write " + o.movesFile);
    }
    return 0;
}

int SolveRange(const SolveOptions& o) {
    if (o.rest.empty() || o.rest.size() > 2 || !o.movesFile.empty()) return UsageError("solve");
    const auto gameId = GameIdArgument(o.rest[0]);
    if (!gameId) return UsageError("solve");
    const std::filesystem::path gamesDat = GamesDatArgument(o.rest, 1);
    // The CPU time beside the wall time: on a shared machine the figure that compares runs.
    const std::clock_t cpuStart = std::clock();
    long positions = 0;
    long counts[3] = {0, 0, 0};
    std::vector<long> times;
    long worst = -1;
    std::string worstNumber;
    for (long long n = o.range->first; n <= o.range->second; ++n) {
        const auto number = GameNumberArgument(std::to_string(n));
        if (!number) return UsageError("solve");
        const auto result = SolveDeal(gamesDat, *gameId, *number, o.budget, false);
        if (!result) return 1;
        ++counts[static_cast<int>(result->verdict)];
        positions += result->positions;
        times.push_back(result->milliseconds);
        if (result->milliseconds > worst) {
            worst = result->milliseconds;
            worstNumber = number->Text();
        }
        std::printf("%s %s %zu %ld %ld\n", number->Text().c_str(),
                    std::string(VerdictName(result->verdict)).c_str(), result->moves.size(),
                    result->positions, result->milliseconds);
        std::fflush(stdout);
    }
    std::sort(times.begin(), times.end());
    std::printf("Won: %ld\nLost: %ld\nUnknown: %ld\nMedian time: %ld\nWorst time: %ld (%s)\n",
                counts[0], counts[1], counts[2], times[times.size() / 2], worst,
                worstNumber.c_str());
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("Positions: %ld\nCPU time: %.0f (%.1f us a position)\n", positions, cpuMs,
                positions > 0 ? 1000.0 * cpuMs / static_cast<double>(positions) : 0.0);
    return 0;
}

int SolveCommand(const CliArgs& args) {
    const auto options = ParseOptions(args);
    if (!options) return UsageError("solve");
    return options->range ? SolveRange(*options) : SolveOne(*options);
}

const CliRegistrar kRegister(
    "solve",
    "solve GAME_ID GAME_NUMBER [--budget-ms N] [--budget-positions N] [--moves FILE] [GAMES.DAT]\n"
    "       solve GAME_ID --range FROM TO [--budget-ms N] [--budget-positions N] [GAMES.DAT]",
    SolveCommand);

}  // namespace

}  // namespace tindle::cli
