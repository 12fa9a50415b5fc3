#include "LegalityFixture.h"

// Special rules that read the destination's own cards or other piles.

namespace tindle::legality_test {
namespace {

// A pile of n cards of the second deck (which no test places) ending with `top`.
Pile FilledTo(int n, int top) {
    Pile pile;
    for (int i = 0; i < n - 1; ++i)
        PileAppend(pile, 53 + i % 52);
    PileAppend(pile, top);
    return pile;
}

Pile HeartsFromAce(int upTo) {
    Pile pile;
    for (int r = kAce; r <= upTo; ++r)
        PileAppend(pile, Hearts(r));
    return pile;
}

using PileRules = LegalityTable;

TEST_F(PileRules, Rule26BuildsOnlyOnColumnsOfOneOrTwoCards) {
    Columns(base::AnyCard, direction::Descending, 26);
    g.piles.fila[0] = Cards({Hearts(5)});
    g.piles.fila[1] = Cards({Hearts(5 + 13), Clubs(6), Clubs(7)});
    EXPECT_TRUE(ToColumn(0, Spades(6)));
    EXPECT_TRUE(ToColumn(0, Spades(4)));
    EXPECT_FALSE(ToColumn(0, Spades(7)));
    EXPECT_FALSE(ToColumn(1, Spades(8)));
    EXPECT_FALSE(ToColumn(2, Spades(8)));
}

TEST_F(PileRules, Rule29ClimbsToTheKingTakesASecondKingThenDescends) {
    Foundations('Q', direction::Ascending, 29);
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));
    EXPECT_FALSE(ToFoundation(0, Hearts(2)));
    g.piles.dest[0] = HeartsFromAce(12);
    EXPECT_TRUE(ToFoundation(0, Hearts(kKing)));
    EXPECT_FALSE(ToFoundation(0, Spades(kKing)));
    g.piles.dest[0] = HeartsFromAce(kKing);
    EXPECT_TRUE(ToFoundation(0, SecondDeck(Hearts(kKing))));
    EXPECT_FALSE(ToFoundation(0, SecondDeck(Hearts(12))));
    PileAppend(g.piles.dest[0], SecondDeck(Hearts(kKing)));
    EXPECT_TRUE(ToFoundation(0, SecondDeck(Hearts(12))));
    EXPECT_FALSE(ToFoundation(0, SecondDeck(Hearts(kAce))));
    Foundation(1, 5, direction::Ascending, 29);  // a rank base starts by the base rule
    EXPECT_TRUE(ToFoundation(1, Clubs(5)));
    EXPECT_FALSE(ToFoundation(1, Clubs(kAce)));
}

TEST_F(PileRules, Rule30KeepsTheDirectionTheColumnTook) {
    Columns(base::AnyCard, direction::Descending, 30);
    g.piles.fila[0] = Cards({Hearts(5), Hearts(6)});
    EXPECT_TRUE(ToColumn(0, Hearts(7)));
    EXPECT_FALSE(ToColumn(0, SecondDeck(Hearts(5))));
    g.piles.fila[1] = Cards({Clubs(7), Clubs(6)});
    EXPECT_TRUE(ToColumn(1, Clubs(5)));
    EXPECT_FALSE(ToColumn(1, SecondDeck(Clubs(7))));
    g.piles.fila[2] = Cards({Diamonds(9)});
    EXPECT_TRUE(ToColumn(2, Diamonds(10)));
    EXPECT_TRUE(ToColumn(2, Diamonds(8)));
    EXPECT_FALSE(ToColumn(2, Spades(8)));
    g.piles.fila[3] = Cards({Diamonds(kAce)});
    EXPECT_FALSE(ToColumn(3, Diamonds(kKing)));
}

TEST_F(PileRules, Rule36StartsTheFoundationsInTurnAndBuildsDown) {
    Foundations(kAce, direction::Descending, 36);
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));
    EXPECT_FALSE(ToFoundation(0, Hearts(2)));
    EXPECT_FALSE(ToFoundation(1, Spades(kAce)));
    g.piles.dest[0] = Cards({Hearts(kAce)});
    EXPECT_TRUE(ToFoundation(1, Spades(kAce)));
    EXPECT_TRUE(ToFoundation(0, Spades(kKing)));
    g.piles.dest[0] = Cards({Hearts(5)});
    EXPECT_TRUE(ToFoundation(0, Spades(4)));
    EXPECT_FALSE(ToFoundation(0, Spades(6)));
}

