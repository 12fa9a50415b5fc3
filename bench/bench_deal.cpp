// One FreeCell deal per iteration: the deal order of a new game number and the lay-out.
#include <benchmark/benchmark.h>

#include "model/Deal.h"
#include "model/DeckOrder.h"
#include "model/Game.h"

namespace {

using namespace tindle;

// FreeCell's deal: 52 cards face up in eight columns of 7, 7, 7, 7, 6, 6, 6, 6; four free
// cells and four foundations from the Ace.
GameDef FreeCellDeal() {
    GameDef def;
    def[gd::DeckCards] = 52;
    def[gd::FoundationCount] = 4;
    def[gd::TableauCount] = 8;
    def[gd::ReserveCount] = 4;
    for (int j = 0; j < 4; ++j) {
        def.At(gd::FoundationBase, j) = 1;
        def.At(gd::FoundationDirection, j) = 1;
    }
    for (int k = 0; k < 8; ++k) {
        def.At(gd::TableauDealCount, k) = static_cast<int16_t>(k < 4 ? 7 : 6);
        def.At(gd::TableauFaceMode, k) = 52;
        def.At(gd::TableauBase, k) = -1;
        def.At(gd::TableauRule, k) = 3;
    }
    return def;
}

GameNumber NumberOf(uint64_t n) {
    GameNumber g;
    for (int i = GameNumber::kDigits - 1; i >= 0; --i, n /= 10)
        g.digits[static_cast<size_t>(i)] = static_cast<int>(n % 10);
    return g;
}

void BM_FreeCellDeal(benchmark::State& state) {
    Game game;
    game.def = FreeCellDeal();
    game.savedDealFields.Take(game.def);
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
    const GameDef def = FreeCellDeal();
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
