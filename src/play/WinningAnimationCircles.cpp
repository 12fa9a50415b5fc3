// "Circles": cards stamped one after another around circles at random places.

#include "play/WinningAnimationCircle.h"
#include "play/WinningAnimationRun.h"

namespace tindle {

namespace {

// How far a circle's corner is kept from the right and bottom edges.
constexpr int kCircleRoom = 150;

// A corner at random along one side; one too close to the far edge is folded back.
int CircleCorner(Random& rng, int extent) {
    int value = rng.Below(extent);
    if (value > extent - kCircleRoom) value = extent - kCircleRoom - value;
    return value;
}

bool Within(int value, int extent) {
    return value >= 0 && value <= extent;
}

}  // namespace

void RunCircles(WinningAnimationRun& run) {
    const auto& a = run.Area();
    const auto& points = CirclePoints();
    do {
        const int y0 = CircleCorner(run.Rng(), a.clientHeight);
        const int x0 = CircleCorner(run.Rng(), a.clientWidth);
        const int card = run.RandomCard();
        int count = 0;
        for (const CirclePoint& point : points) {
            if (!run.Running()) return;
            if (point.x != kNoCirclePoint) {
                const int x = x0 + point.x;
                const int y = y0 + point.y;
                // Only cards that show at least partly on the window.
                bool across = Within(x, a.clientWidth) || Within(x + a.cardWidth, a.clientWidth);
                bool down = Within(y, a.clientHeight) || Within(y + a.cardHeight, a.clientHeight);
                if (across && down) run.Stamp(card, x, y);
            }
            if (++count == 4) {
                count = 0;
                run.Pause();
                run.ProcessEvents();
            }
        }
    } while (run.GoOn());
}

}  // namespace tindle