TEST_F(PileRules, Rule37DoublesModuloThirteenAndTakesKingsLast) {
    Foundations(kAce, direction::Ascending, 37);
    EXPECT_TRUE(ToFoundation(1, Spades(kAce)));
    g.piles.dest[1] = Cards({Hearts(7)});
    EXPECT_TRUE(ToFoundation(1, Spades(kAce)));
    g.piles.dest[1] = Cards({Hearts(4)});
    EXPECT_TRUE(ToFoundation(1, Spades(8)));
    EXPECT_FALSE(ToFoundation(1, Spades(5)));
    EXPECT_FALSE(ToFoundation(1, Spades(kKing)));
    g.piles.dest[0] = FilledTo(47, Clubs(9));
    EXPECT_FALSE(ToFoundation(1, Spades(kKing)));
    g.piles.dest[0] = FilledTo(48, Clubs(9));
    EXPECT_TRUE(ToFoundation(1, Spades(kKing)));
}

TEST_F(PileRules, Rule41StartsDistinctSuitsPerGroupAndClimbsByTwo) {
    g.def[gd::FoundationCount] = 8;
    Foundations(2, direction::Ascending, 41);
    g.piles.dest[0] = Cards({Hearts(2)});
    EXPECT_FALSE(ToFoundation(1, SecondDeck(Hearts(2))));
    EXPECT_TRUE(ToFoundation(1, Spades(2)));
    EXPECT_FALSE(ToFoundation(1, Spades(3)));
    EXPECT_TRUE(ToFoundation(5, SecondDeck(Hearts(2))));  // foundations 5-8 are their own group
    g.piles.dest[4] = Cards({Clubs(2)});
    EXPECT_FALSE(ToFoundation(5, SecondDeck(Clubs(2))));
    g.piles.dest[2] = Cards({Diamonds(5)});
    EXPECT_TRUE(ToFoundation(2, Diamonds(7)));
    EXPECT_FALSE(ToFoundation(2, Spades(7)));
    g.piles.dest[2] = Cards({Diamonds(12)});
    EXPECT_TRUE(ToFoundation(2, Diamonds(kAce)));
    g.piles.dest[2] = Cards({Diamonds(kKing)});
    EXPECT_TRUE(ToFoundation(2, Diamonds(2)));
}

TEST_F(PileRules, Rule42TakesAKingOnlyWhenTheFoundationSixFurtherShowsOne) {
    g.def[gd::FoundationCount] = 8;
    Foundations(kAce, direction::Ascending, 42);
    g.piles.dest[0] = Cards({Hearts(12)});
    EXPECT_FALSE(ToFoundation(0, Hearts(kKing)));
    g.piles.dest[6] = Cards({Spades(kKing)});
    EXPECT_TRUE(ToFoundation(0, Hearts(kKing)));
    g.piles.dest[5] = Cards({Clubs(kKing)});  // the neighbour does not count
    g.piles.dest[6] = Cards({Spades(kKing), Spades(12)});
    EXPECT_FALSE(ToFoundation(0, Hearts(kKing)));
    g.piles.dest[1] = Cards({Hearts(5)});
    EXPECT_TRUE(ToFoundation(1, Hearts(6)));
    EXPECT_FALSE(ToFoundation(1, Spades(6)));
}

