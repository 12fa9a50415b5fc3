#include "LegalityFixture.h"

// Special rules that depend on where the card comes from and on the stock and the waste.

namespace tindle::legality_test {
namespace {

using SourceRules = LegalityTable;

TEST_F(SourceRules, Rule7LetsThePlayerOnlyFillEmptyPilesOnceTheStockIsOut) {
    Columns(base::AnyCard, direction::Descending, 7);
    g.piles.fila[0] = Cards({Hearts(9)});
    g.piles.Stock() = Cards({Clubs(2)});
    EXPECT_TRUE(ToColumn(0, Spades(8), false));  // the deal builds by the standard rule
    EXPECT_FALSE(ToColumn(0, Spades(7), false));
    EXPECT_FALSE(ToColumn(0, Spades(8)));
    EXPECT_FALSE(ToColumn(1, Spades(8)));
    g.piles.Stock().clear();
    EXPECT_TRUE(ToColumn(1, Spades(8)));
    EXPECT_FALSE(ToColumn(0, Spades(8)));
}

TEST_F(SourceRules, Rules17And19RefuseTableauCardsAnd19AlsoReserveCards) {
    g.piles.fila[0] = Cards({Hearts(9)});
    g.piles.appogg[0] = Cards({Hearts(8)});
    g.piles.Waste() = Cards({Hearts(7)});
    Foundation(0, kAce, direction::Ascending, 17);
    EXPECT_FALSE(ToFoundation(0, Hearts(9)));
    EXPECT_TRUE(ToFoundation(0, Hearts(8)));
    EXPECT_TRUE(ToFoundation(0, Hearts(7)));
    Foundation(0, kAce, direction::Ascending, 19);
    EXPECT_FALSE(ToFoundation(0, Hearts(8)));
    EXPECT_TRUE(ToFoundation(0, Hearts(7)));
}

TEST_F(SourceRules, Rule18KeepsTableauCardsOffStartedColumns) {
    Columns(base::AnyCard, direction::Descending, 18);
    g.piles.fila[0] = Cards({Hearts(9)});
    g.piles.fila[1] = Cards({Hearts(2)});
    g.piles.Waste() = Cards({Spades(kKing)});
    EXPECT_FALSE(ToColumn(0, Hearts(2)));
    EXPECT_TRUE(ToColumn(2, Hearts(2)));
    EXPECT_TRUE(ToColumn(0, Spades(kKing)));
}

TEST_F(SourceRules, Rule23BuildsInSuitOnlyWhileTheWasteIsEmpty) {
    Foundation(0, kAce, direction::Ascending, 23);
    g.piles.dest[0] = Cards({Hearts(5)});
    EXPECT_TRUE(ToFoundation(0, Hearts(6)));
    EXPECT_FALSE(ToFoundation(0, Spades(6)));
    g.piles.Waste() = Cards({Clubs(2)});
    EXPECT_FALSE(ToFoundation(0, Hearts(6)));
}

TEST_F(SourceRules, Rule27AlternatesButRefusesFoundationAndReserveCards) {
    Columns(base::AnyCard, direction::Descending, 27);
    g.piles.fila[0] = Cards({Spades(9)});
    g.piles.fila[1] = Cards({Hearts(8)});
    g.piles.dest[0] = Cards({Diamonds(8)});
    g.piles.appogg[0] = Cards({SecondDeck(Hearts(8))});
    g.piles.fila[2] = Cards({Clubs(8)});
    EXPECT_TRUE(ToColumn(0, Hearts(8)));
    EXPECT_FALSE(ToColumn(0, Diamonds(8)));
    EXPECT_FALSE(ToColumn(0, SecondDeck(Hearts(8))));
    EXPECT_FALSE(ToColumn(0, Clubs(8)));
}

TEST_F(SourceRules, Rule33TakesTwoCardsAndNoneFromTheTableau) {
    Columns(base::AnyCard, direction::Descending, 33);
    g.piles.fila[0] = Cards({Hearts(9)});
    g.piles.fila[1] = Cards({Diamonds(9), Clubs(4)});
    g.piles.fila[2] = Cards({Spades(3)});
    g.piles.Waste() = Cards({Spades(kKing)});
    EXPECT_TRUE(ToColumn(0, Spades(kKing)));
    EXPECT_FALSE(ToColumn(1, Spades(kKing)));
    EXPECT_FALSE(ToColumn(0, Spades(3)));
}

TEST_F(SourceRules, Rules38And48StartWithAKingOrQueenThenTakeOneCard) {
    Columns(base::AnyCard, direction::Descending, 38);
    EXPECT_TRUE(ToColumn(0, Spades(kKing)));
    EXPECT_FALSE(ToColumn(0, Spades(12)));
    g.piles.fila[0] = Cards({Spades(kKing)});
    EXPECT_TRUE(ToColumn(0, Hearts(4)));
    EXPECT_FALSE(ToColumn(0, Hearts(12)));
    g.piles.fila[0] = Cards({Spades(kKing), Hearts(4)});
    EXPECT_FALSE(ToColumn(0, Hearts(3)));
    g.piles.fila[0] = Cards({Spades(kKing)});
    g.piles.Waste() = Cards({Clubs(2)});
    EXPECT_FALSE(ToColumn(0, Hearts(4)));

    g.piles.Waste().clear();
    Columns(base::AnyCard, direction::Descending, 48);
    EXPECT_TRUE(ToColumn(1, Spades(12)));
    EXPECT_FALSE(ToColumn(1, Spades(kKing)));
    g.piles.fila[1] = Cards({Spades(12)});
    EXPECT_TRUE(ToColumn(1, Hearts(kKing)));
    EXPECT_FALSE(ToColumn(1, Hearts(12)));
    EXPECT_FALSE(ToColumn(0, Hearts(4)));  // a King alone is not a Queen
}

TEST_F(SourceRules, Rule40WantsTheRankOfTheRunningCounter) {
    Foundation(0, kAce, direction::Ascending, 40);
    g.piles.dest[0] = Cards({Hearts(9)});
    g.piles.Stock() = Cards({Clubs(5), Clubs(6)});
    g.counters.runningCounter = 14;
    EXPECT_TRUE(ToFoundation(0, Spades(kAce)));
    EXPECT_FALSE(ToFoundation(0, Spades(2)));
    g.counters.runningCounter = 26;
    EXPECT_TRUE(ToFoundation(0, Spades(kKing)));
    EXPECT_FALSE(ToFoundation(0, Spades(kAce)));
    g.piles.Stock() = Cards({Clubs(5)});  // the last card of stock and waste goes anywhere
    EXPECT_TRUE(ToFoundation(0, Spades(7)));
}

TEST_F(SourceRules, Rule45StartsWithAKingThenBuildsDownWithoutKings) {
    Columns(base::AnyCard, direction::Descending, 45);
    EXPECT_TRUE(ToColumn(0, Spades(kKing)));
    EXPECT_FALSE(ToColumn(0, Spades(5)));
    g.piles.fila[0] = Cards({Spades(kKing)});
    EXPECT_TRUE(ToColumn(0, Hearts(4)));
    EXPECT_FALSE(ToColumn(0, Hearts(kKing)));
    g.piles.fila[0] = Cards({Spades(kKing), Hearts(4)});
    EXPECT_TRUE(ToColumn(0, Clubs(3)));
    EXPECT_FALSE(ToColumn(0, Clubs(9)));
    g.piles.Waste() = Cards({Clubs(2)});
    EXPECT_FALSE(ToColumn(0, Clubs(3)));
}

TEST_F(SourceRules, Rule54BuildsDownAndFillsFromOutsideTheTableauAndReserves) {
    Columns(9, direction::Descending, 54);
    g.piles.Waste() = Cards({Hearts(9)});
    g.piles.appogg[0] = Cards({Clubs(9)});
    g.piles.fila[1] = Cards({Spades(9)});
    EXPECT_TRUE(ToColumn(0, Hearts(9)));
    EXPECT_FALSE(ToColumn(0, Clubs(9)));
    EXPECT_FALSE(ToColumn(0, Spades(9)));
    g.piles.fila[2] = Cards({Diamonds(kAce)});
    g.piles.Waste() = Cards({Hearts(kKing)});
    EXPECT_FALSE(ToColumn(2, Hearts(kKing)));
    g.def.At(gd::WrapFlag, 2) = 2;
    EXPECT_FALSE(ToColumn(2, Hearts(kKing)));
    g.def.At(gd::WrapFlag, 2) = 1;
    EXPECT_TRUE(ToColumn(2, Hearts(kKing)));
    g.piles.fila[3] = Cards({Diamonds(5)});
    EXPECT_TRUE(ToColumn(3, Spades(4)));
}

TEST_F(SourceRules, Rule55MovesOnlyTheLastWasteCardAndBuildsUpInColour) {
    Columns(kKing, direction::Ascending, 55);
    g.piles.fila[0] = Cards({Hearts(5)});
    g.piles.fila[1] = Cards({Diamonds(6)});
    EXPECT_TRUE(ToColumn(0, Diamonds(6)));
    EXPECT_FALSE(ToColumn(2, Diamonds(6)));  // the empty column wants its base rank
    g.piles.Waste() = Cards({Spades(kKing)});
    EXPECT_FALSE(ToColumn(0, Diamonds(6)));
    EXPECT_TRUE(ToColumn(2, Spades(kKing)));
    g.piles.Waste() = Cards({Clubs(2), Spades(kKing)});
    EXPECT_FALSE(ToColumn(2, Spades(kKing)));
    g.piles.Waste().clear();
    g.piles.fila[1] = Cards({Spades(6)});
    EXPECT_FALSE(ToColumn(0, Spades(6)));
}

TEST_F(SourceRules, Rule56TakesTheSameRankFromAColumnAtOrAfterIt) {
    Columns(base::AnyCard, direction::Descending, 56);
    g.piles.fila[0] = Cards({Diamonds(7)});
    g.piles.fila[2] = Cards({Hearts(4), Hearts(7)});
    g.piles.fila[3] = Cards({Clubs(7)});
    g.piles.fila[4] = Cards({Clubs(8)});
    g.piles.Waste() = Cards({Spades(7)});
    EXPECT_TRUE(ToColumn(2, Clubs(7)));
    EXPECT_FALSE(ToColumn(2, Hearts(7 + 52)));  // lies nowhere
    EXPECT_FALSE(ToColumn(3, Diamonds(7)));     // from a column before it
    EXPECT_FALSE(ToColumn(2, Spades(7)));
    EXPECT_FALSE(ToColumn(2, Clubs(8)));
}

TEST_F(SourceRules, Rule80BuildsInSuitBothWaysAroundTheCornerButNotFromTheTableau) {
    Columns(base::AnyCard, direction::Descending, 80);
    g.piles.fila[0] = Cards({Hearts(kKing)});
    g.piles.fila[1] = Cards({Hearts(kAce)});
    EXPECT_FALSE(ToColumn(0, Hearts(kAce)));
    g.piles.Waste() = Cards({SecondDeck(Hearts(kAce))});
    EXPECT_TRUE(ToColumn(0, SecondDeck(Hearts(kAce))));
    g.piles.Waste() = Cards({Spades(kAce)});
    EXPECT_FALSE(ToColumn(0, Spades(kAce)));
    g.piles.Waste() = Cards({Hearts(12)});
    EXPECT_TRUE(ToColumn(0, Hearts(12)));
    EXPECT_TRUE(ToColumn(2, Hearts(12)));
}

TEST_F(SourceRules, Rule81ReadsTheReserveItself) {
    g.def.At(gd::ReserveKind, 0) = 81;
    g.piles.Waste() = Cards({Hearts(6)});
    g.piles.fila[0] = Cards({Hearts(4)});
    EXPECT_TRUE(ToReserve(0, Hearts(6)));
    EXPECT_FALSE(ToReserve(0, Hearts(4)));
    g.piles.appogg[0] = Cards({Hearts(5)});
    EXPECT_TRUE(ToReserve(0, Hearts(6)));
    g.piles.Waste() = Cards({Spades(6)});
    EXPECT_FALSE(ToReserve(0, Spades(6)));
    g.piles.Waste() = Cards({Hearts(7)});
    EXPECT_FALSE(ToReserve(0, Hearts(7)));
    // On a column, 81 is the standard rule.
    Column(1, base::AnyCard, direction::Descending, 81);
    g.piles.fila[1] = Cards({Spades(8)});
    EXPECT_TRUE(ToColumn(1, Hearts(7)));
    EXPECT_FALSE(ToColumn(1, Hearts(9)));
}

TEST_F(SourceRules, Rule94AlternatesDownAndFillsFromReservesFirst) {
    Columns(base::AnyCard, direction::Descending, 94);
    g.piles.fila[0] = Cards({Hearts(kAce)});
    g.piles.Waste() = Cards({Spades(kKing)});
    EXPECT_TRUE(ToColumn(0, Spades(kKing)));  // the Ace of hearts of the first deck too
    g.piles.Waste() = Cards({Diamonds(kKing)});
    EXPECT_FALSE(ToColumn(0, Diamonds(kKing)));
    g.piles.appogg[0] = Cards({Clubs(3)});
    g.piles.fila[2] = Cards({Clubs(4)});
    EXPECT_TRUE(ToColumn(1, Clubs(3)));
    EXPECT_FALSE(ToColumn(1, Diamonds(kKing)));
    EXPECT_FALSE(ToColumn(1, Clubs(4)));
    g.piles.appogg[0].clear();
    EXPECT_TRUE(ToColumn(1, Diamonds(kKing)));
}

}  // namespace
}  // namespace tindle::legality_test
