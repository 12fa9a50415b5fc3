#include "LegalityFixture.h"

// Lifting runs of cards: how many may go together, whether the run is built by its column's
// rule, and which pyramid cards are free.

namespace tindle::legality_test {
namespace {

// Column 1 holds a six-card run K..8 in alternating colours; every other column holds one
// card; the four reserves are free.
class Groups : public LegalityTable {
  protected:
    Groups() {
        g.piles.fila[0] =
            Cards({Spades(kKing), Hearts(12), Spades(kJack), Hearts(10), Spades(9), Hearts(8)});
        for (int k = 1; k < 8; ++k)
            g.piles.fila[k] = Cards({Diamonds(k)});
    }
    bool Lift(int rule, int firstCard, bool toEmpty = false) {
        g.def[gd::GroupSizeRule] = static_cast<int16_t>(rule);
        return GroupSizeAllowed(g, firstCard, toEmpty);
    }
};

TEST_F(Groups, FreeCellLimitCountsReservesAndEmptyColumns) {
    EXPECT_TRUE(Lift(-5, Hearts(12)));  // 5 cards, 4 free reserves, no empty column
    EXPECT_FALSE(Lift(-5, Spades(kKing)));
    g.piles.fila[7].clear();  // one empty column
    EXPECT_TRUE(Lift(-5, Spades(kKing)));
    EXPECT_FALSE(Lift(-5, Spades(kKing), true));  // the empty column is the target
    EXPECT_TRUE(Lift(-5, Hearts(12), true));
    g.piles.appogg[0] = Cards({Clubs(2)});
    g.piles.appogg[1] = Cards({Clubs(3)});
    EXPECT_TRUE(Lift(-5, Hearts(10), true));  // 3 cards: 2 reserves + 1 column
    EXPECT_FALSE(Lift(-5, Spades(kJack), true));
    EXPECT_TRUE(Lift(-5, Spades(kJack)));  // one more when the empty column is not the target
}

TEST_F(Groups, SecondFreeCellLimitDoesNotDependOnTheTarget) {
    EXPECT_TRUE(Lift(-6, Hearts(12)));
    EXPECT_FALSE(Lift(-6, Spades(kKing)));
    g.piles.fila[7].clear();
    g.piles.appogg[0] = Cards({Clubs(2)});
    g.piles.appogg[1] = Cards({Clubs(3)});
    EXPECT_TRUE(Lift(-6, Hearts(10)));  // 2 + 1
    EXPECT_TRUE(Lift(-6, Hearts(10), true));
    EXPECT_FALSE(Lift(-6, Spades(kJack)));
}

TEST_F(Groups, FixedKingAndWholeColumnLimits) {
    EXPECT_TRUE(Lift(-1, Spades(kKing)));
    EXPECT_TRUE(Lift(0, Spades(kKing)));
    EXPECT_TRUE(Lift(3, Hearts(10)));
    EXPECT_FALSE(Lift(3, Spades(kJack)));
    EXPECT_TRUE(Lift(-12, Spades(kKing)));
    EXPECT_FALSE(Lift(-12, Hearts(12)));
    EXPECT_TRUE(Lift(-12, Hearts(8)));
    EXPECT_TRUE(Lift(-13, Spades(kKing)));
    EXPECT_TRUE(Lift(-13, Hearts(8)));
    EXPECT_FALSE(Lift(-13, Hearts(12)));
    g.piles.appogg[0] = Cards({Clubs(2)});
    EXPECT_FALSE(Lift(-13, Clubs(2)));  // not in a column
}

TEST_F(Groups, OtherNegativeValuesAllowOneCardPerEmptyColumn) {
    EXPECT_TRUE(Lift(-3, Hearts(8)));
    EXPECT_FALSE(Lift(-3, Spades(9)));
    g.piles.fila[6].clear();
    g.piles.fila[7].clear();
    EXPECT_TRUE(Lift(-3, Spades(9)));
    EXPECT_FALSE(Lift(-3, Hearts(10)));
}

TEST_F(Groups, RunsMustFollowTheColumnRuleWhenTheGameChecksThem) {
    g.def[gd::GroupRule] = 1;
    EXPECT_TRUE(CanMoveGroup(g, Spades(kKing), 0));
    g.piles.fila[1] = Cards({Spades(10), Hearts(9), Clubs(9)});
    EXPECT_FALSE(CanMoveGroup(g, Spades(10), 1));
    EXPECT_TRUE(CanMoveGroup(g, Clubs(9), 1));
    EXPECT_FALSE(CanMoveGroup(g, Spades(kKing), 1));  // not in that column

    g.def[gd::GroupRule] = 10;  // in suit, whatever the column's code
    EXPECT_FALSE(CanMoveGroup(g, Spades(kKing), 0));
    g.piles.fila[2] = Cards({Clubs(8), Clubs(7), Clubs(6)});
    EXPECT_TRUE(CanMoveGroup(g, Clubs(8), 2));

    g.def[gd::GroupRule] = 0;
    EXPECT_TRUE(CanMoveGroup(g, Spades(10), 1));
}

TEST(CardUncovered, ACardIsFreeWhenTheTwoCardsBelowItAreGone) {
    Game g;
    g.def[gd::TableauCount] = 3;
    g.piles.fila[0] = Cards({Hearts(1)});
    g.piles.fila[1] = Cards({Hearts(2), Hearts(3)});
    g.piles.fila[2] = Cards({Hearts(4), Hearts(5), Hearts(6)});
    g.piles.fila[3] = Cards({Hearts(7)});  // beyond the used rows
    EXPECT_TRUE(CardUncovered(g, Hearts(5)));
    EXPECT_FALSE(CardUncovered(g, Hearts(2)));
    EXPECT_FALSE(CardUncovered(g, Hearts(7)));
    EXPECT_FALSE(CardUncovered(g, 0));
    g.piles.fila[2] = Cards({0, 0, Hearts(6)});
    EXPECT_TRUE(CardUncovered(g, Hearts(2)));
    EXPECT_FALSE(CardUncovered(g, Hearts(3)));
    EXPECT_FALSE(CardUncovered(g, Hearts(1)));
    g.piles.fila[1] = Cards({0, 0});  // the row below the top is gone, the last one is not
    EXPECT_TRUE(CardUncovered(g, Hearts(1)));
    g.piles.fila[2].clear();  // an emptied row counts as cleared
    g.piles.fila[1] = Cards({Hearts(2), Hearts(3)});
    EXPECT_TRUE(CardUncovered(g, Hearts(3)));
}

}  // namespace
}  // namespace tindle::legality_test
