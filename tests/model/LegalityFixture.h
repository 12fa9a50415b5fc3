#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "model/Card.h"
#include "model/Game.h"
#include "model/Legality.h"
#include "model/MoveRules.h"
#include "model/Pile.h"

// A table for legality tests: four foundations, eight columns, four reserves, all empty, and
// short names for cards and piles.

namespace tindle::legality_test {

constexpr int Hearts(int rank) {
    return MakeCard(kHearts, rank);
}
constexpr int Diamonds(int rank) {
    return MakeCard(kDiamonds, rank);
}
constexpr int Clubs(int rank) {
    return MakeCard(kClubs, rank);
}
constexpr int Spades(int rank) {
    return MakeCard(kSpades, rank);
}
constexpr int SecondDeck(int card) {
    return card + 52;
}
constexpr int kJoker = kFirstJoker;

inline Pile Cards(std::initializer_list<int> cards) {
    Pile pile;
    for (int card : cards)
        PileAppend(pile, card);
    return pile;
}

class LegalityTable : public ::testing::Test {
  protected:
    LegalityTable() {
        g.def[gd::FoundationCount] = 4;
        g.def[gd::TableauCount] = 8;
        g.def[gd::ReserveCount] = 4;
        Foundations(kAce, direction::Ascending, 0);
        Columns(base::AnyCard, direction::Descending, 3);
    }

    void Foundations(int base, int direction, int rule) {
        for (int j = 0; j < kDestPiles; ++j)
            Foundation(j, base, direction, rule);
    }
    void Foundation(int j, int base, int direction, int rule) {
        g.def.At(gd::FoundationBase, j) = static_cast<int16_t>(base);
        g.def.At(gd::FoundationDirection, j) = static_cast<int16_t>(direction);
        g.def.At(gd::FoundationRule, j) = static_cast<int16_t>(rule);
    }
    void Columns(int base, int direction, int rule) {
        for (int k = 0; k < kFilaPiles; ++k)
            Column(k, base, direction, rule);
    }
    void Column(int k, int base, int direction, int rule) {
        g.def.At(gd::TableauBase, k) = static_cast<int16_t>(base);
        g.def.At(gd::TableauDirection, k) = static_cast<int16_t>(direction);
        g.def.At(gd::TableauRule, k) = static_cast<int16_t>(rule);
    }

    bool ToFoundation(int j, int card, bool playerMove = true) {
        return CanPlaceOnFoundation(g, j, card, playerMove);
    }
    bool ToColumn(int k, int card, bool playerMove = true) {
        return CanPlaceOnColumn(g, k, card, playerMove);
    }
    bool ToReserve(int i, int card) { return CanPlaceOnReserve(g, i, card, true); }

    Game g;
};

}  // namespace tindle::legality_test
