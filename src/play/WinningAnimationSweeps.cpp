// The three plain patterns: cards at random places ("Open order"), rows of cards sweeping
// right ("Left to right") and columns of cards sweeping down ("Up to down").

#include "play/WinningAnimationRun.h"
#include "table/layout/Nearest.h"

namespace tindle {

namespace {

// The wait at the end of every row or column, letting window events run.
constexpr int kRowEndWaitMs = 700;
// How far the next row (column) starts below (right of) the first one.
constexpr int kSweepShift = 35;

}  // namespace

void RunOpenOrder(WinningAnimationRun& run) {
    const auto& a = run.Area();
    const int w2 = Nearest(a.cardWidth / 2.0);
    const int h2 = Nearest(a.cardHeight / 2.0);
    int count = 0;
    do {
        if (!run.Running()) return;
        int x = run.Rng().Below(a.windowWidth + w2) - w2;
        int y = run.Rng().Below(a.windowHeight + h2) - h2;
        run.Stamp(run.RandomCard(), x, y);
        if (++count == 5) {
            count = 0;
            run.Pause();
            run.ProcessEvents();
        }
    } while (run.GoOn());
}

void RunLeftToRight(WinningAnimationRun& run) {
    const auto& a = run.Area();
    const int step = Nearest(a.cardWidth / 5.8);
    // Alternate rows start at different offsets so that the cards do not line up.
    const auto rowStart = [&](int row) {
        return row % 2 == 1 ? -Nearest(a.cardWidth / 3.0) : -Nearest(a.cardWidth / 4.0);
    };
    int x = -20;
    int y = a.top;
    int rows = 0;
    int shift = 0;
    int count = 0;
    do {
        if (!run.Running()) return;
        run.Stamp(run.RandomCard(), x, y);
        if (++count == 5) {
            count = 0;
            run.Pause();
            run.ProcessEvents();
        }
        x += step;
        if (x >= a.windowWidth) {
            ++rows;
            x = rowStart(rows);
            run.WaitProcessing(kRowEndWaitMs);
            y += kSweepShift;
        }
        if (y + a.cardHeight >= a.windowHeight) {
            x = rowStart(rows);
            shift += kSweepShift;
            y = shift;
            if (shift >= a.windowHeight) shift = a.top + kSweepShift;
        }
    } while (run.GoOn());
}

void RunUpToDown(WinningAnimationRun& run) {
    const auto& a = run.Area();
    const int step = Nearest(a.cardHeight / 5.3);
    const int columnStep = Nearest(a.cardWidth / 1.5);
    const auto columnStart = [&](int column) {
        return column % 2 == 1 ? -Nearest(a.cardHeight / 3.0) : -Nearest(a.cardHeight / 4.0);
    };
    int x = -10;
    int y = a.top;
    int columns = 0;
    int shift = 0;
    int count = 0;
    do {
        if (!run.Running()) return;
        run.Stamp(run.RandomCard(), x, y);
        ++count;
        if (count % 2 == 0) run.Pause();
        if (count == 5) {
            count = 0;
            run.ProcessEvents();
        }
        y += step;
        if (y >= a.windowHeight) {
            ++columns;
            y = columnStart(columns);
            run.WaitProcessing(kRowEndWaitMs);
            x += columnStep;
        }
        if (x >= a.windowWidth) {
            y = columnStart(columns);
            shift += kSweepShift;
            x = shift;
            if (shift >= a.windowWidth) shift = kSweepShift;
        }
    } while (run.GoOn());
}

}  // namespace tindle
