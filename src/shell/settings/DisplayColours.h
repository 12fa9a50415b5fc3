#pragma once

// The number of colours a display shows, as the preferences and the start-up advice judge it.

namespace tindle {

// Colours shown with the given bits per pixel and colour planes: 2 to the power of the bits,
// raised to the power of the planes. More than 24 bits in all count as kManyColours. An
// unknown depth (0 or less) also counts as kManyColours, so that nothing is degraded or
// advised for a display we know nothing about.
inline constexpr long long kManyColours = 999999999;
long long DisplayColourCount(int bitsPerPixel, int planes = 1);

// 256 colours or fewer: the card set defaults to 3 and the colour advice is shown.
inline bool IsLowColourDisplay(long long colourCount) {
    return colourCount <= 256;
}

}  // namespace tindle
