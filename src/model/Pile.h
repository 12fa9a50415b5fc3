#pragma once

#include <string>
#include <string_view>

// A pile is text: three-digit card numbers, bottom card first, top card last.
// "000" (EmptySlot) stands for a gap in grid games. These helpers are the only place that
// knows the three-character arithmetic, so rule code reads as rules.

namespace tindle {

using Pile = std::string;

inline constexpr std::string_view kEmptySlot = "000";
constexpr int kCardChars = 3;

// "007" for 7; numbers outside 0..999 are clamped into three digits.
std::string CardText(int card);

int PileCount(std::string_view pile);
bool PileEmpty(std::string_view pile);
// Card number at position i (0 = bottom); 0 for a gap or a position outside the pile.
int PileCardAt(std::string_view pile, int i);
int PileTop(std::string_view pile);     // 0 when empty
int PileBottom(std::string_view pile);  // 0 when empty
// Position (0 = bottom) of the card in the pile, or -1.
int PileFind(std::string_view pile, int card);
bool PileContains(std::string_view pile, int card);
// True when the pile holds nothing but gap characters ('0'); an empty pile counts too.
bool PileOnlyGaps(std::string_view pile);

void PileAppend(Pile& pile, int card);
void PileRemoveAt(Pile& pile, int i);
void PileReplaceAt(Pile& pile, int i, int card);
// Removes and returns the top card (0 when empty).
int PilePopTop(Pile& pile);
// The cards from position i to the top, cut off the pile and returned.
Pile PileCutFrom(Pile& pile, int i);

}  // namespace tindle
