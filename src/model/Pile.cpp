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
