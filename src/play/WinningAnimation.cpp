#include "play/WinningAnimation.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <string>

#include "play/WinningAnimationRun.h"
#include "table/layout/Nearest.h"

namespace tindle {

namespace {

// The card speed when the record holds none (the preferences' default).
constexpr int kDefaultSpeedMoveCard = 10;
// More seconds than anyone waits; keeps the milliseconds far from overflowing.
constexpr int64_t kMaxSeconds = 1'000'000'000;

constexpr std::array<std::string_view, 6> kPatternNames{"Open order", "Left to right", "Up to down",
                                                        "Festoons",   "Lines",         "Circles"};

std::string Folded(std::string_view text) {
    auto begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    auto end = text.find_last_not_of(" \t");
    std::string folded(text.substr(begin, end - begin + 1));
    for (char& c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

}  // namespace

std::string_view WinningPatternName(WinningPattern pattern) {
    return kPatternNames[static_cast<std::size_t>(pattern)];
}

std::optional<WinningPattern> WinningPatternFromName(std::string_view name) {
    std::string wanted = Folded(name);
    for (std::size_t i = 0; i < kPatternNames.size(); ++i) {
        if (Folded(kPatternNames[i]) == wanted) return static_cast<WinningPattern>(i);
    }
    return std::nullopt;
}

WinningAnimationRun::WinningAnimationRun(const WinningAnimationPorts& ports,
                                         const WinningAnimationArea& area, int64_t durationMs)
    : ports_(ports),
      area_(area),
      start_(ports.time.TickCount()),
      durationMs_(static_cast<uint64_t>(std::max<int64_t>(durationMs, 0))) {
    speed_ = static_cast<int>(std::clamp<long long>(
        ports.settings.GetInt(field::SpeedMoveCard, kDefaultSpeedMoveCard), 0, 99));
    pause_ = Nearest(speed_ / 2.0);
}

bool WinningAnimationRun::TimeUp() {
    return ports_.time.TickCount() - start_ >= durationMs_;
}

void WinningAnimationRun::Stamp(int card, int x, int y) {
    ports_.view.DrawCard(card, x, y, /*moving=*/false, DrawTarget::Both);
}

void WinningAnimationRun::Pause() {
    BusyWait(pause_);
}

void WinningAnimationRun::BusyWait(int ms) {
    if (ms > 0) ports_.time.Wait(ms);
}

void WinningAnimationRun::ProcessEvents() {
    ports_.time.ProcessEvents();
}

void WinningAnimationRun::WaitProcessing(int ms) {
    // In short slices, so that an interruption ends the wait at once.
    constexpr uint64_t kSliceMs = 10;
    const uint64_t begin = ports_.time.TickCount();
    while (Running()) {
        uint64_t elapsed = ports_.time.TickCount() - begin;
        if (elapsed >= static_cast<uint64_t>(ms)) break;
        uint64_t slice = std::min<uint64_t>(kSliceMs, static_cast<uint64_t>(ms) - elapsed);
        ports_.time.WaitProcessingEvents(static_cast<int>(slice));
    }
}

WinningPattern PlayWinningAnimation(const WinningAnimationPorts& ports,
                                    const WinningAnimationArea& area,
                                    std::optional<std::string_view> patternName,
                                    std::optional<int> seconds) {
    ports.game.flags.animationRunning = true;
    // Cleared however the animation ends.
    struct ClearFlag {
        RunFlags& flags;
        ~ClearFlag() { flags.animationRunning = false; }
    } clearFlag{ports.game.flags};

    const PreferenceOptions& options = ports.settings.options;
    const std::string name = patternName ? std::string(*patternName) : options.winningAnimation;
    const int duration = seconds.value_or(options.winningSeconds);

    WinningAnimationRun run(ports, area, std::clamp<int64_t>(duration, 0, kMaxSeconds) * 1000);

    // "(Random)", and any name that is not a pattern, draws one of the first three.
    WinningPattern pattern =
        WinningPatternFromName(name).value_or(static_cast<WinningPattern>(ports.random.Below(3)));

    switch (pattern) {
        case WinningPattern::OpenOrder:
            RunOpenOrder(run);
            break;
        case WinningPattern::LeftToRight:
            RunLeftToRight(run);
            break;
        case WinningPattern::UpToDown:
            RunUpToDown(run);
            break;
        case WinningPattern::Festoons:
            RunFestoons(run);
            break;
        case WinningPattern::Lines:
            RunLines(run);
            break;
        case WinningPattern::Circles:
            RunCircles(run);
            break;
    }
    return pattern;
}

}  // namespace tindle
