#include "table/FlightPath.h"

#include <algorithm>
#include <cstdlib>

#include "table/layout/Nearest.h"

namespace tindle {

int FlightStep(int distance, bool fast) {
    if (distance <= 0) return 0;
    const double d = distance;
    int step = Nearest(d / (d / 50.0 * 100.0 / 6.25 * 4.0 / 100.0 + 4.0) + 0.5);
    if (fast) step = Nearest(step * 0.9);
    return std::clamp(step, 1, distance);
}

int FlightFollow(int start, int end, int progress, int total) {
    if (total <= 0) return end;
    const int percent = Nearest(100.0 * std::abs(progress) / total + 0.5);
    return start + Nearest((end - start) * percent / 100.0);
}

}  // namespace tindle
