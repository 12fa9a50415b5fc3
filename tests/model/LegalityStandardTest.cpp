#include "LegalityFixture.h"

// The standard building rule: suit filters, the rank step in each direction, wrapping past
// the base, pairing, and the stock restriction that comes before every rule.

namespace tindle::legality_test {
namespace {

using StandardRule = LegalityTable;

TEST_F(StandardRule, ACardIsNeverPlacedOnItself) {
    PlaceQuery q;
    q.topCard = q.card = Hearts(5);
    q.ruleCode = 12;  // even the rule that takes everything
    EXPECT_FALSE(CanPlace(g, q));
}

TEST_F(StandardRule, FreeCellColumnsBuildDownInAlternatingColours) {
    g.piles.fila[0] = Cards({Spades(10)});
    EXPECT_TRUE(ToColumn(0, Hearts(9)));
    EXPECT_TRUE(ToColumn(0, Diamonds(9)));
    EXPECT_FALSE(ToColumn(0, Clubs(9)));
    EXPECT_FALSE(ToColumn(0, Hearts(8)));
    EXPECT_FALSE(ToColumn(0, Hearts(11)));
    EXPECT_TRUE(ToColumn(1, Clubs(7)));  // an empty column with base -1 takes anything
    // With foundations starting at the Ace, an Ace ends a column: no King around the corner.
    g.piles.fila[2] = Cards({Hearts(kAce)});
    EXPECT_FALSE(ToColumn(2, Spades(kKing)));
}

TEST_F(StandardRule, SameSuitFoundationsClimbFromTheAce) {
    EXPECT_TRUE(ToFoundation(0, Spades(kAce)));
    EXPECT_FALSE(ToFoundation(0, Spades(2)));
    g.piles.dest[0] = Cards({Spades(kAce)});
    EXPECT_TRUE(ToFoundation(0, Spades(2)));
    EXPECT_TRUE(ToFoundation(0, SecondDeck(Spades(2))));
    EXPECT_FALSE(ToFoundation(0, Clubs(2)));
    EXPECT_FALSE(ToFoundation(0, Spades(3)));
}

TEST_F(StandardRule, FoundationWrapsPastTheKingOnlyWhenItDidNotStartAtTheAce) {
    g.piles.dest[0] = Cards({Hearts(12), Hearts(kKing)});
    EXPECT_FALSE(ToFoundation(0, Hearts(kAce)));
    Foundation(0, 2, direction::Ascending, 0);
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));
    // Descending: the Ace takes the King unless the foundation started at the King.
    g.piles.dest[1] = Cards({Hearts(2), Hearts(kAce)});
    Foundation(1, kKing, direction::Descending, 0);
    EXPECT_FALSE(ToFoundation(1, Hearts(kKing)));
    Foundation(1, 12, direction::Descending, 0);
    EXPECT_TRUE(ToFoundation(1, Hearts(kKing)));
    EXPECT_FALSE(ToFoundation(1, Hearts(2)));
}

TEST_F(StandardRule, FoundationBuildingEitherWayTurnsAtTheKing) {
    Foundation(0, kAce, direction::Either, 2);
    g.piles.dest[0] = Cards({Hearts(kKing)});
    EXPECT_FALSE(ToFoundation(0, Spades(kAce)));  // base 1: no Ace after the King
    EXPECT_TRUE(ToFoundation(0, Spades(12)));     // the descending part still decides
    g.piles.dest[0] = Cards({Hearts(6)});
    EXPECT_TRUE(ToFoundation(0, Clubs(7)));
    EXPECT_TRUE(ToFoundation(0, Clubs(5)));
    EXPECT_FALSE(ToFoundation(0, Clubs(8)));
}

TEST_F(StandardRule, ColumnTopOfTheGameBaseRankEndsTheSequenceUnlessItWraps) {
    Foundation(0, 5, direction::Ascending, 0);  // the game's base rank is 5
    Column(0, base::AnyCard, direction::Descending, 2);
    g.piles.fila[0] = Cards({Hearts(5)});
    EXPECT_FALSE(ToColumn(0, Clubs(4)));
    g.def.At(gd::WrapFlag, 0) = 1;
    EXPECT_TRUE(ToColumn(0, Clubs(4)));
    // An ascending column stops at the base rank just the same.
    Column(1, base::AnyCard, direction::Ascending, 2);
    g.piles.fila[1] = Cards({Hearts(5)});
    EXPECT_FALSE(ToColumn(1, Clubs(6)));
}

TEST_F(StandardRule, ColumnAceTakesTheKingExceptUnderClosedLetterBases) {
    Foundation(0, 7, direction::Ascending, 0);
    Column(0, base::AnyCard, direction::Descending, 2);
    g.piles.fila[0] = Cards({Hearts(kAce)});
    EXPECT_TRUE(ToColumn(0, Clubs(kKing)));
    g.def.At(gd::FoundationBase, 0) = 'Q';
    EXPECT_FALSE(ToColumn(0, Clubs(kKing)));
    g.def.At(gd::WrapFlag, 0) = 1;
    EXPECT_TRUE(ToColumn(0, Clubs(kKing)));
}

