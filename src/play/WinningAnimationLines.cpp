// "Lines": one card at a time travels along a 45-degree line, leaving a trail of stamps,
// until it touches an edge of the free table; the next card sets off from there at a new
// speed, reflected away from the edge it touched.

#include <cstdlib>

#include "play/WinningAnimationRun.h"

namespace tindle {

namespace {

// The short busy wait after every stamp.
constexpr int kStampWaitMs = 5;

}  // namespace

void RunLines(WinningAnimationRun& run) {
    const auto& a = run.Area();
    int x = run.Rng().Below(a.windowWidth);
    if (x + a.cardWidth > a.clientWidth) x = a.clientWidth - a.cardWidth;
    int y = a.top;
    int dx = 0;
    int dy = 0;

    const auto atEdge = [&] {
        return x <= 0 || x + a.cardWidth >= a.clientWidth || y <= a.top ||
               y + a.cardHeight >= a.clientHeight;
    };

    do {
        if (!run.Running()) return;
        // A new speed, keeping the directions (zero counts as positive).
        const int speed = 4 + run.Rng().Below(8);
        dx = dx < 0 ? -speed : speed;
        dy = dy < 0 ? -speed : speed;
        const int card = run.RandomCard();
        // Turn away from an edge the first step would reach.
        if (x + dx <= 0 || x + dx + a.cardWidth >= a.clientWidth) dx = -dx;
        if (y + dy <= a.top || y + dy + a.cardHeight >= a.clientHeight) dy = -dy;

        int count = 0;
        do {
            if (!run.Running()) return;
            run.Stamp(card, x, y);
            x += dx;
            y += dy;
            run.BusyWait(kStampWaitMs);
            ++count;
            if (count % 2 == 0) run.BusyWait(run.SpeedMoveCard());
            if (count == 4) {
                count = 0;
                run.ProcessEvents();
            }
        } while (!atEdge());
        run.ProcessEvents();
    } while (run.GoOn());
}

}  // namespace tindle
