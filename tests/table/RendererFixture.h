#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Game.h"
#include "model/Ports.h"
#include "shell/settings/SettingsRecord.h"
#include "support/TestPaths.h"
#include "table/CardPictures.h"
#include "table/ResourceLibrary.h"
#include "table/TableRenderer.h"
#include "table/layout/TMainGame.h"

// A table renderer over the built resource library, with recording ports, for drawing tests.

namespace tindle::test {

class RecordingMessages : public MessagePort {
  public:
    void Information(std::string_view text) override { shown.emplace_back(text); }
    bool Confirm(std::string_view text) override {
        shown.emplace_back(text);
        return true;
    }
    void Beep() override {}
    void FatalError(std::string_view text) override { shown.emplace_back(text); }
    std::vector<std::string> shown;
};

class RecordingSounds : public SoundPort {
  public:
    void Play(std::string_view name, SoundMode mode) override {
        played.emplace_back(name);
        modes.push_back(mode);
    }
    void Stop() override { ++stops; }
    std::vector<std::string> played;
    std::vector<SoundMode> modes;
    int stops = 0;
};

class RecordingTime : public TimePort {
  public:
    uint64_t TickCount() override { return now; }
    void Wait(int ms) override {
        waits.push_back(ms);
        now += static_cast<uint64_t>(std::max(ms, 0));
        if (afterWait) afterWait();
    }
    void WaitProcessingEvents(int ms) override { Wait(ms); }
    void ProcessEvents() override {}
    std::vector<int> waits;
    uint64_t now = 0;
    std::function<void()> afterWait;  // what the window does while the renderer waits
};

class RecordingWindow : public SurfaceObserver {
  public:
    void RepaintNow(const QRect& rect) override { repainted.push_back(rect); }
    void Update(const QRect& rect) override { updated.push_back(rect); }
    std::vector<QRect> repainted;
    std::vector<QRect> updated;
};

// Where a toolbar of the main window ends: the top of the fixture's table.
inline constexpr int kToolbarBottom = 40;

// Two pixels' colours without the alpha byte.
inline QRgb Colour(QRgb pixel) {
    return pixel & 0x00ffffffu;
}
inline QRgb ColourAt(const QImage& image, int x, int y) {
    return Colour(image.pixel(x, y));
}

// FreeCell (1) or Klondike (2) dealt, laid out on a 1024x768 table, drawn by a renderer.
class RendererTest : public ::testing::Test {
  protected:
    void SetUp() override { Build(1, 'B'); }

    // Rebuilds everything for a game and card size; preferences live in a fresh folder.
    void Build(int gameId, char size, int width = 1024, int height = 768);
    // Lays the game out again (after the piles or the definition changed).
    void LayOut();
    // The table drawn afresh, as after a new game.
    void Repaint();
    // A copy of TableImage from a renderer that draws the current state from scratch.
    QImage FreshTable();

    TempDir dir_;
    ResourceLibrary library_;
    std::unique_ptr<CardPictures> pictures_;
    SettingsRecord settings_;
    Game game_;
    TMainGame layout_;
    RecordingMessages messages_;
    RecordingSounds sounds_;
    RecordingTime time_;
    RecordingWindow window_;
    std::unique_ptr<TableRenderer> renderer_;
    int width_ = 1024;
    int height_ = 768;
};

}  // namespace tindle::test
