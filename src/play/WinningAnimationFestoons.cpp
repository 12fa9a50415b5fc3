// "Festoons": cards fall from the top of the table, bounce on its bottom edge in ever lower
// arcs and roll sideways off the window, each leaving a garland of stamps behind.

#include "play/WinningAnimationFestoons.h"

#include <cstddef>

#include "play/WinningAnimationRun.h"

namespace tindle {

namespace {

// The height range the cards start from, above the top of the table.
constexpr int kStartAbove = 50;
constexpr int kStartSpread = 40;

constexpr std::array<int, 22> kFirstBounceDy{-19, -17, -15, -13, -11, -9, -7, -5, -3, -1, 0,
                                             0,   1,   3,   5,   7,   9,  11, 13, 15, 17, 19};
constexpr std::array<int, 43> kLowerBouncesDy{
    -15, -13, -11, -9, -7, -5, -3, -1, 0, 0,  1,  3,  5,  7,  9, 11, 13, 15, -11, -9, -7, -5,
    -3,  -1,  0,   0,  1,  3,  5,  7,  9, 11, -7, -5, -3, -1, 0, 0,  1,  3,  5,   7,  0};
// Extra stamps of each step; the last step rolls the card on until it has left the window.
constexpr std::array<int, 43> kLowerBouncesExtra{1, 3, 4, 5, 5, 4, 3, 1, 0, 0, 1, 3, 4,   5, 4,
                                                 4, 3, 1, 0, 1, 3, 4, 3, 1, 0, 0, 1, 3,   4, 3,
                                                 1, 0, 0, 1, 3, 4, 3, 0, 1, 3, 4, 3, 1000};

}  // namespace

std::array<FestoonStep, 65> FestoonBounce(int n) {
    // Extra stamps of each step of the first bounce: its height grows with n.
    const std::array<int, 22> firstExtra{0,     0,     n,     n + 1, n + 2, n + 3, n + 2, n + 1,
                                         n,     n - 1, n - 2, n - 2, n - 1, n,     n + 1, n + 2,
                                         n + 3, n + 2, n + 1, n,     0,     0};
    std::array<FestoonStep, 65> steps{};
    std::size_t i = 0;
    for (std::size_t k = 0; k < kFirstBounceDy.size(); ++k) {
        steps[i++] = {kFirstBounceDy[k], firstExtra[k] + 1};
    }
    for (std::size_t k = 0; k < kLowerBouncesDy.size(); ++k) {
        steps[i++] = {kLowerBouncesDy[k], kLowerBouncesExtra[k] + 1};
    }
    return steps;
}

void RunFestoons(WinningAnimationRun& run) {
    const auto& a = run.Area();
    do {
        const int card = run.RandomCard();
        int x = run.Rng().Below(a.windowWidth);
        if (x + a.cardWidth > a.clientWidth) x = a.clientWidth - a.cardWidth;
        int y = a.top - kStartAbove + run.Rng().Below(kStartSpread);
        const int speed = 2 + run.Rng().Below(5);
        const int h = run.Rng().Between(1, 10) % 2 == 1 ? -speed : speed;

        // Runs the steps until `done` holds before a stamp; false when interrupted.
        const auto follow = [&](const auto& steps, const auto& done) {
            for (const FestoonStep& step : steps) {
                int count = 0;
                for (int k = 0; k < step.stamps; ++k) {
                    if (done()) return true;
                    if (!run.Running()) return false;
                    run.Stamp(card, x, y);
                    x += h;
                    y += step.dy;
                    if (++count == 4) {
                        count = 0;
                        run.Pause();
                        run.ProcessEvents();
                    }
                }
            }
            return true;
        };

        if (!follow(kFestoonFall, [&] { return y + a.cardHeight >= a.clientHeight; })) return;
        run.ProcessEvents();
        if (!run.GoOn()) return;
        const int n = run.Rng().Between(1, 10) % 2 == 1 ? 2 : 3;
        if (!follow(FestoonBounce(n), [&] { return x > a.windowWidth || x < -a.cardWidth; }))
            return;
    } while (run.GoOn());
}

}  // namespace tindle
