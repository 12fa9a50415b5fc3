#pragma once

#include <cmath>

// Rounding of the layout arithmetic: to the nearest integer, a half to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -0.5 -> 0). Written out rather than left to the floating-point
// rounding mode, so that no caller's mode can shift a pile by a pixel.

namespace tindle {

inline int Nearest(double x) {
    double lower = std::floor(x);
    double fraction = x - lower;
    if (fraction > 0.5) return static_cast<int>(lower) + 1;
    if (fraction < 0.5) return static_cast<int>(lower);
    return std::fmod(lower, 2.0) == 0.0 ? static_cast<int>(lower) : static_cast<int>(lower) + 1;
}

}  // namespace tindle
