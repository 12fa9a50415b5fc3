#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "play/HeadlessPlay.h"
#include "solve/Solver.h"

// The solver over consecutive game numbers, 2 seconds a deal: FreeCell (won share, median and
// worst time, peak memory) and Klondike draw one (the share with a verdict, won and lost).
// TINDLE_BENCH_SOLVER_DEALS sets how many numbers (1000 unless given).

namespace tindle {
namespace {

constexpr SolveBudget kBudget{4'000'000, 2000};

int Deals() {
    const char* text = std::getenv("TINDLE_BENCH_SOLVER_DEALS");
    const int n = text ? std::atoi(text) : 0;
    return n > 0 ? n : 1000;
}

double PeakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

// The process's CPU time in microseconds: less noisy than wall time on a shared machine.
double CpuMicroseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto us = [](const timeval& t) { return 1e6 * static_cast<double>(t.tv_sec) + t.tv_usec; };
    return us(usage.ru_utime) + us(usage.ru_stime);
}

void SolveRange(benchmark::State& state, int gameId) {
    const int deals = Deals();
    int won = 0;
    int lost = 0;
    std::vector<long> times;
    long positions = 0;
    const double cpuBefore = CpuMicroseconds();
    for (auto _ : state) {
        for (int n = 1; n <= deals; ++n) {
            HeadlessPlay play;
            std::string error;
            const GameNumber number = *ParseGameNumber(std::to_string(n));
            if (!play.Open(TINDLE_PROGRAM_DIR "/GAMES.DAT", gameId, number, error)) {
                state.SkipWithError(error.c_str());
                return;
            }
            const SolveResult result = Solve(play.ctx, kBudget);
            won += result.verdict == SolveVerdict::Won;
            lost += result.verdict == SolveVerdict::Lost;
            times.push_back(result.milliseconds);
            positions += result.positions;
        }
    }
    const double cpu = CpuMicroseconds() - cpuBefore;
    std::sort(times.begin(), times.end());
    state.counters["deals"] = deals;
    state.counters["won_pct"] = 100.0 * won / deals;
    state.counters["lost_pct"] = 100.0 * lost / deals;
    state.counters["verdict_pct"] = 100.0 * (won + lost) / deals;
    state.counters["median_ms"] = static_cast<double>(times[times.size() / 2]);
    state.counters["worst_ms"] = static_cast<double>(times.back());
    state.counters["peak_MiB"] = PeakMemoryMiB();
    // The cost of a position, dealing included: what the search's speed comes down to.
    state.counters["cpu_us_per_position"] =
        positions > 0 ? cpu / static_cast<double>(positions) : 0;
}

void BM_SolveFreeCell(benchmark::State& state) {
    SolveRange(state, 1);
}
BENCHMARK(BM_SolveFreeCell)->Iterations(1)->Unit(benchmark::kSecond);

void BM_SolveKlondike(benchmark::State& state) {
    SolveRange(state, 2);
}
BENCHMARK(BM_SolveKlondike)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace tindle
