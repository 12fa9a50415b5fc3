// The pile layout of FreeCell on a 1920x1080 table (it runs at every game load and window
// resize, and for every preview picture).

#include <benchmark/benchmark.h>

#include "layout/LayoutTestGames.h"
#include "model/GameDef.h"
#include "table/layout/TMainGame.h"

namespace tindle {
namespace {

void BM_TableLayoutFreeCell1920x1080(benchmark::State& state) {
    const GameDef def = test::FreeCellDef();
    LayoutInputs in;
    in.width = 1920;
    in.height = 1080;
    in.bottom = 1079;
    in.top = 30;
    in.screenWidth = 1920;
    in.screenHeight = 1080;
    in.cardWidth = 71;
    in.cardHeight = 96;
    in.shadowMargin = 9;
    TMainGame tm;
    tm.SetFanSteps('B', def);
    for (auto _ : state) {
        tm.TableLayout(in, def);
        benchmark::DoNotOptimize(tm.FilaX(7));
    }
}
BENCHMARK(BM_TableLayoutFreeCell1920x1080);

}  // namespace
}  // namespace tindle
