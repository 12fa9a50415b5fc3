#pragma once

// How thick the stock family's piles look: the top card is drawn up and left of the pile's
// saved place by one pixel per few cards, and edge strips fill the gap below and right.

namespace tindle {

inline constexpr int kMaxStockThickness = 15;

// Pixels up and left for a pile of `cards` cards: 0 for one card or none, 1 for two, else
// nearest(cards / 7) + 1 (cards / 28 on the small preview table), at most 15.
int StockThickness(int cards, bool previewMode);

}  // namespace tindle
