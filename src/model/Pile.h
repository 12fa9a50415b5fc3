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

// The readers are inline: the rules (and a solver, for every position it meets) ask them
// more than anything else.
inline int PileCount(std::string_view pile) {
    return static_cast<int>(pile.size()) / kCardChars;
}
inline bool PileEmpty(std::string_view pile) {
    return pile.size() < kCardChars;
}
// Card number at position i (0 = bottom); 0 for a gap or a position outside the pile.
inline int PileCardAt(std::string_view pile, int i) {
    if (i < 0 || i >= PileCount(pile)) return 0;
    int value = 0;
    for (int k = 0; k < kCardChars; ++k) {
        const char c = pile[static_cast<size_t>(i * kCardChars + k)];
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}
inline int PileTop(std::string_view pile) {  // 0 when empty
    return PileCardAt(pile, PileCount(pile) - 1);
}
inline int PileBottom(std::string_view pile) {  // 0 when empty
    return PileCardAt(pile, 0);
}
// Position (0 = bottom) of the card in the pile, or -1.
inline int PileFind(std::string_view pile, int card) {
    const int n = PileCount(pile);
    if (card >= 1 && card <= 999) {
        // A card's three digits compared as they stand, without reading every card.
        const char d0 = static_cast<char>('0' + card / 100);
        const char d1 = static_cast<char>('0' + card / 10 % 10);
        const char d2 = static_cast<char>('0' + card % 10);
        for (int i = 0; i < n; ++i) {
            const size_t at = static_cast<size_t>(i * kCardChars);
            if (pile[at + 2] == d2 && pile[at + 1] == d1 && pile[at] == d0) return i;
        }
        return -1;
    }
    for (int i = 0; i < n; ++i) {
        if (PileCardAt(pile, i) == card) return i;
    }
    return -1;
}
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
