#include <gtest/gtest.h>

#include <algorithm>

#include "DealTestSupport.h"
#include "model/DeckOrder.h"

namespace tindle {
namespace {

using test::Number;

GameDef Deck(int cards, int jokers = 0) {
    GameDef def;
    def[gd::DeckCards] = static_cast<int16_t>(cards);
    if (jokers > 0) {
        def[gd::UsesJokers] = 1;
        def[gd::JokerCount] = static_cast<int16_t>(jokers);
    }
    return def;
}

std::vector<int> Entries(const DeckOrder& order) {
    std::vector<int> v;
    for (int i = 0; i < order.Size(); ++i)
        v.push_back(order.At(i));
    return v;
}

TEST(GameNumber, PadsShortNumbersAndRefusesAnythingElse) {
    EXPECT_EQ(ParseGameNumber("42")->Text(), "0000000000042");
    EXPECT_EQ(ParseGameNumber(" 1234567890123 ")->Text(), "1234567890123");
    EXPECT_EQ(ParseGameNumber("7")->G(13), 7);
    EXPECT_EQ(ParseGameNumber("7")->G(1), 0);
    EXPECT_FALSE(ParseGameNumber(""));
    EXPECT_FALSE(ParseGameNumber("   "));
    EXPECT_FALSE(ParseGameNumber("12345678901234"));
    EXPECT_FALSE(ParseGameNumber("-5"));
    EXPECT_FALSE(ParseGameNumber("12a4"));
    EXPECT_FALSE(ParseGameNumber("1 2"));
}

// All digits 0: every pass takes the first rank left (1, 2, 3, ...), searches upward, and
// uses step row 0 (25, 18, 13, 22) and suit row 0 (spades, diamonds, clubs, hearts).
// Worked by hand for the first three passes.
TEST(DeckOrder, AllZeroNumberStepsByRowZeroAndSearchesUpward) {
    DeckOrder order = fnGameNumberCardsArray(Deck(52), Number("0000000000000"), nullptr);
    ASSERT_EQ(order.Size(), 52);
    // Pass 1 (Aces): positions 25, 43, 56 -> 4, 26.
    EXPECT_EQ(order.At(25), 40);
    EXPECT_EQ(order.At(43), 14);
    EXPECT_EQ(order.At(4), 27);
    EXPECT_EQ(order.At(26), 1);
    // Pass 2 (twos): 51, 69 -> 17, 30, 52 -> 0.
    EXPECT_EQ(order.At(51), 41);
    EXPECT_EQ(order.At(17), 15);
    EXPECT_EQ(order.At(30), 28);
    EXPECT_EQ(order.At(0), 2);
    // Pass 3 (threes): 25 is taken, the search goes up past 26 to 27; then 45, 6, 28.
    EXPECT_EQ(order.At(27), 42);
    EXPECT_EQ(order.At(45), 16);
    EXPECT_EQ(order.At(6), 29);
    EXPECT_EQ(order.At(28), 3);
    // And the whole deck is placed, each card once.
    std::vector<int> all = Entries(order);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, test::CardRange(1, 52));
}

// A six-card deck, worked through by hand: the first digit 1 searches downward and wraps to
// the first free entry; the second pass (digit 0) searches upward and, once the order is
// full, its cards find no entry and are left out.
TEST(DeckOrder, SmallDeckWorkedByHand) {
    DeckOrder order = fnGameNumberCardsArray(Deck(6), Number("1000000000000"), nullptr);
    EXPECT_EQ(order.Text(), "036 049 023 010 015 002");
    EXPECT_FALSE(order.DeckError());
}

TEST(DeckOrder, TwoDecksPlaceEightCardsPerRankTheSecondFourFromTheSecondDeck) {
    DeckOrder order = fnGameNumberCardsArray(Deck(104), Number("0000000000000"), nullptr);
    ASSERT_EQ(order.Size(), 104);
    // Pass 1 by hand: steps 25 18 13 22 21 20 15 15, suits 4 2 3 1 | 4 2 1 3.
    EXPECT_EQ(order.At(25), 40);
    EXPECT_EQ(order.At(43), 14);
    EXPECT_EQ(order.At(56), 27);
    EXPECT_EQ(order.At(78), 1);
    EXPECT_EQ(order.At(99), 92);  // spades Ace of the second deck
    EXPECT_EQ(order.At(15), 66);  // 119 wraps to 15: diamonds Ace, second deck
    EXPECT_EQ(order.At(30), 53);
    EXPECT_EQ(order.At(45), 79);
    for (const char* n : {"0000000000000", "9999999999999", "1234567890123", "5550001112223"}) {
        std::vector<int> all = Entries(fnGameNumberCardsArray(Deck(104), Number(n), nullptr));
        std::sort(all.begin(), all.end());
        EXPECT_EQ(all, test::CardRange(1, 104)) << n;
    }
}

TEST(DeckOrder, JokersTakeTheirEntriesFirst) {
    DeckOrder order = fnGameNumberCardsArray(Deck(52, 2), Number("0000000000000"), nullptr);
    ASSERT_EQ(order.Size(), 54);
    // The jokers run from position 0 by step row 0: 25, then 43.
    EXPECT_EQ(order.At(25), 105);
    EXPECT_EQ(order.At(43), 106);
    // The first Ace lands on the first joker's entry and searches up to 26; the last one
    // lands on 25 again and moves past 26 to 27.
    EXPECT_EQ(order.At(26), 40);
    EXPECT_EQ(order.At(44), 14);
    EXPECT_EQ(order.At(3), 27);  // 57 wraps by 54
    EXPECT_EQ(order.At(27), 1);
    std::vector<int> all = Entries(order);
    std::sort(all.begin(), all.end());
    std::vector<int> expected = test::CardRange(1, 52);
    expected.push_back(105);
    expected.push_back(106);
    EXPECT_EQ(all, expected);
}

TEST(DeckOrder, EveryNumberGivesAFullDeckOnce) {
    // Numbers with every digit in every place, and both search directions in every pass.
    for (int seed = 0; seed < 2000; ++seed) {
        std::string n =
            std::to_string(static_cast<long long>(seed) * 4999999937LL % 10000000000000LL);
        std::vector<int> all = Entries(fnGameNumberCardsArray(Deck(52), Number(n), nullptr));
        std::sort(all.begin(), all.end());
        ASSERT_EQ(all, test::CardRange(1, 52)) << n;
    }
}

TEST(DeckOrder, DecksTheTablesCannotPlaceShowTheErrorAndStayFree) {
    for (int cards : {60, 103, 105, 0, -4}) {
        test::RecordingMessages messages;
        DeckOrder order = fnGameNumberCardsArray(Deck(cards), Number("1"), &messages);
        EXPECT_TRUE(order.DeckError()) << cards;
        ASSERT_EQ(messages.shown.size(), 1u) << cards;
        EXPECT_EQ(messages.shown[0], "Error 01 - fnGameNumberCardsArray");
        for (int i = 0; i < order.Size(); ++i)
            EXPECT_EQ(order.At(i), 0);
    }
    // Jokers beyond the four the tables know would overflow the order.
    test::RecordingMessages messages;
    EXPECT_TRUE(fnGameNumberCardsArray(Deck(104, 9), Number("1"), &messages).DeckError());
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(DeckOrder, ShortDecksLeaveOutTheCardsThatFindNoEntry) {
    DeckOrder order = fnGameNumberCardsArray(Deck(32), Number("8765432109876"), nullptr);
    ASSERT_EQ(order.Size(), 32);
    std::vector<int> all = Entries(order);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
    EXPECT_GT(all.front(), 0);  // every entry is filled
}

}  // namespace
}  // namespace tindle
