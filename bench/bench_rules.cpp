#include <benchmark/benchmark.h>

#include <initializer_list>
#include <vector>

#include "model/Card.h"
#include "model/Game.h"
#include "model/LegalMoves.h"
#include "model/Legality.h"
#include "model/Pile.h"

// CanPlace as pointer input and autoplay ask it, and LegalMoves as a solver asks it, on a
// FreeCell-like table: eight columns built down in alternating colours, four foundations up
// in suit from the Ace, four free cells.

namespace tindle {
namespace {

Pile Cards(std::initializer_list<int> cards) {
    Pile pile;
    for (int card : cards)
        PileAppend(pile, card);
    return pile;
}

Game FreeCellTable() {
    Game g;
    g.def[gd::FoundationCount] = 4;
    g.def[gd::TableauCount] = 8;
    g.def[gd::ReserveCount] = 4;
    g.def[gd::GroupRule] = 1;
    g.def[gd::GroupSizeRule] = -5;
    for (int j = 0; j < 4; ++j) {
        g.def.At(gd::FoundationBase, j) = kAce;
        g.def.At(gd::FoundationDirection, j) = direction::Ascending;
        g.def.At(gd::FoundationRule, j) = build::SameSuit;
    }
    for (int k = 0; k < 8; ++k) {
        g.def.At(gd::TableauBase, k) = base::AnyCard;
        g.def.At(gd::TableauDirection, k) = direction::Descending;
        g.def.At(gd::TableauRule, k) = build::AlternateColours;
    }
    // Deal the deck round the columns in a scrambled order (7 is prime to 52).
    for (int i = 0; i < 52; ++i)
        PileAppend(g.piles.fila[i % 8], (i * 7) % 52 + 1);
    g.piles.dest[0] = Cards({MakeCard(kHearts, kAce), MakeCard(kHearts, 2), MakeCard(kHearts, 3)});
    return g;
}

void BM_CanPlaceColumnDrop(benchmark::State& state) {
    const Game g = FreeCellTable();
    const int card = PileTop(g.piles.fila[3]);
    int column = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CanPlaceOnColumn(g, column, card, true));
        column = (column + 1) % 8;
    }
}
BENCHMARK(BM_CanPlaceColumnDrop);

void BM_CanPlaceFoundationDrop(benchmark::State& state) {
    const Game g = FreeCellTable();
    const int card = MakeCard(kHearts, 4);
    int foundation = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CanPlaceOnFoundation(g, foundation, card, true));
        foundation = (foundation + 1) % 4;
    }
}
BENCHMARK(BM_CanPlaceFoundationDrop);

void BM_CanMoveGroupOfSix(benchmark::State& state) {
    Game g = FreeCellTable();
    g.piles.fila[0] =
        Cards({MakeCard(kSpades, kKing), MakeCard(kHearts, kQueen), MakeCard(kSpades, kJack),
               MakeCard(kHearts, 10), MakeCard(kSpades, 9), MakeCard(kHearts, 8)});
    const int king = MakeCard(kSpades, kKing);
    for (auto _ : state)
        benchmark::DoNotOptimize(CanMoveGroup(g, king, 0));
}
BENCHMARK(BM_CanMoveGroupOfSix);

// Every legal move of the position, as a solver asks it at every node (the list reused).
void BM_LegalMovesFreeCell(benchmark::State& state) {
    Game g = FreeCellTable();
    g.flags.gameInProgress = true;
    std::vector<Move> moves;
    for (auto _ : state) {
        LegalMoves(g, moves);
        benchmark::DoNotOptimize(moves.data());
    }
    state.counters["moves"] = static_cast<double>(moves.size());
}
BENCHMARK(BM_LegalMovesFreeCell);

}  // namespace
}  // namespace tindle
