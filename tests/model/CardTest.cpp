#include <gtest/gtest.h>

#include "model/Card.h"
#include "model/CardTable.h"
#include "model/Pile.h"

namespace tindle {
namespace {

TEST(CardFunctions, RanksAndSuitsOfBothDecksAndJokers) {
    EXPECT_EQ(CardRank(1), 1);
    EXPECT_EQ(CardRank(13), 13);
    EXPECT_EQ(CardRank(14), 1);
    EXPECT_EQ(CardRank(52), 13);
    EXPECT_EQ(CardRank(53), 1);
    EXPECT_EQ(CardSuit(53), kHearts);
    EXPECT_EQ(CardRank(104), 13);
    EXPECT_EQ(CardSuit(104), kSpades);
    EXPECT_EQ(CardRank(105), kJokerRank);
    EXPECT_EQ(CardSuit(105), -1);
    EXPECT_EQ(CardRank(0), -1);
    EXPECT_EQ(CardRank(109), -1);
    EXPECT_EQ(CardSuit(27), kClubs);
    EXPECT_EQ(CardSuit(40), kSpades);
}

TEST(CardFunctions, ColoursFaceCardsAndJokers) {
    EXPECT_TRUE(CardIsRed(1));
    EXPECT_TRUE(CardIsRed(26));
    EXPECT_FALSE(CardIsRed(27));
    EXPECT_TRUE(CardIsRed(53));
    EXPECT_TRUE(CardIsRed(78));
    EXPECT_FALSE(CardIsRed(79));
    EXPECT_FALSE(CardIsRed(105));
    for (int n : {11, 12, 13, 24, 25, 26, 37, 38, 39, 50,  51,  52,
                  63, 64, 65, 76, 77, 78, 89, 90, 91, 102, 103, 104}) {
        EXPECT_TRUE(CardIsFaceCard(n)) << n;
    }
    EXPECT_FALSE(CardIsFaceCard(10));
    EXPECT_FALSE(CardIsFaceCard(105));
    EXPECT_TRUE(CardIsJoker(108));
    EXPECT_FALSE(CardIsJoker(104));
}

TEST(CardFunctions, RanksWrapAtKingAndAce) {
    EXPECT_EQ(NextRank(13), 1);
    EXPECT_EQ(NextRank(5), 6);
    EXPECT_EQ(PrevRank(1), 13);
    EXPECT_EQ(PrevRank(6), 5);
}

TEST(CardTable, EntriesHaveTheirExactTwentyCharacters) {
    CardTable t;
    EXPECT_EQ(t.Entry(1), "CUORI_A        10011");
    EXPECT_EQ(t.Entry(2), "CUORI_02       10021");
    EXPECT_EQ(t.Entry(10), "CUORI_10       10101");
    EXPECT_EQ(t.Entry(52), "PICCH_K        40521");
    EXPECT_EQ(t.Entry(53), "CUORI_A        10531");
    EXPECT_EQ(t.Entry(104), "PICCH_K        41041");
    EXPECT_EQ(t.Entry(105), "JOKER          41051");
    EXPECT_EQ(t.Entry(108), "JOKER          41081");
    EXPECT_TRUE(t.Entry(0).empty());
    EXPECT_TRUE(t.Entry(109).empty());
}

TEST(CardTable, FaceFlagsChangeOnlyTheLastCharacter) {
    CardTable t;
    EXPECT_FALSE(t.CardIsFaceDown(7));
    t.SetCardFace(7, kFaceDown);
    EXPECT_TRUE(t.CardIsFaceDown(7));
    EXPECT_EQ(t.Entry(7).substr(0, 19), "CUORI_07       1007");
    EXPECT_FALSE(t.CardIsFaceDown(0));
    EXPECT_FALSE(t.CardIsFaceDown(-3));
}

TEST(CardTable, PileFaceModes) {
    CardTable t;
    Pile three = "001002003";
    t.SetPileFaces(three, -1, kFaceDown);
    EXPECT_FALSE(t.CardIsFaceDown(1));
    EXPECT_TRUE(t.CardIsFaceDown(2));
    EXPECT_FALSE(t.CardIsFaceDown(3));

    t.SetPileFaces(three, -2, kFaceUp);
    EXPECT_TRUE(t.CardIsFaceDown(1));
    EXPECT_FALSE(t.CardIsFaceDown(2));
    EXPECT_TRUE(t.CardIsFaceDown(3));

    t.SetPileFaces(three, -3, kFaceUp);
    EXPECT_FALSE(t.CardIsFaceDown(1));
    EXPECT_TRUE(t.CardIsFaceDown(2));
    EXPECT_TRUE(t.CardIsFaceDown(3));

    // Mode n turns the topmost n cards; a pile shorter than n has all its cards turned.
    t.SetPileFaces("004", 2, kFaceDown);
    EXPECT_TRUE(t.CardIsFaceDown(4));
    t.SetPileFaces(three, 1, kFaceUp);
    EXPECT_TRUE(t.CardIsFaceDown(2));
    EXPECT_FALSE(t.CardIsFaceDown(3));

    // Mode 0 and modes below -3 change nothing.
    t.SetPileFaces(three, 0, kFaceUp);
    t.SetPileFaces(three, -4, kFaceUp);
    EXPECT_TRUE(t.CardIsFaceDown(2));
}

TEST(PileText, ReadsAndEditsThreeDigitCards) {
    Pile p;
    PileAppend(p, 7);
    PileAppend(p, 105);
    PileAppend(p, 52);
    EXPECT_EQ(p, "007105052");
    EXPECT_EQ(PileCount(p), 3);
    EXPECT_EQ(PileTop(p), 52);
    EXPECT_EQ(PileBottom(p), 7);
    EXPECT_EQ(PileCardAt(p, 1), 105);
    EXPECT_EQ(PileCardAt(p, 3), 0);
    EXPECT_EQ(PileFind(p, 105), 1);
    EXPECT_EQ(PileFind(p, 5), -1);
    PileRemoveAt(p, 1);
    EXPECT_EQ(p, "007052");
    PileReplaceAt(p, 0, 0);
    EXPECT_EQ(p, "000052");
    EXPECT_EQ(PilePopTop(p), 52);
    EXPECT_TRUE(PileOnlyGaps(p));
    Pile q = "001002003004";
    EXPECT_EQ(PileCutFrom(q, 2), "003004");
    EXPECT_EQ(q, "001002");
}

}  // namespace
}  // namespace tindle
