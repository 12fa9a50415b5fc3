#include "LegalityFixture.h"

// The grid games (rules 70 and 71) and the joker foundations (rules 72 and 75).

namespace tindle::legality_test {
namespace {

// A 3 x 3 grid: cells 1..9 are columns 0..8, each holding one card (column k: card k + 1),
// except the cells named empty, which hold a gap.
class Grid : public LegalityTable {
  protected:
    void Fill(int rule, std::initializer_list<int> emptyCells) {
        g.def[gd::TableauCount] = 9;
        g.def[gd::GridRowWidth] = 3;
        Columns(base::AnyCard, direction::Descending, rule);
        for (int k = 0; k < 9; ++k)
            g.piles.fila[k] = Cards({k + 1});
        for (int cell : emptyCells)
            g.piles.fila[cell - 1] = std::string(kEmptySlot);
    }
    int CardOfCell(int cell) const { return cell; }
    // The move's legality, and the cell it jumps over (JumpedCell) into `jumped`.
    bool Move(int fromCell, int toCell, int* jumped = nullptr) {
        if (jumped) *jumped = JumpedCell(g, CardOfCell(fromCell), toCell - 1);
        return CanPlaceOnColumn(g, toCell - 1, CardOfCell(fromCell), true);
    }
};

TEST_F(Grid, Rule70StepsIntoAnEmptyNeighbourCell) {
    Fill(70, {4});
    EXPECT_TRUE(Move(5, 4));   // right neighbour
    EXPECT_TRUE(Move(1, 4));   // above
    EXPECT_TRUE(Move(7, 4));   // below
    EXPECT_FALSE(Move(3, 4));  // the cell before, but at the end of the row above
    EXPECT_FALSE(Move(6, 4));
    EXPECT_FALSE(Move(5, 6));  // into an occupied cell
    g.piles.Waste() = Cards({20});
    EXPECT_FALSE(CanPlaceOnColumn(g, 3, 20, true));
}

TEST_F(Grid, Rule71JumpsOverAnOccupiedCellAndNamesIt) {
    Fill(71, {1});
    int jumped = 99;
    EXPECT_TRUE(Move(3, 1, &jumped));
    EXPECT_EQ(jumped, 1);
    EXPECT_TRUE(Move(7, 1, &jumped));
    EXPECT_EQ(jumped, 3);
    EXPECT_FALSE(Move(2, 1, &jumped));
    EXPECT_EQ(jumped, -1);
    g.piles.fila[1] = std::string(kEmptySlot);  // nothing to jump over
    EXPECT_FALSE(Move(3, 1, &jumped));
    Fill(71, {4});
    EXPECT_FALSE(Move(2, 4));  // two cells on, but across the row end
    EXPECT_TRUE(Move(6, 4, &jumped));
    EXPECT_EQ(jumped, 4);
}

class Jokers : public LegalityTable {
  protected:
    Jokers() { Foundations(base::FirstStarted, direction::Ascending, 72); }
};

TEST_F(Jokers, Rule72PutsJokersOnStartedFoundationsAnd75Anywhere) {
    EXPECT_FALSE(ToFoundation(0, kJoker));
    g.piles.dest[0] = Cards({Hearts(5)});
    EXPECT_TRUE(ToFoundation(0, kJoker));
    Foundations(base::FirstStarted, direction::Ascending, 75);
    EXPECT_TRUE(ToFoundation(1, kJoker));
}

TEST_F(Jokers, BaseOfTheFirstStartedFoundation) {
    EXPECT_TRUE(ToFoundation(0, Clubs(7)));        // nothing started: the first card sets it
    g.piles.dest[0] = Cards({kJoker, Hearts(6)});  // the joker stood for a 5
    EXPECT_TRUE(ToFoundation(1, Spades(5)));
    EXPECT_FALSE(ToFoundation(1, Spades(6)));
    g.piles.dest[0] = Cards({Hearts(5)});
    EXPECT_TRUE(ToFoundation(1, Spades(5)));
    EXPECT_FALSE(ToFoundation(1, SecondDeck(Hearts(5))));  // four foundations, four suits
}

TEST_F(Jokers, CardsBuildUpInSuitAcrossJokers) {
    g.piles.dest[0] = Cards({Hearts(5)});
    EXPECT_TRUE(ToFoundation(0, Hearts(6)));
    EXPECT_FALSE(ToFoundation(0, Spades(6)));
    EXPECT_FALSE(ToFoundation(0, Hearts(7)));
    g.piles.dest[0] = Cards({Hearts(5), kJoker});
    EXPECT_TRUE(ToFoundation(0, Hearts(6)));
    EXPECT_TRUE(ToFoundation(0, Hearts(7)));
    EXPECT_FALSE(ToFoundation(0, Hearts(8)));
    EXPECT_FALSE(ToFoundation(0, Spades(7)));
}

TEST_F(Jokers, TheAceFollowsTheKingUnlessTheFoundationsStartAtTheAce) {
    g.piles.dest[0] = Cards({Hearts(5), Hearts(kKing)});
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));
    g.piles.dest[0] = Cards({Hearts(12), kJoker});
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));
    Foundations(kAce, direction::Ascending, 72);
    EXPECT_TRUE(ToFoundation(0, Hearts(kKing)));
    EXPECT_FALSE(ToFoundation(0, Hearts(kAce)));
    g.piles.dest[0] = Cards({Hearts(kKing)});
    EXPECT_FALSE(ToFoundation(0, Hearts(kAce)));
}

TEST_F(Jokers, AJokerAloneStandsForTheBaseRank) {
    Foundations(5, direction::Ascending, 75);
    g.piles.dest[0] = Cards({kJoker});
    EXPECT_TRUE(ToFoundation(0, Hearts(5)));
    EXPECT_TRUE(ToFoundation(0, Hearts(6)));
    EXPECT_FALSE(ToFoundation(0, Hearts(7)));
    EXPECT_FALSE(ToFoundation(1, Hearts(6)));  // an empty foundation takes the base rank
}

}  // namespace
}  // namespace tindle::legality_test
