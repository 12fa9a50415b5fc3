#include "model/Pile.h"

#include <algorithm>

namespace tindle {

std::string CardText(int card) {
    card = std::clamp(card, 0, 999);
    std::string s(3, '0');
    s[0] = static_cast<char>('0' + card / 100);
    s[1] = static_cast<char>('0' + card / 10 % 10);
    s[2] = static_cast<char>('0' + card % 10);
    return s;
}

int PileCount(std::string_view pile) {
    return static_cast<int>(pile.size()) / kCardChars;
}

bool PileEmpty(std::string_view pile) {
    return pile.size() < kCardChars;
}

int PileCardAt(std::string_view pile, int i) {
    if (i < 0 || i >= PileCount(pile)) return 0;
    int value = 0;
    for (int k = 0; k < kCardChars; ++k) {
        char c = pile[static_cast<size_t>(i * kCardChars + k)];
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

int PileTop(std::string_view pile) {
    return PileCardAt(pile, PileCount(pile) - 1);
}

int PileBottom(std::string_view pile) {
    return PileCardAt(pile, 0);
}

int PileFind(std::string_view pile, int card) {
    int n = PileCount(pile);
    for (int i = 0; i < n; ++i) {
        if (PileCardAt(pile, i) == card) return i;
    }
    return -1;
}

bool PileContains(std::string_view pile, int card) {
    return PileFind(pile, card) >= 0;
}

bool PileOnlyGaps(std::string_view pile) {
    return std::all_of(pile.begin(), pile.end(), [](char c) { return c == '0'; });
}

void PileAppend(Pile& pile, int card) {
    pile += CardText(card);
}

void PileRemoveAt(Pile& pile, int i) {
    if (i < 0 || i >= PileCount(pile)) return;
    pile.erase(static_cast<size_t>(i * kCardChars), kCardChars);
}

void PileReplaceAt(Pile& pile, int i, int card) {
    if (i < 0 || i >= PileCount(pile)) return;
    pile.replace(static_cast<size_t>(i * kCardChars), kCardChars, CardText(card));
}

int PilePopTop(Pile& pile) {
    int top = PileTop(pile);
    if (!PileEmpty(pile)) pile.resize(pile.size() - kCardChars);
    return top;
}

Pile PileCutFrom(Pile& pile, int i) {
    if (i < 0) i = 0;
    size_t at = static_cast<size_t>(i * kCardChars);
    if (at >= pile.size()) return {};
    Pile cut = pile.substr(at);
    pile.resize(at);
    return cut;
}

}  // namespace tindle
