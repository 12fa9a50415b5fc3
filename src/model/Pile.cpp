#include "model/Pile.h"

#include <algorithm>

namespace tindle {

namespace {

void WriteCardText(int card, char* out) {
    card = std::clamp(card, 0, 999);
    out[0] = static_cast<char>('0' + card / 100);
    out[1] = static_cast<char>('0' + card / 10 % 10);
    out[2] = static_cast<char>('0' + card % 10);
}

}  // namespace

std::string CardText(int card) {
    std::string s(kCardChars, '0');
    WriteCardText(card, s.data());
    return s;
}

bool PileContains(std::string_view pile, int card) {
    return PileFind(pile, card) >= 0;
}

bool PileOnlyGaps(std::string_view pile) {
    return std::all_of(pile.begin(), pile.end(), [](char c) { return c == '0'; });
}

void PileAppend(Pile& pile, int card) {
    // Without a string of its own: a search appends cards for every move it tries.
    char text[kCardChars];
    WriteCardText(card, text);
    pile.append(text, kCardChars);
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
