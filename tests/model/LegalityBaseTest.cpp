#include <string>
#include <vector>

#include "LegalityFixture.h"
#include "model/Ports.h"

// What an empty pile takes: ranks, any card, the letter codes, and the suit-counting checks
// behind the balanced letters and the distinct-suit groups.

namespace tindle::legality_test {
namespace {

using BaseRule = LegalityTable;

class RecordingMessages : public MessagePort {
  public:
    void Information(std::string_view text) override { shown.emplace_back(text); }
    bool Confirm(std::string_view) override { return true; }
    void Beep() override {}
    void FatalError(std::string_view) override {}
    std::vector<std::string> shown;
};

TEST_F(BaseRule, KingOnlyEmptyColumns) {
    Columns(kKing, direction::Descending, 3);
    EXPECT_TRUE(ToColumn(0, Spades(kKing)));
    EXPECT_FALSE(ToColumn(0, Spades(12)));
}

TEST_F(BaseRule, AnyCardWhenThePileOrTheGameHasNoBaseRank) {
    Foundation(1, base::AnyCard, direction::Ascending, 0);
    EXPECT_TRUE(ToFoundation(1, Spades(9)));
    EXPECT_FALSE(ToFoundation(2, Spades(9)));
    g.def.At(gd::FoundationBase, 0) = base::AnyCard;  // the game's base: any card everywhere
    EXPECT_TRUE(ToFoundation(2, Spades(9)));
    EXPECT_TRUE(ToReserve(0, Spades(9)));
}

TEST_F(BaseRule, ClosedAndLayoutLettersTakeNothing) {
    for (int letter : {'R', 'S', 'V'}) {
        SCOPED_TRACE(static_cast<char>(letter));
        Foundation(1, letter, direction::Ascending, 0);
        EXPECT_FALSE(ToFoundation(1, Spades(kAce)));
        EXPECT_FALSE(ToFoundation(1, Spades(kKing)));
    }
}

TEST_F(BaseRule, LetterQBalancesColoursAmongItsFoundations) {
    Foundations('Q', direction::Ascending, 0);
    EXPECT_FALSE(ToFoundation(0, Hearts(2)));
    EXPECT_TRUE(ToFoundation(0, Hearts(kAce)));
    g.piles.dest[0] = Cards({Hearts(kAce)});
    g.piles.dest[1] = Cards({SecondDeck(Hearts(kAce))});
    EXPECT_FALSE(ToFoundation(2, Diamonds(kAce)));  // a third red of four
    EXPECT_TRUE(ToFoundation(2, Spades(kAce)));
    g.piles.dest[2] = Cards({Spades(kAce)});
    EXPECT_TRUE(ToFoundation(3, SecondDeck(Spades(kAce))));  // Q lets a suit come twice
}

TEST_F(BaseRule, LettersTUZWantTheirRankInDistinctSuits) {
    struct Case {
        int letter;
        int rank;
    };
    for (Case c : {Case{'T', kKing}, Case{'U', kAce}, Case{'Z', 2}}) {
        SCOPED_TRACE(static_cast<char>(c.letter));
        Foundations(c.letter, direction::Ascending, 0);
        g.piles.dest[0].clear();
        EXPECT_FALSE(ToFoundation(0, Hearts(c.rank == kAce ? 2 : kAce)));
        EXPECT_TRUE(ToFoundation(0, Hearts(c.rank)));
        g.piles.dest[0] = Cards({Hearts(c.rank)});
        EXPECT_FALSE(ToFoundation(1, SecondDeck(Hearts(c.rank))));
        EXPECT_TRUE(ToFoundation(1, Diamonds(c.rank)));
    }
}

TEST_F(BaseRule, BalancedLetterCountsOnlyFoundationsOfTheSameLetter) {
    Foundations('T', direction::Ascending, 0);
    Foundation(2, kAce, direction::Ascending, 0);
    Foundation(3, kAce, direction::Ascending, 0);
    g.piles.dest[0] = Cards({Hearts(kKing)});
    // Two 'T' foundations: one red and one black.
    EXPECT_FALSE(ToFoundation(1, Diamonds(kKing)));
    EXPECT_TRUE(ToFoundation(1, Clubs(kKing)));
}

TEST_F(BaseRule, CardOutsideTheDecksIsLeftOutOfTheBalanceAndReported) {
    Foundations('Q', direction::Ascending, 0);
    g.piles.dest[0] = Cards({kJoker});
    g.piles.dest[1] = Cards({Hearts(kAce)});
    EXPECT_TRUE(FoundationBaseBalanced(g, 'Q', Diamonds(kAce)));
    RecordingMessages messages;
    EXPECT_TRUE(FoundationBaseBalanced(g, 'Q', Diamonds(kAce), &messages));
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Error suit - 1"});
    EXPECT_FALSE(FoundationBaseBalanced(g, 'W', Diamonds(kAce)));  // not a balanced letter
}

TEST_F(BaseRule, LetterWTakesCardsFromStockWasteOrNowhere) {
    Foundation(0, 'W', direction::Ascending, 0);
    g.piles.Waste() = Cards({Hearts(3)});
    g.piles.fila[0] = Cards({Hearts(4)});
    g.piles.appogg[0] = Cards({Hearts(5)});
    EXPECT_TRUE(ToFoundation(0, Hearts(3)));
    EXPECT_TRUE(ToFoundation(0, Hearts(6)));  // lies nowhere
    EXPECT_FALSE(ToFoundation(0, Hearts(4)));
    EXPECT_FALSE(ToFoundation(0, Hearts(5)));
}

TEST_F(BaseRule, LetterXRefusesOnlyTableauCards) {
    Foundation(0, 'X', direction::Ascending, 0);
    g.piles.fila[0] = Cards({Hearts(4)});
    g.piles.appogg[0] = Cards({Hearts(5)});
    EXPECT_FALSE(ToFoundation(0, Hearts(4)));
    EXPECT_TRUE(ToFoundation(0, Hearts(5)));
}

TEST_F(BaseRule, BackslashFollowsTheRankOfTheStartedFoundations) {
    Foundations('\\', direction::Ascending, 0);
    EXPECT_TRUE(ToFoundation(0, Clubs(6)));
    g.piles.dest[1] = Cards({Hearts(6), Hearts(7)});
    EXPECT_TRUE(ToFoundation(0, Clubs(6)));
    EXPECT_FALSE(ToFoundation(0, Clubs(7)));
}

TEST_F(BaseRule, BracketStartsFromAReserveThenFollowsTheStartedRank) {
    Foundations(']', direction::Ascending, 0);
    g.piles.appogg[0] = Cards({Hearts(9)});
    g.piles.Waste() = Cards({Clubs(9)});
    EXPECT_TRUE(ToFoundation(0, Hearts(9)));
    EXPECT_FALSE(ToFoundation(0, Clubs(9)));
    g.piles.dest[2] = Cards({Spades(9)});
    EXPECT_TRUE(ToFoundation(0, Clubs(9)));
    EXPECT_FALSE(ToFoundation(0, Clubs(8)));
}

TEST_F(BaseRule, GraveAccentTakesReserveCardsFirstThenTheWaste) {
    Foundations('`', direction::Ascending, 0);
    g.piles.appogg[1] = Cards({Hearts(9)});
    g.piles.Waste() = Cards({Clubs(9)});
    g.piles.fila[0] = Cards({Spades(9)});
    EXPECT_TRUE(ToFoundation(0, Hearts(9)));
    EXPECT_FALSE(ToFoundation(0, Clubs(9)));
    g.piles.appogg[1].clear();
    EXPECT_TRUE(ToFoundation(0, Clubs(9)));
    EXPECT_FALSE(ToFoundation(0, Spades(9)));
}

TEST(SuitsDistinct, CountsTopCardsWithTheCardInItsSlot) {
    Game g;
    g.piles.dest[0] = Cards({Hearts(2), Spades(3)});
    g.piles.dest[1] = Cards({Clubs(kAce)});
    g.piles.dest[3] = Cards({kJoker});  // a joker counts no suit
    const int group[4] = {0, 1, 2, 3};
    EXPECT_TRUE(SuitsDistinct(g, group, 2, Hearts(5)));
    EXPECT_FALSE(SuitsDistinct(g, group, 2, Spades(5)));
    EXPECT_FALSE(SuitsDistinct(g, group, 0, Clubs(5)));  // the slot's own top is replaced
    EXPECT_FALSE(SuitsDistinct(g, group, 1, Spades(5)));
    EXPECT_TRUE(SuitsDistinct(g, group, 1, Diamonds(5)));
    EXPECT_TRUE(SuitsDistinct(g, group, 3, Diamonds(5)));
}

}  // namespace
}  // namespace tindle::legality_test