TEST_F(StandardRule, ColumnBuildingEitherWayAtTheKing) {
    Foundation(0, 7, direction::Ascending, 0);
    Column(0, base::AnyCard, direction::Either, 2);
    g.piles.fila[0] = Cards({Hearts(kKing)});
    EXPECT_TRUE(ToColumn(0, Clubs(kAce)));  // ascending around the corner
    EXPECT_TRUE(ToColumn(0, Clubs(12)));    // descending part
    EXPECT_FALSE(ToColumn(0, Clubs(2)));
}

TEST_F(StandardRule, PairingLetsTheAceTakeATwoAndTheKingAQueen) {
    Column(0, base::AnyCard, direction::Ascending, 2);
    g.def.At(gd::WrapFlag, 0) = wrap::Pairing;
    g.piles.fila[0] = Cards({Hearts(kKing)});
    EXPECT_TRUE(ToColumn(0, Clubs(12)));
    EXPECT_FALSE(ToColumn(0, Clubs(kAce)));
    g.piles.fila[0] = Cards({Hearts(kAce)});  // the base rank does not stop a paired column
    EXPECT_TRUE(ToColumn(0, Clubs(2)));
    Column(1, base::AnyCard, direction::Descending, 2);
    g.def.At(gd::WrapFlag, 1) = wrap::Pairing;
    g.piles.fila[1] = Cards({Hearts(kAce)});
    EXPECT_TRUE(ToColumn(1, Clubs(2)));
    EXPECT_FALSE(ToColumn(1, Clubs(kKing)));
    g.piles.fila[1] = Cards({Hearts(6)});
    EXPECT_TRUE(ToColumn(1, Clubs(5)));
}

TEST_F(StandardRule, SuitFiltersOfTheStandardCodes) {
    g.piles.fila[0] = Cards({Hearts(8)});
    Column(0, base::AnyCard, direction::Descending, 1);  // same colour
    EXPECT_TRUE(ToColumn(0, Diamonds(7)));
    EXPECT_FALSE(ToColumn(0, Spades(7)));
    Column(0, base::AnyCard, direction::Descending, 2);  // any suit
    EXPECT_TRUE(ToColumn(0, Spades(7)));
    Column(0, base::AnyCard, direction::Descending, 0);  // same suit
    EXPECT_TRUE(ToColumn(0, Hearts(7)));
    EXPECT_FALSE(ToColumn(0, Diamonds(7)));
}

TEST_F(StandardRule, CodeSixTakesACardOnlyOnAnEmptyPile) {
    Column(0, base::AnyCard, direction::Descending, 6);
    EXPECT_TRUE(ToColumn(0, Hearts(7)));
    g.piles.fila[0] = Cards({Spades(8)});
    EXPECT_FALSE(ToColumn(0, Hearts(7)));
}

TEST_F(StandardRule, DirectionTypesAboveTwoNeverBuild) {
    Foundation(0, kAce, 3, 2);
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));
    g.piles.dest[0] = Cards({Hearts(kAce)});
    EXPECT_FALSE(ToFoundation(0, Hearts(2)));
}

TEST_F(StandardRule, CodesWithoutARuleOfTheirOwnBuildWithoutSuitFilter) {
    for (int code : {9, 10, 22, 57, 99, 150, -4}) {
        SCOPED_TRACE(code);
        Foundation(0, kAce, direction::Ascending, code);
        g.piles.dest[0] = Cards({Hearts(4)});
        EXPECT_TRUE(ToFoundation(0, Spades(5)));
        EXPECT_FALSE(ToFoundation(0, Spades(6)));
    }
}

TEST_F(StandardRule, StockRestrictionHoldsTableauCardsWhileStockOrWasteHoldCards) {
    g.def[gd::StockRestriction] = 1;
    g.piles.fila[0] = Cards({Hearts(kAce)});
    g.piles.Waste() = Cards({Clubs(9)});
    EXPECT_FALSE(ToFoundation(0, Hearts(kAce)));
    EXPECT_TRUE(ToColumn(1, Hearts(kAce)));  // 1 restricts foundations only
    g.piles.Waste().clear();
    g.piles.Stock() = Cards({Clubs(9)});
    EXPECT_FALSE(ToFoundation(0, Hearts(kAce)));
    g.piles.Stock().clear();
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));

    g.def[gd::StockRestriction] = 2;  // every destination
    g.piles.Stock() = Cards({Clubs(9)});
    EXPECT_FALSE(ToColumn(1, Hearts(kAce)));
    g.piles.appogg[0] = Cards({Spades(kAce)});  // a card from elsewhere is not held
    EXPECT_TRUE(ToFoundation(1, Spades(kAce)));
}

}  // namespace
}  // namespace tindle::legality_test
