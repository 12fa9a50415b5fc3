#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/Game.h"
#include "model/Ports.h"
#include "play/TableView.h"
#include "play/WinningAnimation.h"
#include "shell/settings/SettingsInit.h"
#include "shell/settings/SettingsRecord.h"
#include "support/TestPaths.h"

// A clock the test controls, a table view that records what the animation stamps, and the
// objects a winning animation runs with.

namespace tindle::test {

class AnimationClock : public TimePort {
  public:
    uint64_t now = 1'000'000;
    int busyWaits = 0;
    int eventRuns = 0;
    // Called whenever the animation lets window events run (the player acts here).
    std::function<void()> onEvents;

    uint64_t TickCount() override { return now; }
    void Wait(int ms) override {
        ++busyWaits;
        now += static_cast<uint64_t>(ms);
    }
    void WaitProcessingEvents(int ms) override {
        now += static_cast<uint64_t>(ms);
        ProcessEvents();
    }
    void ProcessEvents() override {
        ++eventRuns;
        if (onEvents) onEvents();
    }
};

struct Stamp {
    int card;
    int x;
    int y;
    uint64_t time;
};

class StampingView : public QuietTableView {
  public:
    StampingView(AnimationClock& clock, Game& game) : clock_(clock), game_(game) {}
    std::vector<Stamp> stamps;
    int otherDrawing = 0;        // anything but a plain stamp on window and table
    int stampsWhileStopped = 0;  // stamps made with AnimationRunning clear

    void DrawCard(int card, int x, int y, bool moving, DrawTarget target) override {
        if (moving || target != DrawTarget::Both) ++otherDrawing;
        if (!game_.flags.animationRunning) ++stampsWhileStopped;
        stamps.push_back({card, x, y, clock_.now});
    }
    void RepaintTable(bool) override { ++otherDrawing; }
    void PresentTable() override { ++otherDrawing; }
    void RefreshRect(const TableRect&) override { ++otherDrawing; }
    void PaintBackground() override { ++otherDrawing; }

  private:
    AnimationClock& clock_;
    Game& game_;
};

// A 800 x 600 window with big cards, the table starting at 40.
inline WinningAnimationArea TestArea() {
    WinningAnimationArea area;
    area.windowWidth = area.clientWidth = 800;
    area.windowHeight = area.clientHeight = 600;
    area.top = 40;
    area.cardWidth = 71;
    area.cardHeight = 96;
    return area;
}

struct AnimationBench {
    TempDir dir;
    Game game;
    AnimationClock clock;
    StampingView view{clock, game};
    Random random;
    SettingsRecord settings;
    WinningAnimationArea area = TestArea();

    explicit AnimationBench(uint32_t seed = 7, int speed = 10) : random(seed) {
        InitialiseSettingsRecord(settings, dir.Path());
        settings.Put(field::SpeedMoveCard, std::to_string(speed));
    }
    WinningPattern Play(std::optional<std::string_view> name, std::optional<int> seconds) {
        return PlayWinningAnimation({game, view, clock, random, settings}, area, name, seconds);
    }
};

}  // namespace tindle::test
