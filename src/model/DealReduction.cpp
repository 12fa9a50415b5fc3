// Deck reductions: arrangement codes that deal from part of the deck only.
#include <algorithm>
#include <optional>

#include "model/Card.h"
#include "model/DealSteps.h"
#include "model/RuleCodes.h"

namespace tindle::deal {

namespace {

constexpr int kOneSuitTopRank = 9;  // OneSuitToNine keeps the Ace .. 9

// One card of each rank from 1 to topRank stays: the first of its rank in the order (for
// OneSuitToNine the first of the given suit); every card outside 1 .. topRank goes.
void KeepOnePerRank(DealList& list, int topRank, std::optional<int> suit) {
    for (int rank = 1; rank <= topRank; ++rank) {
        int at = list.FindIf(
            [&](int c) { return CardRank(c) == rank && (!suit || CardSuit(c) == *suit); });
        if (at < 0) continue;
        const int kept = list.At(at);
        list.KeepIf([&](int c) { return c == kept || CardRank(c) != rank; });
    }
    list.KeepIf([topRank](int c) {
        int r = CardRank(c);
        return r >= 1 && r <= topRank;
    });
}

void KeepChosenCards(DealList& list, int columns) {
    static constexpr int kAlways[] = {1, 5, 15, 19, 29, 43, 53, 57, 67, 71, 81, 95};
    static constexpr int kUnlessThree[] = {9, 23, 33, 37, 47, 51, 61, 75, 85, 89, 99, 103};
    static constexpr int kUnlessThreeOrFour[] = {2,  10, 16, 24, 30, 38, 44, 52,
                                                 54, 62, 68, 76, 82, 90, 96, 104};
    auto in = [](const auto& set, int c) {
        return std::find(std::begin(set), std::end(set), c) != std::end(set);
    };
    list.KeepIf([&](int c) {
        if (in(kAlways, c)) return true;
        if (columns != 3 && in(kUnlessThree, c)) return true;
        return columns != 3 && columns != 4 && in(kUnlessThreeOrFour, c);
    });
}

}  // namespace

void ReduceDeck(DealState& st) {
    const GameDef& def = st.game.def;
    const int columns = def[gd::TableauCount];
    switch (def[gd::DealArrangement]) {
        case arrangement::OneOfEachRank:
            KeepOnePerRank(st.list, columns, std::nullopt);
            break;
        case arrangement::OneSuitToNine:
            // The first card keeps its place throughout: it is the first of its own rank.
            KeepOnePerRank(st.list, kOneSuitTopRank,
                           st.list.Empty() ? -1 : CardSuit(st.list.At(0)));
            break;
        case arrangement::FirstCardsEmptyColumn:
            st.list.KeepIf([columns](int c) {
                if (columns <= 13) return c >= 1 && c <= columns;
                return (c >= 1 && c <= 13) || (c >= 27 && c <= columns + 13);
            });
            break;
        case arrangement::ChosenCards:
            KeepChosenCards(st.list, columns);
            break;
        default:
            break;
    }
}

}  // namespace tindle::deal
