#include <ostream>
#include <string>

#include "LegalityFixture.h"

// Special rules that look only at the two cards, as one table of cases on foundation 1: for
// each code at least one card it takes and one a plausible slip would wrongly take.

namespace tindle::legality_test {
namespace {

constexpr int kEmpty = 0;

struct RankCase {
    int code;
    int top;  // kEmpty: the foundation is empty
    int card;
    bool accepted;
    int direction = direction::Ascending;
    int base = kAce;
};

const RankCase kRankCases[] = {
    {4, kEmpty, Hearts(kAce), false},
    {5, Hearts(4), Hearts(5), false},
    {12, Hearts(kKing), Spades(3), true},
    {8, Hearts(5), Spades(6), true},  // standard, no suit filter
    {13, Hearts(5), Spades(7), false},
    // 11: standard in suit, but no Queen on a King or a Jack.
    {11, Hearts(kKing), Hearts(12), false, direction::Descending},
    {11, Hearts(kJack), Hearts(12), false},
    {11, Hearts(12), Hearts(kJack), true, direction::Descending},
    {11, Hearts(12), Spades(kJack), false, direction::Descending},
    // 14..16: up by 2, 3, 4 in any suit, on past the King.
    {14, Hearts(2), Spades(4), true},
    {14, Hearts(kJack), Spades(kKing), true},
    {14, Hearts(12), Spades(kAce), true},
    {14, Hearts(kKing), Spades(2), true},
    {14, Hearts(2), Spades(3), false},
    {14, kEmpty, Spades(2), true, direction::Ascending, 2},
    {14, kEmpty, Spades(kAce), false, direction::Ascending, 2},
    {15, Hearts(2), Spades(5), true},
    {15, Hearts(kJack), Spades(kAce), true},
    {15, Hearts(2), Spades(4), false},
    {16, Hearts(kJack), Spades(2), true},
    {16, Hearts(2), Spades(5), false},
    // 20: up in any suit from the Ace, the Ace again after the King.
    {20, kEmpty, Spades(kAce), true, direction::Ascending, 2},
    {20, kEmpty, Spades(2), false, direction::Ascending, 2},
    {20, Hearts(kKing), Spades(kAce), true},
    {20, Hearts(5), Spades(7), false},
    // 21: never on the same suit, else standard.
    {21, Hearts(5), Spades(6), true},
    {21, Hearts(5), Hearts(6), false},
    // 24: in suit, but never a Queen on a King or a King on a Queen.
    {24, Hearts(12), Hearts(kKing), false},
    {24, Hearts(kKing), Hearts(12), false, direction::Descending},
    {24, Hearts(12), Hearts(kJack), true, direction::Descending},
    {24, Hearts(12), Spades(kJack), false, direction::Descending},
    // 25: in suit by two, up or down by the direction type; 61 also wraps.
    {25, Hearts(5), Hearts(7), true},
    {25, Hearts(5), Spades(7), false},
    {25, Hearts(5), Hearts(6), false},
    {25, Hearts(5), Hearts(3), true, direction::Descending},
    {25, Hearts(kKing), Hearts(2), false},
    {61, Hearts(kKing), Hearts(2), true},
    {61, Hearts(12), Hearts(kAce), true},
    {61, Hearts(kKing), Spades(2), false},
    // 28: one up or down, any suit, not around the corner; 60 in suit.
    {28, kEmpty, Spades(9), true},
    {28, Hearts(5), Spades(4), true},
    {28, Hearts(kAce), Spades(2), true},
    {28, Hearts(kAce), Spades(kKing), false},
    {28, Hearts(kKing), Spades(kAce), false},
    {60, Hearts(5), Spades(6), false},
    {60, Hearts(5), Hearts(6), true},
    // 31 / 32: down / up in suit.
    {31, Hearts(5), Hearts(4), true},
    {31, Hearts(5), Spades(4), false},
    {31, Hearts(5), Hearts(6), false},
    {32, Hearts(5), Hearts(6), true},
    {32, Hearts(kKing), Hearts(kAce), false},
    // 34: down in any suit; 35: up or down around the corner.
    {34, Hearts(5), Spades(4), true},
    {34, Hearts(5), Spades(6), false},
    {35, Hearts(kKing), Spades(kAce), true},
    {35, Hearts(kAce), Spades(kKing), true},
    {35, Hearts(5), Spades(7), false},
    // 39 / 44: up from the Ace; 39 never a Queen or King, 44 never a King.
    {39, kEmpty, Spades(kAce), true, direction::Ascending, 2},
    {39, kEmpty, Spades(2), false, direction::Ascending, 2},
    {39, Hearts(10), Spades(kJack), true},
    {39, Hearts(kJack), Spades(12), false},
    {44, Hearts(kJack), Spades(12), true},
    {44, Hearts(12), Spades(kKing), false},
    // 43: in suit, up by two.
    {43, Hearts(5), Hearts(7), true},
    {43, Hearts(5), Spades(7), false},
    // 76: any lower rank.
    {76, Hearts(9), Spades(3), true},
    {76, Hearts(9), Spades(9), false},
    {76, kEmpty, Spades(kKing), true},
    // 78 and 95: in suit from the Ace, the Ace again after the King.
    {78, kEmpty, Spades(kAce), true, direction::Ascending, 5},
    {78, kEmpty, Spades(5), false, direction::Ascending, 5},
    {78, Hearts(kKing), Hearts(kAce), true},
    {78, Hearts(kKing), Spades(kAce), false},
    {95, SecondDeck(Spades(kKing)), Spades(kAce), true},
    {95, Hearts(5), Hearts(7), false},
    // 86 / 87: suits in the cycle hearts, clubs, diamonds, spades.
    {86, kEmpty, Spades(2), false},
    {86, Hearts(5), Clubs(6), true},
    {86, Hearts(5), Diamonds(6), false},
    {86, Clubs(5), Diamonds(6), true},
    {86, Spades(5), Hearts(6), true},
    {87, kEmpty, Spades(9), true},
    {87, Hearts(5), Clubs(4), true},
    {87, Hearts(5), Clubs(6), false},
    // 92: Aces only.
    {92, Hearts(kKing), Spades(kAce), true},
    {92, kEmpty, Spades(2), false, direction::Ascending, 2},
};

class RankRules : public LegalityTable, public ::testing::WithParamInterface<RankCase> {};

TEST_P(RankRules, TakeWhatTheRuleAllows) {
    const RankCase& c = GetParam();
    Foundation(0, c.base, c.direction, c.code);
    g.piles.dest[0] = c.top == kEmpty ? Pile() : Cards({c.top});
    EXPECT_EQ(ToFoundation(0, c.card), c.accepted)
        << "code " << c.code << ", card " << c.card << " on " << c.top;
}

void PrintTo(const RankCase& c, std::ostream* os) {
    *os << "code " << c.code << ": card " << c.card << " on " << c.top;
}

INSTANTIATE_TEST_SUITE_P(EveryCode, RankRules, ::testing::ValuesIn(kRankCases),
                         [](const ::testing::TestParamInfo<RankCase>& info) {
                             return "Code" + std::to_string(info.param.code) + "_" +
                                    std::to_string(info.index);
                         });

TEST_F(LegalityTable, Rule73TakesTheRankOfThePileNumber) {
    Foundation(2, kAce, direction::Ascending, 73);
    EXPECT_TRUE(ToFoundation(2, Spades(3)));
    EXPECT_FALSE(ToFoundation(2, Spades(kAce)));
    g.piles.dest[2] = Cards({Hearts(3)});
    EXPECT_TRUE(ToFoundation(2, Clubs(3)));
    EXPECT_FALSE(ToFoundation(2, Clubs(4)));
}

}  // namespace
}  // namespace tindle::legality_test
