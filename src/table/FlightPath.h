#pragma once

// The path of a card flying across the table: the leading axis (the longer distance)
// advances by a fixed step, the other axis follows in proportion.

namespace tindle {

// The step in pixels for a flight of `distance` pixels along the leading axis: nearest(D /
// (D / 50 * 100 / 6.25 * 4 / 100 + 4) + 0.5), times 0.9 (rounded) in fast mode, at least 1
// and at most D. Long flights take longer steps, so every flight lasts about as long.
int FlightStep(int distance, bool fast);

// The other axis after `progress` of `total` pixels along the leading one: the percentage
// p = nearest(100 * progress / total + 0.5) of the way from start to end, rounded.
int FlightFollow(int start, int end, int progress, int total);

}  // namespace tindle
