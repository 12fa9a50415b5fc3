// Drawing on a 1920 x 1080 table: one step of a card's flight (MoveImageTo of a single
// card), one pointer-move step of a dragged run of five cards, and a full repaint of a dealt
// FreeCell without the deal animation.

#include <benchmark/benchmark.h>

#include <QString>

#include <memory>

#include "model/Deal.h"
#include "model/Game.h"
#include "model/GamesDat.h"
#include "model/Ports.h"
#include "model/QuietPorts.h"
#include "model/Random.h"
#include "shell/settings/SettingsRecord.h"
#include "table/CardPictures.h"
#include "table/DefaultSettings.h"
#include "table/ResourceLibrary.h"
#include "table/TableRenderer.h"
#include "table/layout/TMainGame.h"

namespace {

using namespace tindle;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A dealt FreeCell drawn on a full-HD table.
struct Table {
    ResourceLibrary library;
    SettingsRecord settings;
    std::unique_ptr<CardPictures> pictures;
    Game game;
    TMainGame layout;
    QuietSoundPort sounds;
    QuietTimePort time;
    QuietMessagePort messages;
    std::unique_ptr<TableRenderer> renderer;

    bool Build(benchmark::State& state) {
        if (!library.Load(QStringLiteral(TINDLE_PROGRAM_DIR "/ZUV.RGF")) ||
            !LoadGame(TINDLE_PROGRAM_DIR "/GAMES.DAT", 1, game).Ok()) {
            state.SkipWithError("ZUV.RGF or GAMES.DAT not found in the program directory");
            return false;
        }
        LoadDefaultSettings(settings, "/nonexistent-program-folder");
        pictures = std::make_unique<CardPictures>(library);
        pictures->ApplyShadowSetting(settings);
        pictures->ApplyCardSize(settings);
        Random random(1);
        DealContext context;
        context.random = &random;
        DealGame(game, *ParseGameNumber("1234567890123"), context);
        game.flags.gameInProgress = true;
        LayoutInputs in;
        in.width = kWidth;
        in.height = kHeight;
        in.bottom = kHeight - 1;
        in.top = 40;
        in.screenWidth = kWidth;
        in.screenHeight = kHeight;
        in.shadowMargin = kShadowMarginOn;
        layout.SetFanSteps('B', game.def);
        layout.TableLayout(in, game.def);
        renderer = std::make_unique<TableRenderer>(game, layout, settings, *pictures, time, sounds,
                                                   messages);
        renderer->SetWindowSize(kWidth, kHeight);
        renderer->PaintBackground();
        renderer->RepaintTable(false);
        return true;
    }

    // Lifts the top `cards` cards of column 1 as a drag does.
    void Lift(int cards) {
        const PileRef column{PileKind::Fila, 0};
        const int count = PileCount(game.piles.Get(column));
        const int x = layout.FilaX(0);
        const int y = layout.CardTopY(game, column, cards - 1, false);
        PointerState& p = game.pointer;
        p.dragImageHeight = layout.CardTopY(game, column, 0, false) + 96 - y;
        p.dragRect = {x, y, x + 71, y + p.dragImageHeight};
        p.lastDrawX = x;
        p.lastDrawY = y;
        renderer->BuildDragImage(column, count - cards);
    }

    // Steps back and forth across the table, a few pixels at a time.
    void Steps(benchmark::State& state) {
        const PointerState& p = game.pointer;
        int x = p.dragRect.left, y = p.dragRect.top, dx = 7, dy = 4;
        for (auto _ : state) {
            x += dx;
            y += dy;
            if (x < 20 || x > kWidth - 120) dx = -dx;
            if (y < 20 || y > kHeight - 300) dy = -dy;
            benchmark::DoNotOptimize(renderer->MoveImageTo(x, y, false, false));
        }
    }
};

void BM_MoveImageToSingleCard(benchmark::State& state) {
    Table table;
    if (!table.Build(state)) return;
    table.Lift(1);
    table.Steps(state);
}

void BM_DragStepFiveCardRun(benchmark::State& state) {
    Table table;
    if (!table.Build(state)) return;
    table.Lift(5);
    table.Steps(state);
}

void BM_RepaintTableFreeCell(benchmark::State& state) {
    Table table;
    if (!table.Build(state)) return;
    for (auto _ : state)
        table.renderer->RepaintTable(false);
}

void BM_PaintBackgroundAndRepaint(benchmark::State& state) {
    Table table;
    if (!table.Build(state)) return;
    for (auto _ : state) {
        table.renderer->PaintBackground();
        table.renderer->RepaintTable(false);
    }
}

BENCHMARK(BM_MoveImageToSingleCard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragStepFiveCardRun)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintTableFreeCell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintBackgroundAndRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