TEST_F(PileRules, Rules46To52BuildBesideTheirColumn) {
    g.def[gd::FoundationCount] = 16;
    Foundation(0, 5, direction::Ascending, 46);
    EXPECT_TRUE(ToFoundation(0, Hearts(5)));
    EXPECT_FALSE(ToFoundation(0, Hearts(6)));
    g.piles.dest[0] = Cards({Hearts(10)});
    EXPECT_TRUE(ToFoundation(0, Spades(kJack)));
    g.piles.dest[0] = Cards({Hearts(kJack)});
    EXPECT_FALSE(ToFoundation(0, Spades(12)));

    Foundation(1, 5, direction::Ascending, 49);
    EXPECT_FALSE(ToFoundation(1, Hearts(5)));
    g.piles.fila[1] = Cards({Clubs(12)});
    EXPECT_TRUE(ToFoundation(1, Hearts(5)));
    Foundation(1, 5, direction::Ascending, 51);
    EXPECT_TRUE(ToFoundation(1, Clubs(5)));
    EXPECT_FALSE(ToFoundation(1, Hearts(5)));

    Foundation(8, kJack, direction::Descending, 47);
    EXPECT_TRUE(ToFoundation(8, Hearts(kJack)));
    g.piles.dest[8] = Cards({Hearts(kAce)});
    EXPECT_TRUE(ToFoundation(8, Spades(kKing)));
    g.piles.dest[8] = Cards({Hearts(kKing)});
    EXPECT_FALSE(ToFoundation(8, Spades(12)));
    Foundation(9, kJack, direction::Descending, 50);  // beside column 2 (index 9 - 8 = 1)
    EXPECT_TRUE(ToFoundation(9, Hearts(kJack)));
    g.piles.fila[1].clear();
    EXPECT_FALSE(ToFoundation(9, Hearts(kJack)));
    g.piles.fila[1] = Cards({Clubs(12)});
    Foundation(9, kJack, direction::Descending, 52);
    EXPECT_TRUE(ToFoundation(9, Clubs(kJack)));
    EXPECT_FALSE(ToFoundation(9, Hearts(kJack)));
}

TEST_F(PileRules, Rule53OpensTheOtherFoundationsWhenTheFirstHoldsThirteen) {
    Foundations(kAce, direction::Ascending, 53);
    g.piles.dest[0] = FilledTo(12, Clubs(9));
    EXPECT_FALSE(ToFoundation(1, Hearts(kAce)));
    EXPECT_TRUE(ToFoundation(0, Hearts(10)));
    g.piles.dest[0] = FilledTo(13, Clubs(kKing));
    EXPECT_TRUE(ToFoundation(1, Hearts(kAce)));
    EXPECT_FALSE(ToFoundation(1, Hearts(2)));
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));
}

TEST_F(PileRules, Rule77TakesFourOfEachRankInTurn) {
    Foundations(kAce, direction::Ascending, 77);
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));
    EXPECT_FALSE(ToFoundation(0, Hearts(2)));
    g.piles.dest[0] = Cards({Hearts(kAce), Clubs(kAce), Spades(kAce)});
    EXPECT_TRUE(ToFoundation(0, Diamonds(kAce)));
    PileAppend(g.piles.dest[0], Diamonds(kAce));
    EXPECT_TRUE(ToFoundation(0, Hearts(2)));
    EXPECT_FALSE(ToFoundation(0, SecondDeck(Hearts(kAce))));
}

TEST_F(PileRules, Rule79TakesTheThirteenthCardFromItsOwnReserveOnly) {
    Foundations(kAce, direction::Ascending, 79);
    g.piles.dest[1] =
        Cards({Hearts(kAce), Hearts(2), Hearts(3), Hearts(4), Hearts(5), Hearts(6), Hearts(7),
               Hearts(8), Hearts(9), Hearts(10), Hearts(kJack), Hearts(12)});
    g.piles.appogg[1] = Cards({Spades(kKing)});
    g.piles.appogg[0] = Cards({Clubs(kKing)});
    g.piles.Waste() = Cards({Diamonds(kKing)});
    EXPECT_TRUE(ToFoundation(1, Spades(kKing)));
    EXPECT_FALSE(ToFoundation(1, Clubs(kKing)));
    EXPECT_FALSE(ToFoundation(1, Diamonds(kKing)));
    g.piles.dest[2] = Cards({Hearts(5 + 52)});
    g.piles.appogg[2] = Cards({Clubs(6)});
    g.piles.Waste() = Cards({Diamonds(6)});
    EXPECT_FALSE(ToFoundation(2, Clubs(6)));
    EXPECT_TRUE(ToFoundation(2, Diamonds(6)));
}

TEST_F(PileRules, Rule82WaitsForStockAndWasteThenKeepsSuitsApart) {
    Foundations(kAce, direction::Ascending, 82);
    g.piles.Stock() = Cards({Clubs(9)});
    EXPECT_FALSE(ToFoundation(0, Hearts(kAce)));
    g.piles.Stock().clear();
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));
    g.piles.dest[0] = Cards({Hearts(kAce)});
    EXPECT_FALSE(ToFoundation(1, SecondDeck(Hearts(kAce))));
    EXPECT_TRUE(ToFoundation(1, Spades(kAce)));
    EXPECT_TRUE(ToFoundation(0, Hearts(2)));
    EXPECT_FALSE(ToFoundation(0, Spades(2)));
}

