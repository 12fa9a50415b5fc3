// The winning animation through the real table renderer on a 1920 x 1080 table: 1,000 stamps
// of each pattern per iteration (the waits take no time here, so this is the drawing cost
// alone). Counters: time per stamp, and the area the window repaints per stamp (mean and
// largest) against the area of one card: every stamp must show one card, never the window.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <string>

#include "model/Game.h"
#include "model/GamesDat.h"
#include "model/Ports.h"
#include "model/QuietPorts.h"
#include "model/Random.h"
#include "play/WinningAnimation.h"
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
constexpr int kStampsPerRun = 1000;

// A clock that moves one millisecond per reading and never waits: the patterns run their
// row-end waits and pauses without sleeping.
class QuickClock : public TimePort {
  public:
    uint64_t now = 0;
    uint64_t TickCount() override { return ++now; }
    void Wait(int ms) override { now += static_cast<uint64_t>(std::max(ms, 0)); }
    void WaitProcessingEvents(int ms) override { Wait(ms); }
    void ProcessEvents() override {}
};

// What the window would repaint: the rectangles the renderer shows at once.
class RepaintLog : public SurfaceObserver {
  public:
    long long stamps = 0;
    long long area = 0;
    long long largest = 0;
    void RepaintNow(const QRect& rect) override {
        const long long a = static_cast<long long>(rect.width()) * rect.height();
        ++stamps;
        area += a;
        largest = std::max(largest, a);
    }
    void Update(const QRect&) override {}
};

// A window showing the surface: every rectangle shown at once is repainted by Qt, and the
// areas Qt actually paints are counted.
class SurfaceWidget : public QWidget, public SurfaceObserver {
  public:
    explicit SurfaceWidget(TableRenderer& renderer) : renderer_(renderer) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    RepaintLog painted;
    void RepaintNow(const QRect& rect) override { repaint(rect); }
    void Update(const QRect& rect) override { update(rect); }

  protected:
    void paintEvent(QPaintEvent* event) override {
        painted.RepaintNow(event->rect());
        renderer_.SyncSurface();
        QPainter painter(this);
        painter.drawImage(event->rect(), renderer_.Surface().Image(), event->rect());
    }

  private:
    TableRenderer& renderer_;
};

// Counts the stamps and stops the animation (as a key press would) after kStampsPerRun.
// Draws nothing else: the animation only stamps cards.
class StampLimit : public QuietTableView {
  public:
    StampLimit(TableView& inner, Game& game) : inner_(inner), game_(game) {}
    int stamps = 0;
    void DrawCard(int card, int x, int y, bool moving, DrawTarget target) override {
        inner_.DrawCard(card, x, y, moving, target);
        if (++stamps >= kStampsPerRun) game_.flags.animationRunning = false;
    }

  private:
    TableView& inner_;
    Game& game_;
};

void RunAnimation(benchmark::State& state, bool onWidget) {
    const auto pattern = static_cast<WinningPattern>(state.range(0));
    ResourceLibrary library;
    SettingsRecord settings;
    Game game;
    TMainGame layout;
    QuietSoundPort sounds;
    QuietMessagePort messages;
    QuickClock clock;
    if (!library.Load(QStringLiteral(TINDLE_PROGRAM_DIR "/ZUV.RGF")) ||
        !LoadGame(TINDLE_PROGRAM_DIR "/GAMES.DAT", 1, game).Ok()) {
        state.SkipWithError("ZUV.RGF or GAMES.DAT not found in the program directory");
        return;
    }
    LoadDefaultSettings(settings, "/nonexistent-program-folder");
    CardPictures pictures(library);
    pictures.ApplyShadowSetting(settings);
    pictures.ApplyCardSize(settings);
    LayoutInputs in;
    in.width = kWidth;
    in.height = kHeight;
    in.bottom = kHeight - 1;
    in.top = 40;
    in.screenWidth = kWidth;
    in.screenHeight = kHeight;
    layout.SetFanSteps('B', game.def);
    layout.TableLayout(in, game.def);
    TableRenderer renderer(game, layout, settings, pictures, clock, sounds, messages);
    RepaintLog shown;
    std::unique_ptr<SurfaceWidget> widget;
    if (onWidget) {
        widget = std::make_unique<SurfaceWidget>(renderer);
        widget->resize(kWidth, kHeight);
        widget->show();
        renderer.SetObserver(widget.get());
    } else {
        renderer.SetObserver(&shown);
    }
    renderer.SetWindowSize(kWidth, kHeight);
    renderer.PaintBackground();
    renderer.PresentTable();
    QApplication::processEvents();
    shown = RepaintLog();
    if (widget) widget->painted = RepaintLog();
    const RepaintLog& repaints = widget ? widget->painted : shown;

    StampLimit view(renderer, game);
    Random random(1);
    WinningAnimationArea area;
    area.windowWidth = area.clientWidth = kWidth;
    area.windowHeight = area.clientHeight = kHeight;
    area.top = 40;
    long long stamps = 0;
    for (auto _ : state) {
        view.stamps = 0;
        PlayWinningAnimation({game, view, clock, random, settings}, area,
                             WinningPatternName(pattern), 1'000'000);
        stamps += view.stamps;
    }
    const double cardArea = 71.0 * 96.0;
    state.SetItemsProcessed(stamps);
    state.counters["time_per_stamp"] = benchmark::Counter(
        static_cast<double>(stamps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["repaints_per_stamp"] =
        static_cast<double>(repaints.stamps) / static_cast<double>(std::max(stamps, 1LL));
    state.counters["mean_repaint_in_cards"] =
        static_cast<double>(repaints.area) / std::max(repaints.stamps, 1LL) / cardArea;
    state.counters["largest_repaint_in_cards"] = static_cast<double>(repaints.largest) / cardArea;
    state.SetLabel(std::string(WinningPatternName(pattern)));
}
// The renderer alone: what the drawing code asks the window to show.
void BM_WinningAnimation(benchmark::State& state) {
    RunAnimation(state, false);
}
BENCHMARK(BM_WinningAnimation)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// With a window (offscreen platform unless a display is given): what Qt paints.
void BM_WinningAnimationOnWidget(benchmark::State& state) {
    // Made once and never destroyed: a QApplication torn down among the exit handlers goes
    // after Qt's own global objects and crashed the program on its way out.
    static int argc = 1;
    static char name[] = "bench_winning_animation";
    static char* argv[] = {name, nullptr};
    [[maybe_unused]] static QApplication* app = new QApplication(argc, argv);
    RunAnimation(state, true);
}
BENCHMARK(BM_WinningAnimationOnWidget)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace
