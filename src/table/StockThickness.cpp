#include "table/StockThickness.h"

#include <algorithm>

#include "table/layout/Nearest.h"

namespace tindle {

namespace {
constexpr double kCardsPerPixel = 7.0;
constexpr double kPreviewCardsPerPixel = 28.0;
}  // namespace

int StockThickness(int cards, bool previewMode) {
    if (cards <= 1) return 0;
    if (cards == 2) return 1;
    const double perPixel = previewMode ? kPreviewCardsPerPixel : kCardsPerPixel;
    return std::min(Nearest(cards / perPixel) + 1, kMaxStockThickness);
}

}  // namespace tindle