TEST_F(PileRules, Rule83StopsEachFoundationAtItsNumberButTheSeventh) {
    g.def[gd::FoundationCount] = 8;
    Foundations(kKing, direction::Descending, 83);
    g.piles.dest[2] = Cards({Hearts(4), Hearts(3)});
    EXPECT_FALSE(ToFoundation(2, Spades(2)));
    g.piles.dest[2] = Cards({Hearts(4)});
    EXPECT_TRUE(ToFoundation(2, Spades(3)));
    g.piles.dest[0] = Cards({Hearts(2)});
    EXPECT_TRUE(ToFoundation(0, Spades(kAce)));
    g.piles.dest[1] = Cards({Hearts(kAce)});
    EXPECT_TRUE(ToFoundation(1, Spades(kKing)));
    g.piles.dest[6] = Cards({Hearts(8), Hearts(7)});
    EXPECT_TRUE(ToFoundation(6, Spades(6)));
    g.piles.dest[6] = FilledTo(13, Hearts(7));
    EXPECT_FALSE(ToFoundation(6, Spades(6)));
}

TEST_F(PileRules, Rule91ClimbsByTheStepOfTheFirstFoundationWithTwoCards) {
    Foundations(kAce, direction::Ascending, 91);
    g.piles.dest[0] = Cards({Hearts(5)});
    EXPECT_TRUE(ToFoundation(0, Spades(6)));
    EXPECT_TRUE(ToFoundation(0, Spades(7)));
    EXPECT_FALSE(ToFoundation(0, Spades(8)));
    g.piles.dest[2] = Cards({Hearts(12)});
    EXPECT_TRUE(ToFoundation(2, Spades(kAce)));
    g.piles.dest[1] = Cards({Clubs(12), Clubs(2)});  // a step of 3 around the corner
    EXPECT_TRUE(ToFoundation(0, Spades(8)));
    EXPECT_FALSE(ToFoundation(0, Spades(6)));
    g.piles.dest[1] = Cards({Clubs(kKing), Clubs(kAce)});  // King then Ace: 1
    EXPECT_TRUE(ToFoundation(0, Spades(6)));
    EXPECT_FALSE(ToFoundation(0, Spades(7)));
}

TEST_F(PileRules, Rule93BuildsByThreesAndSwapsStrayCardsHome) {
    Columns(2, direction::Ascending, 93);
    EXPECT_TRUE(ToColumn(0, Hearts(2)));
    EXPECT_FALSE(ToColumn(0, Hearts(3)));
    g.piles.fila[1] = Cards({Hearts(2), Hearts(5)});
    EXPECT_TRUE(ToColumn(1, Hearts(8)));
    EXPECT_FALSE(ToColumn(1, Spades(8)));
    EXPECT_FALSE(ToColumn(1, Hearts(6)));
    // Column 3 holds a 7 that belongs to column 4 (base 7), which holds column 3's 2.
    g.piles.fila[2] = Cards({Diamonds(7)});
    Column(3, 7, direction::Ascending, 93);
    g.piles.fila[3] = Cards({Clubs(2)});
    EXPECT_TRUE(ToColumn(2, Clubs(2)));
    Column(3, 8, direction::Ascending, 93);
    EXPECT_FALSE(ToColumn(2, Clubs(2)));
    Column(3, 7, direction::Ascending, 93);
    g.piles.fila[3] = Cards({Spades(9), Clubs(2)});
    EXPECT_FALSE(ToColumn(2, Clubs(2)));
}

TEST_F(PileRules, Rule96StartsDistinctSuitsThenBuildsInSuit) {
    Foundations(kAce, direction::Ascending, 96);
    g.piles.dest[0] = Cards({Hearts(kAce)});
    EXPECT_FALSE(ToFoundation(1, SecondDeck(Hearts(kAce))));
    EXPECT_TRUE(ToFoundation(1, Spades(kAce)));
    EXPECT_FALSE(ToFoundation(1, Spades(2)));
    EXPECT_TRUE(ToFoundation(0, Hearts(2)));
    EXPECT_FALSE(ToFoundation(0, Spades(2)));
}

}  // namespace
}  // namespace tindle::legality_test
