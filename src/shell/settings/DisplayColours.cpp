#include "shell/settings/DisplayColours.h"

namespace tindle {

long long DisplayColourCount(int bitsPerPixel, int planes) {
    if (bitsPerPixel <= 0 || planes <= 0) return kManyColours;
    long long bits = static_cast<long long>(bitsPerPixel) * planes;
    if (bitsPerPixel > 24 || bits > 24) return kManyColours;
    return 1LL << bits;
}

}  // namespace tindle
