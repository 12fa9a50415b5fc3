#pragma once

#include <array>

// The points around which the "Circles" pattern stamps its cards: the outline of a circle
// drawn into a 300 x 300 picture, read round clockwise from the top.

namespace tindle {

struct CirclePoint {
    int x;
    int y;
};

inline constexpr int kCirclePictureSize = 300;
inline constexpr int kCirclePointSlots = 300;
// The value of a slot that holds no point.
inline constexpr int kNoCirclePoint = -10000;

// The outline pixels of a circle filling the picture (centre 149.5, 149.5), found row by row:
// top to bottom the first pixel at or right of the centre column, then bottom to top the
// first one leftwards from the column left of the centre; the first of them and every 4th
// after it fill the slots in order. Slots left over hold kNoCirclePoint in both coordinates.
const std::array<CirclePoint, kCirclePointSlots>& CirclePoints();

// The outline itself, row by row (true where a pixel of the circle lies).
std::array<std::array<bool, kCirclePictureSize>, kCirclePictureSize> CircleOutline();

}  // namespace tindle
