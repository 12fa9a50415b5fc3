#pragma once

#include <array>

// The motion of a card in the "Festoons" pattern: a fall that speeds up, then a run of ever
// lower bounces while the card drifts sideways out of the window. Each step moves the card
// down by `dy` pixels (up when negative) after each of its `stamps` stamps.

namespace tindle {

struct FestoonStep {
    int dy;
    int stamps;
};

// The fall from the top of the table.
inline constexpr std::array<FestoonStep, 10> kFestoonFall{{
    {0, 1},
    {3, 4},
    {5, 6},
    {7, 8},
    {9, 10},
    {11, 12},
    {13, 14},
    {15, 16},
    {17, 18},
    {19, 101},
}};

// The bounces, for a bounce height of n (2 or 3, drawn for every card): the first and
// highest bounce depends on n, the three lower ones do not, and the card then rolls on.
std::array<FestoonStep, 65> FestoonBounce(int n);

}  // namespace tindle
