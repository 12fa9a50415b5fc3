#include "play/WinningAnimationCircle.h"

#include <cstddef>
#include <vector>

namespace tindle {

namespace {

// Every 4th pixel found becomes a point.
constexpr int kPointSpacing = 4;

}  // namespace

std::array<std::array<bool, kCirclePictureSize>, kCirclePictureSize> CircleOutline() {
    std::array<std::array<bool, kCirclePictureSize>, kCirclePictureSize> outline{};
    // The midpoint circle in doubled coordinates, so that the centre can lie between pixels:
    // pixel i sits at the odd offset 2i - 299 from the centre and the radius is 299 in these
    // units. One octant is walked (u across, v down from the top), the rest mirrored.
    constexpr int kLast = kCirclePictureSize - 1;
    constexpr long long kRadius2 = static_cast<long long>(kLast) * kLast;
    const auto plot = [&](int u, int v) {
        int column = (u + kLast) / 2;
        int row = (v + kLast) / 2;
        outline[row][column] = true;
    };
    int u = 1;
    int v = kLast;
    while (u <= v) {
        for (int su : {-1, 1}) {
            for (int sv : {-1, 1}) {
                plot(su * u, sv * v);
                plot(su * v, sv * u);
            }
        }
        u += 2;
        // Step inwards when the point half-way to the next row lies outside the circle.
        long long mid = static_cast<long long>(u) * u + static_cast<long long>(v - 1) * (v - 1);
        if (mid > kRadius2) v -= 2;
    }
    return outline;
}

namespace {

std::array<CirclePoint, kCirclePointSlots> BuildCirclePoints() {
    const auto outline = CircleOutline();
    constexpr int kCentre = kCirclePictureSize / 2;
    std::vector<CirclePoint> found;
    for (int row = 0; row < kCirclePictureSize; ++row) {
        for (int column = kCentre; column < kCirclePictureSize; ++column) {
            if (outline[row][column]) {
                found.push_back({column, row});
                break;
            }
        }
    }
    for (int row = kCirclePictureSize - 1; row >= 0; --row) {
        for (int column = kCentre - 1; column >= 0; --column) {
            if (outline[row][column]) {
                found.push_back({column, row});
                break;
            }
        }
    }
    std::array<CirclePoint, kCirclePointSlots> points;
    points.fill({kNoCirclePoint, kNoCirclePoint});
    std::size_t slot = 0;
    for (std::size_t i = 0; i < found.size() && slot < points.size(); i += kPointSpacing) {
        points[slot++] = found[i];
    }
    return points;
}

}  // namespace

const std::array<CirclePoint, kCirclePointSlots>& CirclePoints() {
    static const std::array<CirclePoint, kCirclePointSlots> points = BuildCirclePoints();
    return points;
}

}  // namespace tindle
