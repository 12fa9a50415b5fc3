// One FreeCell deal per iteration: the deal order of a new game number and the lay-out.
#include <benchmark/benchmark.h>

#include "model/Deal.h"
#include "model/DeckOrder.h"
#include "model/Game.h"
#include "model/GamesDat.h"

namespace {

using namespace tindle;

constexpr const char* kGamesDat = TINDLE_PROGRAM_DIR "/GAMES.DAT";
constexpr int kFreeCell = 1;

GameNumber NumberOf(uint64_t n) {
    GameNumber g;
    for (int i = GameNumber::kDigits - 1; i >= 0; --i, n /= 10)
        g.digits[static_cast<size_t>(i)] = static_cast<int>(n % 10);
    return g;
}

void BM_FreeCellDeal(benchmark::State& state) {
    Game game;
    if (auto status = LoadGame(kGamesDat, kFreeCell, game); !status.Ok()) {
        state.SkipWithError(status.error.c_str());
        return;
    }
    DealContext context;
    uint64_t n = 1234567;
    for (auto _ : state) {
        game.savedDealFields.RestoreInto(game.def);
        DealGame(game, NumberOf(n), context);
        benchmark::DoNotOptimize(game.piles.fila[0].data());
        n = (n * 6364136223846793005ULL + 1442695040888963407ULL) % 10000000000000ULL;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FreeCellDeal);

void BM_DeckOrderOnly(benchmark::State& state) {
    Game game;
    if (auto status = LoadGame(kGamesDat, kFreeCell, game); !status.Ok()) {
        state.SkipWithError(status.error.c_str());
        return;
    }
    const GameDef def = game.def;
    uint64_t n = 1234567;
    for (auto _ : state) {
        DeckOrder order = fnGameNumberCardsArray(def, NumberOf(n), nullptr);
        benchmark::DoNotOptimize(order.At(0));
        n = (n * 6364136223846793005ULL + 1442695040888963407ULL) % 10000000000000ULL;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DeckOrderOnly);

}  // namespace
